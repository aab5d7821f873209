#include "data/Speicherfehler.h"

#include <cerrno>
#include <memory>
#include <utility>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
// SQLite's primary result codes that matter here.
constexpr int SQLITE_PERM = 3;
constexpr int SQLITE_BUSY = 5;
constexpr int SQLITE_LOCKED = 6;
constexpr int SQLITE_READONLY = 8;
constexpr int SQLITE_CORRUPT = 11;
constexpr int SQLITE_FULL = 13;
constexpr int SQLITE_NOTADB = 26;
// Extended I/O codes that mean "no space left".
constexpr int SQLITE_IOERR_WRITE = 10 | (3 << 8);
constexpr int SQLITE_IOERR_FSYNC = 10 | (4 << 8);
// The engine's own refusal to write a file that was moved or deleted since it was opened.
constexpr int SQLITE_READONLY_DBMOVED = SQLITE_READONLY | (4 << 8);

Speicheraktion*& innerste() {
  static Speicheraktion* a = nullptr;
  return a;
}

bool*& ersetztBemerkt() {
  static bool* b = nullptr;
  return b;
}

Fehlerprobe& probe() {
  static Fehlerprobe p;
  return p;
}
}  // namespace

Fehlerart FehlerartVonCode(int code) {
  if (code == SQLITE_READONLY_DBMOVED) return Fehlerart::Ersetzt;
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Fehlerart::Gesperrt;
    case SQLITE_FULL: return Fehlerart::Voll;
    case SQLITE_READONLY:
    case SQLITE_PERM: return Fehlerart::Schreibgeschuetzt;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return Fehlerart::Beschaedigt;
    default: break;
  }
  // A write that ran out of space can also come back as an I/O error.
  if (code == SQLITE_IOERR_WRITE || code == SQLITE_IOERR_FSYNC) return Fehlerart::Voll;
  return Fehlerart::Sonstig;
}

Fehlerart FehlerartVon(const QSqlError& fehler) {
  bool ok = false;
  const int code = fehler.nativeErrorCode().toInt(&ok);
  if (ok && code != 0) {
    const Fehlerart art = FehlerartVonCode(code);
    if (art != Fehlerart::Sonstig) return art;
  }
  // Without a usable code, the driver's own words.
  const QString t = fehler.text().toLower();
  if (t.contains(QLatin1String("locked")) || t.contains(QLatin1String("busy"))) return Fehlerart::Gesperrt;
  if (t.contains(QLatin1String("disk is full")) || t.contains(QLatin1String("no space"))) return Fehlerart::Voll;
  if (t.contains(QLatin1String("readonly")) || t.contains(QLatin1String("read-only")))
    return Fehlerart::Schreibgeschuetzt;
  if (t.contains(QLatin1String("malformed")) || t.contains(QLatin1String("not a database")))
    return Fehlerart::Beschaedigt;
  return Fehlerart::Sonstig;
}

int GrundMeldung(Fehlerart art) {
  switch (art) {
    case Fehlerart::Gesperrt: return MELDUNG_GRUND_GESPERRT;
    case Fehlerart::Voll: return MELDUNG_GRUND_VOLL;
    case Fehlerart::Schreibgeschuetzt: return MELDUNG_GRUND_SCHREIBGESCHUETZT;
    case Fehlerart::Beschaedigt: return MELDUNG_GRUND_BESCHAEDIGT;
    case Fehlerart::Ersetzt: return MELDUNG_GRUND_ERSETZT;
    case Fehlerart::NurLesen: return MELDUNG_GRUND_NUR_LESEN;
    case Fehlerart::Sonstig: break;
  }
  return MELDUNG_GRUND_SONSTIG;
}

Fehlerart FehlerartVonErrno(int fehlernummer) {
  switch (fehlernummer) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Fehlerart::Voll;
    case EACCES:
    case EPERM:
    case EROFS: return Fehlerart::Schreibgeschuetzt;
    default: return Fehlerart::Sonstig;
  }
}

QString Treibertext(const QSqlError& fehler) {
  const QString eigener = fehler.databaseText().trimmed();
  return eigener.isEmpty() ? fehler.driverText().trimmed() : eigener;
}

QString Speicherfehlertext(int ueberschrift, Fehlerart art, const QString& detail) {
  QString text = SPU().Meldungstext(ueberschrift);
  const QString grund = SPU().GibTranslation(GrundMeldung(art));
  if (!grund.isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + grund;
  if (!detail.trimmed().isEmpty()) text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) + detail.trimmed();
  return text;
}

QString Datenbankfehlertext(const QSqlError& fehler) {
  return Speicherfehlertext(MELDUNG_DATENBANKFEHLER, FehlerartVon(fehler), Treibertext(fehler));
}

Speicheraktion::Speicheraktion(int ueberschrift) : m_ueberschrift(ueberschrift), m_aeussere(innerste()) {
  innerste() = this;
}

Speicheraktion::~Speicheraktion() {
  // Actions end in the reverse order of their start.
  if (innerste() == this) innerste() = m_aeussere;
  Abschliessen();
}

Speicheraktion* Speicheraktion::Offene() { return innerste(); }

void Speicheraktion::Melde(Fehlerart art, const QString& detail) {
  if (m_fehlgeschlagen) return;
  m_fehlgeschlagen = true;
  m_art = art;
  m_detail = detail;
}

void Speicheraktion::Melde(const QSqlError& fehler) {
  const Fehlerart art = FehlerartVon(fehler);
  // (A replaced file's error names the file.)
  Melde(art, art == Fehlerart::Sonstig || art == Fehlerart::Ersetzt ? Treibertext(fehler) : QString());
}

void Speicheraktion::Abschliessen() {
  if (!m_fehlgeschlagen || m_gezeigt) return;
  m_gezeigt = true;
  // Inside an outer action the outer one tells the user.
  if (m_aeussere && innerste() != this) {
    m_aeussere->Melde(m_art, m_detail);
    return;
  }
  if (m_art == Fehlerart::Ersetzt && ersetztBemerkt()) {
    *ersetztBemerkt() = true;
    return;
  }
  const QString text = Speicherfehlertext(m_ueberschrift, m_art, m_detail);
  // As the user ends the program he may go back to it, free space or allow writing, and end
  // again, which then stores; also where the database was read-only from the start. Not
  // where nothing can ever be stored (a database opened for reading only, without the lock).
  const bool datenbank = m_ueberschrift == MELDUNG_DATENBANK_NICHT_GESCHRIEBEN;
  if (Schlussart() == Programmschluss::Benutzer && (datenbank || m_ueberschrift == MELDUNG_NICHT_GESPEICHERT) &&
      m_art != Fehlerart::NurLesen && !NurLesenErzwungen()) {
    if (Schlussentscheidung() != Schlussentscheid::Offen) return;
    const int frage = datenbank ? MELDUNG_ZURUECK_ODER_DATENBANK_VERLOREN : MELDUNG_ZURUECK_ODER_OHNE_SPEICHERN;
    MsgAntwort = DLG().Meldung(text + QStringLiteral("\n\n") + SPU().Meldungstext(frage), STIL_FRAGE, PRODUKTTITEL);
    EntscheideSchluss(MsgAntwort == ANTWORT_JA ? Schlussentscheid::Zurueck : Schlussentscheid::OhneSpeichern);
    return;
  }
  MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
}

bool* SetzeErsetztMeldung(bool* bemerkt) { return std::exchange(ersetztBemerkt(), bemerkt); }

bool AlsEineAktion(const std::function<bool()>& schritte, int ueberschrift) {
  Speicheraktion aktion(ueberschrift);
  const bool ok = DBG().InTransaktion([&] { return schritte() && !aktion.Fehlgeschlagen(); });
  return ok && !aktion.Fehlgeschlagen();
}

void MeldeDatenbankfehler(const QSqlError& fehler) {
  if (Speicheraktion* a = Speicheraktion::Offene()) {
    a->Melde(fehler);
    return;
  }
  Fehlerbox(Datenbankfehlertext(fehler));
}

void SetzeFehlerprobe(Fehlerprobe p) { probe() = std::move(p); }

QSqlError PruefeFehlerprobe(const QString& sql) {
  if (!probe()) return QSqlError();
  return probe()(sql);
}

QSqlError FuehreAnweisungAus(QSqlQuery& q, const QString& sql, const QVariantList& werte) {
  if (QSqlError probe = PruefeFehlerprobe(sql); probe.isValid()) return probe;
  if (!q.prepare(sql)) return q.lastError();
  for (const QVariant& w : werte) q.addBindValue(w);
  return q.exec() ? QSqlError() : q.lastError();
}

Fehlerprobe FehlerBei(const QString& teil, int code, int ab) {
  auto treffer = std::make_shared<int>(0);
  return [teil, code, ab, treffer](const QString& sql) {
    if (!sql.contains(teil, Qt::CaseInsensitive)) return QSqlError();
    if (++*treffer < ab) return QSqlError();
    return QSqlError(QStringLiteral("injected failure"), QStringLiteral("injected failure (code %1)").arg(code),
                     QSqlError::StatementError, QString::number(code));
  };
}
