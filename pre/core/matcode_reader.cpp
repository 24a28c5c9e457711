#include "pre/core/matcode_reader.h"

#include "common/list_lines.h"

namespace korvel::pre {

FiberSection ReadMatcodeFile(std::string_view bytes, const std::string& fileName) {
  ListLines in(bytes, "文件", fileName);
  if (in.Count("截面数") != 1) in.Fail("截面数应为 1");
  FiberSection s;
  const auto header = in.Numbers<3>("截面头行");
  s.LengthY = header[0], s.LengthX = header[1], s.Modulus = header[2];
  for (int n = 0; n < 36; ++n) {
    ConcreteFiber& f = s.Fibers[n];
    const std::string fiber = "纤维 " + std::to_string(n + 1) + " 的";
    const auto place = in.Numbers<3>(fiber + "位置和面积行");
    const auto peak = in.Numbers<2>(fiber + "fc,eps0 行");
    const auto ultimate = in.Numbers<2>(fiber + "sigu,epsu 行");
    const auto modulus = in.Numbers<1>(fiber + "E0 行");
    f = {place[0], place[1], place[2], peak[0], peak[1], ultimate[0], ultimate[1], modulus[0]};
  }
  for (int k = 0; k < 4; ++k) {
    const std::string bar = "钢筋 " + std::to_string(k + 1) + " 的";
    const auto place = in.Numbers<3>(bar + "位置和面积行");
    const auto steel = in.Numbers<2>(bar + "fy,Es 行");
    s.Bars[k] = {place[0], place[1], place[2], steel[0], steel[1]};
  }
  in.ExpectEnd();
  return s;
}

}  // namespace korvel::pre
