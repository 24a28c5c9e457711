// KORVEL_RUN drawn with Qt: the window its program opens, starting a job
// picked in its own file dialog.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/tests/recording_program.h"
#include "run/core/launcher_form.h"
#include "ui/qt/form_widget.h"

namespace korvel::run {
namespace {

using test_support::CurrentFolder;
using test_support::RecordingProgram;
using test_support::TempFolder;

// The window's own dialog, from two working folders in turn: it opens in the
// current one each time, and the job starts.
TEST(LauncherQt, RunStartsTheJobPickedInTheWorkingFolder) {
  RecordingProgram solver("korvel_2005r2_027.exe");
  qt::FormWidget window(LauncherForm());
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("KORVEL执行界面主窗口(KORVEL 开发组)"));
  auto* run = window.findChild<QPushButton*>("cmdRun");
  EXPECT_EQ(QApplication::focusWidget(), run) << "Run is the first in tab order";
  TempFolder first, second;
  for (const auto& [folder, job] : {std::pair{&first, "my frame"}, std::pair{&second, "frame1"}}) {
    folder->Write(std::string(job) + ".dat", "");
    CurrentFolder here(folder->path());
    std::filesystem::remove(solver.folder().Path("record"));
    QString opened, filter;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      opened = dialog->directory().absolutePath();
      filter = dialog->selectedNameFilter();
      dialog->selectFile(QString::fromUtf8(job) + ".dat");
      static_cast<QDialog*>(dialog)->accept();  // as Enter in the name field
    });
    QTest::keyClick(run, Qt::Key_Space);
    EXPECT_EQ(opened, QDir::currentPath());
    EXPECT_EQ(filter, "Data files (*.dat)");
    const std::string record = solver.WaitForRecord();
    EXPECT_EQ(record.substr(record.find('\n') + 1), "[-j]\n[" + (folder->path() / job).string() + "]\n");
  }
}

}  // namespace
}  // namespace korvel::run
