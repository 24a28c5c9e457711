#include "run/core/solver_command.h"

#include <gtest/gtest.h>

namespace korvel::run {
namespace {

std::string LineFor(std::string_view chosen) {
  const auto command = SolverCommandFor(chosen);
  return command ? command->CommandLine() : "<nothing>";
}

TEST(SolverCommand, CutsExactlyFourCharactersWhateverTheyAre) {
  EXPECT_EQ(LineFor("frame1.dat"), "korvel_2005r2_027.exe -j frame1");
  EXPECT_EQ(LineFor("MODEL.DAT"), "korvel_2005r2_027.exe -j MODEL");
  EXPECT_EQ(LineFor("job.data"), "korvel_2005r2_027.exe -j job.");
  EXPECT_EQ(LineFor("/home/eng/jobs/frame1.dat"), "korvel_2005r2_027.exe -j /home/eng/jobs/frame1");
}

TEST(SolverCommand, NameOfFourCharactersGivesAnEmptyJob) {
  EXPECT_EQ(LineFor(".dat"), "korvel_2005r2_027.exe -j ");
  EXPECT_EQ(SolverCommandFor(".dat")->args, (std::vector<std::string>{"-j", ""}));
}

TEST(SolverCommand, ShorterNamesStartNothing) {
  EXPECT_EQ(LineFor(""), "<nothing>");
  EXPECT_EQ(LineFor("a.d"), "<nothing>");
  EXPECT_EQ(LineFor("框.d"), "<nothing>") << "five bytes of UTF-8 but three characters";
}

TEST(SolverCommand, JobNameWithABlankStaysOneArgument) {
  EXPECT_EQ(SolverCommandFor("my job.dat")->args, (std::vector<std::string>{"-j", "my job"}));
  EXPECT_EQ(LineFor("my job.dat"), "korvel_2005r2_027.exe -j \"my job\"");
}

TEST(SolverCommand, CountsChineseCharactersAsOne) {
  EXPECT_EQ(SolverCommandFor("框架模型.dat")->args[1], "框架模型");
  EXPECT_EQ(SolverCommandFor("模型一二三四")->args[1], "模型");
}

}  // namespace
}  // namespace korvel::run
