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
#include "data/Speicherfehler.h"
#include "platform/Registry.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
// The tables every part of the program relies on.
const char* const TABELLEN[] = {"Greenlogs",    "tab_golfer",  "tab_HdcpHistorie", "Tab_Golfplatz",          "tab_Slope",
                                "Tab_Turnier",  "Tab_Spielart", "SpielartGolf",    "tab_EinstellungenIntern"};

Datenbankbefund fehler(int grund, const QString& treiber = {}) {
  Datenbankbefund b;
  b.Grund = grund;
  b.Treibertext = treiber;
  return b;
}

// A read that failed: a file another program holds is not called damaged.
Datenbankbefund lesefehler(const QSqlError& e) {
  // A file the engine cannot open (a WAL journal beside it in a folder where its index
  // cannot be made) cannot be read; it is not damaged.
  constexpr int SQLITE_CANTOPEN = 14;
  if ((e.nativeErrorCode().toInt() & 0xff) == SQLITE_CANTOPEN) return fehler(MELDUNG_NICHT_LESBAR, Treibertext(e));
  return fehler(FehlerartVon(e) == Fehlerart::Gesperrt ? MELDUNG_GRUND_GESPERRT : MELDUNG_DATENBANK_BESCHAEDIGT,
                Treibertext(e));
}

// Reads the file through a read-only connection of its own.
Datenbankbefund pruefeMitSqlite(const QString& pfad) {
  const QString name = QStringLiteral("Startpruefung");
  Datenbankbefund b;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    SetzeDatenbankdatei(db, pfad, true);
    if (!db.open()) {
      b = lesefehler(db.lastError());
    } else {
      QSqlQuery q(db);
      QStringList vorhanden;
      if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        b = lesefehler(q.lastError());
      } else {
        while (q.next()) vorhanden << q.value(0).toString();
        QStringList fehlend;
        for (const char* t : TABELLEN)
          if (!vorhanden.contains(QLatin1String(t), Qt::CaseInsensitive)) fehlend << QLatin1String(t);
        if (!fehlend.isEmpty()) {
          b = fehler(MELDUNG_TABELLEN_FEHLEN);
          b.Fehlend = fehlend.join(QStringLiteral(", "));
        } else if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next()) {
          b = lesefehler(q.lastError());
        } else if (q.value(0).toString() != QLatin1String("ok")) {
          b = fehler(MELDUNG_DATENBANK_BESCHAEDIGT, q.value(0).toString());
        } else {
          b.Ok = true;
        }
      }
      q.finish();
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(name);
  return b;
}

QString uebersetzt(int nummer) { return SPU().GibTranslation(nummer); }
}  // namespace

Datenbankbefund PruefeDatenbankdatei(const QString& pfad) {
  const QFileInfo info(pfad);
  if (!info.isFile()) return fehler(MELDUNG_NICHT_LESBAR);
  if (info.size() == 0) return fehler(MELDUNG_DATEI_LEER);
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return fehler(MELDUNG_NICHT_LESBAR, f.errorString());
  const QByteArray kopf = f.read(16);
  f.close();
  // Every SQLite database starts with this text; SQLite itself would take a file of
  // another kind for an empty new database.
  if (kopf != QByteArray("SQLite format 3\0", 16)) return fehler(MELDUNG_KEINE_DATENBANK);
  return pruefeMitSqlite(pfad);
}

QString Datenbankbefundtext(const QString& pfad, const Datenbankbefund& befund) {
  if (befund.Grund == MELDUNG_GRUND_GESPERRT)
    return Speicherfehlertext(MELDUNG_DATENBANK_JETZT_NICHT, Fehlerart::Gesperrt, befund.Treibertext)
        .arg(QDir::toNativeSeparators(pfad));
  QString grund = uebersetzt(befund.Grund);
  if (befund.Grund == MELDUNG_TABELLEN_FEHLEN) grund = grund.arg(befund.Fehlend);
  QString text = uebersetzt(MELDUNG_KEINE_PUTTWISE_DATENBANK).arg(QDir::toNativeSeparators(pfad), grund);
  if (!befund.Treibertext.trimmed().isEmpty()) text += QStringLiteral("\n\n") + befund.Treibertext.trimmed();
  return text;
}

void SpracheVorlaeufig() {
  if (Sprachnummer == 1 || Sprachnummer == 2) return;
  Sprachnummer = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Sprache")) == QLatin1String("2") ? 2 : 1;
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
    wohin = QStringLiteral("Sie wurde als %1 beiseitegelegt. / It was kept as %1.").arg(QDir::toNativeSeparators(beiseite));
  } else {
    const QString ersatz = QDir::temp().filePath(QStringLiteral("Puttwise-%1.ini").arg(QCoreApplication::applicationPid()));
    QFile::remove(ersatz);
    SetzeEinstellungsdatei(ersatz);
    wohin = QStringLiteral("Die Einstellungen dieser Sitzung werden nicht aufbewahrt. / The settings of this session are not kept.");
  }
  // The language and the language database are named in the settings, so this one
  // message is given in both languages.
  const QString text =
      QStringLiteral("Die Einstellungsdatei %1 ist unbrauchbar: / The settings file %1 is unusable:\n%2\n%3\n"
                     "Puttwise startet wie beim ersten Mal. / Puttwise starts as on a first start.")
          .arg(QDir::toNativeSeparators(datei), was, wohin);
  MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
  return false;
}

void MeldeDatenbankBelegt(const QString& pfad) {
  SpracheVorlaeufig();
  QString text = uebersetzt(MELDUNG_DATENBANK_BELEGT);
  if (text.isEmpty())  // without the language database
    text = QStringLiteral("Die Datenbank %1 ist bereits in einem anderen Fenster von Puttwise geöffnet.\n"
                          "The database %1 is already open in another Puttwise window.");
  MsgAntwort = DLG().Meldung(text.arg(QDir::toNativeSeparators(pfad)), STIL_KRITISCH, PRODUKTTITEL);
}
