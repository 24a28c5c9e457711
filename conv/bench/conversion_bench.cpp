// Converts a generated model of N lines and prints the median time and the
// peak memory of the conversion, beside the time `wc -l` takes to read the
// same file (what reading alone costs on this machine).
//   conversion_bench N [RUNS]   (defaults 1000000 and 5)
//   conversion_bench --write N FILE   only writes the model, for profiling
// It works in a folder beside the program (in the build folder), removed at
// the end, so runs of two build folders never meet.
// A third of the lines are joints, a third frames, the rest frame section
// assignments in shuffled order.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "conv/core/conversion.h"

namespace {

void WriteModel(const std::filesystem::path& file, long lines) {
  std::ofstream out(file, std::ios::binary);
  const long joints = lines / 3, frames = lines / 3, assignments = lines - joints - frames;
  out << "TABLE:  \"JOINT COORDINATES\"\r\n";
  for (long j = 1; j <= joints; ++j) {
    out << "   Joint=" << j << "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" << j * 0.25 << "   Y=" << j % 7
        << "   Z=3.6   SpecialJt=No   GlobalX=" << j * 0.25 << "   GlobalY=" << j % 7 << "   GlobalZ=3.6\r\n";
  }
  out << " \r\nTABLE:  \"CONNECTIVITY - FRAME\"\r\n";
  for (long f = 1; f <= frames; ++f) {
    out << "   Frame=" << f << "   JointI=" << f << "   JointJ=" << f % joints + 1
        << "   IsCurved=No   Length=3.6   CentroidX=1.8   CentroidY=0   CentroidZ=1.8\r\n";
  }
  std::vector<long> order(static_cast<std::size_t>(assignments));
  for (long a = 0; a < assignments; ++a) order[a] = a % frames + 1;
  std::shuffle(order.begin(), order.end(), std::mt19937(42));
  out << " \r\nTABLE:  \"FRAME SECTION ASSIGNMENTS\"\r\n";
  for (long frame : order) {
    out << "   Frame=" << frame << "   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=B" << frame % 50
        << "   DesignSect=B" << frame % 50 << "   MatProp=Default\r\n";
  }
  out << " \r\nEND TABLE DATA\r\n";
}

struct Run {
  double seconds;
  double peakMegabytes;
};

// Runs `work` in a child process, so its peak memory is its own.
template <typename Work>
Run Measure(Work work) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    work();
    std::_Exit(0);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "conversion_bench: a measured run failed\n");
    std::exit(1);
  }
  return {seconds, usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write") {
    WriteModel(argv[3], std::atol(argv[2]));
    return 0;
  }
  const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const auto folder = std::filesystem::absolute(argv[0]).parent_path() / ("bench-" + std::to_string(lines));
  std::filesystem::create_directories(folder);
  const std::filesystem::path model = folder / "model.s2k";
  WriteModel(model, lines);
  const auto size = std::filesystem::file_size(model);

  std::vector<double> convert, count;
  double peak = 0;
  for (int run = 0; run < runs; ++run) {
    count.push_back(Measure([&] {
                      std::freopen("/dev/null", "w", stdout);
                      execlp("wc", "wc", "-l", model.c_str(), static_cast<char*>(nullptr));
                      std::_Exit(127);
                    }).seconds);
    const Run conversion = Measure([&] {
      korvel::conv::ConversionOptions options;
      options.startTool = false;
      korvel::conv::SAP2KREAD(model, folder, options);
    });
    convert.push_back(conversion.seconds);
    peak = std::max(peak, conversion.peakMegabytes);
  }
  const double seconds = Median(convert), reading = Median(count);
  std::printf("%8ld lines (%6.1f MB): %.3f s (%.0f x wc -l, which takes %.3f s), peak memory %.1f MB\n", lines,
              size / 1e6, seconds, seconds / reading, reading, peak);
  std::filesystem::remove_all(folder);
}
