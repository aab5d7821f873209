// The data-access object: one connection to dbgolfvb.mdb for the whole run, the
// generic table operations, the settings rows, and the record operations that move
// golfers, history, courses, tees, tournaments and scorecards between the database
// and the entry windows.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>

class QComboBox;

// What FuelleComboBox reads and how it builds the items. `SQL` may hold "?"
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

class DBGKlasse {
 public:
  DBGKlasse();   // opens the connection
  ~DBGKlasse();  // closes it

  void Class_Initialize();
  void Class_Terminate();
  bool IstOffen() const;
  QSqlDatabase Db() const;

  // Runs a statement with bound values; reports a failure through the error box.
  bool Ausfuehren(QSqlQuery& q, const QString& sql, const QVariantList& werte = {});
  // Runs `schritte` in one transaction: committed when they return true, else rolled
  // back, so that nothing is left half done. True when committed. Inside a transaction
  // already open the steps just run: the outer transaction commits or rolls back.
  bool InTransaktion(const std::function<bool()>& schritte);

  // Generic table access.
  bool FuelleComboBox(QComboBox* Liste, ComboQuelle& q, QStringList* IdWerte = nullptr);
  // The usual list: the names of a table in ascending order, the row whose
  // `Auswahlfeld` equals `Auswahlwert` selected.
  bool FuelleListe(QComboBox* Liste, const QString& Tabelle, const QString& Anzeigefeld,
                   const QString& Auswahlfeld = {}, const QVariant& Auswahlwert = {});
  QString gib_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& Suchwert,
                          const QString& Ergebnisfeld);
  QString GibId(const QString& Tabelle, const QString& Feld);
  bool DelDS(const QString& Tabelle, const QString& Feld, const QVariant& Wert, bool Leise);
  QString GibIdnValue(const QString& SQL, const QString& Feld, const QVariantList& werte = {});
  bool aendere_tab_eintrag(const QString& Tabelle, const QString& Suchfeld, const QVariant& AlterWert,
                           const QVariant& NeuerWert, const QString& Zielfeld);
  void TranslateTable(const QString& Tabelle, const QString& NummerFeld, const QString& TextFeld);

  // Settings rows of tab_EinstellungenIntern.
  void WriteEinstellungenIntern(const QString& Bezeichnung, const QVariant& Wert);
  void GibFarben();

  // Replaces the SQL of a stored query (a view).
  bool SetSQL(const QString& Abfrage, const QString& SQL);

  // Column names of a table or query, in order ("" on error).
  QStringList Feldnamen(const QString& TabelleOderSQL);

  // ------------------------------------------------------------------------------------
  // Courses and tees: between Tab_Golfplatz / tab_Slope and the course editor
  // "Golfplätze" (its controls are named after the fields). Nothing is written until
  // WriteGolfplatzdaten or WriteSlope runs.
  //
  // Creates a course (after saving the one shown) and shows it; the new id, or "False"
  // when an error stopped it.
  QString NeuGolfplatz(const QString& Name);
  // Loads one course into the editor (cleared first); false when there is no such row.
  bool ReadGolfplatzdaten(const QString& Golfplatzidn);
  // Shows the editor at that course, or at the last one for "LAST"; on an empty table a
  // first course is created. Closes the tournament editor. Gives the id shown.
  QString GotoGolfplatz(const QString& Golfplatzidn);
  // Writes the editor into the row of that id, then the tee grid; false when no row.
  bool WriteGolfplatzdaten(const QString& Golfplatzidn);
  // Saves the course shown, then steps to the previous (1) or next (any other) course.
  void ScrollGolfplatz(int Richtung);
  // Fills the tee grid "Slope" with the tees of the course (row 1 stays the empty new-tee row).
  void FuelleSlopeListbox(const QString& Golfplatzidn);
  // Writes every named grid row from row 1 on, then refills the grid. `NeueZeileIdn`
  // receives the id given to the tee typed into the new-tee row (empty when none).
  bool WriteSlope(QString* NeueZeileIdn = nullptr);
  // Slope, course rating and id of the tee of that name on that course; with no such tee
  // slope and rating become 0 and the id stays. True when the tee was found.
  bool GibSlopeCR(const QString& Abschlagbezeichnung, const QString& Golfplatzidn, double& Slope,
                  double& CourseRating, QString& Slopeidn);
  // Deletes the course row and all its tees in one transaction.
  bool LoescheGolfplatzMitAbschlaegen(const QString& Golfplatzidn);

  // ------------------------------------------------------------------------------------
  // Tournaments: between Tab_Turnier and the tournament editor "Turnier".
  //
  // Saves the tournament shown, creates the next one (today, 18 holes) and shows it.
  bool NeuTurnier(const QString& Name);
  // Loads one tournament into the editor; message 50 and false when it does not exist.
  bool ReadTurnierdaten(const QString& Turniernummer);
  // Shows the editor at that tournament, or at the latest by date for "LAST"; on an empty
  // table a first one is created. Asks the course editor to close. Gives the number shown.
  QString GotoTurnier(const QString& Turniernummer);
  // Writes the editor into the row of that number; false when no row.
  bool WriteTurnier(const QString& Turniernummer);
  // Saves the tournament shown, then steps to the previous (1) or next (any other) one
  // in the order of the numbers.
  void ScrollTurnier(int Richtung);
  // Deletes the tournament and clears it on the scorecards that name it, in one
  // transaction; message 48 when there was no such tournament.
  bool LoescheTurnierMitVerweisen(const QString& Turniernummer);
  // ------------------------------------------------------------------------------------

  // ------------------------------------------------------------------------------------
  // Golfers and handicap history: between tab_golfer / tab_HdcpHistorie and page 0 of the
  // window "Golfer" (its boxes are named after the fields). AktiverGolfer is the golfer
  // read last; its Stammvorgabe and Handicap hold the numbers as text in the user's
  // number format, its AktuellerGolfer "1" or "0".
  //
  // The key of the golfer flagged active ("Aktueller Golfer"), "" when none is flagged.
  QString Gib_AktivenGolfer();
  // Flags that golfer active and every other golfer not.
  void Set_AktivenGolfer(const QString& Golferidn);
  // Saves the golfer shown, creates a golfer (asking message 34 unless OhneFrage) and
  // shows it. True unless an error stopped it (also when the answer was No).
  bool NeuGolfer(bool OhneFrage);
  // After message 35: deletes the golfer with its scorecards and history rows in one
  // transaction, then shows the last golfer; after the last one a new golfer follows.
  // True unless an error stopped it (also when the answer was No).
  bool DeleteGolfer(const QString& Golferidn);
  // Writes page 0 into the golfer's row, flags the golfer active and stores the history
  // grid. False when the home club is not in its list (messages 153 and 36), when there is
  // no such row, or after an error.
  bool WriteGolferdaten(const QString& Golferidn);
  // Reads the golfer into AktiverGolfer and page 0 with its home-club list and history;
  // false when there is no such row (nothing changes).
  bool ReadGolferdaten(const QString& Golferidn);
  // Shows a golfer found by key, else by name, or the last golfer for the name "LAST"
  // (the name found is written back). Message 47 when there is none of that key or name.
  void GotoGolfer(QString& Golfername, const QString& Golferidn);
  // Adds a history row for the scorecard shown and adjusts the handicap boxes by its net
  // Stableford points.
  void NeuHistorie();
  // Fills the history grid with the golfer's rows, newest first; row 1 stays the empty
  // entry row.
  void FuelleHdcpListbox(const QString& Golferidn);
  // Stores every grid row with a date that is new or was changed (only the changed cells),
  // then refills the grid. `NeueZeileIdn` receives the key given to the entry row (empty
  // when it held no entry).
  bool WriteHdcphistorie(QString* NeueZeileIdn = nullptr);
  // ------------------------------------------------------------------------------------

  // ------------------------------------------------------------------------------------
  // Scorecards: between Greenlogs and page 1 of the window "Golfer". Nothing reaches the
  // table until WriteScorekarte runs.
  //
  // Stores the card shown into its row, with its totals and completeness (WasGespielt);
  // a handicap-relevant round is offered once to the handicap history (message 33). False
  // when the card is refused (a course or game type not in its list, an invalid date:
  // the scorecard page stays in front and nothing is written), when there is no such row,
  // or after an error. ScorekarteAbgelehnt() tells a refusal apart.
  bool WriteScorekarte(const QString& Scorekartenidn);
  // True when the last WriteScorekarte refused the card: the user must correct it first.
  bool ScorekarteAbgelehnt() const { return m_karteAbgelehnt; }
  // Stores the card on screen before a move away from it (scroll, new card, page change,
  // search, close). False only when the card was refused: the move must stop so that the
  // user keeps the card. Without a loaded golfer window or a stored card: true.
  bool VerlasseScorekarte();
  // Empties page 1 and loads the card of that key; false when there is no such row.
  bool ReadScorekarte(const QString& Scorekartenidn);
  // Shows the card of that key, or the active golfer's latest card for "LAST" (the key
  // found is written back); with no such card a new one is created. Then the card's rows
  // are laid out and the card is recalculated. False after an error.
  bool GotoScorekarte(QString& Scorekartenidn);
  // Stores the card shown (stops when it is refused), then creates a card for the golfer
  // dated today with the active golfer's home club and exact handicap, and shows it.
  bool NeuScorekarte(const QString& Golferidn);
  // Stores the card shown, then shows the active golfer's previous (1) or next (any other
  // value) card in date order; cards of one date follow their keys. Messages 30, 31, 32
  // when there is no card, no previous or no next one. Stops when the card is refused.
  void ScrollScorecard(int Richtung);
  // ------------------------------------------------------------------------------------

  QString LetztesSQL() const { return m_SQL; }
  long LetzteAnzahl() const { return m_Anzahl; }

 private:
  QString m_verbindung;
  QString m_SQL;
  long m_Anzahl = 0;
  bool m_neuOeffnen = false;
  bool m_karteAbgelehnt = false;
  int m_transaktionen = 0;  // open InTransaktion calls
  void PruefeVerbindung();
  bool LegeScorekarteAn(const QString& Golferidn);
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

// Opens a connection named `name` on the main database file (path from the settings).
bool OeffneHauptdatenbank(const QString& name);
// Quotes an identifier for SQL ("Aktueller Golfer" -> "\"Aktueller Golfer\"").
QString Bezeichner(const QString& name);
// A text value written into a view's SQL (views take no bound parameters).
QString SqlText(const QString& wert);
