#pragma once

#include <string>

namespace korvel {

// Why a file or program operation failed, in the words a user of the tool set
// reads: Chinese for the common causes, the system's own text for the rest.
std::string SystemReason(int error);

// Why a file that must be a regular one is refused.
inline constexpr char kNotRegularFile[] = "不是普通文件（可能是管道或设备）";

}  // namespace korvel
