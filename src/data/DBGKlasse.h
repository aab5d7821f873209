// The data-access object: one connection to dbgolfvb.mdb for the whole run, the
// generic table operations, the settings rows, and the record operations that read and
// write golfers, history, courses, tees, tournaments and scorecards.
#pragma once

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <optional>
#include <utility>

#include "data/Scorekarte.h"
#include "data/Stammdaten.h"

// What a list reads and how it builds its entries (Listenzeilen; FuelleComboBox in
// forms/Listen.h puts them into a combo box). `SQL` may hold "?"
// placeholders bound from `Parameter`; when empty it is built from `Tabelle` and
// written back.
struct ComboQuelle {
  QString Anzeigefeld;
  QString Tabelle;
  QString Auswahlfeld;
  QVariant Auswahlwert;  // null: no selection
  QString SQL;
  QVariantList Parameter;
  int Sortierung = 0;  // 1 ascending, 2 descending
  QString Feld2;
  int Breite1 = 0;
  QString Feld3;
  int Breite2 = 0;
  QString Feld4;
  int Breite3 = 0;
  QString IdFeld;
  QString ErsterEintrag;
};

// What became of a delete by key.
enum class Loeschergebnis { Geloescht, NichtGefunden, Fehler };

// One entry of a list: its text and the key of its row (null when the row has none or
// no key field was asked for).
struct Listeneintrag {
  QString Text;
  QVariant Id;
};

// The entries of a list as Listenzeilen reads them.
struct Listeninhalt {
  bool Abgefragt = false;             // the query ran; when not, a list shown is left as it is
  bool Gelesen = false;               // rows were read and built (no rows, or no display field: false)
  QList<Listeneintrag> Eintraege;     // ErsterEintrag (without key) first, then one per row
  int Zeilen = 0;                     // rows read
  int Auswahl = -1;                   // the entry showing the row whose Auswahlfeld is Auswahlwert
  QHash<QString, int> AuswahlJeWert;  // with an Auswahlfeld: the entry each of its values selects
};

// What the callers of the data access tell the user in its place: nothing matched a
// deletion, and the settings name no database.
inline constexpr int MELDUNG_NICHTS_GELOESCHT = 48;
// Moving through the records: there is none, the first or the last is in front.
inline constexpr int MELDUNG_KEIN_DATENSATZ = 30;
inline constexpr int MELDUNG_ERSTER_DATENSATZ = 31;
inline constexpr int MELDUNG_LETZTER_DATENSATZ = 32;
// A typed name that is none of its list's (a course, a tee, a tournament), a game type
// that is none of the card's list, a date that is no date.
inline constexpr int MELDUNG_NICHT_IN_LISTE = 153;
inline constexpr int MELDUNG_SPIELART_NICHT_IN_LISTE = 214;
inline constexpr int MELDUNG_DATUM_UNGUELTIG = 178;
// Why a course cannot be deleted: it is a golfer's home club, it has cards, tournaments.
inline constexpr int MELDUNG_GOLFPLATZ_IST_HEIMATCLUB = 160;
inline constexpr int MELDUNG_GOLFPLATZ_HAT_KARTEN = 158;
inline constexpr int MELDUNG_GOLFPLATZ_HAT_TURNIERE = 159;
inline constexpr int MELDUNG_KEIN_DATENBANKPFAD = 49;

class DBGKlasse {
 public:
  DBGKlasse();   // opens the connection
  ~DBGKlasse();  // closes it

  void Class_Initialize();
  void Class_Terminate();
  bool IstOffen() const;
  // The settings name no main database, so the object has no connection; whoever
  // connects tells the user with MELDUNG_KEIN_DATENBANKPFAD.
  bool OhneDatenbankpfad() const { return m_ohnePfad; }
  // The database was opened read-only: every store is refused as such.
  bool NurLesen() const;
  // A store can succeed at all: the database is not read-only and its file is still the
  // one the program opened. When not, a refused store keeps no window from closing.
  bool KannSpeichern() const;
  QSqlDatabase Db() const;

  // Runs a statement with bound values; reports a failure through the error box.
  bool Ausfuehren(QSqlQuery& q, const QString& sql, const QVariantList& werte = {});
  // The same for a statement read often: it is prepared once per connection and kept, read
  // forward only. The query run (nullptr on failure) stays valid until the same statement
  // runs again; the caller ends it with finish() when it has read what it needs.
  QSqlQuery* AusfuehrenVorbereitet(const QString& sql, const QVariantList& werte = {});
  // A statement run by AusfuehrenVorbereitet that ends (finish()) when it goes out of scope,
  // whichever way the reading leaves.
  class Vorbereitet {
   public:
    explicit Vorbereitet(QSqlQuery* q) : m_q(q) {}
    ~Vorbereitet() {
      if (m_q) m_q->finish();
    }
    Vorbereitet(const Vorbereitet&) = delete;
    Vorbereitet& operator=(const Vorbereitet&) = delete;
    explicit operator bool() const { return m_q != nullptr; }
    QSqlQuery& operator*() const { return *m_q; }
    QSqlQuery* operator->() const { return m_q; }

   private:
    QSqlQuery* m_q;
  };
  // Runs `schritte` in one transaction: committed when they return true, else rolled
  // back, so that nothing is left half done. True when committed. Inside a transaction
  // already open the steps just run: the outer transaction commits or rolls back.
  bool InTransaktion(const std::function<bool()>& schritte);
  // Tells the windows of a change (Aenderungen()): at once, or, while a transaction is open,
  // once it commits; a rolled-back change is told never.
  void Melde(std::function<void()> meldung);

  // Generic table access.
  //
  // The entries of a list: the rows of `q.SQL` (built from the table and the order when
  // empty, and written back), each the display field padded to its width followed by the
  // further fields, with the row's key.
  Listeninhalt Listenzeilen(ComboQuelle& q);

  QString gib_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& Suchwert,
                          const QString& Ergebnisfeld);
  QString GibId(const QString& Tabelle, const QString& Feld);
  // Deletes the rows whose `Feld` is `Wert`; true when at least one went. Nothing matched:
  // false, and a caller that tells the user so shows MELDUNG_NICHTS_GELOESCHT.
  bool DelDS(const QString& Tabelle, const QString& Feld, const QVariant& Wert);
  QString GibIdnValue(const QString& SQL, const QString& Feld, const QVariantList& werte = {});
  bool aendere_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& AlterWert,
                           const QVariant& NeuerWert, const QString& Zielfeld);
  // Writes the name of every row in the current language; true when every translation
  // was read and stored. Otherwise nothing is written.
  bool TranslateTable(const QString& Tabelle, const QString& NummerFeld, const QString& TextFeld);

  // Settings rows of tab_EinstellungenIntern.
  void WriteEinstellungenIntern(const QString& Bezeichnung, const QVariant& Wert);
  void GibFarben();

  // Replaces the SQL of a stored query (a view). On a read-only database the query is a
  // temporary view of the program's connections that stands in for the stored one.
  bool SetSQL(const QString& Abfrage, const QString& SQL);

  // A mark of the contents of a table: another mark means that the table may have changed
  // since (a row stored, changed or deleted, through this connection or another, or the
  // connection opened anew). Empty when it cannot be told: then the table counts as changed.
  QString Tabellenstand(const QString& Tabelle);
  // A mark of what other connections committed (another program, or this program's second
  // connection): another mark means that such a change may have come since, or that the
  // connection was opened anew. Empty when it cannot be told. What this connection changes
  // the notifier tells (Aenderungen()).
  QString Fremdstand();

  // Column names of a table or query, in order ("" on error).
  QStringList Feldnamen(const QString& TabelleOderSQL);

  // ------------------------------------------------------------------------------------
  // Courses and tees: Tab_Golfplatz and tab_Slope as values.
  //
  // The keys of all courses in the order of insertion (for LAST and scrolling); false
  // after an error.
  bool Golfplatzschluessel(QStringList& Schluessel);
  // Adds a course of that name (Null when empty); its key, "" after an error.
  QString LegeGolfplatzAn(const QString& Name);
  // The course of that key; none when there is no such row.
  std::optional<Golfplatzdaten> ReadGolfplatzdaten(const QString& Golfplatzidn);
  // Writes the value into the row of its key: every field, or only the fields `Spalten`
  // names (the table's field names, case-blind), the others left as the row holds them.
  // False when there is no such row or after an error.
  bool WriteGolfplatzdaten(const Golfplatzdaten& Platz, const QStringList* Spalten = nullptr);
  // The tees of the course in the order of their keys.
  QList<Abschlag> LiesAbschlaege(const QString& Golfplatzidn);
  // Stores the tees of a course in one transaction (all or none): a tee without a key
  // gets a new one, written into the list. `Spalten`, when given, names for each tee of
  // the list the fields written into its stored row ("Abschlagbezeichnung", "Slopewert",
  // "CourseRating"); the others keep what the row holds. A new row gets every field.
  // False after an error (the keys given are then taken back).
  bool WriteSlope(const QString& Golfplatzidn, QList<Abschlag>& Abschlaege,
                  const QList<QStringList>* Spalten = nullptr);
  // Slope, course rating and id of the tee of that name on that course; with no such tee
  // slope and rating become 0 and the id stays. True when the tee was found.
  bool GibSlopeCR(const QString& Abschlagbezeichnung, const QString& Golfplatzidn, double& Slope, double& CourseRating,
                  QString& Slopeidn);
  // Deletes one tee; false when there was none of that key (or after an error).
  bool LoescheAbschlag(const QString& Slopeidn);
  // What keeps a course from being deleted: the number of the message naming the first
  // use found (160 a golfer's home club, 158 a scorecard, 159 a tournament); 0 when the
  // course is not in use.
  int GolfplatzVerwendung(const QString& Golfplatzidn);
  // Deletes the course row and all its tees in one transaction.
  bool LoescheGolfplatzMitAbschlaegen(const QString& Golfplatzidn);

  // ------------------------------------------------------------------------------------
  // Tournaments: Tab_Turnier as values.
  //
  // The numbers of all tournaments by date, the latest last (for LAST); false after an
  // error.
  bool TurnierschluesselNachDatum(QStringList& Schluessel);
  // The numbers in the order of the numbers (texts: "10" before "2"), for scrolling.
  bool Turnierschluessel(QStringList& Schluessel);
  // Adds a tournament of that name dated today with 18 holes; its number, "" after an
  // error.
  QString LegeTurnierAn(const QString& Name);
  // The tournament of that number; none when there is no such row.
  std::optional<Turnierdaten> ReadTurnierdaten(const QString& Turniernummer);
  // Writes the value into the row of its number: every field, or only the fields
  // `Spalten` names (case-blind); false when no row.
  bool WriteTurnier(const Turnierdaten& Turnier, const QStringList* Spalten = nullptr);
  // Deletes the tournament and clears it on the scorecards that name it, in one
  // transaction.
  Loeschergebnis LoescheTurnierMitVerweisen(const QString& Turniernummer);

  // ------------------------------------------------------------------------------------
  // Golfers and handicap history: tab_golfer and tab_HdcpHistorie as values.
  //
  // The key of the golfer flagged active ("Aktueller Golfer"), "" when none is flagged.
  QString Gib_AktivenGolfer();
  // Flags that golfer active and every other golfer not.
  void Set_AktivenGolfer(const QString& Golferidn);
  // The number of golfers (-1 after an error).
  long AnzahlGolfer();
  // The key of the first golfer of that name, "" when none.
  QString SucheGolfer(const QString& Golfername);
  // The key of the golfer stored last, "" when there is none.
  QString LetzterGolfer();
  // Adds an empty golfer; its key, "" after an error.
  QString LegeGolferAn();
  // The golfer of that key; none when there is no such row.
  std::optional<Golferdatensatz> ReadGolferdaten(const QString& Golferidn);
  // Writes name and handicaps into the row of the golfer's key, and the home club unless
  // it is empty (the stored one then stays); of them only the `Felder` (Golferfeld), the
  // row keeps the others. The active flag is Set_AktivenGolfer's. False when there is no
  // such row or after an error.
  bool WriteGolferdaten(const Golferdatensatz& Golfer, unsigned Felder = GF_ALLE);
  // Deletes the golfer with its scorecards and history rows in one transaction.
  bool LoescheGolferMitKarten(const QString& Golferidn);
  // The golfer's history rows, newest first.
  QList<Handicapeintrag> LiesHdcpHistorie(const QString& Golferidn);
  // Stores one history row: a row without a key gets a new one (written into it) and is
  // stored whole; a stored row gets only the fields named. False after an error.
  bool WriteHdcphistorie(Handicapeintrag& Eintrag, unsigned Felder = HF_ALLE);
  // Deletes one history row; false when there was none of that key (or after an error).
  bool LoescheHistorieneintrag(const QString& Satznr);
  // ------------------------------------------------------------------------------------

  // ------------------------------------------------------------------------------------
  // Scorecards: rows of Greenlogs as Scorekarte values. The golfer window shows a card
  // and gathers it back; nothing reaches the table until WriteScorekarte runs.
  //
  // The card of that key; nothing when there is no such row or after an error.
  std::optional<Scorekarte> ReadScorekarte(const QString& Scorekartenidn);
  // Stores the card into its row with its completeness (WasGespielt) and the totals its
  // holes allow. Refused, with nothing written, when the course or the game type is not
  // one that can be chosen (messages 153, 214) or the date is no date (178). A round that
  // counts for the handicap and is complete is marked as offered to the handicap history
  // once (HistorieFragen); not when it was not offered (`historieAngeboten` false: the
  // question stays for the next store). The row is changed as a whole or not at all.
  KartenSpeicherung WriteScorekarte(const Scorekarte& karte, bool historieAngeboten = true);
  // What WriteScorekarte would give, without writing: the refusal, no card, or Gespeichert
  // with HistorieFragen (asked before the card is stored, never while it is).
  KartenSpeicherung PruefeScorekarte(const Scorekarte& karte);
  // The golfer's latest card (latest date, among cards of one date the highest key):
  // its key, "" when the golfer has none, nothing after an error.
  std::optional<QString> LetzteScorekarte(const QString& Golferidn);
  // Whether a card of that key exists; nothing after an error.
  std::optional<bool> ScorekarteVorhanden(const QString& Scorekartenidn);
  // The previous (1) or next (any other value) card of the golfer before or after the
  // card of that key, in date order with the keys after the dates.
  KartenNachbar NachbarScorekarte(const QString& Golferidn, const QString& Scorekartenidn, int Richtung);
  // Creates a card for the golfer dated today with that course, playing handicap, game
  // type "2" and the display mask of the settings. Its key, or "" after an error.
  QString LegeScorekarteAn(const QString& Golferidn, const QString& Golfplatzidn, std::optional<double> AktHdcp);
  // Adds a handicap history row of the golfer for the card: its date, course, game type,
  // tournament (as comment) and net Stableford points (none: Null), with the exact
  // handicap after the round and that handicap rounded. False after an error.
  bool NeuHistorie(const Scorekarte& karte, const QString& Golferidn, std::optional<int> NettoPunkte,
                   double Stammvorgabe);
  // ------------------------------------------------------------------------------------

  long LetzteAnzahl() const { return m_Anzahl; }

 private:
  // Checks a card and, when `schreiben`, stores it, step by step: first what its names
  // stand for (a step that gives a KartenSpeicherung ends the store with it: a refusal or
  // an error), then the values of its row, which is written in one statement.
  KartenSpeicherung SpeichereScorekarte(const Scorekarte& karte, bool schreiben, bool historieAngeboten = true);
  struct Kartenbezug;
  class Kartenzeile;
  // What the holes allow to be summed: every hole has a score, putts; the holes without
  // a drive length.
  struct Lochbefund {
    bool alleScores = true, allePutts = true;
    QList<int> ohneDistanz;
  };
  std::optional<KartenSpeicherung> BezieheGolfplatz(const Scorekarte& k, Kartenbezug& b);
  std::optional<KartenSpeicherung> BezieheSpielart(const Scorekarte& k, Kartenbezug& b);
  static std::optional<KartenSpeicherung> BezieheDatum(const Scorekarte& k, Kartenbezug& b);
  std::optional<KartenSpeicherung> BezieheAbschlag(const Scorekarte& k, Kartenbezug& b);
  void BezieheTurnier(const Scorekarte& k, Kartenbezug& b);
  static void SetzeKartenkopf(const Scorekarte& k, const Kartenbezug& b, Kartenzeile& z);
  static Lochbefund SetzeLoecher(const Scorekarte& k, Kartenzeile& z);
  void SetzeSummen(const Scorekarte& k, const Kartenbezug& b, const Lochbefund& l, Kartenzeile& z);
  // Writes the row unless it holds every value already; false after an error.
  bool SchreibeKartenzeile(const QString& Scorekartenidn, const Kartenzeile& z);
  bool temporaereSicht(const QString& Abfrage, const QString& SQL);
  // Whether a change is needed: there is no row of that key, or one whose values differ
  // from `werte` in the terms of `gleich` ("Feld IS ?", joined by AND). Nothing after an
  // error. A row that holds the values already is left alone, so that saving what did not
  // change writes nothing, and is no failure on a read-only database.
  std::optional<bool> WeichtAb(const QString& tabelle, const QString& schluesselfeld, const QVariant& schluessel,
                               const QStringList& gleich, const QVariantList& werte);

  QString m_verbindung;
  long m_Anzahl = 0;
  bool m_neuOeffnen = false;
  bool m_ohnePfad = false;
  int m_transaktionen = 0;                   // open InTransaktion calls
  QList<std::function<void()>> m_meldungen;  // changes to tell once the transaction commits
  int m_verbindungsnummer = 0;               // counts the connections opened
  QSet<QString> m_beobachtet;                // the tables whose changes this connection marks
  QHash<QString, QSqlQuery> m_vorbereitet;   // statements kept by AusfuehrenVorbereitet
  QSqlQuery m_ausweich;                      // its query when a kept statement cannot run
  QSqlQuery m_standLesen;                    // the read of Tabellenstand
  QSqlQuery m_fremdLesen;                    // the read of Fremdstand
  void PruefeVerbindung();
  void MeldeNachCommit(bool ok);
};

// The program-wide data-access object, created on first use.
DBGKlasse& DBG();
void DBGFreigeben();

// The second connection for record counts and chart computations.
class DBTools {
 public:
  DBTools();
  ~DBTools();
  void Class_Initialize();
  void Class_Terminate();
  QSqlDatabase Db() const;
  // Number of rows the SQL selects; an invalid QVariant after an error (read as 0).
  QVariant CountRS(const QString& SQL, const QVariantList& werte = {});
  // CountRS read as a number.
  long Anzahl(const QString& SQL, const QVariantList& werte = {});

 private:
  QString m_verbindung;
  long m_Anzahl = 0;
};

DBTools& DBT();
void DBTFreigeben();

// Opens a connection named `name` on the main database file (path from the settings);
// read-only when the file or its folder is read-only (see Schreibbar). `ohnePfad`, when
// given, is set to whether the settings named no database file at all.
bool OeffneHauptdatenbank(const QString& name, bool* ohnePfad = nullptr);
// The database file the program works on, by what identifies it on the disk (device and
// inode): recorded when a path is first opened, and anew by the compaction, which puts the
// compacted file in its place.
void MerkeDatenbankdatei(const QString& pfad);
// The permission bits that file had when it was recorded; -1 when none was.
int RechteDerDatenbankdatei();
// False when the file at the recorded path is no longer that file (it was replaced,
// renamed or deleted): then nothing is written, and every store says so.
bool DatenbankdateiUnveraendert();
// True when the file the program opened is no longer at any path (deleted, or renamed
// and deleted): its only copy is the one the program holds open.
bool DatenbankdateiOhneNamen();
// The failure of a write into a file that is no longer the database the program opened,
// as the engine reports a file moved under it (Fehlerart::Ersetzt), the file named as its
// text; an invalid QSqlError while the file is unchanged. Every write path asks before it
// writes and once more right before its commit.
QSqlError DateiErsetztFehler();
// The failure of a write into a database whose file or folder was marked read-only while
// the program ran (Fehlerart::Schreibgeschuetzt, the file named as its text), for every user
// alike: an administrator could write it all the same. An invalid QSqlError otherwise.
QSqlError SchreibschutzFehler();
// Opens the database read-only from now on, whatever its file allows (until released).
void SetzeNurLesen(bool nurLesen);
// Whether it was so set (the program holds no lock on the database).
bool NurLesenErzwungen();
// Writable as the user means it: the system allows it, and the file or folder carries a
// write permission at all. An administrator may write anything, yet a file the user
// marked read-only stays read-only for this program.
bool Schreibbar(const QString& pfad);
// Points the connection at a database file, read-only when `nurLesen`. In a read-only
// folder, where nobody can make the journal files that a change needs, the file is read
// as one that does not change (SQLite reads a database in WAL mode there only so) unless
// a journal beside it holds anything: the rows of a WAL journal are read, or the file is
// said to be unreadable; a rollback journal of a store cut off makes every read fail until
// a connection that may write has rolled it back.
void SetzeDatenbankdatei(QSqlDatabase& db, const QString& pfad, bool nurLesen);
// Quotes an identifier for SQL ("Aktueller Golfer" -> "\"Aktueller Golfer\"").
QString Bezeichner(const QString& name);
// A text value written into a view's SQL (views take no bound parameters).
QString SqlText(const QString& wert);
