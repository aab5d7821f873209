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

  // Generic table access.
  bool FuelleComboBox(QComboBox* Liste, ComboQuelle& q, QStringList* IdWerte = nullptr);
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

  QString LetztesSQL() const { return m_SQL; }
  long LetzteAnzahl() const { return m_Anzahl; }

 private:
  QString m_verbindung;
  QString m_SQL;
  long m_Anzahl = 0;
  bool m_neuOeffnen = false;
  void PruefeVerbindung();
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
