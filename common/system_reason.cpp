#include "common/system_reason.h"

#include <cerrno>
#include <system_error>

namespace korvel {

std::string SystemReason(int error) {
  switch (error) {
    case ENOENT:
      return "文件或文件夹不存在";
    case EACCES:
    case EPERM:
      return "没有访问权限";
    case EISDIR:
      return "这是一个文件夹";
    case ENOTDIR:
      return "路径中有一部分不是文件夹";
    case ENOSPC:
      return "磁盘空间已满";
    case EROFS:
      return "文件系统是只读的";
    case ENAMETOOLONG:
      return "文件名太长";
    case ENOEXEC:
      return "不是可执行的程序";
    default:
      return std::generic_category().message(error);
  }
}

}  // namespace korvel
