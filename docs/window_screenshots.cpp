// Renders the three windows as their programs open them into PNG files in the
// given folder: the pictures in the README (scripts/screenshots.sh).

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "conv/window/converter_window.h"
#include "pre/window/section_window.h"
#include "run/window/launcher_window.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "docs");
  korvel::pre::SectionWindow pre;
  korvel::conv::ConverterWindow conv;
  korvel::run::LauncherWindow run;
  const std::pair<QWidget*, const char*> windows[] = {
      {&pre, "KORVEL_PRE.png"}, {&conv, "TRELVO.png"}, {&run, "KORVEL_RUN.png"}};
  for (const auto& [window, file] : windows) {
    window->show();
    QApplication::processEvents();
    if (!window->grab().save(folder.filePath(file))) return 1;
  }
  return 0;
}
