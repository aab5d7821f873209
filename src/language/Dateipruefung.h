// A look at a database file that writes nothing to it: that it is a readable SQLite
// database, intact by a quick check, and holds every table and column the program reads
// from it (further tables and columns are allowed). Serves the main database and the
// language database alike.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <functional>

class QSqlDatabase;

// What is wrong with a file: texts of the language sources.
// Every SQLite database starts with this text (the first bytes `kopf` of a file).
inline bool SqliteKopf(const QByteArray& kopf) { return kopf.startsWith(QByteArray("SQLite format 3\0", 16)); }

inline constexpr int MELDUNG_DATEI_LEER = 4610;
inline constexpr int MELDUNG_KEINE_DATENBANK = 4611;
inline constexpr int MELDUNG_DATENBANK_BESCHAEDIGT = 4612;
inline constexpr int MELDUNG_TABELLEN_FEHLEN = 4613;  // none of the tables: another program's file
inline constexpr int MELDUNG_NICHT_LESBAR = 4614;
inline constexpr int MELDUNG_AUFBAU_FEHLT = 4660;  // some tables or columns are missing
inline constexpr int TEXT_UND_WEITERE = 4663;      // "and %1 more", closing a long list

// A table the program reads, with the columns it reads from it.
struct Tabellenaufbau {
  QString Tabelle;
  QStringList Spalten;
};

struct Dateibefund {
  bool Ok = false;
  int Grund = 0;        // one of the numbers above when not Ok
  QStringList Fehlend;  // the missing tables, and the missing columns as "table.column"
  QString Treibertext;  // the driver's words, when it gave any
  QSqlError Fehler;     // the read that failed, when one did
};

// Checks the file `pfad`. `oeffnen` names the file on the connection and sets its
// options; without it the file is opened read-only as it stands.
Dateibefund PruefeSqliteDatei(const QString& pfad, const QList<Tabellenaufbau>& aufbau,
                              const std::function<void(QSqlDatabase&)>& oeffnen = {});

// What is wrong, in the words `text` gives for the numbers above (the list of what is
// missing filled in, a long list cut); empty for a good file.
QString Befundgrund(const Dateibefund& befund, const std::function<QString(int)>& text);
