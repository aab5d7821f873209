// The rules of a chart drawing that are plain arithmetic: the value-axis range and number
// format, the number patterns, the column colours of a chart by category, the trend-line
// colours and orders, the least-squares polynomial of a trend line, the parts of a line
// inside the plot area, and the points of a long line that its pixel columns show.
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

// Number-format index 0..3: "####0", "####0.0", "####0.00", "####0.000".
QString Zahlenmuster(int format);
// A value written with the pattern of `format` (regional decimal separator, half to
// even); any other index gives the value's plain text.
QString FormatiereZahl(double wert, int format);

struct Achse {
  double Max = 0, Min = 0;
  int Format = 0;
};
// Widens the value axis or changes its format by its span; `kleinsterWert` is the
// smallest value drawn: the minimum is moved to 0 only when no value lies below 0.
// Max and Min are then rounded to the decimals of the format (when it is 0..3).
Achse Achsenregel(double max, double min, int format, double kleinsterWert);

// Colour of column i (1-based) of a chart by category with `anzahl` columns.
QColor Spaltenfarbe(int i, int anzahl);
// Colour of the trend line of series k (1..5).
QColor Trendlinienfarbe(int k);
// Trend-line type as used (polynomial 3 for anything unknown).
int Trendlinientyp(int typ);
// Order of a polynomial trend line over `punkte` points.
int Trendordnung(int typ, int punkte);

// The points of a line (in order of x) that `spalten` equal columns between xVon and xBis
// show: of the points in one column the first, the lowest, the highest and the last, in
// their order, and where two of them lie on the same side, the dip (or peak) between;
// the first and the last column keep all their points. Drawn through them the line
// passes through the pixels it passes through with all points. A line of no more than
// `jeSpalte` points a column stays whole.
QList<QPointF> SpaltenAuszug(const QList<QPointF>& punkte, double xVon, double xBis, int spalten, int jeSpalte = 4);

// The parts of a line that lie inside `bereich` (x from left to right, y from top to
// bottom, in the line's own values): where the line leaves it, a part ends on its edge;
// where it comes back, the next part begins there. A line wholly inside is one part.
QList<QList<QPointF>> TeileImBereich(const QList<QPointF>& linie, const QRectF& bereich);

// A least-squares polynomial y = a0 + a1 x + ... ; fitted on a scaled variable so that
// thousands of points stay exact.
class Polynom {
 public:
  // Fits the polynomial of `ordnung` (lowered to fewer than the number of points) to the
  // points (x[i], y[i]).
  static Polynom Passe(const std::vector<double>& x, const std::vector<double>& y, int ordnung);
  double operator()(double x) const;
  // The coefficients a0, a1, ... in x.
  std::vector<double> Koeffizienten() const;
  int Ordnung() const { return int(m_b.size()) - 1; }

 private:
  double m_mitte = 0, m_breite = 1;
  std::vector<double> m_b;  // coefficients in t = (x - mitte) / breite
};
