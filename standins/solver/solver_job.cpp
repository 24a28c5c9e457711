#include "standins/solver/solver_job.h"

#include <cmath>

#include "common/error.h"
#include "common/real_format.h"
#include "standins/list_lines.h"

namespace korvel::standins {

pre::FiberSection ReadMatcodeFile(std::string_view bytes) {
  ListLines in(bytes, "matcode0.txt");
  if (in.Count("截面数") != 1) in.Fail("截面数应为 1");
  pre::FiberSection s;
  const auto header = in.Numbers<3>("截面头行");
  s.LengthY = header[0], s.LengthX = header[1], s.Modulus = header[2];
  for (int n = 0; n < 36; ++n) {
    pre::ConcreteFiber& f = s.Fibers[n];
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

std::string JobLog(const std::string& job, std::size_t jobBytes, const pre::FiberSection& s) {
  double concrete = 0, momentX = 0, momentY = 0, steel = 0;
  for (const pre::ConcreteFiber& f : s.Fibers) {
    concrete += f.Area;
    momentX += f.Area * f.x;
    momentY += f.Area * f.y;
  }
  for (const pre::BarFiber& b : s.Bars) steel += b.As;
  const double rectangle = s.LengthX * s.LengthY;
  for (double sum : {concrete, momentX, momentY, steel, rectangle, concrete - rectangle}) {
    if (!std::isfinite(sum)) throw Error("matcode0.txt：截面的面积或面积矩超出双精度数的范围，无法计算");
  }

  std::string log = "KORVEL solver stand-in\r\n";
  log += "Job: " + job + " (" + job + ".dat, " + std::to_string(jobBytes) + " bytes)\r\n";
  log += "Section: LengthX=" + FormatReal(s.LengthX) + "  LengthY=" + FormatReal(s.LengthY) +
         "  Modulus=" + FormatReal(s.Modulus) + "\r\n";
  log += "Concrete fibers: 36, area " + FormatReal(concrete) + " (LengthX*LengthY " + FormatReal(rectangle) +
         ", difference " + FormatReal(concrete - rectangle) + ")\r\n";
  log += "Steel bars: 4, area " + FormatReal(steel) + "\r\n";
  if (concrete == 0) {
    log += "Fiber centroid: undefined (no concrete area)\r\n";
  } else {
    log += "Fiber centroid: x=" + FormatReal(momentX / concrete) + "  y=" + FormatReal(momentY / concrete) + "\r\n";
  }
  return log;
}

}  // namespace korvel::standins
