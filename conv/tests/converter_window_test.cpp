#include "conv/core/converter_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "common/tests/recording_program.h"
#include "common/tests/temp_folder.h"
#include "ui/qt/form_widget.h"

namespace korvel::conv {
namespace {

using test_support::CurrentFolder;
using test_support::RecordingProgram;
using test_support::TempFolder;

class ConverterWindowTest : public ::testing::Test {
 protected:
  ConverterWindowTest() : here_(folder_.path()) {
    window_.askText = [this](const std::string&) -> std::optional<std::string> {
      ++asked_;
      return answer_;
    };
    window_.reportError = [this](const std::string& text) { errors_ << QString::fromStdString(text); };
    window_.reportWarnings = [this](const std::string& text) { warnings_ << QString::fromStdString(text); };
    window_.show();
    QApplication::setActiveWindow(&window_);
  }

  void ClickStart() { QTest::mouseClick(window_.findChild<QPushButton*>("Command1"), Qt::LeftButton); }

  TempFolder folder_;
  CurrentFolder here_;
  RecordingProgram tool_{"Plakon.exe"};
  qt::FormWidget window_{ConverterForm()};
  std::optional<std::string> answer_;
  int asked_ = 0;
  QStringList errors_, warnings_;
};

TEST_F(ConverterWindowTest, LaysOutItsControlsWithTheStartButtonFocused) {
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("SAP2K to MARC转换器0.11版本"));
  EXPECT_EQ(window_.size(), QSize(312, 213));
  const auto* label1 = window_.findChild<QLabel*>("Label1");
  EXPECT_EQ(label1->geometry(), QRect(16, 8, 281, 65));
  EXPECT_TRUE(label1->wordWrap());
  EXPECT_TRUE(label1->text().startsWith(QString::fromUtf8("将SAP 2000 v9 以上版本*.s2k程序")));
  EXPECT_TRUE(label1->text().endsWith(QString::fromUtf8("转换得到的MARC输入文件为data.mfd。")));
  EXPECT_LE(label1->font().pointSizeF(), 10.5);
  EXPECT_LE(label1->heightForWidth(label1->width()), label1->height()) << "the whole text is visible";
  EXPECT_EQ(window_.findChild<QLabel*>("Label2")->geometry(), QRect(16, 80, 289, 41));
  auto* start = window_.findChild<QPushButton*>("Command1");
  EXPECT_EQ(start->text(), QString::fromUtf8("开始转换"));
  EXPECT_EQ(start->geometry(), QRect(40, 144, 89, 33));
  EXPECT_EQ(window_.findChild<QPushButton*>("Command2")->text(), QString::fromUtf8("退出程序"));
  EXPECT_EQ(QApplication::focusWidget(), start);
  QTest::keyClick(start, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window_.findChild<QPushButton*>("Command2"));
}

TEST_F(ConverterWindowTest, ConvertsTheNamedModelAndStartsTheTool) {
  folder_.Write("frame.s2k",
                "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=2.5\r\n"
                "   Joint=2   GlobalX=0   GlobalY=0   GlobalZ=0\r\n \r\n"
                "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=1   JointI=2   JointJ=1 \r\n");
  answer_ = "frame.s2k";
  ClickStart();
  EXPECT_EQ(folder_.Read("out.txt"), "2\r\n1,0,0,2.5\r\n2,0,0,0\r\n1\r\n1,2,1,0\r\n0\r\n0\r\n0\r\n");
  EXPECT_TRUE(folder_.Has("debug.txt"));
  EXPECT_NE(tool_.WaitForRecord(), "<not started>");
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_TRUE(warnings_.isEmpty());
}

TEST_F(ConverterWindowTest, CancelTouchesNothing) {
  folder_.Write("out.txt", "old");
  ClickStart();
  EXPECT_EQ(asked_, 1);
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"out.txt"});
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(ConverterWindowTest, UnreadableNameIsReportedAndTheWindowCanConvertAgain) {
  answer_ = "";
  ClickStart();
  answer_ = "missing.s2k";
  ClickStart();
  ASSERT_EQ(errors_.size(), 2);
  EXPECT_TRUE(errors_[1].contains("missing.s2k"));
  EXPECT_FALSE(folder_.Has("debug.txt"));
  folder_.Write("ok.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  answer_ = "ok.s2k";
  ClickStart();
  EXPECT_EQ(errors_.size(), 2);
  EXPECT_EQ(folder_.Read("out.txt"), "0\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(ConverterWindowTest, OverflowNamesTheLine) {
  folder_.Write("big.s2k", "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1e999   GlobalZ=0\r\n");
  answer_ = "big.s2k";
  ClickStart();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].contains(QString::fromUtf8("第 2 行"))) << errors_[0].toStdString();
  EXPECT_FALSE(folder_.Has("out.txt"));
}

TEST_F(ConverterWindowTest, FailedToolStartIsAWarningAfterTheFilesAreWritten) {
  std::filesystem::remove(tool_.folder().Path("Plakon.exe"));
  folder_.Write("ok.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  answer_ = "ok.s2k";
  ClickStart();
  ASSERT_EQ(warnings_.size(), 1);
  EXPECT_TRUE(warnings_[0].contains("Plakon.exe"));
  EXPECT_TRUE(folder_.Has("out.txt"));
}

TEST_F(ConverterWindowTest, SecondConversionReplacesTheFiles) {
  folder_.Write("a.s2k", "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalZ=0\r\n");
  folder_.Write("b.s2k", "TABLE:  \"PROGRAM CONTROL\"\r\n");
  answer_ = "a.s2k";
  ClickStart();
  answer_ = "b.s2k";
  ClickStart();
  EXPECT_EQ(folder_.Read("out.txt"), "0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(folder_.Read("debug.txt"), "");
}

TEST_F(ConverterWindowTest, ExitButtonClosesTheWindow) {
  QTest::mouseClick(window_.findChild<QPushButton*>("Command2"), Qt::LeftButton);
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace korvel::conv
