#include "pre/core/section_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "common/tests/temp_folder.h"
#include "ui/qt/form_widget.h"

namespace korvel::pre {
namespace {

using test_support::CurrentFolder;
using test_support::TempFolder;

class SectionWindowTest : public ::testing::Test {
 protected:
  SectionWindowTest() : here_(folder_.path()) {
    window_.reportError = [this](const std::string& text) { errors_ << QString::fromStdString(text); };
    window_.show();
    QApplication::setActiveWindow(&window_);
  }

  QLineEdit* Field(int n) { return window_.findChild<QLineEdit*>(QString("Text%1").arg(n)); }
  template <typename T>
  T* Control(const char* name) {
    return window_.findChild<T*>(name);
  }
  void Click(const char* button) { QTest::mouseClick(Control<QAbstractButton>(button), Qt::LeftButton); }
  void Type(int field, const QString& text) {
    Field(field)->clear();
    QTest::keyClicks(Field(field), text);
  }

  TempFolder folder_;
  CurrentFolder here_;
  qt::FormWidget window_{SectionForm()};
  QStringList errors_;
};

TEST_F(SectionWindowTest, LaysOutEveryControlAtItsTwipsPlace) {
  EXPECT_EQ(window_.windowTitle(), QString::fromUtf8("KORVEL前处理"));
  EXPECT_EQ(window_.size(), QSize(638, 508));
  EXPECT_EQ(Field(1)->geometry(), QRect(128, 16, 65, 25));
  EXPECT_EQ(Field(14)->geometry(), QRect(328, 272, 65, 25));
  EXPECT_EQ(Field(26)->geometry(), QRect(528, 400, 65, 25));
  const auto* label5 = Control<QLabel>("Label5");
  EXPECT_EQ(label5->text(), QString::fromUtf8("核心区混凝土fc"));
  EXPECT_EQ(label5->geometry(), QRect(16, 152, 97, 17));
  EXPECT_EQ(Control<QLabel>("Label26")->geometry(), QRect(416, 408, 73, 17));
  EXPECT_EQ(Control<QLabel>("Label17")->text(), QString::fromUtf8("钢筋1 As"));
  EXPECT_EQ(Control<QCheckBox>("Check1")->geometry(), QRect(224, 104, 137, 25));
  EXPECT_EQ(Control<QCheckBox>("Check1")->text(), QString::fromUtf8("同核心区混凝土"));
  EXPECT_EQ(Control<QPushButton>("cmdOK")->geometry(), QRect(184, 448, 89, 33));
  EXPECT_EQ(Control<QPushButton>("cmdEnd")->text(), "End");
  const auto* image = Control<QLabel>("Image1");
  EXPECT_EQ(image->pos(), QPoint(424, 8));
  EXPECT_EQ(image->pixmap().size(), QSize(203, 240));
  EXPECT_EQ(image->pixmap().toImage().pixelColor(1, 1), QColor(212, 208, 200));
}

TEST_F(SectionWindowTest, StartsWithZerosUncheckedAndTheFocusInTheFirstField) {
  for (int n = 1; n <= 26; ++n) EXPECT_EQ(Field(n)->text(), "0") << n;
  EXPECT_FALSE(Control<QCheckBox>("Check1")->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), Field(1));
  EXPECT_FALSE(Control<QPushButton>("cmdOK")->isDefault());
  EXPECT_FALSE(Control<QPushButton>("cmdOK")->autoDefault());
  EXPECT_FALSE(Control<QPushButton>("cmdEnd")->autoDefault());
}

TEST_F(SectionWindowTest, TabRunsThroughTheFieldsThenOkEndAndTheCheckBox) {
  QWidget* expected[29];
  for (int n = 1; n <= 26; ++n) expected[n - 1] = Field(n);
  expected[26] = Control<QWidget>("cmdOK");
  expected[27] = Control<QWidget>("cmdEnd");
  expected[28] = Control<QWidget>("Check1");
  Field(1)->setFocus();
  for (int i = 1; i < 29; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), expected[i]) << "after " << i << " tabs";
  }
}

TEST_F(SectionWindowTest, EveryClickCopiesTheCoreTextsAsTyped) {
  Type(5, "30");
  Type(6, "0.002");
  Type(7, "6");
  Type(8, "abc");
  Type(13, "3e4");
  Type(9, "lost");
  Click("Check1");
  EXPECT_EQ(Field(9)->text(), "30");
  EXPECT_EQ(Field(10)->text(), "0.002");
  EXPECT_EQ(Field(11)->text(), "6");
  EXPECT_EQ(Field(12)->text(), "abc");
  EXPECT_EQ(Field(14)->text(), "3e4");
  Type(5, "35");
  Type(10, "0.0025");
  Click("Check1");
  EXPECT_FALSE(Control<QCheckBox>("Check1")->isChecked());
  EXPECT_EQ(Field(9)->text(), "35") << "unchecking copies too";
  EXPECT_EQ(Field(10)->text(), "0.002");
  Type(11, "5.5");
  EXPECT_EQ(Field(11)->text(), "5.5") << "cover fields stay editable";
}

TEST_F(SectionWindowTest, OkWritesTheFileFromTheFieldsAndChangesNothing) {
  Type(1, "400");
  Type(2, "600");
  Type(3, "30000");
  Type(4, "40");
  Type(5, "30");
  Type(6, ".002");
  Type(17, "1,5");
  Click("cmdOK");
  const std::string file = folder_.Read("matcode0.txt");
  EXPECT_TRUE(file.starts_with("1\r\n600,400,30000\r\n-180,-280,1600\r\n30,.002\r\n")) << file;
  EXPECT_NE(file.find("\r\n-160,-260,1\r\n"), std::string::npos) << "1,5 reads as 1";
  EXPECT_EQ(Field(17)->text(), "1,5");
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(SectionWindowTest, OkRightAfterTheStartWritesTheAllZeroSection) {
  Click("cmdOK");
  const std::string file = folder_.Read("matcode0.txt");
  EXPECT_TRUE(file.starts_with("1\r\n0,0,0\r\n0,0,0\r\n0,0\r\n")) << file;
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 154);
}

TEST_F(SectionWindowTest, OverflowingFieldIsNamedAndNothingIsLost) {
  folder_.Write("matcode0.txt", "earlier");
  Type(20, "1e400");
  Click("cmdOK");
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].contains(QString::fromUtf8("钢筋2 As"))) << errors_[0].toStdString();
  EXPECT_EQ(Field(20)->text(), "1e400");
  EXPECT_EQ(folder_.Read("matcode0.txt"), "earlier");
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(SectionWindowTest, OverflowingComputationAndUnwritableFileAreReported) {
  folder_.Write("matcode0.txt", "earlier");
  Type(4, "1e200");
  Click("cmdOK");
  EXPECT_EQ(folder_.Read("matcode0.txt"), "earlier");
  std::filesystem::remove(folder_.Path("matcode0.txt"));
  std::filesystem::create_directory(folder_.Path("matcode0.txt"));
  Type(4, "40");
  Click("cmdOK");
  ASSERT_EQ(errors_.size(), 2);
  EXPECT_TRUE(errors_[1].contains("matcode0.txt"));
  EXPECT_EQ(folder_.Names(), std::vector<std::string>{"matcode0.txt"});
}

TEST_F(SectionWindowTest, EndClosesTheWindow) {
  Click("cmdEnd");
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace korvel::pre
