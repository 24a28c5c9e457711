#include "pre/core/matcode_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "pre/core/fiber_generator.h"
#include "pre/core/matcode_reader.h"

namespace korvel::pre {
namespace {

using test_support::TempFolder;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

SectionInput WorkedExample() {
  SectionInput input;
  input.LengthX = 400;
  input.LengthY = 600;
  input.Modulus = 30000;
  input.Cover = 40;
  input.CoreConcrete = {30, 0.002, 6, 0.0035, 30000};
  input.CoverConcrete = {26.8, 0.0022, 5.36, 0.0038, 28500};
  input.Rebars = {{{200000, 360, 314.16}, {200000, 360, 490.87}, {210000, 400, 314.16}, {195000, 335, 201.06}}};
  return input;
}

TEST(MatcodeFile, AllZeroSectionIsOneThenZeros) {
  const auto lines = Lines(MatcodeText(BuildFiberSection(SectionInput{})));
  ASSERT_EQ(lines.size(), 154u);
  EXPECT_EQ(lines[0], "1");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    for (char c : lines[i]) ASSERT_TRUE(c == '0' || c == ',') << "line " << i + 1 << ": " << lines[i];
  }
}

// Every number of a section, field by field.
std::vector<double*> Numbers(FiberSection& s) {
  std::vector<double*> all{&s.LengthY, &s.LengthX, &s.Modulus};
  for (ConcreteFiber& f : s.Fibers)
    all.insert(all.end(), {&f.x, &f.y, &f.Area, &f.fc, &f.eps0, &f.sigu, &f.epsu, &f.E0});
  for (BarFiber& b : s.Bars) all.insert(all.end(), {&b.x, &b.y, &b.As, &b.fy, &b.Es});
  return all;
}

// A section whose every number differs: written and read back, each number
// is in its own field again, so that writing it once more gives the same bytes.
TEST(MatcodeFile, EveryNumberWrittenReadsBackIntoItsOwnField) {
  FiberSection written;
  int n = 0;
  for (double* field : Numbers(written)) *field = ++n % 2 ? n * 1.25 : n * -1.5;
  const std::string text = MatcodeText(written);
  EXPECT_EQ(MatcodeText(ReadMatcodeFile(text)), text);
}

TEST(MatcodeFile, MatchesTheGoldenFileByteForByte) {
  TempFolder folder;
  Write_File(WorkedExample(), folder.Path("matcode0.txt"));
  const std::string golden = TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt");
  EXPECT_EQ(folder.Read("matcode0.txt"), golden);
}

TEST(MatcodeFile, WritingAgainReplacesTheWholeFile) {
  TempFolder folder;
  folder.Write("matcode0.txt", std::string(100000, 'x'));
  Write_File(SectionInput{}, folder.Path("matcode0.txt"));
  const std::string first = folder.Read("matcode0.txt");
  Write_File(SectionInput{}, folder.Path("matcode0.txt"));
  EXPECT_EQ(folder.Read("matcode0.txt"), first);
  EXPECT_EQ(Lines(first).size(), 154u);
}

TEST(MatcodeFile, FailedComputationLeavesTheOldFileUntouched) {
  TempFolder folder;
  folder.Write("matcode0.txt", "earlier result");
  SectionInput input = WorkedExample();
  input.Cover = 1e200;
  EXPECT_THROW(Write_File(input, folder.Path("matcode0.txt")), OverflowError);
  EXPECT_EQ(folder.Read("matcode0.txt"), "earlier result");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"matcode0.txt"});
}

TEST(MatcodeFile, UnwritableTargetIsReportedAndLeavesNothingBehind) {
  TempFolder folder;
  std::filesystem::create_directory(folder.Path("matcode0.txt"));
  EXPECT_THROW(Write_File(WorkedExample(), folder.Path("matcode0.txt")), Error);
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("matcode0.txt")));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"matcode0.txt"});
}

}  // namespace
}  // namespace korvel::pre
