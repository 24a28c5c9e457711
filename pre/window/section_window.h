#pragma once
// frmMain of KORVEL_PRE: 26 fields for one section, a check box that copies
// the core-concrete texts into the cover-concrete fields, OK and End.

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvel::pre {

class SectionWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SectionWindow(QWidget* parent = nullptr);

  // How an error reaches the user; a message box unless a test replaces it.
  std::function<void(const QString& text)> reportError;

 private:
  void CopyCoreToCover();
  void WriteMaterialCodeFile();

  std::array<QLineEdit*, 26> fields_{};
  QCheckBox* copyCheck_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* endButton_ = nullptr;
};

}  // namespace korvel::pre
