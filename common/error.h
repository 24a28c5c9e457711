#pragma once
// Errors that a program reports to its user and survives: a number too large
// for a double, a file that cannot be read or written.

#include <stdexcept>
#include <string>

namespace korvel {

// A failure the user can act on; what() is a complete sentence in UTF-8.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A number beyond the range of a double, typed or read from a file.
class OverflowError : public Error {
 public:
  using Error::Error;
};

}  // namespace korvel
