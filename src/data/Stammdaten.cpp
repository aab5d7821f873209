#include "data/Stammdaten.h"

#include "data/Allgemein.h"

double GanzesHandicap(double stammvorgabe) { return RundeGerade(stammvorgabe, 0); }

QDate GespeichertesDatum(const QString& text) {
  if (text.size() >= 10 && text.at(4) == QLatin1Char('-')) return QDate::fromString(text.left(10), Qt::ISODate);
  return GibDatumswert(text);
}

QString DatumAlsAnzeige(const QDate& datum) {
  return datum.isValid() ? IsoAlsDatum(datum.toString(Qt::ISODate)) : QString();
}

QString Turnierdatum(const Turnierdaten& t) { return t.Datum.isValid() ? DatumAlsAnzeige(t.Datum) : t.UnlesbaresDatum; }
