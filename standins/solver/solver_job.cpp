#include "standins/solver/solver_job.h"

#include <cmath>

#include "common/error.h"
#include "common/real_format.h"

namespace korvel::standins {

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
    if (!std::isfinite(sum)) throw FileError("文件", "matcode0.txt", "截面的面积或面积矩超出双精度数的范围，无法计算");
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
