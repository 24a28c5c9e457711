// Converts a generated model of N lines and prints the time and peak memory.
//   conversion_bench N   (default 1000000)
// A third of the lines are joints, a third frames (with their assignments
// making up a third of the whole) and the rest areas.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "conv/core/conversion.h"

namespace {

void WriteModel(const std::filesystem::path& file, long lines) {
  std::ofstream out(file, std::ios::binary);
  const long joints = lines / 3, frames = lines * 3 / 10, assignments = lines * 3 / 10;
  const long areas = lines - joints - frames - assignments;
  out << "TABLE:  \"JOINT COORDINATES\"\r\n";
  for (long j = 1; j <= joints; ++j) {
    out << "   Joint=" << j << "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" << j * 0.5 << "   Y=" << j % 7
        << "   Z=3.6   SpecialJt=No   GlobalX=" << j * 0.5 << "   GlobalY=" << j % 7 << "   GlobalZ=3.6\r\n";
  }
  out << " \r\nTABLE:  \"CONNECTIVITY - FRAME\"\r\n";
  for (long f = 1; f <= frames; ++f) {
    out << "   Frame=" << f << "   JointI=" << f << "   JointJ=" << f + 1
        << "   IsCurved=No   Length=3.6   CentroidX=1.8   CentroidY=0   CentroidZ=1.8\r\n";
  }
  out << " \r\nTABLE:  \"CONNECTIVITY - AREA\"\r\n";
  for (long a = 1; a <= areas; ++a) {
    out << "   Area=" << a << "   NumJoints=4   Joint1=" << a << "   Joint2=" << a + 1 << "   Joint3=" << a + 2
        << "   Joint4=" << a + 3 << "   Perimeter=12   AreaArea=9   Volume=1.8   CentroidX=1\r\n";
  }
  out << " \r\nTABLE:  \"FRAME SECTION ASSIGNMENTS\"\r\n";
  for (long f = 1; f <= assignments; ++f) {
    out << "   Frame=" << (f * 7919) % frames + 1 << "   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=B"
        << f % 50 << "   DesignSect=B" << f % 50 << "   MatProp=Default\r\n";
  }
  out << " \r\nEND TABLE DATA\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
  const auto folder = std::filesystem::temp_directory_path() / ("korvel-bench-" + std::to_string(lines));
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  WriteModel("model.s2k", lines);
  const auto size = std::filesystem::file_size("model.s2k");

  korvel::conv::ConversionOptions options;
  options.startTool = false;
  const auto start = std::chrono::steady_clock::now();
  korvel::conv::SAP2KREAD("model.s2k", options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%ld lines (%.1f MB): converted in %.3f s, peak memory %.1f MB\n", lines, size / 1e6, seconds,
              usage.ru_maxrss / 1024.0);
  std::filesystem::current_path("/");
  std::filesystem::remove_all(folder);
}
