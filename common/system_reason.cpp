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
    case EEXIST:
      return "已经有同名的文件或文件夹";
    case EIO:
      return "读写设备时出错（输入输出错误）";
    case EAGAIN:
      return "资源暂时不可用，请稍后再试";
    case EBUSY:
      return "文件或设备正被使用";
    case EMFILE:
    case ENFILE:
      return "打开的文件太多";
    case EFBIG:
      return "文件太大";
    case EXDEV:
      return "不能跨文件系统改名";
    case EINVAL:
      return "参数无效";
#ifdef ETXTBSY
    case ETXTBSY:
      return "文件正被执行，不能写入";
#endif
#ifdef EDQUOT
    case EDQUOT:
      return "超出磁盘配额";
#endif
#ifdef ELOOP
    case ELOOP:
      return "符号链接太多层";
#endif
    default:
      return std::generic_category().message(error);
  }
}

}  // namespace korvel
