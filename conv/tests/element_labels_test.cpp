// Labels in the modern reading are read as text first: a quoted label whole,
// a number only when SAP2000 would write it so, every other text a name.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"
#include "conv/core/outputs/label_file.h"
#include "conv/core/outputs/model_file.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;

// A model declaring SAP2000 20 with the given joint, frame and assignment
// records (each " "-indented line is one record).
std::string ModernModel(std::initializer_list<std::string_view> joints, std::initializer_list<std::string_view> frames,
                        std::initializer_list<std::string_view> assignments = {}) {
  std::string text = "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   Version=20.2.0\r\n \r\n";
  auto table = [&](const char* title, std::initializer_list<std::string_view> records) {
    text += std::string("TABLE:  \"") + title + "\"\r\n";
    for (std::string_view record : records) (text += "   ") += std::string(record) + "\r\n";
    text += " \r\n";
  };
  table("JOINT COORDINATES", joints);
  table("CONNECTIVITY - FRAME", frames);
  table("FRAME SECTION ASSIGNMENTS", assignments);
  return text;
}

class Labels : public ::testing::Test {
 protected:
  std::vector<std::string> Convert(const std::string& model) {
    folder_.Write("model.s2k", model);
    ConversionOptions options;
    options.startTool = false;
    return SAP2KREAD(folder_.Path("model.s2k"), folder_.path(), options).Warnings();
  }
  ModelFile Out() const { return ReadModelFile(folder_.Read("out.txt")); }
  std::vector<LabelLine> LabelList() const { return ReadLabelFile(folder_.Read("labels.txt")); }

  TempFolder folder_;
};

TEST_F(Labels, QuotedLabelsAreReadWholeBlanksIncluded) {
  Convert(ModernModel({R"(Joint="Base 1"   XorR=0   Y=0   Z=0)", R"(Joint="Base 2"   XorR=6   Y=0   Z=0)"},
                      {R"(Frame="Beam 1"   JointI="Base 1"   JointJ="Base 2")",
                       R"(Frame="Beam 2"   JointI="Base 2"   JointJ="Base 1")"},
                      {R"(Frame="Beam 2"   AnalSect=B300)"}));
  const ModelFile out = Out();
  ASSERT_EQ(out.joints.size(), 2u);
  EXPECT_NE(out.joints[0].label, out.joints[1].label);
  ASSERT_EQ(out.frames.size(), 2u);
  EXPECT_EQ(out.frames[0], (Frame{1, out.joints[0].label, out.joints[1].label, 0}));
  EXPECT_EQ(out.frames[1], (Frame{2, out.joints[1].label, out.joints[0].label, 1}));
  const std::vector<LabelLine> labels = LabelList();
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[1].name, "Base 2");
  EXPECT_EQ(labels[3].name, "Beam 2");
}

TEST_F(Labels, QuoteInsideANameIsDoubledInLabelsTxtAndReadsBack) {
  Convert(ModernModel({"Joint=1   XorR=0   Y=0   Z=0"}, {R"(Frame=B"1   JointI=1   JointJ=1)"}));
  EXPECT_EQ(folder_.Read("labels.txt"), "\"frame\",\"B\"\"1\",1\r\n");
  EXPECT_EQ(LabelList().at(0).name, "B\"1");
  EXPECT_THROW(ReadLabelFile("\"frame\",\"B\"1\",1\r\n"), Error) << "a single quote inside ends the name";
}

// A 16-digit label is a name: out.txt writes 15 digits exactly, so it would
// be rounded onto its neighbours.
TEST_F(Labels, SixteenDigitsAreANameAndNamesNeverGoBeyondFifteenDigits) {
  Convert(ModernModel({"Joint=1   XorR=0   Y=0   Z=0"},
                      {"Frame=1000000000000000   JointI=1   JointJ=1", "Frame=B1   JointI=1   JointJ=1",
                       "Frame=B2   JointI=1   JointJ=1"}));
  const ModelFile out = Out();
  ASSERT_EQ(out.frames.size(), 3u);
  EXPECT_EQ(out.frames[0].label, 1);
  EXPECT_EQ(out.frames[2].label, 3);
  EXPECT_EQ(LabelList().at(0).name, "1000000000000000");

  Convert(ModernModel({"Joint=1   XorR=0   Y=0   Z=0"},
                      {"Frame=999999999999998   JointI=1   JointJ=1", "Frame=B1   JointI=1   JointJ=1"}));
  EXPECT_EQ(Out().frames.at(1).label, 999999999999999) << "15 digits are fine";

  const std::string before = folder_.Read("out.txt");
  try {
    Convert(ModernModel({"Joint=1   XorR=0   Y=0   Z=0"},
                        {"Frame=999999999999998   JointI=1   JointJ=1", "Frame=B1   JointI=1   JointJ=1",
                         "Frame=B2   JointI=1   JointJ=1"}));
    ADD_FAILURE() << "names beyond 15 digits converted";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("框架单元的 2 个名称标签无法改为整数"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("15 位"), std::string::npos) << e.what();
  }
  EXPECT_EQ(folder_.Read("out.txt"), before);
}

TEST_F(Labels, TextsThatOnlyReadAsOneNumberStayApartAndRepeatsAreWarnedOnce) {
  const std::vector<std::string> warnings =
      Convert(ModernModel({"Joint=7   XorR=0   Y=0   Z=0", "Joint=07   XorR=1   Y=0   Z=0",
                           "Joint=1,2   XorR=2   Y=0   Z=0", "Joint=1,20   XorR=3   Y=0   Z=0"},
                          {"Frame=1   JointI=7   JointJ=07", "Frame=1.5   JointI=1,2   JointJ=1,20",
                           "Frame=B1   JointI=7   JointJ=7", "Frame=B1   JointI=7   JointJ=7"},
                          {"Frame=1   AnalSect=C1"}));
  const ModelFile out = Out();
  ASSERT_EQ(out.joints.size(), 4u);
  EXPECT_EQ(out.joints[1].label, 8) << "07 is a name, numbered above 7";
  EXPECT_EQ(out.joints[3].label, 10);
  EXPECT_EQ(out.frames[0], (Frame{1, 7, 8, 1}));
  EXPECT_EQ(out.frames[1], (Frame{2, 9, 10, 0})) << "1.5 is not frame 1";
  EXPECT_EQ(std::count_if(warnings.begin(), warnings.end(),
                          [](const std::string& w) { return w.find("重复出现") != std::string::npos; }),
            1)
      << ::testing::PrintToString(warnings);
  EXPECT_NE(
      std::find(warnings.begin(), warnings.end(),
                "框架单元中有 1 个标签重复出现（如 \"B1\"，共 2 条记录）：out.txt 中无法区分它们，截面只指定给第一条，"
                "请在模型中改用不同的标签"),
      warnings.end());
}

// The repeated label named is the one that stands first in the file.
TEST_F(Labels, RepeatedLabelsAreWarnedAboutByTheFirstInTheFile) {
  const std::vector<std::string> warnings = Convert(
      ModernModel({"Joint=9   XorR=0   Y=0   Z=0", "Joint=3   XorR=1   Y=0   Z=0", "Joint=9   XorR=2   Y=0   Z=0",
                   "Joint=3   XorR=3   Y=0   Z=0", "Joint=3   XorR=4   Y=0   Z=0"},
                  {"Frame=1   JointI=9   JointJ=3"}));
  ASSERT_FALSE(warnings.empty());
  EXPECT_TRUE(warnings[0].starts_with("节点中有 2 个标签重复出现（如 9，共 2 条记录）")) << warnings[0];
}

}  // namespace
}  // namespace korvel::conv
