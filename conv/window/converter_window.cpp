#include "conv/window/converter_window.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "common/window/controls.h"
#include "common/window/paths.h"
#include "common/window/twips.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using window::TwipsRect;

constexpr char kDescription[] =
    "将SAP 2000 v9 以上版本*.s2k程序中的框架和剪力墙信息转换至MSC.MARC2003以上版本。转换得到的MARC输入文件为data.mfd。";
constexpr char kCredit[] = "KORVEL 开发组";
constexpr char kPrompt[] = "请输入SAP2000(*.s2k)文件名称，必须包括后缀名";

}  // namespace

ConverterWindow::ConverterWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8("SAP2K to MARC转换器0.11版本"));
  window::SetClientSize(*this, 4680, 3195);

  auto* start = window::AddButton(this, "Command1", QString::fromUtf8("开始转换"), TwipsRect(600, 2160, 1335, 495));
  auto* quit = window::AddButton(this, "Command2", QString::fromUtf8("退出程序"), TwipsRect(2640, 2160, 1335, 495));
  window::AddWrappedLabel(this, "Label1", QString::fromUtf8(kDescription), TwipsRect(240, 120, 4215, 975));
  window::AddWrappedLabel(this, "Label2", QString::fromUtf8(kCredit), TwipsRect(240, 1200, 4335, 615));
  setTabOrder(start, quit);
  start->setFocus();

  askModelName = [this]() -> std::optional<QString> {
    bool accepted = false;
    const QString name = QInputDialog::getText(this, QApplication::applicationName(), QString::fromUtf8(kPrompt),
                                               QLineEdit::Normal, QString(), &accepted);
    return accepted ? std::optional<QString>(name) : std::nullopt;
  };
  reportError = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
  reportWarnings = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };

  connect(start, &QPushButton::clicked, this, &ConverterWindow::Convert);
  connect(quit, &QPushButton::clicked, this, &QWidget::close);
}

void ConverterWindow::Convert() {
  const std::optional<QString> name = askModelName();
  if (!name) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::optional<QString> error;
  ConversionResult result;
  try {
    result = SAP2KREAD(window::ToPath(*name));
  } catch (const std::exception& e) {
    error = window::FromUtf8(e.what());
  }
  QApplication::restoreOverrideCursor();
  if (error) {
    reportError(*error);
    return;
  }
  const std::vector<std::string> warnings = result.Warnings();
  if (warnings.empty()) return;
  QStringList lines;
  for (const std::string& warning : warnings) lines << window::FromUtf8(warning);
  reportWarnings(QString::fromUtf8("debug.txt 和 out.txt 已写出，但请注意：\n\n") + lines.join("\n"));
}

}  // namespace korvel::conv
