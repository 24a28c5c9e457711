#include "run/window/launcher_window.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "common/window/controls.h"
#include "common/window/paths.h"
#include "common/window/twips.h"
#include "run/core/solver_command.h"

namespace korvel::run {
namespace {

using window::TwipsRect;

constexpr char kDescription[] =
    "KORVEL是由开发组完成的钢筋混凝土杆系结构纤维模型程序。本程序基于MSC.MARC 2005r2版本，供国内各专业教学及科研使用。";
constexpr char kContact[] = "如有问题，请与 KORVEL 开发组联系。";
constexpr char kHomepage[] = "Homepage: https://korvel.example.org/";

}  // namespace

LauncherWindow::LauncherWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8("KORVEL执行界面主窗口(KORVEL 开发组)"));
  window::SetClientSize(*this, 5790, 4350);

  auto* run = window::AddButton(this, "cmdRun", QString::fromUtf8("Run"), TwipsRect(960, 3360, 1215, 495));
  auto* exit = window::AddButton(this, "cmdExit", QString::fromUtf8("Exit"), TwipsRect(3720, 3360, 1215, 495));
  window::AddWrappedLabel(this, "Label1", QString::fromUtf8(kDescription), TwipsRect(360, 240, 5055, 975));
  window::AddWrappedLabel(this, "Label2", QString::fromUtf8(kContact), TwipsRect(360, 1320, 5055, 375));
  window::AddWrappedLabel(this, "Label3", QString::fromUtf8(kHomepage), TwipsRect(360, 1680, 5055, 375));
  setTabOrder(run, exit);
  run->setFocus();

  chooseJobFile = [this]() -> std::optional<QString> {
    QFileDialog dialog(this);
    dialog.setObjectName("cdOpen");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter("Data files (*.dat)");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
  };
  reportError = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

  connect(run, &QPushButton::clicked, this, &LauncherWindow::RunSolver);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

void LauncherWindow::RunSolver() {
  const std::optional<QString> chosen = chooseJobFile();
  if (!chosen) return;
  const std::optional<SolverCommand> command = SolverCommandFor(chosen->toStdString());
  if (!command) return;
  const StartResult started = StartProgram(command->program, command->args);
  if (!started.started) {
    reportError(QString::fromUtf8("无法启动求解程序：") + window::FromUtf8(command->CommandLine()) + "\n\n" +
                window::FromUtf8(started.problem));
  }
}

}  // namespace korvel::run
