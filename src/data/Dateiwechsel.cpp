#include "data/Dateiwechsel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include "data/Aenderungen.h"
#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "data/Startpruefung.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

bool umbenennen(const QString& von, const QString& nach) {
  return std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

bool daIrgendwas(const QString& pfad) {
  struct stat s {};
  return ::lstat(QFile::encodeName(pfad).constData(), &s) == 0;
}

// A name beside `pfad` that nothing has yet: the file's name, `wort` and the time.
QString freierName(const QString& pfad, const QString& wort) {
  const QString basis = QStringLiteral("%1.%2-%3")
                            .arg(pfad, wort, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  QString name = basis;
  for (int n = 2; daIrgendwas(name) || daIrgendwas(name + QStringLiteral("-journal")); ++n)
    name = basis + QStringLiteral("-%1").arg(n);
  return name;
}

// The journal files a database file may have beside it.
const QLatin1String JOURNALE[] = {QLatin1String("-journal"), QLatin1String("-wal"), QLatin1String("-shm")};

// Writes the database the program holds whole into the new file `neu`, puts it on the disk
// and reads it back whole; what fails is reported into `aktion`, naming `ziel`.
bool schreibeKopie(const QString& neu, Speicheraktion& aktion, const QString& ziel) {
  auto melde = [&](Fehlerart art, const QString& worte = {}) {
    aktion.Melde(art, worte.isEmpty() ? nativ(ziel) : nativ(ziel) + QStringLiteral("\n\n") + worte);
  };
  {
    // (VACUUM INTO reads the file the connection holds open, wherever it went; it writes
    // nothing into it.)
    QSqlQuery q(DBG().Db());
    QSqlError fehler = PruefeFehlerprobe(QStringLiteral("VACUUM INTO"));
    if (!fehler.isValid() && !q.exec(QStringLiteral("VACUUM INTO ") + SqlText(neu))) fehler = q.lastError();
    if (fehler.isValid()) {
      const Fehlerart art = FehlerartVon(fehler);
      melde(art, art == Fehlerart::Sonstig ? Treibertext(fehler) : QString());
    }
  }
  if (!aktion.Fehlgeschlagen() && !AufPlatte(neu)) melde(FehlerartVonErrno(errno));
  if (!aktion.Fehlgeschlagen() && !GanzeKopie(neu)) melde(Fehlerart::Beschaedigt);
  if (aktion.Fehlgeschlagen()) QFile::remove(neu);
  return !aktion.Fehlgeschlagen();
}

// Writes the database the program holds whole into a new file beside `ziel`, puts it on the
// disk, checks it and locks it, then moves what is at `ziel` (with its journal files, which
// belong to it) aside as `beiseite` (empty when nothing was there) and puts the new file in
// its place. The descriptor that holds the lock of the file now at `ziel`, or -1 (why is
// reported into `aktion`, with `ziel` named, and nothing is moved).
int schreibeGehalteneDatenbank(const QString& ziel, QString& beiseite, Speicheraktion& aktion) {
  auto melde = [&](Fehlerart art, const QString& worte = {}) {
    aktion.Melde(art, worte.isEmpty() ? nativ(ziel) : nativ(ziel) + QStringLiteral("\n\n") + worte);
  };
  const QString ordner = QFileInfo(ziel).absolutePath();
  if (!Schreibbar(ordner)) {
    melde(Fehlerart::Schreibgeschuetzt);
    return -1;
  }
  const QString neu = freierName(ziel, QStringLiteral("gesichert"));
  schreibeKopie(neu, aktion, ziel);
  int sperre = -1;
  int fehler = 0;
  if (!aktion.Fehlgeschlagen() && (sperre = SperreDatei(neu, fehler)) < 0) melde(FehlerartVonErrno(fehler));
  if (!aktion.Fehlgeschlagen()) {
    // The permissions of the file the program opened.
    if (const int rechte = RechteDerDatenbankdatei(); rechte >= 0) ::fchmod(sperre, mode_t(rechte));
    const bool datei = daIrgendwas(ziel);
    bool journale = false;
    for (const QLatin1String& j : JOURNALE) journale = journale || daIrgendwas(ziel + j);
    beiseite = datei || journale ? freierName(ziel, QStringLiteral("fremd")) : QString();
    if (datei && !umbenennen(ziel, beiseite)) {
      melde(FehlerartVonErrno(errno));
    } else {
      for (const QLatin1String& j : JOURNALE)
        if (daIrgendwas(ziel + j)) umbenennen(ziel + j, beiseite + j);
      if (!umbenennen(neu, ziel)) {
        melde(FehlerartVonErrno(errno));
        if (datei) umbenennen(beiseite, ziel);
      } else {
        AufPlatte(ordner);
      }
    }
    if (!datei) beiseite.clear();
  }
  if (!aktion.Fehlgeschlagen()) return sperre;
  if (sperre >= 0) ::close(sperre);
  QFile::remove(neu);
  beiseite.clear();
  return -1;
}

}  // namespace

Dateiwechsel WechsleZurDateiAmPfad(Speicheraktion& aktion, QString* mitteilung) {
  HalteVomAltenJournalAb(true);
  const QString pfad = DatenbankPfad;
  const QString datei = nativ(pfad);
  Datenbankbefund befund;
  const bool istDatei = QFileInfo(pfad).isFile();
  if (istDatei) {
    befund = PruefeDatenbankdatei(pfad);
    MeldeFremdesJournal(pfad, befund);
    // A database another program holds, or whose cut-off store waits to be finished, stays
    // as it is.
    if (!befund.Ok && (befund.Grund == MELDUNG_GRUND_GESPERRT || befund.Grund == MELDUNG_UNTERBROCHENE_AENDERUNG)) {
      aktion.Melde(Fehlerart::Ersetzt, datei + QStringLiteral("\n\n") + Datenbankbefundtext(pfad, befund));
      return Dateiwechsel::Unbrauchbar;
    }
  } else if (QFileInfo(pfad).isDir()) {
    befund.Grund = MELDUNG_IST_ORDNER;
  } else {
    befund.Grund = MELDUNG_KEINE_GEWOEHNLICHE_DATEI;
  }
  int sperre = -1;
  if (befund.Ok) {
    // The lock of the new file is taken before the old one's is given up.
    int fehler = 0;
    sperre = SperreDatei(pfad, fehler);
    if (sperre < 0) {
      aktion.Melde(Fehlerart::Ersetzt,
                   datei + QStringLiteral("\n\n") +
                       (fehler == EAGAIN ? SPU().GibTranslation(MELDUNG_GRUND_GESPERRT) : Sperrgrund(fehler)));
      return Dateiwechsel::Unbrauchbar;
    }
    // The database the program held is at no path any more: before it is let go, it is
    // written whole beside the path.
    if (DatenbankdateiOhneNamen()) {
      const QString bisher = freierName(pfad, QStringLiteral("bisher"));
      if (!schreibeKopie(bisher, aktion, bisher)) {
        ::close(sperre);
        aktion.SetzeUeberschrift(MELDUNG_DATENBANK_NICHT_GESCHRIEBEN);
        return Dateiwechsel::Unbrauchbar;
      }
      if (mitteilung) *mitteilung = SPU().Meldungstext(MELDUNG_BISHERIGE_DATENBANK_AUFBEWAHRT).arg(nativ(bisher));
      if (Schlussart() != Programmschluss::Sitzung) MerkeGenannt(bisher);
    }
  } else {
    // Reached through a link, the database goes where the link points, and the link stays.
    const QFileInfo info(pfad);
    const QString ziel = info.isSymLink() ? info.symLinkTarget() : pfad;
    QString beiseite;
    sperre = schreibeGehalteneDatenbank(ziel, beiseite, aktion);
    if (sperre < 0) {
      aktion.SetzeUeberschrift(MELDUNG_DATENBANK_NICHT_GESCHRIEBEN);
      return Dateiwechsel::Unbrauchbar;
    }
    if (mitteilung) {
      if (beiseite.isEmpty())
        *mitteilung = SPU().Meldungstext(MELDUNG_DATENBANK_ZURUECKGESCHRIEBEN).arg(datei);
      else
        *mitteilung = SPU()
                          .Meldungstext(MELDUNG_DATENBANK_STATT_FREMDER_DATEI)
                          .arg(datei, Befundgrund(befund, [](int n) { return SPU().Meldungstext(n); }),
                               QFileInfo(beiseite).fileName());
    }
  }
  DBG().Class_Terminate();
  DBT().Class_Terminate();
  UebernimmSperre(sperre);
  MerkeDatenbankdatei(pfad);
  DBG().Class_Initialize();
  DBT().Class_Initialize();
  emit Aenderungen().DateiGewechselt();
  return befund.Ok ? Dateiwechsel::Gewechselt : Dateiwechsel::Geschrieben;
}

namespace {
bool folgeDerNeuenDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen) {
  const QString datei = nativ(DatenbankPfad);
  QString mitteilung;
  Dateiwechsel wechsel;
  {
    Speicheraktion aktion;
    wechsel = WechsleZurDateiAmPfad(aktion, &mitteilung);
    if (wechsel == Dateiwechsel::Unbrauchbar) return false;
  }
  // The database there is the one the program held: the change goes into it, unasked.
  if (wechsel == Dateiwechsel::Geschrieben) {
    MsgAntwort = DLG().Meldung(mitteilung, STIL_INFO, PRODUKTTITEL);
    return speichern();
  }
  // As the session ends nobody can answer: the change goes into the file at the path, the
  // one the user opens next.
  if (Schlussart() == Programmschluss::Sitzung) return speichern();
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_DATEI_ERSETZT).arg(datei) + QStringLiteral("\n\n") +
                                 (mitteilung.isEmpty() ? QString() : mitteilung + QStringLiteral("\n\n")) +
                                 SPU().Meldungstext(MELDUNG_AENDERUNG_IN_NEUE_DATEI),
                             STIL_FRAGE, PRODUKTTITEL);
  // The session ended while the question was open: as if it had ended before.
  if (MsgAntwort == ANTWORT_JA || Schlussart() == Programmschluss::Sitzung) return speichern();
  zeigen();
  return false;
}
}  // namespace

bool SpeichereInDieDatei(const std::function<bool()>& speichern, const std::function<void()>& zeigen) {
  if (Schlussentscheidung() != Schlussentscheid::Offen) return false;
  if (!DatenbankdateiUnveraendert()) return folgeDerNeuenDatei(speichern, zeigen);
  // Replaced while the store ran (while a box of it waited, or right before its commit):
  // its own box gives way to this one.
  bool bemerkt = false;
  bool* vorher = SetzeErsetztMeldung(&bemerkt);
  bool ok = false;
  try {
    ok = speichern();
  } catch (...) {
    SetzeErsetztMeldung(vorher);
    throw;
  }
  SetzeErsetztMeldung(vorher);
  if (ok || !bemerkt) return ok;
  return folgeDerNeuenDatei(speichern, zeigen);
}

bool SpeichereDatensatzInDieDatei(const std::function<bool()>& speichern, bool& abgelehnt,
                                  const std::function<void()>& zeigen) {
  bool gespeichert = false;
  // A file at the path that cannot be used stores nothing.
  abgelehnt = true;
  SpeichereInDieDatei(
      [&] {
        gespeichert = speichern();
        return gespeichert || !abgelehnt;
      },
      [&] {
        zeigen();
        abgelehnt = true;
      });
  return gespeichert;
}
