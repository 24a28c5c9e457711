// TRELVO drawn with Qt: the window its program opens, converting a model.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "common/tests/recording_program.h"
#include "common/tests/temp_folder.h"
#include "conv/core/converter_form.h"
#include "ui/qt/form_widget.h"

namespace korvel::conv {
namespace {

using test_support::CurrentFolder;
using test_support::RecordingProgram;
using test_support::TempFolder;

TEST(ConverterQt, ShowsItsWholeTextAndConvertsTheNamedModel) {
  TempFolder folder;
  CurrentFolder here(folder.path());
  RecordingProgram tool("Plakon.exe");
  qt::FormWidget window(ConverterForm());
  std::vector<std::string> shown;
  window.askText = [](const std::string&) -> std::optional<std::string> { return "frame.s2k"; };
  window.reportError = window.reportWarnings = [&](const std::string& text) { shown.push_back(text); };
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("SAP2K to MARC转换器0.11版本"));
  for (const char* name : {"Label1", "Label2"}) {
    const auto* label = qobject_cast<QLabel*>(window.Control(name));
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name << ": the whole text is visible";
  }
  folder.Write("frame.s2k",
               "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=2.5\r\n"
               "   Joint=2   GlobalX=0   GlobalY=0   GlobalZ=0\r\n \r\n"
               "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=1   JointI=2   JointJ=1 \r\n");
  EXPECT_EQ(QApplication::focusWidget(), window.Control("Command1"));
  QTest::keyClick(window.Control("Command1"), Qt::Key_Space);
  EXPECT_EQ(folder.Read("out.txt"), "2\r\n1,0,0,2.5\r\n2,0,0,0\r\n1\r\n1,2,1,0\r\n0\r\n0\r\n0\r\n");
  EXPECT_NE(tool.WaitForRecord(), "<not started>");
  // The frame has no section: the one message box after the files says so.
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("1 个框架单元没有截面（如 \"1\"）"), std::string::npos) << shown[0];
  EXPECT_TRUE(window.isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), window.Control("Command1")) << "ready again";
}

}  // namespace
}  // namespace korvel::conv
