#include "language/Dateipruefung.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
Dateibefund fehler(int grund, const QString& treiber = {}) {
  Dateibefund b;
  b.Grund = grund;
  b.Treibertext = treiber;
  return b;
}

Dateibefund lesefehler(const QSqlError& e) {
  const QString eigener = e.databaseText().trimmed();
  Dateibefund b = fehler(MELDUNG_DATENBANK_BESCHAEDIGT, eigener.isEmpty() ? e.driverText().trimmed() : eigener);
  b.Fehler = e;
  return b;
}

// SQLite matches table and column names without regard to the case of ASCII letters,
// and only of those.
bool gleicherSqlName(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    const QChar x = a[i], y = b[i];
    if (x != y && !(x.unicode() < 128 && y.unicode() < 128 && x.toLower() == y.toLower())) return false;
  }
  return true;
}

bool enthaelt(const QStringList& namen, const QString& name) {
  for (const QString& n : namen)
    if (gleicherSqlName(n, name)) return true;
  return false;
}

// The tables and columns, then the quick check, on the open connection.
Dateibefund pruefeInhalt(QSqlDatabase& db, const QList<Tabellenaufbau>& aufbau) {
  QSqlQuery q(db);
  QStringList fehlend;
  int vorhanden = 0;
  for (const Tabellenaufbau& t : aufbau) {
    QString name = t.Tabelle;
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (!q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name))) return lesefehler(q.lastError());
    QStringList spalten;
    while (q.next()) spalten << q.value(1).toString();
    if (spalten.isEmpty()) {
      fehlend << t.Tabelle;
      continue;
    }
    ++vorhanden;
    for (const QString& s : t.Spalten)
      if (!enthaelt(spalten, s)) fehlend << t.Tabelle + QLatin1Char('.') + s;
  }
  if (!fehlend.isEmpty()) {
    Dateibefund b = fehler(vorhanden == 0 ? MELDUNG_TABELLEN_FEHLEN : MELDUNG_AUFBAU_FEHLT);
    b.Fehlend = fehlend;
    return b;
  }
  if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next()) return lesefehler(q.lastError());
  if (q.value(0).toString() != QLatin1String("ok")) return fehler(MELDUNG_DATENBANK_BESCHAEDIGT, q.value(0).toString());
  Dateibefund b;
  b.Ok = true;
  return b;
}
}  // namespace

Dateibefund PruefeSqliteDatei(const QString& pfad, const QList<Tabellenaufbau>& aufbau,
                              const std::function<void(QSqlDatabase&)>& oeffnen) {
  const QFileInfo info(pfad);
  if (!info.isFile()) return fehler(MELDUNG_NICHT_LESBAR);
  if (info.size() == 0) return fehler(MELDUNG_DATEI_LEER);
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return fehler(MELDUNG_NICHT_LESBAR, f.errorString());
  const QByteArray kopf = f.read(16);
  f.close();
  // Every SQLite database starts with this text; SQLite itself would take a file of
  // another kind for an empty new database.
  if (!SqliteKopf(kopf)) return fehler(MELDUNG_KEINE_DATENBANK);

  const QString name = QStringLiteral("Dateipruefung");
  Dateibefund b;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (oeffnen) {
      oeffnen(db);
    } else {
      db.setDatabaseName(pfad);
      db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    }
    b = db.open() ? pruefeInhalt(db, aufbau) : lesefehler(db.lastError());
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return b;
}

QString Befundgrund(const Dateibefund& befund, const std::function<QString(int)>& text) {
  if (befund.Ok) return QString();
  QString grund = text(befund.Grund);
  if (befund.Grund == MELDUNG_TABELLEN_FEHLEN || befund.Grund == MELDUNG_AUFBAU_FEHLT) {
    // A file of a much older layout lacks many columns: the first ones are enough to say.
    constexpr int GENANNT = 12;
    QString liste = befund.Fehlend.mid(0, GENANNT).join(QStringLiteral(", "));
    if (befund.Fehlend.size() > GENANNT)
      liste += QLatin1Char(' ') + text(TEXT_UND_WEITERE).arg(befund.Fehlend.size() - GENANNT);
    grund = grund.arg(liste);
  }
  return grund;
}
