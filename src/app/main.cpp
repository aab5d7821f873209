#include <QApplication>
#include <QIcon>

#include "shell/Main.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Puttwise"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zantro Puttwise!"));
  QApplication::setApplicationVersion(QStringLiteral("2.02"));
  if (!Main()) return 0;
  return app.exec();
}
