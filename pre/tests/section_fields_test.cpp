#include "pre/core/section_fields.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvel::pre {
namespace {

SectionTexts Numbered() {
  SectionTexts texts;
  for (int k = 0; k < kFieldCount; ++k) texts[k] = std::to_string(k + 1);
  return texts;
}

TEST(SectionFields, MapsTheFieldsAsTheWindowNumbersThem) {
  const SectionInput s = SectionFromTexts(Numbered());
  EXPECT_EQ(s.LengthX, 1);
  EXPECT_EQ(s.LengthY, 2);
  EXPECT_EQ(s.Modulus, 3);
  EXPECT_EQ(s.Cover, 4);
  EXPECT_EQ(s.CoreConcrete.fc, 5);
  EXPECT_EQ(s.CoreConcrete.epsu, 8);
  EXPECT_EQ(s.CoverConcrete.fc, 9);
  EXPECT_EQ(s.CoverConcrete.epsu, 12);
  EXPECT_EQ(s.CoreConcrete.E0, 13);
  EXPECT_EQ(s.CoverConcrete.E0, 14);
  EXPECT_EQ(s.Rebars[0].Es, 15);
  EXPECT_EQ(s.Rebars[0].As, 17);
  EXPECT_EQ(s.Rebars[3].Es, 24);
  EXPECT_EQ(s.Rebars[3].fy, 25);
  EXPECT_EQ(s.Rebars[3].As, 26);
}

TEST(SectionFields, ReadsTextsLeniently) {
  SectionTexts texts;
  texts.fill("");
  texts[0] = "1,5";
  texts[1] = "2 5";
  texts[2] = "-.5";
  texts[3] = "3e2";
  texts[4] = "abc";
  const SectionInput s = SectionFromTexts(texts);
  EXPECT_EQ(s.LengthX, 1);
  EXPECT_EQ(s.LengthY, 25);
  EXPECT_EQ(s.Modulus, -0.5);
  EXPECT_EQ(s.Cover, 300);
  EXPECT_EQ(s.CoreConcrete.fc, 0);
  EXPECT_EQ(s.Rebars[3].As, 0);
}

TEST(SectionFields, OverflowNamesTheField) {
  SectionTexts texts = Numbered();
  texts[16] = "1e400";
  try {
    SectionFromTexts(texts);
    FAIL() << "no overflow";
  } catch (const FieldOverflow& e) {
    EXPECT_EQ(e.field(), 17);
    EXPECT_NE(std::string(e.what()).find("Bar1.As"), std::string::npos);
  }
}

TEST(SectionFile, ReadsNamesAndLeavesMissingOnesAtZero) {
  std::istringstream in("# a column\r\nLengthX=400\r\n\r\nCover.E0 = 2 8e3 \r\nBar4.As=314cm2\nCore.E0=\n");
  const SectionInput s = ReadSectionFile(in, "s.txt");
  EXPECT_EQ(s.LengthX, 400);
  EXPECT_EQ(s.CoverConcrete.E0, 28000);
  EXPECT_EQ(s.Rebars[3].As, 314);
  EXPECT_EQ(s.CoreConcrete.E0, 0);
  EXPECT_EQ(s.LengthY, 0);
}

// Notepad saves UTF-8 with a byte-order mark; only the file's first bytes are one.
TEST(SectionFile, ByteOrderMarkAtTheStartIsPassedOver) {
  std::istringstream marked("\xEF\xBB\xBFLengthX=400\r\nLengthY=600\r\n");
  EXPECT_EQ(ReadSectionFile(marked, "s.txt").LengthX, 400);
  std::istringstream later("LengthX=400\r\n\xEF\xBB\xBFLengthY=600\r\n");
  EXPECT_THROW(ReadSectionFile(later, "s.txt"), Error);
}

TEST(SectionFile, RejectsUnknownRepeatedAndMalformedLinesByNumberAndAnEmptyFile) {
  const std::pair<const char*, const char*> cases[] = {
      {"LengthX=1\nWidth=3\n", "截面文件 \"s.txt\" 第 2 行：未知的参数名 \"Width\""},
      {"LengthX=1\nLengthY=2\nLengthX=4\n", "截面文件 \"s.txt\" 第 3 行："},
      {"LengthX 400\n", "截面文件 \"s.txt\" 第 1 行："},
      {"lengthx=400\n", "截面文件 \"s.txt\" 第 1 行："},
      {"LengthX=400\n\nCover=1e400\n", "截面文件 \"s.txt\" 第 3 行：Cover 的数值 \"1e400\" 超出双精度数的范围"},
      {"# nothing\n", "截面文件 \"s.txt\"：没有给出任何参数"},
  };
  for (const auto& [text, where] : cases) {
    std::istringstream in(text);
    try {
      ReadSectionFile(in, "s.txt");
      ADD_FAILURE() << "accepted " << text;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()).rfind(where, 0), 0u) << e.what();
    }
  }
}

}  // namespace
}  // namespace korvel::pre
