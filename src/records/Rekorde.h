// Personal records: the best value of every statistic per golfer, course scope and period
// kind in tab_Records, the comparison of a computed table with them, and the view of a
// statistics window that shows them.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVector>
#include <functional>

#include "statistics/Anzeige.h"
#include "statistics/Statistiktabelle.h"

// The scope key: period kind, course id (empty for all courses) and golfer id joined by
// " - ", for example "Monat - 4 - 2" or "Jahr -  - 2".
QString Rekordschluessel(const QString& monatOderJahr, const QString& golfplatzidn, const QString& golferidn);
// The record name of a cell: the stem and the column in two digits (ScoreLoch07).
QString Rekordname(const Statistikzeile& z, int spalte);

// A stored row of one scope key.
struct Rekordzeile {
  QString Bezeichnung;
  QString Ergebnis;
};

// Marker for a record name without a stored row.
inline const QString KEIN_WERT = QStringLiteral("NO_VALUE");

// The stored rows of one key in the order they were stored; an error is given in
// `fehler`.
QVector<Rekordzeile> LiesRekorde(const QSqlDatabase& db, const QString& schluessel, QSqlError* fehler = nullptr);
// The stored value of one record (letter case of the name does not count), KEIN_WERT
// when there is none.
QString GibBestScore(const QSqlDatabase& db, const QString& bezeichnung, const QString& schluessel,
                     QSqlError* fehler = nullptr);
// Stores one value: the first row of that name and key is updated, else a row is added.
bool SaveBestScore(const QSqlDatabase& db, const QString& bezeichnung, const QString& schluessel, const QString& wann,
                   const QString& ergebnis, QSqlError* fehler = nullptr);
// Stores every cell of the table marked as a new record, in one transaction. `schritt`
// is called for each column (1..21 or 1..6) with the number of columns.
bool SaveAllRecords(const QSqlDatabase& db, const Statistiktabelle& t, const QString& golfplatzidn,
                    const QString& monatOderJahr, const QString& wann, const QString& golferidn,
                    const std::function<void(int, int)>& schritt = {}, QSqlError* fehler = nullptr);
// True when any cell of the table is marked as a new record.
bool HatNeueRekorde(const Statistiktabelle& t);

// A stored or shown value as a number for the comparison, whichever decimal sign it was
// written with: 10001 for an empty text or "---", 10000 for no usable number (also below
// `untergrenze` or above 10000).
double Rekordzahl(const QString& text, int untergrenze);

// Marks every cell that equals or beats its stored record, and unmarks the others.
// "DontSave" marks nothing and changes no mark. A month or year needs `minimum` results:
// per hole of one course the count of the column (nine and eighteen times as many for the
// rows of nine and eighteen holes), per par the number of rounds.
void MarkiereRekorde(Statistiktabelle& t, const QVector<Rekordzeile>& gespeichert, const QString& monatOderJahr,
                     const Statistikeinstellungen& e);

// The stored-records view: every shown cell that is not a new record shows its stored
// value on the record colour, or "---" on grey when none is stored. With no stored row
// at all the window keeps its values.
Anzeige RekordAnzeige(const Statistiktabelle& t, const QVector<Rekordzeile>& gespeichert);
