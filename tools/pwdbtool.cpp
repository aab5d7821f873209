// pwdbtool schema <out.mdb> <schema.sql>
// pwdbtool lang <out.mdb> <texts.tsv>...
//
// Language text lines: Table TAB Number TAB Group TAB German TAB English, where Table is
// Sprache, SpracheTabGroups, Menuesprache or MsgSprache, Group is empty except for tab
// captions, "<NULL>" stands for a Null text, and \n and \t are escapes. Lines starting
// with "#" and empty lines are skipped. A number given twice is an error.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

#include "data/Skript.h"

namespace {
int fehler(const QString& text) {
  std::fprintf(stderr, "pwdbtool: %s\n", qPrintable(text));
  return 1;
}

QVariant text(QString t) {
  if (t == QLatin1String("<NULL>")) return QVariant(QMetaType::fromType<QString>());
  t.replace(QLatin1String("\\n"), QLatin1String("\n"));
  t.replace(QLatin1String("\\t"), QLatin1String("\t"));
  return t;
}

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
  const char* tabellen[] = {
      "CREATE TABLE Sprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
      "CREATE TABLE SpracheTabGroups (TagNummer INTEGER NOT NULL, GroupNo INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
      "CREATE TABLE Menuesprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
      "CREATE TABLE MsgSprache (TagNummer INTEGER NOT NULL, Deutsch TEXT, Englisch TEXT)",
      "CREATE UNIQUE INDEX ixSprache ON Sprache (TagNummer)",
      "CREATE UNIQUE INDEX ixSpracheTabGroups ON SpracheTabGroups (TagNummer, GroupNo)",
      "CREATE UNIQUE INDEX ixMenuesprache ON Menuesprache (TagNummer)",
      "CREATE UNIQUE INDEX ixMsgSprache ON MsgSprache (TagNummer)"};
  for (const char* t : tabellen)
    if (!q.exec(QString::fromLatin1(t))) return fehler(q.lastError().text());
  db.transaction();
  const QSet<QString> bekannt{QStringLiteral("Sprache"), QStringLiteral("SpracheTabGroups"),
                              QStringLiteral("Menuesprache"), QStringLiteral("MsgSprache")};
  for (const QString& pfad : dateien) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return fehler(QStringLiteral("cannot read ") + pfad);
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    int zeilenNr = 0;
    while (!in.atEnd()) {
      const QString zeile = in.readLine();
      ++zeilenNr;
      if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
      const QStringList s = zeile.split(QLatin1Char('\t'));
      const QString wo = QStringLiteral("%1:%2: ").arg(QFileInfo(pfad).fileName()).arg(zeilenNr);
      if (s.size() != 5) return fehler(wo + QStringLiteral("expected 5 tab-separated columns"));
      if (!bekannt.contains(s[0])) return fehler(wo + QStringLiteral("unknown table ") + s[0]);
      bool ok = false;
      const int nummer = s[1].toInt(&ok);
      if (!ok) return fehler(wo + QStringLiteral("bad number ") + s[1]);
      if (s[0] == QLatin1String("SpracheTabGroups")) {
        const int gruppe = s[2].toInt(&ok);
        if (!ok) return fehler(wo + QStringLiteral("tab captions need a group"));
        q.prepare(QStringLiteral("INSERT INTO SpracheTabGroups VALUES (?, ?, ?, ?)"));
        q.addBindValue(nummer);
        q.addBindValue(gruppe);
      } else {
        q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?, ?, ?)").arg(s[0]));
        q.addBindValue(nummer);
      }
      q.addBindValue(text(s[3]));
      q.addBindValue(text(s[4]));
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
