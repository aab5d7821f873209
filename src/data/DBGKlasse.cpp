#include "data/DBGKlasse.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QUrl>
#include <memory>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "data/Sperre.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"

QString Bezeichner(const QString& name) {
  QString n = name;
  n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + n + QLatin1Char('"');
}

QString SqlText(const QString& wert) {
  QString w = wert;
  w.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + w + QLatin1Char('\'');
}

namespace {
// A table name or a complete SELECT as the source of a query.
QString quelle(const QString& tabelleOderSql) {
  const QString t = tabelleOderSql.trimmed();
  if (t.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive)) return QLatin1Char('(') + t + QLatin1Char(')');
  return Bezeichner(t);
}

QString datenbankpfadAusEinstellungen() {
  QString pfad = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"));
  if (pfad != NOT_FOUND) return pfad;
  const QString alt = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfad"));
  if (alt == NOT_FOUND) return QString();
  const int p = qMax(alt.lastIndexOf(QLatin1Char('/')), alt.lastIndexOf(QLatin1Char('\\')));
  pfad = alt.left(p + 1) + QStringLiteral("dbgolfvb.mdb");
  return SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfadVB"), pfad);
}

// Field names are matched without regard to case, as the database itself does.
bool hatFeld(const QStringList& felder, const QString& feld) { return felder.contains(feld, Qt::CaseInsensitive); }

std::unique_ptr<DBGKlasse>& dbgInstanz() {
  static std::unique_ptr<DBGKlasse> p;
  return p;
}
std::unique_ptr<DBTools>& dbtInstanz() {
  static std::unique_ptr<DBTools> p;
  return p;
}
// An empty text is stored as Null.
QVariant alsFeldwert(const QVariant& v) {
  if (v.typeId() == QMetaType::QString && v.toString().isEmpty()) return QVariant(QMetaType::fromType<QString>());
  return v;
}

// The database file the program opened, by what identifies it on the disk.
struct Dateikennung {
  QString pfad;
  dev_t geraet = 0;
  ino_t knoten = 0;
  mode_t rechte = 0;
};
std::optional<Dateikennung>& geoeffnet() {
  static std::optional<Dateikennung> k;
  return k;
}
std::optional<Dateikennung> kennungVon(const QString& pfad) {
  struct stat s {};
  if (::stat(QFile::encodeName(pfad).constData(), &s) != 0) return std::nullopt;
  return Dateikennung{pfad, s.st_dev, s.st_ino, mode_t(s.st_mode & 07777)};
}

bool& nurLesenErzwungen() {
  static bool n = false;
  return n;
}

// A statement that changes the database (rows or schema).
bool istSchreibend(const QString& sql) {
  static const QRegularExpression schreibend(QStringLiteral("^\\s*(INSERT|UPDATE|DELETE|REPLACE|CREATE|DROP|ALTER)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
  return schreibend.match(sql).hasMatch();
}

// Nothing is written into a file that is no longer the database the program opened: what
// is written there would land in a file that is gone, or change another database. Nor into
// a database open for reading only, which is refused in the program's words (why it is
// open so), not in the engine's. Said once per action, naming the file.
bool vorDemSchreiben(bool nurLesen) {
  Speicheraktion aktion;
  const QString datei = geoeffnet() ? QDir::toNativeSeparators(geoeffnet()->pfad) : QString();
  if (const QSqlError ersetzt = DateiErsetztFehler(); ersetzt.isValid())
    aktion.Melde(ersetzt);
  else if (nurLesen)
    aktion.Melde(nurLesenErzwungen() ? Fehlerart::NurLesen : Fehlerart::Schreibgeschuetzt, datei);
  else if (SchreibschutzFehler().isValid())
    aktion.Melde(Fehlerart::Schreibgeschuetzt, datei);
  return !aktion.Fehlgeschlagen();
}
}  // namespace

void MerkeDatenbankdatei(const QString& pfad) { geoeffnet() = kennungVon(pfad); }

int RechteDerDatenbankdatei() { return geoeffnet() ? int(geoeffnet()->rechte) : -1; }

bool DatenbankdateiUnveraendert() {
  const std::optional<Dateikennung>& k = geoeffnet();
  if (!k) return true;
  const std::optional<Dateikennung> jetzt = kennungVon(k->pfad);
  return jetzt && jetzt->geraet == k->geraet && jetzt->knoten == k->knoten;
}

bool DatenbankdateiOhneNamen() {
  const std::optional<Dateikennung>& k = geoeffnet();
  if (!k) return false;
  // The program's own descriptors of it, as the engine and the lock hold them.
  const QDir offen(QStringLiteral("/proc/self/fd"));
  for (const QString& fd : offen.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
    struct stat s {};
    if (::stat(QFile::encodeName(offen.filePath(fd)).constData(), &s) == 0 && s.st_dev == k->geraet &&
        s.st_ino == k->knoten)
      return s.st_nlink == 0;
  }
  return false;
}

QSqlError DateiErsetztFehler() {
  if (DatenbankdateiUnveraendert()) return QSqlError();
  // SQLITE_READONLY_DBMOVED, the engine's own word for it.
  constexpr int DATEI_ERSETZT = 8 | (4 << 8);
  const QString datei = QDir::toNativeSeparators(geoeffnet()->pfad);
  return QSqlError(datei, datei, QSqlError::TransactionError, QString::number(DATEI_ERSETZT));
}

QSqlError SchreibschutzFehler() {
  const std::optional<Dateikennung>& k = geoeffnet();
  if (!k || (Schreibbar(k->pfad) && Schreibbar(QFileInfo(k->pfad).absolutePath()))) return QSqlError();
  constexpr int SCHREIBGESCHUETZT = 8;  // SQLITE_READONLY
  const QString datei = QDir::toNativeSeparators(k->pfad);
  return QSqlError(datei, datei, QSqlError::TransactionError, QString::number(SCHREIBGESCHUETZT));
}

void SetzeNurLesen(bool nurLesen) { nurLesenErzwungen() = nurLesen; }

bool NurLesenErzwungen() { return nurLesenErzwungen(); }

bool OeffneHauptdatenbank(const QString& name, bool* ohnePfad) {
  QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                 : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
  db.close();
  const QString pfad = datenbankpfadAusEinstellungen();
  if (ohnePfad) *ohnePfad = pfad.isEmpty();
  if (pfad.isEmpty() || pfad == NOT_FOUND) return false;
  // SQLite would create a missing file; a missing database is an error here.
  if (!QFile::exists(pfad)) {
    Fehlerbox(Fehlerbeschreibung(TEXT_DATENBANKDATEI_FEHLT, pfad));
    return false;
  }
  const bool nurLesen = nurLesenErzwungen() || !Schreibbar(pfad) || !Schreibbar(QFileInfo(pfad).absolutePath());
  SetzeDatenbankdatei(db, pfad, nurLesen);
  // The first opening of a file names the file the program works on.
  if (!geoeffnet() || geoeffnet()->pfad != pfad) MerkeDatenbankdatei(pfad);
  if (!db.open()) {
    MeldeDatenbankfehler(db.lastError());
    return false;
  }
  // A read-only database is shown as it is.
  if (nurLesen) return true;
  QSqlQuery q(db);
  // A rollback journal: a commit is in the database file itself when it returns, so that
  // the file alone (a backup copied while the program runs) holds every stored round, and
  // no journal stays beside the file between two actions. A database left in WAL mode by
  // an earlier version is switched back.
  q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
  // FULL: a stored card survives a power cut.
  q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
  return true;
}

bool Schreibbar(const QString& pfad) {
  const QFileInfo i(pfad);
  // (WriteUser is what the system allows this user, not a mark on the file.)
  constexpr auto SCHREIBEN = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return i.exists() && i.isWritable() && (i.permissions() & SCHREIBEN);
}

void SetzeDatenbankdatei(QSqlDatabase& db, const QString& pfad, bool nurLesen) {
  // Only one program works on the database (see Sperre.h); a lock that still meets us
  // is short, and a longer one is reported soon rather than after a long wait.
  QString optionen = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
  if (nurLesen) optionen += QStringLiteral(";QSQLITE_OPEN_READONLY");
  // A database in WAL mode is read there only as a file that does not change, which holds
  // only while no journal beside it holds anything: what a WAL journal holds is never left
  // unread (the engine then says that the file cannot be opened), and a rollback journal
  // left by a store that was cut off is never passed over, which would show what was never
  // stored (the engine then says that the change must be rolled back first).
  if (nurLesen && !Schreibbar(QFileInfo(pfad).absolutePath()) && !QFileInfo::exists(pfad + QStringLiteral("-shm")) &&
      QFileInfo(pfad + QStringLiteral("-wal")).size() == 0 &&
      QFileInfo(pfad + QStringLiteral("-journal")).size() == 0) {
    optionen += QStringLiteral(";QSQLITE_OPEN_URI");
    db.setDatabaseName(QUrl::fromLocalFile(pfad).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1"));
  } else {
    db.setDatabaseName(pfad);
  }
  db.setConnectOptions(optionen);
}

// ---------------------------------------------------------------- DBGKlasse

DBGKlasse::DBGKlasse() {
  static int zaehler = 0;
  m_verbindung = QStringLiteral("DBG_%1").arg(++zaehler);
  Class_Initialize();
}

DBGKlasse::~DBGKlasse() {
  Class_Terminate();
  QSqlDatabase::removeDatabase(m_verbindung);
}

void DBGKlasse::Class_Initialize() {
  static int verbindungen = 0;
  m_verbindungsnummer = ++verbindungen;
  m_beobachtet.clear();
  m_neuOeffnen = false;
  OeffneHauptdatenbank(m_verbindung, &m_ohnePfad);
}

void DBGKlasse::Class_Terminate() {
  m_vorbereitet.clear();
  m_ausweich = QSqlQuery();
  m_standLesen = QSqlQuery();
  m_fremdLesen = QSqlQuery();
  if (QSqlDatabase::contains(m_verbindung)) QSqlDatabase::database(m_verbindung, false).close();
}

bool DBGKlasse::IstOffen() const {
  return QSqlDatabase::contains(m_verbindung) && QSqlDatabase::database(m_verbindung, false).isOpen();
}

bool DBGKlasse::NurLesen() const { return Db().connectOptions().contains(QLatin1String("QSQLITE_OPEN_READONLY")); }

bool DBGKlasse::KannSpeichern() const { return !NurLesen() && DatenbankdateiUnveraendert(); }

QSqlDatabase DBGKlasse::Db() const { return QSqlDatabase::database(m_verbindung, false); }

std::optional<bool> DBGKlasse::WeichtAb(const QString& tabelle, const QString& schluesselfeld,
                                        const QVariant& schluessel, const QStringList& gleich,
                                        const QVariantList& werte) {
  const QString t = Bezeichner(tabelle), k = Bezeichner(schluesselfeld);
  const Vorbereitet q(AusfuehrenVorbereitet(
      QStringLiteral(
          "SELECT NOT EXISTS (SELECT 1 FROM %1 WHERE %2 = ?) OR EXISTS (SELECT 1 FROM %1 WHERE %2 = ? AND NOT (%3))")
          .arg(t, k, gleich.join(QStringLiteral(" AND "))),
      QVariantList{schluessel, schluessel} + werte));
  if (!q || !q->next()) return std::nullopt;
  return q->value(0).toBool();
}

void DBGKlasse::PruefeVerbindung() {
  const bool unveraendert = DatenbankdateiUnveraendert();
  HalteVomAltenJournalAb(!unveraendert);
  // After a row deletion the next operation works on a freshly opened connection, but
  // never in the middle of a transaction, nor on another file that took the database's
  // place.
  if (m_neuOeffnen && m_transaktionen == 0 && unveraendert) {
    Class_Terminate();
    Class_Initialize();
  }
  // A database opened for reading only, as its file or folder was read-only, whose file
  // may be written now: both connections are opened again to store.
  if (m_transaktionen == 0 && !nurLesenErzwungen() && IstOffen() && NurLesen() && geoeffnet() && unveraendert &&
      Schreibbar(geoeffnet()->pfad) && Schreibbar(QFileInfo(geoeffnet()->pfad).absolutePath()) &&
      SperreZumSchreiben(geoeffnet()->pfad)) {
    Class_Terminate();
    Class_Initialize();
    DBT().Class_Terminate();
    DBT().Class_Initialize();
  }
}

bool DBGKlasse::Ausfuehren(QSqlQuery& q, const QString& sql, const QVariantList& werte) {
  PruefeVerbindung();
  if (!IstOffen()) {
    Fehlerbox(Fehlerbeschreibung(TEXT_KEINE_VERBINDUNG));
    return false;
  }
  q = QSqlQuery(Db());
  if (istSchreibend(sql) && !vorDemSchreiben(NurLesen())) return false;
  if (const QSqlError fehler = FuehreAnweisungAus(q, sql, werte); fehler.isValid()) {
    MeldeDatenbankfehler(fehler);
    return false;
  }
  return true;
}

QSqlQuery* DBGKlasse::AusfuehrenVorbereitet(const QString& sql, const QVariantList& werte) {
  PruefeVerbindung();
  // Once more the ordinary way, which reports what fails.
  auto ausweichen = [&]() -> QSqlQuery* { return Ausfuehren(m_ausweich, sql, werte) ? &m_ausweich : nullptr; };
  if (!IstOffen() || PruefeFehlerprobe(sql).isValid() ||
      (istSchreibend(sql) && (!DatenbankdateiUnveraendert() || NurLesen() || SchreibschutzFehler().isValid())))
    return ausweichen();
  auto it = m_vorbereitet.find(sql);
  if (it == m_vorbereitet.end()) {
    QSqlQuery neu(Db());
    neu.setForwardOnly(true);
    if (!neu.prepare(sql)) return ausweichen();
    it = m_vorbereitet.insert(sql, std::move(neu));
  }
  for (int i = 0; i < werte.size(); ++i) it->bindValue(i, werte[i]);
  if (!it->exec()) {
    // Prepared on a connection since closed, or a fault.
    m_vorbereitet.erase(it);
    return ausweichen();
  }
  return &*it;
}

bool DBGKlasse::InTransaktion(const std::function<bool()>& schritte) {
  if (m_transaktionen > 0) return schritte();
  PruefeVerbindung();
  QSqlDatabase db = Db();
  if (!db.transaction()) {
    MeldeDatenbankfehler(db.lastError());
    return false;
  }
  bool ok = false;
  ++m_transaktionen;
  try {
    ok = schritte();
  } catch (...) {
    --m_transaktionen;
    db.rollback();
    m_meldungen.clear();
    throw;
  }
  --m_transaktionen;
  if (ok) {
    if (const QSqlError probe = PruefeFehlerprobe(QStringLiteral("COMMIT")); probe.isValid()) {
      MeldeDatenbankfehler(probe);
      ok = false;
    } else if (const QSqlError ersetzt = DateiErsetztFehler(); ersetzt.isValid()) {
      // Replaced while the steps ran: what they wrote stays out of both files.
      MeldeDatenbankfehler(ersetzt);
      ok = false;
    } else if (!db.commit()) {
      MeldeDatenbankfehler(db.lastError());
      ok = false;
    } else if (const QSqlError danach = DateiErsetztFehler(); danach.isValid()) {
      // Replaced while the commit wrote: the change went into a file that is no longer the
      // database, and is not stored.
      MeldeDatenbankfehler(danach);
      m_meldungen.clear();
      return false;
    }
  }
  if (!ok) db.rollback();
  MeldeNachCommit(ok);
  return ok;
}

void DBGKlasse::Melde(std::function<void()> meldung) {
  if (m_transaktionen > 0)
    m_meldungen << std::move(meldung);
  else
    meldung();
}

void DBGKlasse::MeldeNachCommit(bool ok) {
  const QList<std::function<void()>> meldungen = std::exchange(m_meldungen, {});
  if (ok)
    for (const auto& m : meldungen) m();
}

QStringList DBGKlasse::Feldnamen(const QString& TabelleOderSQL) {
  const Vorbereitet q(
      AusfuehrenVorbereitet(QStringLiteral("SELECT * FROM ") + quelle(TabelleOderSQL) + QStringLiteral(" LIMIT 0")));
  if (!q) return {};
  QStringList l;
  const QSqlRecord r = q->record();
  for (int i = 0; i < r.count(); ++i) l << r.fieldName(i);
  return l;
}

Listeninhalt DBGKlasse::Listenzeilen(ComboQuelle& k) {
  Listeninhalt inhalt;
  if (IstLeer(k.SQL)) {
    k.SQL = QStringLiteral("SELECT * from ") + Bezeichner(k.Tabelle);
    if (k.Sortierung == 1) k.SQL += QStringLiteral(" ORDER BY ") + Bezeichner(k.Anzeigefeld) + QStringLiteral(" ASC");
    if (k.Sortierung == 2) k.SQL += QStringLiteral(" ORDER BY ") + Bezeichner(k.Anzeigefeld) + QStringLiteral(" DESC");
  }
  QSqlQuery q;
  if (!Ausfuehren(q, k.SQL, k.Parameter)) return inhalt;
  inhalt.Abgefragt = true;
  const int n = GibAnzahlDatensaetze(q);
  m_Anzahl = n;
  if (!k.ErsterEintrag.isEmpty()) inhalt.Eintraege.append({k.ErsterEintrag, QVariant()});
  if (n == 0) return inhalt;

  const QSqlRecord rec = q.record();
  auto index = [&](const QString& feld) { return feld.isEmpty() ? -1 : rec.indexOf(feld); };
  const int iAnzeige = index(k.Anzeigefeld), i2 = index(k.Feld2), i3 = index(k.Feld3), i4 = index(k.Feld4),
            iId = index(k.IdFeld);
  if (iAnzeige < 0) {
    Fehlerbox(Fehlerbeschreibung(TEXT_NICHT_IN_AUFLISTUNG, k.Anzeigefeld));
    return inhalt;
  }
  auto auffuellen = [](QString& text, int s) {
    if (text.size() > s - 1) text.truncate(qMax(0, s - 1));
    while (text.size() < s + 1) text += QLatin1Char(' ');
  };
  auto datumText = [](const QVariant& v) {
    const QString roh = v.toString();
    // Dates are stored as ISO text; shown in the language's form.
    if (roh.size() >= 10 && roh.at(4) == QLatin1Char('-')) return IsoAlsDatum(roh);
    return DatumAlsText(PruefeDatum(roh));
  };
  q.first();
  do {
    QString item;
    const QVariant v1 = q.value(iAnzeige);
    if (v1.isNull()) {
      if (k.Breite1 > 0) item = QString(k.Breite1, QLatin1Char(' '));
    } else {
      item = k.Anzeigefeld == QLatin1String("Datum") ? datumText(v1) : v1.toString();
      if (k.Breite1 > 0) auffuellen(item, k.Breite1);
    }
    if (!k.Feld2.isEmpty() && i2 >= 0) {
      const QVariant v = q.value(i2);
      if (!v.isNull()) item += v.toString();
      if (k.Breite2 > 0) auffuellen(item, k.Breite1 + k.Breite2);
    }
    if (!k.Feld3.isEmpty() && i3 >= 0) {
      const QVariant v = q.value(i3);
      if (!v.isNull()) item += k.Feld3 == QLatin1String("Datum") ? datumText(v) : v.toString();
      if (k.Breite3 > 0) auffuellen(item, k.Breite1 + k.Breite2 + k.Breite3);
    }
    if (!k.Feld4.isEmpty() && i4 >= 0) {
      const QVariant v = q.value(i4);
      if (!v.isNull()) item += v.toString();
    }
    const QVariant id = iId >= 0 ? q.value(iId) : QVariant();
    inhalt.Eintraege.append({item, id.isNull() ? QVariant() : QVariant(id.toString())});
  } while (q.next());
  inhalt.Zeilen = n;
  inhalt.Gelesen = true;

  if (k.Auswahlfeld.isEmpty()) return inhalt;
  const int iAuswahl = rec.indexOf(k.Auswahlfeld);
  if (iAuswahl < 0) return inhalt;
  // The entry of each value: the first entry with the text of a row of that value, the last
  // such row counting.
  QHash<QString, int> ersterMitText;
  for (int i = inhalt.Eintraege.size() - 1; i >= 0; --i) ersterMitText.insert(inhalt.Eintraege[i].Text, i);
  q.first();
  do {
    const QVariant a = q.value(iAuswahl);
    const QVariant anzeige = q.value(iAnzeige);
    if (a.isNull() || anzeige.isNull() || anzeige.toString().isEmpty()) continue;
    const auto i = ersterMitText.constFind(anzeige.toString());
    if (i != ersterMitText.constEnd()) inhalt.AuswahlJeWert.insert(a.toString(), *i);
  } while (q.next());
  if (k.Auswahlwert.isValid() && !k.Auswahlwert.isNull())
    inhalt.Auswahl = inhalt.AuswahlJeWert.value(k.Auswahlwert.toString(), -1);
  return inhalt;
}

QString DBGKlasse::gib_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& Suchwert,
                                   const QString& Ergebnisfeld) {
  const QStringList felder = Feldnamen(Tabelle);
  if (felder.isEmpty()) return QString();
  if (!hatFeld(felder, Suchfeld)) {
    Fehlerbox(Fehlerbeschreibung(TEXT_NICHT_IN_AUFLISTUNG, Suchfeld));
    return QString();
  }
  if (!hatFeld(felder, Ergebnisfeld)) return QString();
  const Vorbereitet q(AusfuehrenVorbereitet(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1")
                                                .arg(Bezeichner(Ergebnisfeld), quelle(Tabelle), Bezeichner(Suchfeld)),
                                            {Suchwert}));
  if (!q || !q->next()) return QString();
  const QVariant v = q->value(0);
  return v.isNull() ? QString() : v.toString();
}

QString DBGKlasse::GibId(const QString& Tabelle, const QString& Feld) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT %1 FROM %2").arg(Bezeichner(Feld), quelle(Tabelle)))) return QString();
  // Ids are texts holding numbers: the next id is the numeric maximum plus one.
  qint64 groesste = 0;
  while (q.next()) {
    bool ok = false;
    const qint64 v = q.value(0).toString().trimmed().toLongLong(&ok);
    if (ok && v > groesste) groesste = v;
  }
  return QString::number(groesste + 1);
}

bool DBGKlasse::DelDS(const QString& Tabelle, const QString& Feld, const QVariant& Wert) {
  bool geloescht = false;
  const QStringList felder = Feldnamen(Tabelle);
  if (hatFeld(felder, Feld)) {
    QSqlQuery q;
    if (Ausfuehren(q, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(Bezeichner(Tabelle), Bezeichner(Feld)), {Wert}))
      geloescht = q.numRowsAffected() > 0;
  }
  m_neuOeffnen = true;
  return geloescht;
}

QString DBGKlasse::GibIdnValue(const QString& SQL, const QString& Feld, const QVariantList& werte) {
  QSqlQuery q;
  if (!Ausfuehren(q, SQL, werte)) return QString();
  if (!q.next()) return NOT_FOUND;
  const int i = q.record().indexOf(Feld);
  if (i < 0) {
    Fehlerbox(Fehlerbeschreibung(TEXT_NICHT_IN_AUFLISTUNG, Feld));
    return QString();
  }
  const QVariant v = q.value(i);
  return v.isNull() ? NOT_FOUND : v.toString();
}

bool DBGKlasse::aendere_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& AlterWert,
                                    const QVariant& NeuerWert, const QString& Zielfeld) {
  const QString ziel = Zielfeld.isEmpty() ? Suchfeld : Zielfeld;
  const QStringList felder = Feldnamen(Tabelle);
  if (felder.isEmpty()) return false;
  if (!hatFeld(felder, Suchfeld)) return true;
  if (!hatFeld(felder, ziel)) {
    Fehlerbox(Fehlerbeschreibung(TEXT_NICHT_IN_AUFLISTUNG, ziel));
    return false;
  }
  QSqlQuery q;
  return Ausfuehren(q,
                    QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 IS NOT NULL AND %3 = ?")
                        .arg(Bezeichner(Tabelle), Bezeichner(ziel), Bezeichner(Suchfeld)),
                    {alsFeldwert(NeuerWert), AlterWert});
}

bool DBGKlasse::TranslateTable(const QString& Tabelle, const QString& NummerFeld, const QString& TextFeld) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT rowid, %1 FROM %2").arg(Bezeichner(NummerFeld), Bezeichner(Tabelle))))
    return false;
  QList<QPair<qint64, int>> zeilen;
  while (q.next()) zeilen.append({q.value(0).toLongLong(), q.value(1).toInt()});
  // Every translation is read before one is written: a number without a readable text
  // leaves every name as it is.
  QList<QPair<qint64, QString>> namen;
  for (const auto& [rowid, nummer] : zeilen) {
    QString text;
    if (!SPU().LiesTranslation(nummer, text)) return false;
    namen.append({rowid, text});
  }
  for (const auto& [rowid, text] : namen) {
    QSqlQuery u;
    if (!Ausfuehren(
            u, QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?").arg(Bezeichner(Tabelle), Bezeichner(TextFeld)),
            {text, rowid}))
      return false;
  }
  return true;
}

void DBGKlasse::WriteEinstellungenIntern(const QString& Bezeichnung, const QVariant& Wert) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT rowid FROM tab_EinstellungenIntern WHERE Bezeichnung = ? LIMIT 1"),
                  {Bezeichnung}))
    return;
  const QString text = Wert.toString();
  QSqlQuery u;
  if (q.next())
    Ausfuehren(u, QStringLiteral("UPDATE tab_EinstellungenIntern SET Bezeichnung = ?, Wert = ? WHERE rowid = ?"),
               {Bezeichnung, alsFeldwert(text), q.value(0)});
  else
    Ausfuehren(u, QStringLiteral("INSERT INTO tab_EinstellungenIntern (Bezeichnung, Wert) VALUES (?, ?)"),
               {Bezeichnung, alsFeldwert(text)});
}

void DBGKlasse::GibFarben() {
  auto lies = [this](const QString& schluessel, long standard, long& ziel) {
    const QString t = gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                                      schluessel, QStringLiteral("Wert"));
    // A missing value means the default, stored for the next start; a read-only database
    // is used as it is.
    if (t.isEmpty() || t == NOT_FOUND) {
      ziel = standard;
      if (!NurLesen()) WriteEinstellungenIntern(schluessel, QString::number(standard));
      return true;
    }
    bool ok = false;
    const long v = t.trimmed().toLong(&ok);
    if (!ok) {
      Fehlerbox(Fehlerbeschreibung(TEXT_TYPFEHLER, schluessel + QStringLiteral(" = ") + t));
      return false;
    }
    ziel = v;
    return true;
  };
  if (!lies(QStringLiteral("BGColour"), 8421376, Hintergrundfarbe)) return;
  lies(QStringLiteral("FGColour"), 0, Vordergrundfarbe);
}

bool DBGKlasse::SetSQL(const QString& Abfrage, const QString& SQL) {
  PruefeVerbindung();
  if (NurLesen()) return temporaereSicht(Abfrage, SQL);
  if (!vorDemSchreiben(false)) return false;
  QSqlDatabase db = Db();
  const QString anlegen = QStringLiteral("CREATE VIEW %1 AS %2").arg(Bezeichner(Abfrage), SQL);
  {
    // A view that already reads so stays (it was read once when it was written): rewriting
    // it would change the schema for nothing.
    QSqlQuery q(db);
    if (q.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'view' AND name = ?"))) {
      q.addBindValue(Abfrage);
      if (q.exec() && q.next() && q.value(0).toString() == anlegen) return true;
    }
  }
  if (!db.transaction()) {
    Fehlerbox(Datenbankfehlertext(db.lastError()));
    return false;
  }
  QSqlQuery q(db);
  // SQLite accepts a view on a missing table; reading it once inside the transaction
  // finds the fault before the old view is gone.
  if (!q.exec(QStringLiteral("DROP VIEW IF EXISTS ") + Bezeichner(Abfrage)) || !q.exec(anlegen) ||
      !q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(Bezeichner(Abfrage)))) {
    const QString f = Datenbankfehlertext(q.lastError());
    db.rollback();
    Fehlerbox(f);
    return false;
  }
  return db.commit();
}

bool DBGKlasse::temporaereSicht(const QString& Abfrage, const QString& SQL) {
  // Both connections read the stored queries (the charts through the second one).
  for (QSqlDatabase db : {Db(), DBT().Db()}) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DROP VIEW IF EXISTS temp.") + Bezeichner(Abfrage)) ||
        !q.exec(QStringLiteral("CREATE TEMP VIEW %1 AS %2").arg(Bezeichner(Abfrage), SQL)) ||
        !q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(Bezeichner(Abfrage)))) {
      Fehlerbox(Datenbankfehlertext(q.lastError()));
      return false;
    }
  }
  return true;
}

QString DBGKlasse::Tabellenstand(const QString& Tabelle) {
  static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  PruefeVerbindung();
  if (!name.match(Tabelle).hasMatch() || !IstOffen()) return QString();
  const QString t = Tabelle.toLower();
  QSqlQuery q(Db());
  if (!m_beobachtet.contains(t)) {
    // Temporary triggers of this connection give the table a new mark on every change; set
    // up outside a transaction, which could take them back.
    if (m_transaktionen > 0) return QString();
    bool ok = q.exec(QStringLiteral(
                  "CREATE TEMP TABLE IF NOT EXISTS pw_tabellenstand (Tabelle TEXT PRIMARY KEY, Stand INTEGER)")) &&
              q.exec(QStringLiteral("INSERT OR IGNORE INTO temp.pw_tabellenstand VALUES ('%1', random())").arg(t));
    for (const char* art : {"INSERT", "UPDATE", "DELETE"})
      ok = ok && q.exec(QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS \"pw_stand_%1_%2\" AFTER %2 ON main.\"%3\" "
                                       "BEGIN UPDATE pw_tabellenstand SET Stand = random() WHERE Tabelle = '%1'; END")
                            .arg(t, QLatin1String(art), Tabelle));
    if (!ok) return QString();
    m_beobachtet.insert(t);
  }
  // Changes by another connection show in the data version; both in one read, prepared
  // once per connection.
  if (m_standLesen.lastQuery().isEmpty()) {
    m_standLesen = QSqlQuery(Db());
    m_standLesen.setForwardOnly(true);
    if (!m_standLesen.prepare(QStringLiteral("SELECT Stand, (SELECT data_version FROM pragma_data_version) "
                                             "FROM temp.pw_tabellenstand WHERE Tabelle = ?"))) {
      m_standLesen = QSqlQuery();
      return QString();
    }
  }
  m_standLesen.bindValue(0, t);
  if (!m_standLesen.exec() || !m_standLesen.next()) {
    m_standLesen = QSqlQuery();
    return QString();
  }
  const QString stand = QStringLiteral("%1:%2:%3")
                            .arg(QString::number(m_verbindungsnummer), m_standLesen.value(1).toString(),
                                 m_standLesen.value(0).toString());
  m_standLesen.finish();
  return stand;
}

QString DBGKlasse::Fremdstand() {
  PruefeVerbindung();
  if (!IstOffen()) return QString();
  if (m_fremdLesen.lastQuery().isEmpty()) {
    m_fremdLesen = QSqlQuery(Db());
    m_fremdLesen.setForwardOnly(true);
    if (!m_fremdLesen.prepare(QStringLiteral("PRAGMA data_version"))) {
      m_fremdLesen = QSqlQuery();
      return QString();
    }
  }
  if (!m_fremdLesen.exec() || !m_fremdLesen.next()) {
    m_fremdLesen = QSqlQuery();
    return QString();
  }
  const QString stand = QString::number(m_verbindungsnummer) + QLatin1Char(':') + m_fremdLesen.value(0).toString();
  m_fremdLesen.finish();
  return stand;
}

DBGKlasse& DBG() {
  if (!dbgInstanz()) dbgInstanz() = std::make_unique<DBGKlasse>();
  return *dbgInstanz();
}
void DBGFreigeben() {
  dbgInstanz().reset();
  geoeffnet().reset();
  nurLesenErzwungen() = false;
}

// ---------------------------------------------------------------- DBTools

DBTools::DBTools() {
  static int zaehler = 0;
  m_verbindung = QStringLiteral("DBT_%1").arg(++zaehler);
  Class_Initialize();
}
DBTools::~DBTools() {
  Class_Terminate();
  QSqlDatabase::removeDatabase(m_verbindung);
}
void DBTools::Class_Initialize() { OeffneHauptdatenbank(m_verbindung); }
void DBTools::Class_Terminate() {
  if (QSqlDatabase::contains(m_verbindung)) QSqlDatabase::database(m_verbindung, false).close();
}
QSqlDatabase DBTools::Db() const { return QSqlDatabase::database(m_verbindung, false); }

QVariant DBTools::CountRS(const QString& SQL, const QVariantList& werte) {
  m_Anzahl = 0;
  QSqlQuery q(Db());
  if (!Db().isOpen()) {
    Fehlerbox(Fehlerbeschreibung(TEXT_KEINE_VERBINDUNG));
    return QVariant();
  }
  if (const QSqlError fehler =
          FuehreAnweisungAus(q, QStringLiteral("SELECT COUNT(*) FROM (") + SQL + QLatin1Char(')'), werte);
      fehler.isValid() || !q.next()) {
    Fehlerbox(Datenbankfehlertext(fehler.isValid() ? fehler : q.lastError()));
    return QVariant();
  }
  m_Anzahl = q.value(0).toLongLong();
  return QVariant::fromValue<qlonglong>(m_Anzahl);
}

long DBTools::Anzahl(const QString& SQL, const QVariantList& werte) {
  const QVariant v = CountRS(SQL, werte);
  return v.isValid() ? long(v.toLongLong()) : 0;
}

DBTools& DBT() {
  if (!dbtInstanz()) dbtInstanz() = std::make_unique<DBTools>();
  return *dbtInstanz();
}
void DBTFreigeben() { dbtInstanz().reset(); }
