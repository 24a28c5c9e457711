// korvel_2005r2_027.exe stand-in: "-j JOB" reads JOB.dat and matcode0.txt in
// the current folder, checks the material code file and writes JOB.log.
// Exit status 0 when the log is written, 1 for a missing or bad input, 2 for
// wrong arguments.

#include <cstdio>
#include <new>
#include <string>

#include "common/error.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "standins/solver/solver_job.h"

namespace {

// A job file is only measured.
constexpr std::size_t kJobLimit = std::size_t{1} << 30;

std::string ReadAll(const std::string& name, std::size_t limit) {
  return korvel::InputFile(name, "文件").ReadAll(limit);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::string(argv[1]) != "-j") {
    std::fputs("用法：korvel_2005r2_027.exe -j 作业名（读 作业名.dat 和 matcode0.txt，写出 作业名.log）\n", stderr);
    return 2;
  }
  const std::string job = argv[2];
  try {
    const std::string data = ReadAll(job + ".dat", kJobLimit);
    const korvel::pre::FiberSection section =
        korvel::pre::ReadMatcodeFile(ReadAll("matcode0.txt", korvel::pre::kMatcodeFileLimit));
    korvel::OutputFile log(job + ".log", korvel::OutputFile::Mode::kReplaceWhenDone);
    log.Write(korvel::standins::JobLog(job, data.size(), section));
    log.Commit();
    return 0;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "korvel_2005r2_027.exe: %s\n", korvel::kOutOfMemory);
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvel_2005r2_027.exe: %s\n", e.what());
    return 1;
  }
}
