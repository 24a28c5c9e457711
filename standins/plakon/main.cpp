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
    std::fputs("usage: Plakon.exe   (reads out.txt, writes data.mfd in the current folder)\n", stderr);
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
    korvel::standins::ShowFailure("Plakon.exe: 内存不足，无法把 out.txt 写成 data.mfd\n");
    return 1;
  } catch (const std::exception& e) {
    korvel::standins::ShowFailure(std::string("Plakon.exe: ") + e.what() + "\n");
    return 1;
  }
}
