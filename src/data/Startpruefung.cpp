#include "data/Startpruefung.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "data/DBGKlasse.h"
#include "data/Datenbank.h"
#include "data/Global.h"
#include "data/Skript.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
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

quint32 zahl(const QByteArray& b, qsizetype ab, int laenge = 4) {
  quint32 z = 0;
  for (int i = 0; i < laenge; ++i) z = z << 8 | quint8(b[ab + i]);
  return z;
}

// What a rollback journal beside the file holds, as the engine wrote it: a header (its
// magic, the number of page records, the sector and the page size) padded to the sector
// size, then the records (page number, the page as before the store, checksum); a store
// that had to put its journal on the disk more than once adds a header at the next sector.
enum class Journalart {
  OhneSpeichern,  // its header still zeroed: cut off before it was first put on the disk
  Eigenes,        // the file's own, or one the engine reads as holding nothing
  Fremdes,        // it holds another file's first page
  Ungewiss        // most likely the file's own, but it may be another file's
};

bool& geburtUnbekannt() {
  static bool u = false;
  return u;
}

// Whether the file `datei` came into being before (-1) or after (1) the file `journal`, by
// their birth times; 0 where the file system keeps none, or both came in the same tick of
// its clock.
int geborenVor(const QString& datei, const QString& journal) {
  auto geburt = [](const QString& pfad) -> std::optional<std::pair<qint64, quint32>> {
    struct statx s {};
    if (::statx(AT_FDCWD, QFile::encodeName(pfad).constData(), 0, STATX_BTIME, &s) != 0 || !(s.stx_mask & STATX_BTIME))
      return std::nullopt;
    return std::pair<qint64, quint32>{s.stx_btime.tv_sec, s.stx_btime.tv_nsec};
  };
  if (geburtUnbekannt()) return 0;
  const auto d = geburt(datei), j = geburt(journal);
  if (!d || !j || *d == *j) return 0;
  return *d < *j ? -1 : 1;
}

// The file's first page as the journal holds it; empty when it holds none.
QByteArray ersteSeiteImJournal(QFile& j) {
  static const QByteArray MAGIE("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
  qint64 ab = 0;
  while (j.seek(ab)) {
    const QByteArray kopf = j.read(28);
    if (kopf.size() < 28 || !kopf.startsWith(MAGIE)) break;
    const quint32 saetze = zahl(kopf, 8), sektor = zahl(kopf, 20), seite = zahl(kopf, 24);
    if (seite < 512 || seite > 65536 || (seite & (seite - 1)) || sektor < 32 || sektor > 65536) break;
    const qint64 laenge = 8 + qint64(seite);
    qint64 satz = ab + sektor;
    // (All ones: as many records as the journal holds.)
    const qint64 anzahl = saetze == 0xffffffff ? (j.size() - satz) / laenge : saetze;
    for (qint64 i = 0; i < anzahl && j.seek(satz); ++i, satz += laenge) {
      const QByteArray nummer = j.read(4);
      if (nummer.size() < 4) return {};
      if (zahl(nummer, 0) == 1) return j.read(seite);
    }
    ab = (satz + sektor - 1) / sektor * sektor;
  }
  return {};
}

// Whose journal lies beside the file. A store journals the first page (it counts the
// changes at offset 24) before it writes it, and writes it first: the file's counter is the
// journal's (the store wrote nothing yet, and the header is as the journal holds it) or one
// more; any other counter or page size is another file's. So is the counter of another
// machine's copy one store ahead, put in the file's place by a program that synchronises
// files, and only the file's own identity could tell them apart: a file older than the
// journal is the file the store began on. One that came into being after it may be a copy
// of that file all the same (a folder copied or restored journal first), and many file
// systems keep no birth times: whose the journal is stays uncertain there, unless the
// header is as the journal holds it (the store had not yet written its first page). A
// journal that holds no first page is left to the engine.
Journalart journalart(const QString& pfad) {
  QFile j(journalVon(pfad)), f(pfad);
  if (!j.open(QIODevice::ReadOnly) || !f.open(QIODevice::ReadOnly)) return Journalart::Eigenes;
  const QByteArray anfang = j.read(1);
  // The engine takes a journal for one that holds a store only where its first byte is set.
  if (anfang.size() == 1 && anfang[0] == 0) return Journalart::OhneSpeichern;
  const QByteArray erste = ersteSeiteImJournal(j);
  const QByteArray kopf = f.read(100);
  if (erste.size() < 100 || kopf.size() < 100) return Journalart::Eigenes;
  const quint32 seite = zahl(kopf, 16, 2) == 1 ? 65536 : zahl(kopf, 16, 2);
  const quint32 zaehler = zahl(kopf, 24), vorher = zahl(erste, 24);
  const bool wieImJournal = kopf == erste.left(100);
  if (seite != quint32(erste.size()) || (zaehler != vorher + 1 && !wieImJournal)) return Journalart::Fremdes;
  const int alter = geborenVor(pfad, journalVon(pfad));
  if (alter < 0 || (alter == 0 && wieImJournal)) return Journalart::Eigenes;
  return Journalart::Ungewiss;
}

// A name beside `datei` that nothing has yet: the file's name, `wort` and the time.
QString freierName(const QString& datei, const QString& wort) {
  const QString basis = datei + QLatin1Char('.') + wort + QLatin1Char('-') +
                        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString name = basis;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-journal")); ++n)
    name = basis + QStringLiteral("-%1").arg(n);
  return name;
}

bool umbenennen(const QString& von, const QString& nach) {
  return std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0;
}

// Puts another file's journal aside, beside the file, under a name that says whose it is
// not; the new name, or empty where it cannot be moved.
QString legeBeiseite(const QString& journal) {
  const QString name = freierName(journal, QStringLiteral("fremd"));
  return umbenennen(journal, name) ? name : QString();
}

// Rolls the journal back into the file: the first connection that may write does so when
// it reads, and deletes the journal.
void rolleZurueck(const QString& pfad) {
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

// A journal that is most likely the file's own, but may be another file's: the file as
// found and the journal are kept whole beside it first (on the disk), then the journal is
// rolled back. A file that then fails the check was not the journal's: the file as found
// goes back into its place and the journal stays aside. False where the copies could not
// be made (nothing was changed).
bool rolleMitKopieZurueck(const QString& pfad, int& wache, Datenbankbefund& befund) {
  const QString journal = journalVon(pfad), vorgefunden = freierName(pfad, QStringLiteral("vorgefunden")),
                beiseite = freierName(journal, QStringLiteral("fremd"));
  if (KopiereDatei(pfad, vorgefunden, QFileInfo(pfad).permissions()) != 0 ||
      KopiereDatei(journal, beiseite, QFileInfo(journal).permissions()) != 0 ||
      !AufPlatte(QFileInfo(pfad).absolutePath())) {
    QFile::remove(vorgefunden);
    QFile::remove(beiseite);
    return false;
  }
  ::close(std::exchange(wache, -1));
  rolleZurueck(pfad);
  const bool gut = !QFileInfo::exists(journal) && PruefeSqliteDatei(pfad, Datenbankaufbau(), [&pfad](QSqlDatabase& db) {
                                                    SetzeDatenbankdatei(db, pfad, true);
                                                  }).Ok;
  if (gut) {
    QFile::remove(beiseite);
    befund.Vorgefunden = vorgefunden;
    return true;
  }
  // Back as found; the journal, where the engine left it, aside under the copy's name.
  if (QFileInfo::exists(journal)) umbenennen(journal, beiseite);
  umbenennen(vorgefunden, pfad);
  AufPlatte(QFileInfo(pfad).absolutePath());
  befund.FremdesJournal = beiseite;
  befund.JournalUngewiss = true;
  return true;
}

// A store that was cut off left its rollback journal beside the file. The first connection
// that may write rolls it back when it reads (the engine takes the journal as hot only when
// no other connection holds a transaction on the file), and deletes it. Only a file that
// starts as a database is opened so, and only where the file and its folder may be written.
// Before that, while no program can begin a store, a journal that holds no store is
// removed and another file's put aside (the file is then not rolled back; where it cannot
// be put aside, the file is not read). One whose file cannot be told for sure is rolled
// back with the file as found kept beside it (rolleMitKopieZurueck), or, where no copy can
// be made, put aside.
void rolleAbgebrochenesSpeichernZurueck(const QString& pfad, Datenbankbefund& befund) {
  const QString journal = journalVon(pfad);
  if (QFileInfo(journal).size() == 0 || !Schreibbar(QFileInfo(pfad).absolutePath())) return;
  // First, before the file is opened here otherwise: another program stores into the file
  // now, and the journal is its own, and live.
  int wache = HalteSchreiberAb(pfad);
  if (wache < 0) return;
  QFile f(pfad);
  const bool datenbank = f.open(QIODevice::ReadOnly) && SqliteKopf(f.read(16));
  f.close();
  const Journalart art = datenbank ? journalart(pfad) : Journalart::Eigenes;
  if (art == Journalart::OhneSpeichern) QFile::remove(journal);
  if (art == Journalart::Ungewiss && Schreibbar(pfad) && rolleMitKopieZurueck(pfad, wache, befund)) return;
  if (art == Journalart::Fremdes || art == Journalart::Ungewiss) {
    befund.FremdesJournal = legeBeiseite(journal);
    befund.JournalUngewiss = art == Journalart::Ungewiss;
  }
  ::close(wache);
  if (!datenbank || art != Journalart::Eigenes || !Schreibbar(pfad)) return;
  rolleZurueck(pfad);
}

// Why a store cut off cannot be rolled back here.
int warumUnterbrochen(const QString& pfad) {
  const QString ordner = QFileInfo(pfad).absolutePath(), journal = journalVon(pfad);
  if (!Schreibbar(pfad) || !Schreibbar(ordner)) return MELDUNG_UNTERBRECHUNG_SCHREIBGESCHUETZT;
  if (AnderesProgrammLiest(pfad)) return MELDUNG_UNTERBRECHUNG_GELESEN;
  if (!Schreibbar(journal)) return MELDUNG_UNTERBRECHUNG_JOURNAL_FREMD;
  // A folder where only a file's owner may remove it (as the temporary folder is).
  struct stat o {
  }, j{};
  if (::stat(QFile::encodeName(ordner).constData(), &o) == 0 && (o.st_mode & S_ISVTX) &&
      ::stat(QFile::encodeName(journal).constData(), &j) == 0 && ::geteuid() != 0 && j.st_uid != ::geteuid() &&
      o.st_uid != ::geteuid())
    return MELDUNG_UNTERBRECHUNG_ORDNER_GESCHUETZT;
  return MELDUNG_UNTERBRECHUNG_SCHREIBGESCHUETZT;
}
}  // namespace

Datenbankbefund PruefeDatenbankdatei(const QString& pfad) {
  Datenbankbefund b;
  rolleAbgebrochenesSpeichernZurueck(pfad, b);
  static_cast<Dateibefund&>(b) =
      PruefeSqliteDatei(pfad, Datenbankaufbau(), [&pfad](QSqlDatabase& db) { SetzeDatenbankdatei(db, pfad, true); });
  // A read that failed: a file another program holds is not called damaged, nor is a file
  // the engine cannot open (a WAL journal beside it in a folder where its index cannot be
  // made): that one cannot be read; nor is a file whose cut-off store waits to be rolled back.
  constexpr int SQLITE_CANTOPEN = 14;
  constexpr int SQLITE_READONLY_ROLLBACK = 8 | (3 << 8);
  if (b.Fehler.isValid() && FehlerartVon(b.Fehler) == Fehlerart::Gesperrt) {
    b.Grund = MELDUNG_GRUND_GESPERRT;
  } else if (b.Fehler.isValid() && (b.Fehler.nativeErrorCode().toInt() & 0xff) == SQLITE_CANTOPEN) {
    b.Grund = MELDUNG_NICHT_LESBAR;
  } else if (b.Fehler.isValid() && b.Fehler.nativeErrorCode().toInt() == SQLITE_READONLY_ROLLBACK) {
    b.Grund = MELDUNG_UNTERBROCHENE_AENDERUNG;
    b.Unterbrechung = warumUnterbrochen(pfad);
  }
  return b;
}

void SetzeGeburtszeitenUnbekannt(bool unbekannt) { geburtUnbekannt() = unbekannt; }

namespace {
const QString GENANNT = QStringLiteral("GenannteDateien");
// (A file name holds no slash.)
QStringList genannt() {
  const QString wert = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, GENANNT);
  return wert == NOT_FOUND ? QStringList() : wert.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}
}  // namespace

void MerkeGenannt(const QString& datei) {
  const QString name = QFileInfo(datei).fileName(), ordner = QFileInfo(datei).absolutePath();
  QStringList l;
  // Only what is still there is kept in the list.
  for (const QString& n : genannt())
    if (n != name && QFileInfo::exists(ordner + QLatin1Char('/') + n)) l << n;
  l << name;
  SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, GENANNT, l.join(QLatin1Char('/')));
}

bool WurdeGenannt(const QString& datei) { return genannt().contains(QFileInfo(datei).fileName()); }

void MeldeFremdesJournal(const QString& pfad, const Datenbankbefund& befund) {
  if (!befund.Vorgefunden.isEmpty()) {
    SpracheVorlaeufig();
    MsgAntwort = DLG().Meldung(uebersetzt(MELDUNG_ZURUECKGENOMMEN_MIT_KOPIE)
                                   .arg(QDir::toNativeSeparators(pfad), QFileInfo(journalVon(pfad)).fileName(),
                                        QFileInfo(befund.Vorgefunden).fileName()),
                               STIL_INFO, PRODUKTTITEL);
    MerkeGenannt(befund.Vorgefunden);
    return;
  }
  if (befund.FremdesJournal.isEmpty()) return;
  SpracheVorlaeufig();
  MsgAntwort = DLG().Meldung(uebersetzt(befund.JournalUngewiss ? MELDUNG_JOURNAL_UNGEWISS : MELDUNG_FREMDES_JOURNAL)
                                 .arg(QDir::toNativeSeparators(pfad), QFileInfo(journalVon(pfad)).fileName(),
                                      QFileInfo(befund.FremdesJournal).fileName()),
                             STIL_INFO, PRODUKTTITEL);
  MerkeGenannt(befund.FremdesJournal);
}

QString Datenbankbefundtext(const QString& pfad, const Datenbankbefund& befund) {
  if (befund.Grund == MELDUNG_GRUND_GESPERRT)
    return Speicherfehlertext(MELDUNG_DATENBANK_JETZT_NICHT, Fehlerart::Gesperrt, befund.Treibertext)
        .arg(QDir::toNativeSeparators(pfad));
  if (befund.Grund == MELDUNG_UNTERBROCHENE_AENDERUNG) {
    // Why, and what to do: some reasons name the folder (%1) and the journal (%2).
    QString warum = uebersetzt(befund.Unterbrechung ? befund.Unterbrechung : MELDUNG_UNTERBRECHUNG_SCHREIBGESCHUETZT);
    if (warum.contains(QLatin1String("%1")))
      warum =
          warum.arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()), QFileInfo(journalVon(pfad)).fileName());
    return uebersetzt(MELDUNG_UNTERBROCHENE_AENDERUNG).arg(QDir::toNativeSeparators(pfad), warum);
  }
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
