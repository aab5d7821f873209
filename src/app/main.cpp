#include <QApplication>
#include <QIcon>

#include "platform/widgets/Dialoge.h"
#include "shell/Programmende.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Puttwise"));
  QApplication::setApplicationVersion(QStringLiteral("2.02"));
  SetzeDialoge(std::make_unique<QtDialoge>());
  return Programmlauf();
}
