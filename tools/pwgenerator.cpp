// pwgenerator <database> <rounds> [seed]
//
// Fills a fresh Puttwise database (a copy of build/vorlage/dbgolfvb.mdb) with 3 golfers,
// 20 courses with their tees, tournaments, handicap history and <rounds> hole-by-hole
// rounds. The same seed (default 1) gives the same database.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

#include "Rundengenerator.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  bool ok = a.size() == 3 || a.size() == 4;
  Generatorauftrag auftrag;
  if (ok) auftrag.Runden = a[2].toInt(&ok);
  if (ok && a.size() == 4) auftrag.Startwert = a[3].toUInt(&ok);
  if (!ok || auftrag.Runden < 0) {
    std::fprintf(stderr, "usage: pwgenerator <database> <rounds> [seed]\n");
    return 2;
  }
  if (!QFileInfo::exists(a[1])) {
    std::fprintf(stderr, "pwgenerator: %s does not exist (copy a fresh database there first)\n", qPrintable(a[1]));
    return 1;
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ziel"));
  db.setDatabaseName(a[1]);
  if (!db.open()) {
    std::fprintf(stderr, "pwgenerator: cannot open %s\n", qPrintable(a[1]));
    return 1;
  }
  {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM Greenlogs) + (SELECT COUNT(*) FROM tab_golfer) + "
                               "(SELECT COUNT(*) FROM Tab_Golfplatz)")) ||
        !q.next() || q.value(0).toLongLong() != 0) {
      std::fprintf(stderr, "pwgenerator: %s is no fresh database\n", qPrintable(a[1]));
      return 1;
    }
  }
  QString fehler;
  if (!ErzeugeRunden(db, auftrag, &fehler)) {
    std::fprintf(stderr, "pwgenerator: %s\n", qPrintable(fehler));
    return 1;
  }
  std::printf("%d rounds written to %s\n", auftrag.Runden, qPrintable(a[1]));
  return 0;
}
