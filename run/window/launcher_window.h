#pragma once
// frmMain of KORVEL_RUN: what KORVEL is, Run to start the solver on a job
// file, Exit.

#include <QWidget>
#include <functional>
#include <optional>

namespace korvel::run {

class LauncherWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LauncherWindow(QWidget* parent = nullptr);

  // The file chosen in cdOpen, or nothing when the dialog is cancelled.
  std::function<std::optional<QString>()> chooseJobFile;
  std::function<void(const QString& text)> reportError;

 private:
  void RunSolver();
};

}  // namespace korvel::run
