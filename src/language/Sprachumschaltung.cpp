#include "language/Sprachumschaltung.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>

#include "language/Dateipruefung.h"
#include "language/Textquellen.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"
#include "platform/Registry.h"

namespace {
constexpr int MELDUNG_SPRACHDATEI_FEHLT = 27;
std::unique_ptr<Sprachumschaltung>& instanz() {
  static std::unique_ptr<Sprachumschaltung> p;
  return p;
}

QString spalte() { return Sprachnummer == 1 ? QStringLiteral("Deutsch") : QStringLiteral("Englisch"); }

// The tables of the language database, with the columns read from them.
const QList<Tabellenaufbau>& sprachaufbau() {
  static const QList<Tabellenaufbau> aufbau = {
      {QStringLiteral("Sprache"), {QStringLiteral("TagNummer"), QStringLiteral("Deutsch"), QStringLiteral("Englisch")}},
      {QStringLiteral("SpracheTabGroups"),
       {QStringLiteral("TagNummer"), QStringLiteral("GroupNo"), QStringLiteral("Deutsch"), QStringLiteral("Englisch")}},
      {QStringLiteral("Menuesprache"),
       {QStringLiteral("TagNummer"), QStringLiteral("Deutsch"), QStringLiteral("Englisch")}},
      {QStringLiteral("MsgSprache"),
       {QStringLiteral("TagNummer"), QStringLiteral("Deutsch"), QStringLiteral("Englisch")}},
  };
  return aufbau;
}

// Language database files looked at in this run, and whether each can be used.
QHash<QString, bool>& gepruefteDateien() {
  static QHash<QString, bool> h;
  return h;
}

// The one notice that a language database cannot be used. Its own texts are not to be
// had, so the notice comes from the texts the program carries, in both languages.
void meldeUnbrauchbar(const QString& pfad, const Dateibefund& befund) {
  QStringList teile;
  for (int sprache : {1, 2})
    teile << MitgelieferterText(MELDUNG_SPRACHDATEI_UNBRAUCHBAR, sprache)
                 .arg(QDir::toNativeSeparators(pfad),
                      Befundgrund(befund, [sprache](int n) { return MitgelieferterText(n, sprache); }));
  QString text = teile.join(QStringLiteral("\n\n"));
  if (!befund.Treibertext.isEmpty()) text += QStringLiteral("\n\n") + befund.Treibertext;
  MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
}

// Whether the language database `pfad` can be used. Each file is checked once a run, and
// one that cannot is told once; the program then goes on as without a language database.
bool brauchbar(const QString& pfad) {
  const auto it = gepruefteDateien().constFind(pfad);
  if (it != gepruefteDateien().constEnd()) return *it;
  const Dateibefund befund = PruefeSqliteDatei(pfad, sprachaufbau());
  gepruefteDateien().insert(pfad, befund.Ok);
  if (!befund.Ok) meldeUnbrauchbar(pfad, befund);
  return befund.Ok;
}

// A text as read from the file: one that the file gave with bytes that are no text (a
// damaged file) is not taken.
bool lesbar(const QString& t) { return !t.contains(QChar::ReplacementCharacter); }

// Texts for the run-time translation come from the file in the program folder; the
// connection is kept while the path stays the same.
QSqlDatabase uebersetzungsDb(const QString& pfad) {
  const QString name = QStringLiteral("SPU_Translation");
  QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                 : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
  if (db.databaseName() != pfad || !db.isOpen()) {
    db.close();
    db.setDatabaseName(pfad);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    db.open();
  }
  return db;
}

QString ordnerVon(const QString& datei) {
  const int p = qMax(datei.lastIndexOf(QLatin1Char('/')), datei.lastIndexOf(QLatin1Char('\\')));
  return p < 0 ? QString() : datei.left(p);
}

// A text the language database lacks is the one the program carries, in the interface
// language, as for the messages.
QString textFuerPlattform(int nummer) {
  const QString t = SPU().GibTranslation(nummer);
  return t.isEmpty() ? MitgelieferterText(nummer, Sprachnummer) : t;
}
QString meldungstextFuerPlattform(int nummer) { return SPU().Meldungstext(nummer); }
// Every program using the service signs it in as it starts.
const bool g_angemeldet = (MeldeSprachdienstAn(), true);
}  // namespace

void MeldeSprachdienstAn() { SetzeTextquelle(&textFuerPlattform, &meldungstextFuerPlattform); }

Sprachumschaltung& SPU() {
  if (!instanz()) instanz() = std::make_unique<Sprachumschaltung>();
  return *instanz();
}

void SPUFreigeben() {
  instanz().reset();
  gepruefteDateien().clear();
  if (QSqlDatabase::contains(QStringLiteral("SPU_Translation"))) {
    QSqlDatabase::database(QStringLiteral("SPU_Translation"), false).close();
    QSqlDatabase::removeDatabase(QStringLiteral("SPU_Translation"));
  }
}

void setzeTag(QObject* control, int nummer) { control->setProperty("Tag", nummer); }
void setzeMenueNr(QAction* item, int nummer) { item->setProperty("HelpContextID", nummer); }

Sprachumschaltung::Sprachumschaltung() {
  static int zaehler = 0;
  m_verbindung = QStringLiteral("SPU_%1").arg(++zaehler);
  QString ordner = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss"));
  if (ordner == NOT_FOUND) {
    const QString alt = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("DBGolfpfad"));
    if (alt == NOT_FOUND) {
      MsgAntwort = Zantro_Msg(MELDUNG_SPRACHDATEI_FEHLT, STIL_KRITISCH);
      return;
    }
    ordner = ordnerVon(alt);
  }
  m_pfad = ordner + QLatin1Char('/') + SPRACHDATEI;
  if (!QFile::exists(m_pfad)) {
    // SQLite would create an empty file; the language database must exist.
    MsgAntwort = Zantro_Msg(MELDUNG_SPRACHDATEI_FEHLT, STIL_KRITISCH);
    return;
  }
  if (!brauchbar(m_pfad)) return;
  QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
  db.setDatabaseName(m_pfad);
  db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
  if (!db.open()) Fehlerbox(db.lastError().text());
}

Sprachumschaltung::~Sprachumschaltung() {
  if (QSqlDatabase::contains(m_verbindung)) {
    QSqlDatabase::database(m_verbindung, false).close();
    QSqlDatabase::removeDatabase(m_verbindung);
  }
}

bool Sprachumschaltung::HatDatenbank() const {
  return QSqlDatabase::contains(m_verbindung) && QSqlDatabase::database(m_verbindung, false).isOpen();
}

QString Sprachumschaltung::Text(const QString& tabelle, int nummer, int gruppe, bool& gefunden) {
  gefunden = false;
  QSqlQuery q(QSqlDatabase::database(m_verbindung, false));
  QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE TagNummer = ?").arg(spalte(), tabelle);
  if (gruppe >= 0) sql += QStringLiteral(" AND GroupNo = ?");
  const bool bereit = q.prepare(sql);
  q.addBindValue(nummer);
  if (gruppe >= 0) q.addBindValue(gruppe);
  if (!bereit || !q.exec()) {
    Fehlerbox(q.lastError().text());
    return QString();
  }
  if (!q.next()) return QString();
  const QVariant v = q.value(0);
  if (v.isNull()) {
    gefunden = true;
    return QString();
  }
  const QString t = v.toString();
  gefunden = lesbar(t);
  return gefunden ? t : QString();
}

int Sprachumschaltung::Zantro_Msg(int nummer, int stil) {
  if (!HatDatenbank()) {
    // Without the language database the user learns that the texts are missing, once;
    // a message says what the program itself knows of it, and a question never counts as
    // answered Yes.
    if (nummer == 27) {
      const QString text = MitgelieferterText(27, 1) + QStringLiteral("\n") + MitgelieferterText(27, 2);
      return DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
    }
    return DLG().Meldung(Meldungstext(nummer), STIL_KRITISCH, PRODUKTTITEL);
  }
  bool gefunden = false;
  const QString t = Text(QStringLiteral("MsgSprache"), nummer, -1, gefunden);
  if (gefunden && t.isNull()) return 0;
  if (gefunden && !t.isEmpty()) return DLG().Meldung(t, stil, PRODUKTTITEL);
  // A message without its text shows what the program itself knows of it; one it knows
  // nothing of is no question that could be answered Yes.
  const bool bekannt = !MitgelieferterText(nummer, 2).isEmpty();
  return DLG().Meldung(Ersatztext(nummer), bekannt ? stil : STIL_KRITISCH, PRODUKTTITEL);
}

QString Sprachumschaltung::Ersatztext(int nummer) {
  // The text the program carries in the interface language, then message 26 saying which
  // number lacks its text (from the database when it has it).
  QString hinweis;
  bool gefunden = false;
  if (HatDatenbank()) hinweis = Text(QStringLiteral("MsgSprache"), 26, -1, gefunden);
  if (hinweis.isEmpty()) hinweis = MitgelieferterText(26, Sprachnummer);
  hinweis = hinweis.contains(QLatin1String("%1")) ? hinweis.arg(nummer) : hinweis + QStringLiteral(" (%1)").arg(nummer);
  const QString bekannt = MitgelieferterText(nummer, Sprachnummer);
  return bekannt.isEmpty() ? hinweis : bekannt + QStringLiteral("\n\n") + hinweis;
}

QString Sprachumschaltung::Meldungstext(int nummer) {
  QString t;
  return LiesTranslation(nummer, t) ? t : Ersatztext(nummer);
}

namespace {
QString uebersetzungsdatei() {
  const QString ordner = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss"));
  if (ordner == NOT_FOUND) return QString();
  const QString datei = ordner + QLatin1Char('/') + SPRACHDATEI;
  return QFile::exists(datei) && brauchbar(datei) ? datei : QString();
}
}  // namespace

bool Sprachumschaltung::KannUebersetzen() const { return !uebersetzungsdatei().isEmpty(); }

bool Sprachumschaltung::LiesTranslation(int nummer, QString& text) {
  text.clear();
  const QString datei = uebersetzungsdatei();
  if (datei.isEmpty()) return false;
  QSqlDatabase db = uebersetzungsDb(datei);
  QSqlQuery q(db);
  const bool bereit = q.prepare(QStringLiteral("SELECT %1 FROM MsgSprache WHERE TagNummer = ?").arg(spalte()));
  q.addBindValue(nummer);
  if (!bereit || !q.exec()) {
    Fehlerbox(q.lastError().text());
    return false;
  }
  if (!q.next() || q.value(0).isNull()) return false;
  const QString t = q.value(0).toString();
  if (t.isEmpty() || !lesbar(t)) return false;
  text = t;
  return true;
}

QString Sprachumschaltung::GibTranslation(int nummer) {
  QString t;
  LiesTranslation(nummer, t);
  return t;
}

void Sprachumschaltung::CheckLanguage() {
  const QString s = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Sprache"));
  if (s == QLatin1String("1"))
    Sprachnummer = 1;
  else if (s == QLatin1String("2"))
    Sprachnummer = 2;
  else if (s == NOT_FOUND) {
    Sprachnummer = 1;
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Sprache"), QStringLiteral("1"));
  }
}
