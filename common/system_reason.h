#pragma once

#include <string>

namespace korvel {

// Why a file or program operation failed, in the words a user of the tool set
// reads: Chinese for the common causes, the system's own text for the rest.
std::string SystemReason(int error);

}  // namespace korvel
