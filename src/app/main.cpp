#include <QApplication>
#include <QIcon>

#include "platform/widgets/Dialoge.h"
#include "shell/Main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Puttwise"));
  QApplication::setApplicationVersion(QStringLiteral("2.02"));
  SetzeDialoge(std::make_unique<QtDialoge>());
  const int ergebnis = Main() ? app.exec() : 0;
  // The connections are closed while the application still exists.
  ProgrammAufraeumen();
  return ergebnis;
}
