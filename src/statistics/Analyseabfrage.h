// The selection of rounds for an analysis, as values, and the query text it becomes.
// Every value that goes into the text has been parsed into its type first: ids and dates
// are written through the quoting helper, counts as numbers.
#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

struct Analyseauswahl {
  QString Golferidn;
  QString Golfplatzidn;  // empty: all courses
  bool NurVorgabewirksam = false;
  int Periode = 0;  // 0 free period, 1 month, 2 the twelve months ending with a month
  int Monat = 0;    // 1..12 for a month or year analysis; 0 none chosen
  int Jahr = 0;
  QDate Start;        // free period; null: from 01.01.1900
  QDate Ende;         // null: up to today
  int Zaehlart = 0;   // 0 all rounds, 1 the last n, 2 the best n
  int Anzahl = 0;     // n, 1 to 9999
  int Kriterium = 0;  // best by 1 score, 2 gross points, 3 putts, 4 fairway hits, 5 drive length; 0 as 1
};

struct Analyseabfrage {
  int Meldung = 0;  // a message number when the selection cannot run; then nothing else is set
  QString Sql;
  QString Vorhanden;      // yields a row when the selection holds a round, without ranking them
  QString MonatOderJahr;  // "Monat", "Jahr" or "DontSave"
  QString Wann;           // "MM/YYYY" or "xx"
  QDate Start;
  QDate Ende;
  int TitelNummer = 0;  // text number of the heading
  QString TitelZusatz;  // today's date or the year, after the heading text
};

// Message shown when the number of rounds of "best n" or "last n" is not a whole number
// from 1 to 9999.
inline constexpr int MELDUNG_RUNDENANZAHL = 941;
inline constexpr int MELDUNG_KEIN_MONAT = 232;
inline constexpr int MELDUNG_KEINE_RUNDE = 38;
inline constexpr int MELDUNG_DATUM = 178;

// `bedingung` receives the condition a round of the selection meets (before any ranking).
QString BaueAnalyseSql(const Analyseauswahl& a, const QDate& heute, QDate* start = nullptr, QDate* ende = nullptr,
                       QString* bedingung = nullptr);
Analyseabfrage BaueAnalyseabfrage(const Analyseauswahl& a, const QDate& heute);

// The id of the course of that name, the name compared as the course list compares it
// (letter case does not count, for any letter); a course of exactly that name comes
// first. Empty when there is none.
QString GolfplatzidnZumNamen(const QSqlDatabase& db, const QString& name);

// A count typed for the best or last n rounds: a whole number from 1 to 9999.
bool LiesRundenanzahl(const QString& text, int& n);
// A date as the interface language writes it (day.month.year or month/day/year),
// whatever the system's locale.
QString DatumFuerAnzeige(const QDate& d);
