#include "platform/QtSprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LadeQtUebersetzung(int Sprachnummer) {
  static QTranslator* qtTexte = nullptr;
  if (qtTexte) {
    QCoreApplication::removeTranslator(qtTexte);
    delete qtTexte;
    qtTexte = nullptr;
  }
  if (Sprachnummer != 1) return true;
  auto* t = new QTranslator();
  if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  qtTexte = t;
  return true;
}
