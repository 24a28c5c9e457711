// Plakon.exe stand-in: reads "out.txt" from the current folder and writes the
// listing "data.mfd". Exit status 0 when written, 1 when out.txt is missing or
// malformed (the message names the line), 2 for arguments.

#include <cstdio>
#include <new>

#include "common/error.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "standins/plakon/failure_message.h"
#include "standins/plakon/model_listing.h"

int main(int argc, char**) {
  if (argc > 1) {
    std::fputs("用法：Plakon.exe（不带参数：读当前文件夹中的 out.txt，写出 data.mfd）\n", stderr);
    return 2;
  }
  try {
    const std::string bytes = korvel::InputFile("out.txt", "文件").ReadAll(korvel::conv::kModelFileLimit);
    const std::string listing = korvel::standins::ModelListing(korvel::conv::ReadModelFile(bytes));
    korvel::OutputFile out("data.mfd", korvel::OutputFile::Mode::kReplaceWhenDone);
    out.Write(listing);
    out.Commit();
    return 0;
  } catch (const std::bad_alloc&) {
    korvel::standins::ShowFailure("Plakon.exe: 内存不足，没有生成 data.mfd\n");
    return 1;
  } catch (const std::exception& e) {
    korvel::standins::ShowFailure(std::string("Plakon.exe: ") + e.what() + "；没有生成 data.mfd\n");
    return 1;
  }
}
