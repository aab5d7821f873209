// What changed in the database, told to every open window: a course, tee, tournament,
// game type or golfer created, renamed or deleted, and the database file taken over or
// written back. The record operations of the data layer tell it once their change is
// committed (inside a transaction, when it commits; nothing when it is rolled back); each
// window connects in its load handler and follows: its lists and the record it shows.
// Windows never call each other to pass a change on.
#pragma once

#include <QObject>
#include <QString>

enum class Datensatzart { Golfplatz, Abschlag, Turnier, Spielart, Golfer };

class Aenderungsmelder : public QObject {
  Q_OBJECT
 signals:
  void Angelegt(Datensatzart art, const QString& idn, const QString& name);
  void Umbenannt(Datensatzart art, const QString& idn, const QString& alterName, const QString& neuerName);
  // Also a course whose other fields were stored (shown or not in the lists, its holes):
  // `idn` is the record's key.
  void Geaendert(Datensatzart art, const QString& idn);
  void Geloescht(Datensatzart art, const QString& idn);
  // The database file at the path was taken over, or the database the program holds was
  // written back to it: every list and record is read again.
  void DateiGewechselt();
};

// The program's one notifier.
Aenderungsmelder& Aenderungen();
