// Renders the three windows as their programs open them into PNG files in the
// given folder: the pictures in the README (scripts/screenshots.sh).

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "conv/core/converter_form.h"
#include "pre/core/section_form.h"
#include "run/core/launcher_form.h"
#include "ui/qt/form_widget.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "docs");
  korvel::qt::FormWidget pre(korvel::pre::SectionForm());
  korvel::qt::FormWidget conv(korvel::conv::ConverterForm());
  korvel::qt::FormWidget run(korvel::run::LauncherForm());
  const std::pair<QWidget*, const char*> windows[] = {
      {&pre, "KORVEL_PRE.png"}, {&conv, "TRELVO.png"}, {&run, "KORVEL_RUN.png"}};
  for (const auto& [window, file] : windows) {
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(folder.filePath(file))) return 1;
  }
  return 0;
}
