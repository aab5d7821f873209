// Value and date helpers shared by every part of the program: turning control texts
// and database values into numbers with fixed codes, per-hole field names, and the
// date forms of the two interface languages.
#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <optional>

class QSqlQuery;

// Hole score codes returned by GibScore / GibWertMin.
inline constexpr int SCORE_UNGUELTIG = 100;   // not a number or out of range
inline constexpr int SCORE_LEER = 101;        // empty field
inline constexpr int SCORE_GESTRICHEN = 102;  // "99" or "-": hole not played
// Decimal value codes returned by GibDoubleMin.
inline constexpr double DOUBLE_UNGUELTIG = 10000.0;
inline constexpr double DOUBLE_LEER = 10001.0;

struct Feldwert {
  bool Gueltig = false;
  QString TextWert;
  int ZahlWert = 0;
  double DoubleWert = 0.0;
};

struct DatumTeile {
  QString Tag;  // "0" marks an invalid date
  QString Monat;
  QString Jahr;
};

// 16-bit integer conversion in the user's locale: halves round to the even
// neighbour, fails on a non-number or outside -32768..32767.
bool TextZuInt16(const QString& text, int& wert);
// Decimal conversion: the user's locale, or either decimal mark (comma or point) in any
// locale; group separators are not accepted.
bool TextZuDouble(const QString& text, double& wert);
// Round half to even at the given number of decimals.
double RundeGerade(double wert, int stellen = 0);
// A number as text in the user's locale, rounded half to even to `stellen` decimals.
QString ZahlAlsText(double wert, int stellen);

QString FeldnameNr(const QString& prefix, int nummer);
int GibAnzahlDatensaetze(QSqlQuery& rs);  // rows of a forward query; leaves it before the first row
int GibScore(const QString& text);
int GibWertMin(const QString& text, int minimum);
double GibDoubleMin(const QString& text, int minimum);
Feldwert LeseFeldwert(int art, const QVariant& wert);
// A stored value read back: a number (nothing for Null or what is no number), a whole
// number rounded half to even as the entry boxes read it, a check box ticked for any
// number but 0.
std::optional<double> GespeicherteZahl(const QVariant& wert);
std::optional<int> GespeicherteGanzzahl(const QVariant& wert);
bool GespeicherterHaken(const QVariant& wert);
bool IstLeer(const QString& text);
QString DatumFuerSQL(QString& datum);
QString NormiereDatumDE(QString& datum);
QString NormiereDatumUS(QString& datum);
DatumTeile PruefeDatum(const QString& datum);
QDate GibDatumswert(const QString& datum);  // null QDate for an invalid text
QString DatumAlsText(const DatumTeile& teile);
int TageImMonat(int monat, int jahr);

// Dates are stored as ISO text (YYYY-MM-DD). These convert between the stored form
// and the interface language's form; an invalid text gives the empty text.
QString DatumAlsIso(const QString& anzeige);
QString IsoAlsDatum(const QString& iso);
