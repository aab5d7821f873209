#include "data/Startpruefung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Skript.h"
#include "data/Speicherfehler.h"
#include "language/Dateipruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"

const QList<Tabellenaufbau>& Datenbankaufbau() {
  static const QList<Tabellenaufbau> aufbau = [] {
    QList<Tabellenaufbau> l;
    // The schema is built into the program; it runs on a database in memory.
    QFile f(QStringLiteral(":/aufbau/schema.sql"));
    if (!f.open(QIODevice::ReadOnly)) return l;
    const QString name = QStringLiteral("Datenbankaufbau");
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
      db.setDatabaseName(QStringLiteral(":memory:"));
      if (db.open() && FuehreSkriptAus(db, QString::fromUtf8(f.readAll()))) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
        while (q.next()) l.append({q.value(0).toString(), {}});
        for (Tabellenaufbau& t : l) {
          q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(t.Tabelle));
          while (q.next()) t.Spalten << q.value(1).toString();
        }
      }
      db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return l;
  }();
  return aufbau;
}

namespace {
QString uebersetzt(int nummer) { return SPU().Meldungstext(nummer); }
}  // namespace

namespace {
QString journalVon(const QString& pfad) { return pfad + QStringLiteral("-journal"); }

// A store that was cut off left its rollback journal beside the file. The first connection
// that may write rolls it back when it reads (the engine takes the journal as hot only when
// no other connection holds a transaction on the file), and deletes it. Only a file that
// starts as a database is opened so, and only where the file and its folder may be written.
void rolleAbgebrochenesSpeichernZurueck(const QString& pfad) {
  if (QFileInfo(journalVon(pfad)).size() == 0 || !Schreibbar(pfad) || !Schreibbar(QFileInfo(pfad).absolutePath()))
    return;
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly) || !SqliteKopf(f.read(16))) return;
  f.close();
  const QString name = QStringLiteral("Zuruecksetzen");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    SetzeDatenbankdatei(db, pfad, false);
    if (db.open()) {
      QSqlQuery q(db);
      q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
}
}  // namespace

Datenbankbefund PruefeDatenbankdatei(const QString& pfad) {
  rolleAbgebrochenesSpeichernZurueck(pfad);
  Datenbankbefund b =
      PruefeSqliteDatei(pfad, Datenbankaufbau(), [&pfad](QSqlDatabase& db) { SetzeDatenbankdatei(db, pfad, true); });
  // A read that failed: a file another program holds is not called damaged, nor is a file
  // the engine cannot open (a WAL journal beside it in a folder where its index cannot be
  // made): that one cannot be read; nor is a file whose cut-off store waits to be rolled back.
  constexpr int SQLITE_CANTOPEN = 14;
  constexpr int SQLITE_READONLY_ROLLBACK = 8 | (3 << 8);
  if (b.Fehler.isValid() && FehlerartVon(b.Fehler) == Fehlerart::Gesperrt)
    b.Grund = MELDUNG_GRUND_GESPERRT;
  else if (b.Fehler.isValid() && (b.Fehler.nativeErrorCode().toInt() & 0xff) == SQLITE_CANTOPEN)
    b.Grund = MELDUNG_NICHT_LESBAR;
  else if (b.Fehler.isValid() && b.Fehler.nativeErrorCode().toInt() == SQLITE_READONLY_ROLLBACK)
    b.Grund = MELDUNG_UNTERBROCHENE_AENDERUNG;
  return b;
}

QString Datenbankbefundtext(const QString& pfad, const Datenbankbefund& befund) {
  if (befund.Grund == MELDUNG_GRUND_GESPERRT)
    return Speicherfehlertext(MELDUNG_DATENBANK_JETZT_NICHT, Fehlerart::Gesperrt, befund.Treibertext)
        .arg(QDir::toNativeSeparators(pfad));
  if (befund.Grund == MELDUNG_UNTERBROCHENE_AENDERUNG)
    return uebersetzt(MELDUNG_UNTERBROCHENE_AENDERUNG)
        .arg(QDir::toNativeSeparators(pfad), QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()),
             QFileInfo(journalVon(pfad)).fileName());
  const QString grund = Befundgrund(befund, &uebersetzt);
  QString text =
      uebersetzt(befund.Grund == MELDUNG_AUFBAU_FEHLT ? MELDUNG_ANDERER_AUFBAU : MELDUNG_KEINE_PUTTWISE_DATENBANK)
          .arg(QDir::toNativeSeparators(pfad), grund);
  if (!befund.Treibertext.trimmed().isEmpty()) text += QStringLiteral("\n\n") + befund.Treibertext.trimmed();
  return text;
}

QString FehlendeDatenbanktext(const QString& pfad) {
  if (pfad.isEmpty())
    return uebersetzt(MELDUNG_KEINE_DATENBANK_EINGESTELLT).arg(QDir::toNativeSeparators(Einstellungsdatei()));
  const QFileInfo info(pfad);
  // (A link that names nothing counts as missing.)
  const int grund = !info.exists() ? MELDUNG_DATEI_FEHLT
                    : info.isDir() ? MELDUNG_IST_ORDNER
                                   : MELDUNG_KEINE_GEWOEHNLICHE_DATEI;
  return uebersetzt(MELDUNG_EINGESTELLTE_DATENBANK).arg(QDir::toNativeSeparators(pfad), uebersetzt(grund));
}

void SpracheVorlaeufig() {
  if (Sprachnummer == 1 || Sprachnummer == 2) return;
  Sprachnummer =
      LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Sprache")) == QLatin1String("2") ? 2 : 1;
}

bool PruefeEinstellungsdatei() {
  const QString datei = Einstellungsdatei();
  const QFileInfo info(datei);
  if (!info.exists()) return true;  // a first start
  QString was;
  if (!info.isFile()) {
    was = QStringLiteral("Sie ist keine Datei. / It is not a file.");
  } else {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
      was = QStringLiteral("Sie kann nicht gelesen werden. / It cannot be read.") + QStringLiteral(" (") +
            f.errorString() + QLatin1Char(')');
    } else {
      f.close();
      QSettings s(datei, QSettings::IniFormat);
      s.allKeys();
      if (s.status() == QSettings::FormatError)
        was = QStringLiteral("Ihr Inhalt ist unlesbar. / Its content is unreadable.");
      else if (s.status() == QSettings::AccessError)
        was = QStringLiteral("Sie kann nicht gelesen werden. / It cannot be read.");
    }
  }
  if (was.isEmpty()) return true;

  // Keep the user's file; go on without it.
  const QString beiseite = datei + QStringLiteral(".defekt");
  QString wohin;
  if (!QFileInfo::exists(beiseite) && QDir().rename(datei, beiseite)) {
    wohin =
        QStringLiteral("Sie wurde als %1 beiseitegelegt. / It was kept as %1.").arg(QDir::toNativeSeparators(beiseite));
  } else {
    const QString ersatz =
        QDir::temp().filePath(QStringLiteral("Puttwise-%1.ini").arg(QCoreApplication::applicationPid()));
    QFile::remove(ersatz);
    SetzeEinstellungsdatei(ersatz);
    wohin = QStringLiteral(
        "Die Einstellungen dieser Sitzung werden nicht aufbewahrt. / The settings of this session are not kept.");
  }
  // The language and the language database are named in the settings, so this one
  // message is given in both languages.
  const QString text = QStringLiteral(
                           "Die Einstellungsdatei %1 ist unbrauchbar: / The settings file %1 is unusable:\n%2\n%3\n"
                           "Puttwise startet wie beim ersten Mal. / Puttwise starts as on a first start.")
                           .arg(QDir::toNativeSeparators(datei), was, wohin);
  MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
  return false;
}

void MeldeDatenbankBelegt(const QString& pfad) {
  SpracheVorlaeufig();
  MsgAntwort = DLG().Meldung(uebersetzt(MELDUNG_DATENBANK_BELEGT).arg(QDir::toNativeSeparators(pfad)), STIL_KRITISCH,
                             PRODUKTTITEL);
}
