#include "data/Skript.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

bool FuehreSkriptAus(QSqlDatabase db, const QString& skript, QString* fehler) {
  QString aktuell;
  QSqlQuery q(db);
  const QStringList zeilen = skript.split(QLatin1Char('\n'));
  for (const QString& z : zeilen) {
    const QString t = z.trimmed();
    if (t.startsWith(QLatin1String("--")) && aktuell.trimmed().isEmpty()) continue;
    aktuell += z + QLatin1Char('\n');
    if (t.endsWith(QLatin1Char(';'))) {
      if (!q.exec(aktuell)) {
        if (fehler) *fehler = q.lastError().text() + QStringLiteral("\n") + aktuell;
        return false;
      }
      aktuell.clear();
    }
  }
  if (!aktuell.trimmed().isEmpty() && !q.exec(aktuell)) {
    if (fehler) *fehler = q.lastError().text() + QStringLiteral("\n") + aktuell;
    return false;
  }
  return true;
}
