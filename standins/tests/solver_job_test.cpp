#include "standins/solver/solver_job.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "pre/core/fiber_generator.h"
#include "pre/core/matcode_file.h"

namespace korvel::standins {
namespace {

using test_support::TempFolder;

const std::string kGolden = TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt");

TEST(SolverJob, LogSumsTheAreasAndFindsTheCentroid) {
  const std::string log = JobLog("frame1", 12, pre::ReadMatcodeFile(kGolden));
  EXPECT_NE(log.find("Job: frame1 (frame1.dat, 12 bytes)\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Section: LengthX=400  LengthY=600  Modulus=30000\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("area 240000 (LengthX*LengthY 240000, difference 0)"), std::string::npos) << log;
  EXPECT_NE(log.find("Steel bars: 4, area 1320.25\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("Fiber centroid: x=0  y=0\r\n"), std::string::npos) << log;
  pre::FiberSection shifted = pre::ReadMatcodeFile(kGolden);
  for (pre::ConcreteFiber& f : shifted.Fibers) f.x += 10, f.y -= 20;
  shifted.LengthY = 590;
  const std::string moved = JobLog("frame1", 12, shifted);
  EXPECT_NE(moved.find("(LengthX*LengthY 236000, difference 4000)"), std::string::npos) << moved;
  EXPECT_NE(moved.find("Fiber centroid: x=10  y=-20\r\n"), std::string::npos) << moved;
}

// 1e200 x 1e100 is beyond a double; the stand-in must say so, not crash.
TEST(SolverJob, SectionWhoseAreaOverflowsIsAnError) {
  pre::SectionInput huge;
  huge.LengthX = 1e200;
  huge.LengthY = 1e100;
  const pre::FiberSection section = pre::ReadMatcodeFile(pre::MatcodeText(pre::BuildFiberSection(huge)));
  EXPECT_THROW(JobLog("j", 0, section), Error);
}

TEST(SolverJob, AllZeroSectionHasNoCentroid) {
  const std::string file = pre::MatcodeText(pre::BuildFiberSection(pre::SectionInput{}));
  EXPECT_NE(JobLog("j", 0, pre::ReadMatcodeFile(file)).find("undefined"), std::string::npos);
}

TEST(SolverJob, ReportsTheFirstBadLineOfTheMaterialCodeFile) {
  std::string shortFile = kGolden.substr(0, kGolden.rfind("335,195000"));
  std::string badNumber = kGolden;
  badNumber.replace(badNumber.find("30,.002"), 7, "30,abc");
  std::string twoSections = kGolden;
  twoSections[0] = '2';
  const std::pair<std::string, std::string> cases[] = {{shortFile, "第 154 行"},
                                                       {badNumber, "第 4 行"},
                                                       {twoSections, "第 1 行"},
                                                       {kGolden + "1\r\n", "第 155 行"},
                                                       {"", "第 1 行"}};
  for (const auto& [text, where] : cases) {
    try {
      pre::ReadMatcodeFile(text);
      ADD_FAILURE() << "accepted a bad file";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace korvel::standins
