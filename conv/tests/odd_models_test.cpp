// Model files as they come from elsewhere than SAP2000's own export: saved by
// Notepad, written by scripts without a declaration, without line breaks,
// with two programs declared, with a table line of the classic kind only.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"
#include "conv/core/outputs/model_file.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;

class OddModel : public ::testing::Test {
 protected:
  ConversionResult Convert(const std::string& model, ReadingChoice reading = ReadingChoice::kFromModel) {
    folder_.Write("model.s2k", model);
    ConversionOptions options;
    options.startTool = false;
    options.reading = reading;
    return SAP2KREAD(folder_.Path("model.s2k"), folder_.path(), options);
  }
  std::string Refusal(const std::string& model) {
    try {
      Convert(model);
    } catch (const Error& e) {
      return e.what();
    }
    return "converted";
  }
  ModelFile Out() const { return ReadModelFile(folder_.Read("out.txt")); }

  TempFolder folder_;
};

// As the generators of import files write them: no "PROGRAM CONTROL", joints
// in XorR= Y= Z=, names for labels.
constexpr char kGenerated[] =
    "TABLE:  \"JOINT COORDINATES\"\r\n"
    "   Joint=node_1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\r\n"
    "   Joint=node_2   XorR=0   Y=0   Z=3.5\r\n \r\n"
    "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=col_1   JointI=node_1   JointJ=node_2\r\n";

TEST_F(OddModel, UndeclaredModelWithJointsOfTheModernKindGetsTheModernReadingAndSaysWhy) {
  const ConversionResult result = Convert(kGenerated);
  EXPECT_EQ(result.reading, Reading::kModern);
  const ModelFile out = Out();
  ASSERT_EQ(out.joints.size(), 2u);
  EXPECT_EQ(out.joints[1], (Joint{2, 0, 0, 3.5}));
  EXPECT_EQ(out.frames.at(0), (Frame{1, 1, 2, 0}));
  const std::vector<std::string> warnings = result.Warnings();
  ASSERT_FALSE(warnings.empty());
  EXPECT_NE(warnings[0].find("没有声明 SAP2000 版本"), std::string::npos) << warnings[0];
  EXPECT_NE(warnings[0].find("--classic"), std::string::npos) << warnings[0];
  EXPECT_EQ(Convert(kGenerated, ReadingChoice::kClassic).reading, Reading::kClassic);
  // "PROGRAM CONTROL" that names SAP2000 without a version declares none either.
  const std::string namedOnly =
      std::string("TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   CurrUnits=\"KN, m, C\"\r\n \r\n") +
      kGenerated;
  EXPECT_EQ(Convert(namedOnly).reading, Reading::kModern);
  // Joints that give GlobalX= keep the classic reading, as today.
  EXPECT_EQ(Convert("TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   XorR=0   Y=0   Z=0   GlobalX=0   GlobalY=0   "
                    "GlobalZ=0\r\n")
                .reading,
            Reading::kClassic);
}

// The first declaration decides; the warning names the first one that
// disagrees with it.
TEST_F(OddModel, DeclarationsNameTheirProgram) {
  const std::string model =
      "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   Version=11.0.0\r\n \r\n"
      "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=CSiBridge   Version=25.0.0\r\n \r\n"
      "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   Version=20.0.0\r\n \r\n";
  const std::vector<std::string> warnings = Convert(model).Warnings();
  EXPECT_NE(std::find(warnings.begin(), warnings.end(),
                      "模型先声明 SAP2000 11，后又声明 CSiBridge 25，已按前一个声明读取；若读法不对，可用 "
                      "--classic（旧版读法）或 --modern（新版读法）指定"),
            warnings.end())
      << ::testing::PrintToString(warnings);
}

// The classic reading opens a table on any line that starts "TABLE" with a
// title it knows at character 10; such a file is a model to it.
TEST_F(OddModel, ClassicTableLineWithoutTableColonIsReadNotRefused) {
  const std::string model = "TABLES: \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=1   GlobalY=2   GlobalZ=3\r\n";
  EXPECT_EQ(Convert(model).reading, Reading::kClassic);
  EXPECT_EQ(Out().joints.at(0), (Joint{1, 1, 2, 3}));
  EXPECT_THROW(Convert(model, ReadingChoice::kModern), Error);
  EXPECT_NE(Refusal("TABLES: \"PROGRAM CONTROL\"\r\n").find("不是 SAP2000 文本模型"), std::string::npos);
}

TEST_F(OddModel, LineBeyondTheBoundEndsTheConversionNamingTheLine) {
  folder_.Write("out.txt", "old");
  const std::string model = "TABLE:  \"JOINT COORDINATES\"\r\n" + std::string(LineReader::kLongestLine + 1, 'x');
  const std::string refusal = Refusal(model);
  EXPECT_NE(refusal.find("第 2 行：这一行超过 16 MB"), std::string::npos) << refusal;
  EXPECT_EQ(folder_.Read("out.txt"), "old");
  // Without any line break, the look for a table line stops at the bound.
  EXPECT_NE(Refusal(std::string(LineReader::kLongestLine + 1, 'x')).find("第 1 行"), std::string::npos);
}

TEST_F(OddModel, ByteOrderMarkBeforeTheFirstLineIsPassedOver) {
  Convert("\xEF\xBB\xBFTABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=1   GlobalY=2   GlobalZ=3\r\n");
  EXPECT_EQ(Out().joints.at(0), (Joint{1, 1, 2, 3}));
}

}  // namespace
}  // namespace korvel::conv
