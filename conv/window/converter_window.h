#pragma once
// Form1 of TRELVO: what the program does, and buttons to convert and to quit.

#include <QWidget>
#include <functional>
#include <optional>

namespace korvel::conv {

class ConverterWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ConverterWindow(QWidget* parent = nullptr);

  // Asks for the model file's name; nothing when the user cancels.
  std::function<std::optional<QString>()> askModelName;
  // Shows an error or the warnings of a conversion; message boxes unless a
  // test replaces them.
  std::function<void(const QString& text)> reportError;
  std::function<void(const QString& text)> reportWarnings;

 private:
  void Convert();
};

}  // namespace korvel::conv
