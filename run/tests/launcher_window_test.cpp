#include "run/core/launcher_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/tests/recording_program.h"
#include "ui/qt/form_widget.h"

namespace korvel::run {
namespace {

using test_support::CurrentFolder;
using test_support::RecordingProgram;
using test_support::TempFolder;

class LauncherWindowTest : public ::testing::Test {
 protected:
  LauncherWindowTest() {
    window_.openFile = [this](const form::FileFilter&) -> std::optional<std::string> {
      ++asked_;
      return chosen_;
    };
    window_.reportError = [this](const std::string& text) { errors_ << QString::fromStdString(text); };
    window_.show();
    QApplication::setActiveWindow(&window_);
  }
  void ClickRun() { QTest::mouseClick(window_.findChild<QPushButton*>("cmdRun"), Qt::LeftButton); }

  RecordingProgram solver_{"korvel_2005r2_027.exe"};
  qt::FormWidget window_{LauncherForm()};
  std::optional<std::string> chosen_;
  int asked_ = 0;
  QStringList errors_;
};

TEST_F(LauncherWindowTest, LaysOutItsControlsWithRunFocused) {
  EXPECT_TRUE(window_.windowTitle().startsWith(QString::fromUtf8("KORVEL执行界面主窗口(")));
  EXPECT_EQ(window_.size(), QSize(386, 290));
  const auto* label1 = window_.findChild<QLabel*>("Label1");
  EXPECT_EQ(label1->geometry(), QRect(24, 16, 337, 65));
  EXPECT_TRUE(label1->text().contains(QString::fromUtf8("钢筋混凝土杆系结构纤维模型程序")));
  EXPECT_LE(label1->heightForWidth(label1->width()), label1->height()) << "the whole text is visible";
  EXPECT_TRUE(label1->text().endsWith(QString::fromUtf8("本程序基于MSC.MARC 2005r2版本，供国内各专业教学及科研使用。")));
  EXPECT_EQ(window_.findChild<QLabel*>("Label2")->geometry(), QRect(24, 88, 337, 25));
  EXPECT_TRUE(window_.findChild<QLabel*>("Label3")->text().startsWith("Homepage: "));
  EXPECT_TRUE(window_.findChild<QLabel*>("Label3")->text().contains("example.org"));
  auto* run = window_.findChild<QPushButton*>("cmdRun");
  EXPECT_EQ(run->geometry(), QRect(64, 224, 81, 33));
  EXPECT_EQ(window_.findChild<QPushButton*>("cmdExit")->geometry(), QRect(248, 224, 81, 33));
  EXPECT_EQ(QApplication::focusWidget(), run);
  QTest::keyClick(run, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window_.findChild<QPushButton*>("cmdExit"));
}

// The window's own dialog, from two working folders in turn: it opens in the
// current one each time, and the job starts.
TEST_F(LauncherWindowTest, RunStartsTheJobPickedInTheWorkingFolder) {
  qt::FormWidget window(LauncherForm());
  window.show();
  QApplication::setActiveWindow(&window);
  auto* run = window.findChild<QPushButton*>("cmdRun");
  TempFolder first, second;
  for (const auto& [folder, job] : {std::pair{&first, "my frame"}, std::pair{&second, "frame1"}}) {
    folder->Write(std::string(job) + ".dat", "");
    CurrentFolder here(folder->path());
    std::filesystem::remove(solver_.folder().Path("record"));
    QString opened;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      opened = dialog->directory().absolutePath();
      dialog->selectFile(QString::fromUtf8(job) + ".dat");
      static_cast<QDialog*>(dialog)->accept();  // as Enter in the name field
    });
    QTest::keyClick(run, Qt::Key_Space);
    EXPECT_EQ(opened, QDir::currentPath());
    const std::string record = solver_.WaitForRecord();
    EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[" + (folder->path() / job).string() + "]\n");
  }
}

TEST_F(LauncherWindowTest, CancelOrAShortNameStartsNothingAndSaysNothing) {
  ClickRun();
  chosen_ = "a.d";
  ClickRun();
  EXPECT_EQ(asked_, 2);
  EXPECT_TRUE(errors_.isEmpty());
  QTest::qWait(200);
  EXPECT_FALSE(solver_.folder().Has("record"));
}

TEST_F(LauncherWindowTest, MissingSolverIsReported) {
  std::filesystem::remove(solver_.folder().Path("korvel_2005r2_027.exe"));
  chosen_ = "frame1.dat";
  ClickRun();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].contains("korvel_2005r2_027.exe -j frame1"));
}

TEST_F(LauncherWindowTest, ExitClosesTheWindow) {
  QTest::mouseClick(window_.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace korvel::run
