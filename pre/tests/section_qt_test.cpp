// KORVEL_PRE drawn with Qt: the window its program opens, worked by mouse
// and keyboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "common/tests/temp_folder.h"
#include "pre/core/section_form.h"
#include "ui/qt/form_widget.h"

namespace korvel::pre {
namespace {

using test_support::CurrentFolder;
using test_support::TempFolder;

TEST(SectionQt, FieldsTypedCopiedAndWrittenByOk) {
  TempFolder folder;
  CurrentFolder here(folder.path());
  qt::FormWidget window(SectionForm());
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("KORVEL前处理"));
  EXPECT_EQ(QApplication::focusWidget(), window.Control("Text1"));
  const std::pair<const char*, const char*> typed[] = {{"Text1", "400"}, {"Text2", "600"}, {"Text3", "30000"},
                                                       {"Text4", "40"},  {"Text5", "30"},  {"Text6", ".002"}};
  for (const auto& [field, text] : typed) {
    auto* edit = qobject_cast<QLineEdit*>(window.Control(field));
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  QTest::mouseClick(window.Control("Check1"), Qt::LeftButton);
  EXPECT_EQ(window.Text("Text9"), "30");
  QTest::mouseClick(window.Control("cmdOK"), Qt::LeftButton);
  EXPECT_TRUE(folder.Read("matcode0.txt").starts_with("1\r\n600,400,30000\r\n-180,-280,1600\r\n30,.002\r\n"));
  QTest::mouseClick(window.Control("cmdEnd"), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace korvel::pre
