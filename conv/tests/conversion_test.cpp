#include "conv/core/conversion.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "common/error.h"
#include "common/output_file.h"
#include "conv/core/outputs/output_files.h"
#ifndef _WIN32
#include "common/tests/recording_program.h"
#endif
#include "common/tests/temp_folder.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;

// Runs conversions of small models in a private folder.
class Conversion : public ::testing::Test {
 protected:
  ConversionResult Convert(const std::string& model, ConversionOptions options = {}) {
    folder_.Write("model.s2k", model);
    options.startTool = false;
    return ConvertFile("model.s2k", options);
  }
  ConversionResult ConvertFile(const std::string& model, const ConversionOptions& options = {}) {
    return SAP2KREAD(folder_.Path(model), folder_.path(), options);
  }
  std::string Out() const { return folder_.Read("out.txt"); }
  std::string Debug() const { return folder_.Read("debug.txt"); }

  TempFolder folder_;
};

std::string Crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

constexpr char kNoElements[] = "0\r\n0\r\n0\r\n0\r\n0\r\n";
// A table model of no element.
constexpr char kEmptyModel[] = "TABLE:  \"PROGRAM CONTROL\"\r\n";

TEST_F(Conversion, BlankLineAfterTheHeaderEndsTheTableAtOnce) {
  Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "", "   Joint=1   GlobalZ=0"}));
  EXPECT_EQ(Out(), kNoElements);
}

TEST_F(Conversion, TitlesAreComparedAsPrefixesFromCharacterTen) {
  Convert(Crlf({"TABLE:  \"JOINT COORDINATES - EXTRA\"", "   Joint=1   GlobalZ=0", "", "TABLE:  \"joint coordinates\"",
                "   Joint=2   GlobalZ=0", "", "123456789JOINT COORDINATES Joint=3 ", "TABLES:  \"X\"",
                "   Joint=4   GlobalZ=0"}));
  EXPECT_EQ(Out(), "3\r\n1,0,0,0\r\n3,0,0,0\r\n4,0,0,0\r\n0\r\n0\r\n0\r\n0\r\n")
      << "the title test runs on every line and TABLES counts as a header";
}

TEST_F(Conversion, FileWithoutATableLineIsRefusedAndTouchesNothing) {
  folder_.Write("out.txt", "old");
  folder_.Write("debug.txt", "log");
  folder_.Write("labels.txt", "names");
  // Each says how to get a model: export it from SAP2000.
  const std::pair<std::string, const char*> refused[] = {
      {std::string(), "model.s2k\"：文件是空的"},
      {Crlf({"SYSTEM", "JOINT", "  1 X=0 Y=0 Z=0", "TABLES: \"X\""}), "model.s2k\"：不是 SAP2000 文本模型"},
      {std::string("\0\x03SDB TABLE:\n\xFF", 14), "model.s2k\"：不是 SAP2000 文本模型"}};
  for (const auto& [model, what] : refused) {
    try {
      Convert(model);
      FAIL() << "converted";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find(what), std::string::npos) << e.what();
      EXPECT_TRUE(std::string(e.what()).ends_with("（文件 > 导出 > SAP2000 .s2k 文本文件）")) << e.what();
    }
    EXPECT_EQ(Out(), "old");
    EXPECT_EQ(Debug(), "log");
    EXPECT_EQ(folder_.Read("labels.txt"), "names");
  }
  EXPECT_NO_THROW(Convert(Crlf({"", "   TABLE:  \"X\""}))) << "a header after leading blanks";
  EXPECT_FALSE(folder_.Has("labels.txt")) << "a conversion without names removes it";
}

TEST_F(Conversion, AssignmentWithoutItsElementIsLoggedAndChangesNothing) {
  Convert(Crlf({"TABLE:  \"AREA SECTION ASSIGNMENTS\"", "   Area=3   Section=W1   X=1", " ",
                "TABLE:  \"CONNECTIVITY - AREA\"", "Area=3   Joint1=1   Joint2=2   Joint3=3   Joint4=4   X=1"}));
  EXPECT_EQ(Out(), "0\r\n0\r\n1\r\n3,1,2,3,4,0\r\n0\r\n1\r\n\"W1\"\r\n");
  // "未找到墙板单元" in code page 936, then the label and the section number
  EXPECT_TRUE(Debug().starts_with("\"\xCE\xB4\xD5\xD2\xB5\xBD\xC7\xBD\xB0\xE5\xB5\xA5\xD4\xAA\",3,1\r\n\""));
}

TEST_F(Conversion, InputIsCutAtTheItemLimitAndSaysSo) {
  ConversionOptions options;
  options.itemLimit = 3;
  const auto result = Convert(
      Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=0",
            "   Joint=2   GlobalX=0   GlobalY=0   GlobalZ=0", "   Joint=3   GlobalX=0   GlobalY=0   GlobalZ=0"}),
      options);
  EXPECT_TRUE(result.truncated);
  EXPECT_EQ(result.Warnings(), (std::vector<std::string>{"out.txt 中没有单元：模型里既没有框架单元，也没有面单元",
                                                         "模型文件超过 3 项，只转换了前 3 项"}));
  EXPECT_TRUE(Out().starts_with("2\r\n1,")) << Out();
  EXPECT_FALSE(Convert(Crlf({"TABLE:  \"X\"", "b", "c"}), options).truncated) << "exactly the limit is not cut";
}

TEST_F(Conversion, DroppedSectionNamesAreCountedInTheResult) {
  ConversionOptions options;
  options.sectionCapacity = 1;
  const auto result = Convert(Crlf({"TABLE:  \"AREA SECTION PROPERTIES\"", "   Section=W1   X=1", "   Section=W2   X=1",
                                    "   Section=W3   X=1"}),
                              options);
  EXPECT_EQ(result.droppedAreaSections, 2);
  EXPECT_EQ(result.Warnings().size(), 2u) << "names dropped, and no element";
  EXPECT_EQ(Out(), "0\r\n0\r\n0\r\n0\r\n1\r\n\"W1\"\r\n");
}

TEST_F(Conversion, ModelThatCannotBeReadTouchesNothing) {
  folder_.Write("out.txt", "old");
  EXPECT_THROW(ConvertFile("missing.s2k"), Error);
  EXPECT_THROW(SAP2KREAD("", folder_.path()), Error);
  std::filesystem::create_directory(folder_.Path("folder.s2k"));
  EXPECT_THROW(ConvertFile("folder.s2k"), Error);
  EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"folder.s2k", "out.txt"}));
  EXPECT_EQ(Out(), "old");
  try {
    ConvertFile("missing.s2k");
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("missing.s2k"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("文件或文件夹不存在"), std::string::npos) << e.what();
  }
}

TEST_F(Conversion, OverflowStopsWithTheLineAndKeepsTheOldModelFile) {
  folder_.Write("out.txt", "old");
  try {
    Convert(
        Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   GlobalZ=0", "   Joint=2   GlobalX=1e999   GlobalZ=0"}));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("3"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Out(), "old");
  EXPECT_EQ(Debug(), "\"\xB6\xC1\xC8\xA1\xBD\xDA\xB5\xE3\xD7\xF8\xB1\xEA\",1,0,0,0\r\n");
  EXPECT_FALSE(folder_.Has("out.txt.tmp0"));
}

TEST_F(Conversion, OverflowInAnUnreadValueIsNoError) {
  Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   Mass=1e999   GlobalZ=0"}));
  EXPECT_TRUE(Out().starts_with("1\r\n1,0,0,0\r\n")) << Out();
}

TEST_F(Conversion, ModelFileThatIsAFolderIsRefusedBeforeTheLogIsWritten) {
  std::filesystem::create_directory(folder_.Path("out.txt"));
  EXPECT_THROW(Convert(kEmptyModel), Error);
  EXPECT_FALSE(folder_.Has("debug.txt"));
}

TEST_F(Conversion, SecondConversionReplacesBothFiles) {
  Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   GlobalZ=0", "   Joint=2   GlobalZ=0"}));
  Convert(kEmptyModel);
  EXPECT_EQ(Out(), kNoElements);
  EXPECT_EQ(Debug(), "");
}

TEST_F(Conversion, DoubleByteSectionNamesRoundTripByteForByte) {
  Convert(Crlf({"TABLE:  \"AREA SECTION PROPERTIES\"", "   Section=\xC7\xBD\xB0\xE5\x31   X=1",
                "   Section=\"\xC7\xBD \xB0\xE5\"   X=1"}));
  EXPECT_EQ(Out(), "0\r\n0\r\n0\r\n0\r\n2\r\n\"\xC7\xBD\xB0\xE5\x31\"\r\n\"\xC7\xBD \xB0\xE5\"\r\n");
}

#ifndef _WIN32
class ToolStart : public Conversion {
 protected:
  test_support::RecordingProgram tool_{kToolName};
};

TEST_F(ToolStart, ToolIsStartedInTheOutputFolderAfterTheFilesAreWritten) {
  folder_.Write("model.s2k", kEmptyModel);
  const ConversionResult result = ConvertFile("model.s2k");
  EXPECT_TRUE(result.toolStart.started) << result.toolStart.problem;
  EXPECT_EQ(result.Warnings().size(), 1u) << "no element, and nothing about the tool";
  const std::string record = tool_.WaitForRecord();
  EXPECT_EQ(record, std::filesystem::canonical(folder_.path()).string() + "\n");
}

TEST_F(ToolStart, ToolInTheOutputFolderIsNotStarted) {
  std::filesystem::rename(tool_.folder().Path(kToolName), folder_.Path(kToolName));
  setenv("PATH", (tool_.folder().path().string() + ":.:").c_str(), 1);
  folder_.Write("model.s2k", kEmptyModel);
  EXPECT_FALSE(ConvertFile("model.s2k").toolStart.started);
}

#endif

}  // namespace
}  // namespace korvel::conv

namespace korvel::conv {
namespace {

#ifndef _WIN32
TEST_F(Conversion, PipeAsModelIsRefusedAtOnce) {
  ASSERT_EQ(mkfifo(folder_.Path("pipe.s2k").c_str(), 0600), 0);
  EXPECT_THROW(ConvertFile("pipe.s2k", ConversionOptions{.startTool = false}), Error);
  EXPECT_FALSE(folder_.Has("debug.txt"));
}
#endif

TEST_F(Conversion, SecondConversionInTheSameFolderIsRefusedWhileTheFirstRuns) {
  folder_.Write("out.txt", "old");
  OutputFile running(folder_.Path(kProgressLogName), OutputFile::Mode::kWriteInPlace);
  try {
    Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=0"}));
    FAIL() << "converted beside a running conversion";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("debug.txt"), std::string::npos) << e.what();
  }
  EXPECT_EQ(Out(), "old");
}

// A SAP2000 12+ layout: assignments before connectivity, local joint
// coordinates only, the declaration near the end.
std::string ModernModel(std::string_view version) {
  return Crlf({"TABLE:  \"CONNECTIVITY - FRAME\"", "   Frame=1   JointI=1   JointJ=2   IsCurved=No", " ",
               "TABLE:  \"FRAME SECTION ASSIGNMENTS\"", "   Frame=1   AnalSect=C1   MatProp=Default", " ",
               "TABLE:  \"JOINT COORDINATES\"",
               "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1   Y=2   Z=3   SpecialJt=No", " ",
               "TABLE:  \"PROGRAM CONTROL\"",
               "   ProgramName=SAP2000   Version=" + std::string(version) + "   CurrUnits=\"KN, m, C\"", " ",
               "END TABLE DATA"});
}

TEST_F(Conversion, ModelDeclaringSap2000TwelveOrLaterGetsTheModernReading) {
  const ConversionResult result = Convert(ModernModel("12.0.0"));
  EXPECT_EQ(result.reading, Reading::kModern);
  EXPECT_EQ(result.declaredVersion, 12);
  EXPECT_EQ(Out(), "1\r\n1,1,2,3\r\n1\r\n1,1,2,1\r\n0\r\n1\r\n\"C1\"\r\n0,0,0,0,0,0,0\r\n0\r\n");
  std::string bridge = ModernModel("1.0.0");
  bridge.replace(bridge.find("SAP2000"), 7, "CSiBridge");
  EXPECT_EQ(Convert(bridge).reading, Reading::kModern) << "CSiBridge in any version";
}

// A large model whose declaration stands in its last megabyte, as SAP2000's
// sorted backups have it, and one whose declaration comes first.
TEST_F(Conversion, DeclarationAnywhereInALargeModelChoosesTheModernReading) {
  std::string padding = "TABLE:  \"ACTIVE DEGREES OF FREEDOM\"\r\n";
  while (padding.size() < (3 << 20) / 2) padding += "   UX=Yes   UY=Yes   UZ=Yes   RX=Yes   RY=Yes   RZ=Yes\r\n";
  padding += " \r\n";
  const std::string model = ModernModel("16.1.1");
  const std::size_t control = model.find("TABLE:  \"PROGRAM CONTROL\"");
  for (const std::string& text : {model.substr(0, control) + padding + model.substr(control),
                                  model.substr(control) + padding + model.substr(0, control)}) {
    const ConversionResult result = Convert(text);
    EXPECT_EQ(result.reading, Reading::kModern);
    EXPECT_EQ(result.declaredVersion, 16);
    EXPECT_TRUE(Out().starts_with("1\r\n1,1,2,3\r\n1\r\n1,1,2,1\r\n")) << Out();
  }
}

// The first declaration decides, in a small model as in one whose last
// megabyte declares otherwise; the other one is warned about.
TEST_F(Conversion, FirstDeclarationDecidesWhateverTheSizeAndALaterOtherOneIsWarnedAbout) {
  std::string padding = "TABLE:  \"ACTIVE DEGREES OF FREEDOM\"\r\n";
  while (padding.size() < (3 << 20) / 2) padding += "   UX=Yes   UY=Yes   UZ=Yes   RX=Yes   RY=Yes   RZ=Yes\r\n";
  padding += " \r\n";
  const std::string control = "TABLE:  \"PROGRAM CONTROL\"\r\n   ProgramName=SAP2000   Version=";
  const std::string modern = ModernModel("16.1.1"), classic = control + "9.0.3\r\n \r\n";
  for (const std::string& between : {std::string(), padding}) {
    ConversionResult result = Convert(classic + between + modern);
    EXPECT_EQ(result.reading, Reading::kClassic) << between.size();
    EXPECT_EQ(result.declaredVersion, 9);
    ASSERT_FALSE(result.Warnings().empty());
    EXPECT_NE(result.Warnings()[0].find("SAP2000 16"), std::string::npos) << result.Warnings()[0];

    result = Convert(modern + between + classic);
    EXPECT_EQ(result.reading, Reading::kModern) << between.size();
    EXPECT_EQ(result.disagreeingVersion, 9);
  }
}

TEST_F(Conversion, DeclarationContinuedOverTwoLinesIsSeen) {
  const ConversionResult result =
      Convert(Crlf({"TABLE:  \"PROGRAM CONTROL\"", "   ProgramName=SAP2000 _", "   _", "   Version=16.1.1"}));
  EXPECT_EQ(result.reading, Reading::kModern);
  EXPECT_EQ(result.declaredVersion, 16);
}

TEST_F(Conversion, EarlierVersionsGetTheClassicReading) {
  EXPECT_EQ(Convert(ModernModel("11.0.0")).reading, Reading::kClassic);
  EXPECT_EQ(Out(), "1\r\n1,0,0,0\r\n1\r\n1,1,2,1\r\n0\r\n1\r\n\"C1\"\r\n0,0,0,0,0,0,0\r\n0\r\n");
  std::string etabs = ModernModel("19.0.0");
  etabs.replace(etabs.find("SAP2000"), 7, "ETABS");
  // No SAP2000 declaration: read by its joints, which are SAP2000 12's.
  EXPECT_EQ(Convert(etabs).reading, Reading::kModern);
  EXPECT_EQ(Convert(Crlf({"TABLE:  \"JOINT COORDINATES\""})).reading, Reading::kClassic);
}

TEST_F(Conversion, ChosenReadingOverridesTheDeclarationAndClassicOnAModernModelSaysSo) {
  ConversionOptions options;
  options.reading = ReadingChoice::kClassic;
  const ConversionResult classic = Convert(ModernModel("25.3.1"), options);
  EXPECT_EQ(classic.reading, Reading::kClassic);
  const auto warnings = classic.Warnings();
  ASSERT_FALSE(warnings.empty());
  EXPECT_NE(warnings[0].find("SAP2000 25"), std::string::npos) << warnings[0];

  options.reading = ReadingChoice::kModern;
  EXPECT_EQ(Convert(ModernModel("9.0.0"), options).reading, Reading::kModern);
  EXPECT_TRUE(Out().starts_with("1\r\n1,1,2,3\r\n")) << Out();
}

TEST_F(Conversion, ModernAssignmentGoesToTheFirstElementWithItsLabelAndLabelZeroToNoUnfilledRow) {
  ConversionOptions options;
  options.reading = ReadingChoice::kModern;
  Convert(
      Crlf({"TABLE:  \"FRAME SECTION ASSIGNMENTS\"", "   Frame=5   AnalSect=A   X=1", "   Frame=0   AnalSect=B   X=1",
            " ", "TABLE:  \"CONNECTIVITY - FRAME\"", "   Frame=5   JointI=1   JointJ=2   X=1",
            "   Frame=5   JointI=3   JointJ=4   X=1", "   Frame=6   JointI=3   JointJ=4   X=1"}),
      options);
  EXPECT_EQ(Out(),
            "0\r\n3\r\n5,1,2,1\r\n5,3,4,0\r\n6,3,4,0\r\n0\r\n2\r\n\"A\"\r\n0,0,0,0,0,0,0\r\n\"B\"\r\n"
            "0,0,0,0,0,0,0\r\n0\r\n");
  // "未找到框架单元" for label 0, in input order before the connectivity lines
  EXPECT_NE(Debug().find("\r\n\"\xCE\xB4\xD5\xD2\xB5\xBD\xBF\xF2\xBC\xDC\xB5\xA5\xD4\xAA\",0,2\r\n"),
            std::string::npos);
}

TEST_F(Conversion, ClassicReadingCountsContinuationLinesInItsTables) {
  const ConversionResult result =
      Convert(Crlf({"TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"", "   SectionName=B1   t3=0.6   t2=0.3 _",
                    "        Color=Blue", "   SectionName=B2   t3=0.6   t2=0.3 _", "        Color=Red", " ",
                    "TABLE:  \"PROJECT INFORMATION\"", "   Item=Company _", "        Data=x"}));
  EXPECT_EQ(result.continuationLines.count, 2);
  EXPECT_EQ(result.continuationLines.first, "第 2 行");
}

// A name counts once however often it stands (joint J1 twice, frame B3 and
// its assignment, which reads as label 0 and goes to the frame to come);
// Fc and RebarFy 0 are told apart, and only for sections frame elements carry
// (S3 carries none).
TEST_F(Conversion, ClassicWarningsCountNamesOnceAndStrengthsOfCarriedSections) {
  const ConversionResult result = Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"",
                                                "   Joint=J1   GlobalX=0   GlobalY=0   GlobalZ=0",
                                                "   Joint=J1   GlobalX=1   GlobalY=0   GlobalZ=0",
                                                " ",
                                                "TABLE:  \"FRAME SECTION ASSIGNMENTS\"",
                                                "   Frame=B3   AnalSect=S1   X=1",
                                                " ",
                                                "TABLE:  \"CONNECTIVITY - FRAME\"",
                                                "   Frame=B3   JointI=1   JointJ=2   X=1",
                                                "   Frame=1   JointI=1   JointJ=2   X=1",
                                                " ",
                                                "TABLE:  \"FRAME SECTION ASSIGNMENTS\"",
                                                "   Frame=1   AnalSect=S2   X=1",
                                                " ",
                                                "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"",
                                                "   SectionName=S3   t3=0.6   t2=0.3   X=1",
                                                " ",
                                                "TABLE:  \"MATERIAL PROPERTIES 04 - DESIGN CONCRETE\"",
                                                "   Material=C30   Fc=30000   X=1",
                                                " "}));
  EXPECT_EQ(result.nonNumericLabels.count, 2) << "J1 and B3";
  EXPECT_EQ(result.nonNumericLabels.first, "\"J1\"，第 2 行");
  EXPECT_EQ(result.sectionsWithoutFc.count, 0);
  EXPECT_EQ(result.sectionsWithoutRebarFy.count, 2);
  EXPECT_EQ(result.sectionsWithoutRebarFy.first, "\"S1\"");
}

// The last assignment of a frame counts: None after a section leaves it
// without one, a section after None gives it one.
TEST_F(Conversion, ClassicFrameWithoutSectionIsTheOneWhoseLastAssignmentNamesNone) {
  const ConversionResult result =
      Convert(Crlf({"TABLE:  \"CONNECTIVITY - FRAME\"", "   Frame=1   JointI=1   JointJ=2   X=1",
                    "   Frame=2   JointI=1   JointJ=2   X=1", " ", "TABLE:  \"FRAME SECTION ASSIGNMENTS\"",
                    "   Frame=1   AnalSect=None   X=1", "   Frame=1   AnalSect=B1   X=1",
                    "   Frame=2   AnalSect=B1   X=1", "   Frame=2   AnalSect=None   X=1"}));
  EXPECT_EQ(result.framesWithoutSection.count, 1);
  EXPECT_EQ(result.framesWithoutSection.first, "2");
}

TEST_F(Conversion, ModernReadingJoinsContinuedRecordsBeforeCountingItems) {
  ConversionOptions options;
  options.reading = ReadingChoice::kModern;
  options.itemLimit = 3;
  const ConversionResult result = Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=1   XorR=1 _",
                                                "        Y=2 _", "        Z=3", "   Joint=2   XorR=4   Y=5   Z=6"}),
                                          options);
  EXPECT_FALSE(result.truncated);
  EXPECT_EQ(Out(), "2\r\n1,1,2,3\r\n2,4,5,6\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(Conversion, NamedJointWithoutCoordinatesIsQuotedInTheWarning) {
  ConversionOptions options;
  options.reading = ReadingChoice::kModern;
  const ConversionResult result =
      Convert(Crlf({"TABLE:  \"JOINT COORDINATES\"", "   Joint=N1   CoordSys=LOCAL1   XorR=1   Y=2   Z=3"}), options);
  EXPECT_EQ(result.jointsWithoutCoordinates.first, "节点 \"N1\"，第 2 行");
  EXPECT_EQ(Out(), "1\r\n1,0,0,0\r\n0\r\n0\r\n0\r\n0\r\n");
}

}  // namespace
}  // namespace korvel::conv
