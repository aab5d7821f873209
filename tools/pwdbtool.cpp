// pwdbtool schema <out.mdb> <schema.sql>
// pwdbtool lang <out.mdb> <texts.tsv>...
//
// The form of the language text lines is in language/Textquellen.h. A number given twice
// is an error.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

#include "data/Skript.h"
#include "language/Textquellen.h"

namespace {
int fehler(const QString& text) {
  std::fprintf(stderr, "pwdbtool: %s\n", qPrintable(text));
  return 1;
}

// A Null text of the sources is a Null value in the table.
QVariant text(const QString& t) { return t.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t); }

bool neueDatei(const QString& pfad, QSqlDatabase& db) {
  QFile::remove(pfad);
  db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ziel"));
  db.setDatabaseName(pfad);
  return db.open();
}

int schema(const QString& aus, const QString& skriptPfad) {
  QFile f(skriptPfad);
  if (!f.open(QIODevice::ReadOnly)) return fehler(QStringLiteral("cannot read ") + skriptPfad);
  const QString skript = QString::fromUtf8(f.readAll());
  QSqlDatabase db;
  if (!neueDatei(aus + QStringLiteral(".tmp"), db)) return fehler(db.lastError().text());
  QString f2;
  if (!FuehreSkriptAus(db, skript, &f2)) return fehler(f2);
  db.close();
  QFile::remove(aus);
  return QFile::rename(aus + QStringLiteral(".tmp"), aus) ? 0 : fehler(QStringLiteral("cannot write ") + aus);
}

int sprache(const QString& aus, const QStringList& dateien) {
  QSqlDatabase db;
  if (!neueDatei(aus + QStringLiteral(".tmp"), db)) return fehler(db.lastError().text());
  QSqlQuery q(db);
  const char* tabellen[] = {"CREATE TABLE Sprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
                            "CREATE TABLE SpracheTabGroups (TagNummer INTEGER NOT NULL, GroupNo INTEGER NOT NULL, "
                            "Deutsch TEXT, Englisch TEXT)",
                            "CREATE TABLE Menuesprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
                            "CREATE TABLE MsgSprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
                            "CREATE UNIQUE INDEX ixSprache ON Sprache (TagNummer)",
                            "CREATE UNIQUE INDEX ixSpracheTabGroups ON SpracheTabGroups (TagNummer, GroupNo)",
                            "CREATE UNIQUE INDEX ixMenuesprache ON Menuesprache (TagNummer)",
                            "CREATE UNIQUE INDEX ixMsgSprache ON MsgSprache (TagNummer)"};
  for (const char* t : tabellen)
    if (!q.exec(QString::fromLatin1(t))) return fehler(q.lastError().text());
  db.transaction();
  for (const QString& pfad : dateien) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return fehler(QStringLiteral("cannot read ") + pfad);
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    int zeilenNr = 0;
    while (!in.atEnd()) {
      const QString zeile = in.readLine();
      ++zeilenNr;
      const QString wo = QStringLiteral("%1:%2: ").arg(QFileInfo(pfad).fileName()).arg(zeilenNr);
      Textzeile z;
      QString warum;
      if (!ZerlegeTextzeile(zeile, z, warum)) return fehler(wo + warum);
      if (z.Tabelle.isEmpty()) continue;
      if (z.Gruppe >= 0) {
        q.prepare(QStringLiteral("INSERT INTO SpracheTabGroups VALUES (?, ?, ?, ?)"));
        q.addBindValue(z.Nummer);
        q.addBindValue(z.Gruppe);
      } else {
        q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?)").arg(z.Tabelle));
        q.addBindValue(z.Nummer);
      }
      q.addBindValue(text(z.Deutsch));
      q.addBindValue(text(z.Englisch));
      if (!q.exec()) return fehler(wo + q.lastError().text() + QStringLiteral(" (number given twice?)"));
    }
  }
  db.commit();
  db.close();
  QFile::remove(aus);
  return QFile::rename(aus + QStringLiteral(".tmp"), aus) ? 0 : fehler(QStringLiteral("cannot write ") + aus);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  if (a.size() >= 4 && a[1] == QLatin1String("schema")) return schema(a[2], a[3]);
  if (a.size() >= 4 && a[1] == QLatin1String("lang")) return sprache(a[2], a.mid(3));
  return fehler(QStringLiteral("usage: pwdbtool schema <out> <schema.sql> | lang <out> <texts.tsv>..."));
}
