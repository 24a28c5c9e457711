#include "pre/core/matcode_file.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(MatcodeFile, LinesOfTheWorkedExample) {
  const auto lines = Lines(MatcodeText(BuildFiberSection(WorkedExample())));
  ASSERT_EQ(lines.size(), 154u);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[1], "600,400,30000");
  EXPECT_EQ(lines[2], "-180,-280,1600");
  EXPECT_EQ(lines[3], "30,.002");
  EXPECT_EQ(lines[4], "6,.0035");
  EXPECT_EQ(lines[5], "30000");
  EXPECT_EQ(lines[6], "-120,-280,3200");
  EXPECT_EQ(lines[10], "-40,-280,3200");
  EXPECT_EQ(lines[22], "180,-280,1600");
  EXPECT_EQ(lines[26], "-180,-195,5200");
  EXPECT_EQ(lines[30], "-120,-195,10400");
  EXPECT_EQ(lines[31], "26.8,.0022") << "fiber 8 is interior: cover concrete";
  EXPECT_EQ(lines[146], "-160,-260,314.16");
  EXPECT_EQ(lines[147], "360,200000");
  EXPECT_EQ(lines[148], "160,-260,490.87");
  EXPECT_EQ(lines[150], "-160,260,314.16");
  EXPECT_EQ(lines[151], "400,210000");
  EXPECT_EQ(lines[152], "160,260,201.06");
  EXPECT_EQ(lines[153], "335,195000");
}

TEST(MatcodeFile, RingAndInteriorRecordsCarryTheirConcrete) {
  const auto lines = Lines(MatcodeText(BuildFiberSection(WorkedExample())));
  const std::vector<int> interior = {8, 9, 10, 11, 14, 15, 16, 17, 20, 21, 22, 23, 26, 27, 28, 29};
  for (int n = 1; n <= 36; ++n) {
    const bool isInterior = std::find(interior.begin(), interior.end(), n) != interior.end();
    const int first = 4 * n - 1;  // 1-based line of the record's first line
    EXPECT_EQ(lines[first], isInterior ? "26.8,.0022" : "30,.002") << "fiber " << n;
    EXPECT_EQ(lines[first + 1], isInterior ? "5.36,.0038" : "6,.0035") << "fiber " << n;
    EXPECT_EQ(lines[first + 2], isInterior ? "28500" : "30000") << "fiber " << n;
  }
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

std::vector<double> Values(FiberSection s) {
  std::vector<double> values;
  for (const double* field : Numbers(s)) values.push_back(*field);
  return values;
}

TEST(MatcodeFile, EveryNumberWrittenReadsBackIntoItsOwnField) {
  FiberSection written;
  int n = 0;
  for (double* field : Numbers(written)) *field = ++n % 2 ? n * 1.25 : n * -1.5;
  EXPECT_EQ(Values(ReadMatcodeFile(MatcodeText(written))), Values(written));
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
