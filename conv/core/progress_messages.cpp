#include "conv/core/progress_messages.h"

#include "common/codepage.h"

namespace korvel::conv {

const ProgressMessages& Messages() {
  static const ProgressMessages messages{
      Utf8ToCp936("读取节点坐标"),        // reading joint coordinates
      Utf8ToCp936("读取框架节点信息"),    // reading frame joints
      Utf8ToCp936("读取墙板节点信息"),    // reading wall panel joints
      Utf8ToCp936("读取框架截面信息"),    // reading frame sections
      Utf8ToCp936("读取墙板截面信息; "),  // reading wall panel sections
      Utf8ToCp936("未找到框架单元"),      // no frame element with this label
      Utf8ToCp936("未找到墙板单元"),      // no wall panel with this label
  };
  return messages;
}

}  // namespace korvel::conv
