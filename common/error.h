#pragma once
// Errors that a program reports to its user and survives: a number too large
// for a double, a file that cannot be read or written.

#include <stdexcept>
#include <string>
#include <string_view>

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

// The two wordings of an error about a file: `<kind> "<name>"：<reason>` and
// `<kind> "<name>" 第 N 行：<reason>`. The kind says what the file is to the
// message (模型文件, 截面文件, 无法读取模型文件, 无法替换文件); the name is
// the file's name as the user gave it, and is quoted here, never by a caller.
Error FileError(std::string_view kind, std::string_view name, std::string_view reason);
Error LineError(std::string_view kind, std::string_view name, int line, std::string_view reason);

// What a lack of memory is reported as, by korvel and by every window, in
// place of the library's "std::bad_alloc".
inline constexpr char kOutOfMemory[] = "内存不足，这项工作没有完成：请关闭其他程序后再试";

// What a current folder that is gone (removed or renamed under a running
// program) is reported as, in place of the library's English.
inline constexpr char kCurrentFolderMissing[] =
    "找不到当前的工作文件夹（它可能已被删除或改名），请在一个存在的文件夹中重新启动程序";

// At most a short beginning of a text the user gave, for a message: a field
// or a file may hold megabytes, and a message line should not. UTF-8.
std::string Excerpt(std::string_view text);

}  // namespace korvel
