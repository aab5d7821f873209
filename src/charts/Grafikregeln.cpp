#include "charts/Grafikregeln.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <utility>

#include "data/Allgemein.h"

QString Zahlenmuster(int format) {
  switch (format) {
    case 0: return QStringLiteral("####0");
    case 1: return QStringLiteral("####0.0");
    case 2: return QStringLiteral("####0.00");
    case 3: return QStringLiteral("####0.000");
    default: return {};
  }
}

QString FormatiereZahl(double wert, int format) {
  QLocale l;
  l.setNumberOptions(QLocale::OmitGroupSeparator);
  if (format < 0 || format > 3) return l.toString(wert, 'g', 15);
  const double r = RundeGerade(wert, format);
  return l.toString(r == 0 ? 0.0 : r, 'f', format);  // no "-0"
}

Achse Achsenregel(double max, double min, int format, double kleinsterWert) {
  Achse a{max, min, format};
  // The span and the bounds are compared as the decimal values they stand for: 1.1 - 0.6
  // is a little above 0.5 in binary, and must count as 0.5.
  auto dezimal = [](double x) { return RundeGerade(x, 9); };
  const double d = dezimal(max - min);
  auto weite = [&](double w) {
    a.Max += w;
    if (dezimal(a.Min) <= w && kleinsterWert >= 0)
      a.Min = 0;
    else
      a.Min -= w;
  };
  if (d > 9.0) {
  } else if (d > 5.0) {
    if (format == 0) weite(2.0);
  } else if (d > 0.9) {
    if (format == 0) a.Format = 1;
  } else if (d > 0.5) {
    if (format < 2) weite(0.2);
  } else if (d > 0.09) {
    if (format < 2) a.Format = 2;
  } else if (d > 0.05) {
    if (format < 3) weite(0.02);
  } else {
    if (format < 3) a.Format = 3;
  }
  if (a.Format >= 0 && a.Format <= 3) {
    a.Max = RundeGerade(a.Max, a.Format);
    a.Min = RundeGerade(a.Min, a.Format);
  }
  return a;
}

QColor Spaltenfarbe(int i, int anzahl) {
  const int h = anzahl / 3 + 1;
  auto k = [](int v) { return std::clamp(v, 0, 255); };
  if (i <= h) return QColor(33, 255, k((i - 1) * (255 / h + 1)));
  if (i <= 2 * h) return QColor(k(100 + (i - h) * (155 / h + 1)), 25, 15);
  return QColor(255, k((i - 2 * h) * (255 / h + 1)), 255);
}

QColor Trendlinienfarbe(int k) {
  switch (k) {
    case 1: return QColor(255, 5, 5);
    case 2: return QColor(205, 155, 105);
    case 3: return QColor(14, 255, 15);
    case 4: return QColor(5, 5, 255);
    default: return QColor(100, 100, 100);
  }
}

int Trendlinientyp(int typ) { return typ == 0 || (typ >= 2 && typ <= 6) ? typ : 3; }

QList<QPointF> SpaltenAuszug(const QList<QPointF>& punkte, double xVon, double xBis, int spalten, int jeSpalte) {
  if (spalten < 1 || !(xBis > xVon) || punkte.size() <= qsizetype(jeSpalte) * spalten) return punkte;
  const double breite = (xBis - xVon) / spalten;
  auto spalte = [&](qsizetype i) { return std::floor((punkte[i].x() - xVon) / breite); };
  auto y = [&](qsizetype i) { return punkte[i].y(); };
  // The lowest or the highest point strictly between two points.
  auto extrem = [&](qsizetype a, qsizetype b, bool hoch) {
    qsizetype e = a + 1;
    for (qsizetype i = a + 2; i < b; ++i)
      if (hoch ? y(i) > y(e) : y(i) < y(e)) e = i;
    return e;
  };
  QList<QPointF> aus;
  aus.reserve(6 * qsizetype(spalten) + 12);
  for (qsizetype erster = 0; erster < punkte.size();) {
    const double hier = spalte(erster);
    qsizetype tief = erster, hoch = erster, letzter = erster;
    while (letzter + 1 < punkte.size() && spalte(letzter + 1) == hier) {
      ++letzter;
      if (y(letzter) < y(tief)) tief = letzter;
      if (y(letzter) > y(hoch)) hoch = letzter;
    }
    // The first and the last column keep every point: no column beside them covers
    // their outer edge.
    if (hier == spalte(0) || hier == spalte(punkte.size() - 1)) {
      for (qsizetype i = erster; i <= letzter; ++i) aus << punkte[i];
      erster = letzter + 1;
      continue;
    }
    const qsizetype wahl[4] = {erster, std::min(tief, hoch), std::max(tief, hoch), letzter};
    const double mitte = (y(tief) + y(hoch)) / 2;
    aus << punkte[erster];
    for (int k = 1; k < 4; ++k) {
      const qsizetype a = wahl[k - 1], b = wahl[k];
      if (b == a) continue;
      // A step between two high (or two low) points that leaves out a dip (or a peak)
      // would lie flat along the edge of the line and thicken it: the dip stays.
      if (b > a + 1 && (y(a) > mitte) == (y(b) > mitte)) {
        const qsizetype e = extrem(a, b, y(a) <= mitte);
        if ((y(a) > mitte) ? y(e) < std::min(y(a), y(b)) : y(e) > std::max(y(a), y(b))) aus << punkte[e];
      }
      aus << punkte[b];
    }
    erster = letzter + 1;
  }
  return aus;
}

namespace {
// The stretch of the segment a-b inside `r` as the parameters t0 <= t1 of a + t (b - a),
// 0 <= t <= 1 (Liang and Barsky); false when none of it is inside.
bool imBereich(const QPointF& a, const QPointF& b, const QRectF& r, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}
}  // namespace

QList<QList<QPointF>> TeileImBereich(const QList<QPointF>& linie, const QRectF& bereich) {
  QList<QList<QPointF>> teile;
  if (linie.size() == 1) {
    const QPointF& p = linie[0];
    if (bereich.left() <= p.x() && p.x() <= bereich.right() && bereich.top() <= p.y() && p.y() <= bereich.bottom())
      teile << linie;
    return teile;
  }
  QList<QPointF> teil;
  for (qsizetype i = 1; i < linie.size(); ++i) {
    const QPointF a = linie[i - 1], b = linie[i];
    double t0 = 0, t1 = 0;
    if (!imBereich(a, b, bereich, t0, t1)) {
      if (!teil.isEmpty()) teile << std::exchange(teil, {});
      continue;
    }
    // A part goes on from the end of the last segment, which lay inside.
    if (teil.isEmpty()) teil << a + (b - a) * t0;
    teil << a + (b - a) * t1;
    if (t1 < 1) teile << std::exchange(teil, {});
  }
  if (!teil.isEmpty()) teile << teil;
  return teile;
}

int Trendordnung(int typ, int punkte) { return Trendlinientyp(typ) == 3 && punkte > 20 ? 5 : 3; }

Polynom Polynom::Passe(const std::vector<double>& x, const std::vector<double>& y, int ordnung) {
  Polynom p;
  const size_t n = std::min(x.size(), y.size());
  if (n == 0) {
    p.m_b = {0.0};
    return p;
  }
  const int m = std::max(0, std::min(ordnung, int(n) - 1)) + 1;  // number of coefficients
  const auto [lo, hi] = std::minmax_element(x.begin(), x.begin() + n);
  p.m_mitte = (*lo + *hi) / 2.0;
  p.m_breite = (*hi - *lo) / 2.0;
  if (p.m_breite == 0) p.m_breite = 1;
  // Least squares through Householder QR of the Vandermonde matrix in t.
  std::vector<std::vector<double>> a(n, std::vector<double>(m));
  std::vector<double> b(y.begin(), y.begin() + n);
  for (size_t i = 0; i < n; ++i) {
    const double t = (x[i] - p.m_mitte) / p.m_breite;
    double pot = 1;
    for (int j = 0; j < m; ++j, pot *= t) a[i][j] = pot;
  }
  for (int j = 0; j < m; ++j) {
    double norm = 0;
    for (size_t i = j; i < n; ++i) norm += a[i][j] * a[i][j];
    norm = std::sqrt(norm);
    if (norm == 0) continue;
    const double alpha = a[j][j] > 0 ? -norm : norm;
    std::vector<double> v(n, 0.0);
    for (size_t i = j; i < n; ++i) v[i] = a[i][j];
    v[j] -= alpha;
    double vv = 0;
    for (size_t i = j; i < n; ++i) vv += v[i] * v[i];
    if (vv == 0) continue;
    for (int c = j; c < m; ++c) {
      double s = 0;
      for (size_t i = j; i < n; ++i) s += v[i] * a[i][c];
      s = 2 * s / vv;
      for (size_t i = j; i < n; ++i) a[i][c] -= s * v[i];
    }
    double s = 0;
    for (size_t i = j; i < n; ++i) s += v[i] * b[i];
    s = 2 * s / vv;
    for (size_t i = j; i < n; ++i) b[i] -= s * v[i];
  }
  p.m_b.assign(m, 0.0);
  for (int j = m - 1; j >= 0; --j) {
    double s = b[j];
    for (int c = j + 1; c < m; ++c) s -= a[j][c] * p.m_b[c];
    p.m_b[j] = std::abs(a[j][j]) > 1e-300 ? s / a[j][j] : 0.0;
  }
  return p;
}

double Polynom::operator()(double x) const {
  const double t = (x - m_mitte) / m_breite;
  double r = 0;
  for (int j = int(m_b.size()) - 1; j >= 0; --j) r = r * t + m_b[j];
  return r;
}

std::vector<double> Polynom::Koeffizienten() const {
  // sum b_j ((x - c) / w)^j expanded into powers of x.
  const int m = int(m_b.size());
  std::vector<double> a(m, 0.0);
  std::vector<double> pot{1.0};  // coefficients of ((x - c) / w)^j
  for (int j = 0; j < m; ++j) {
    for (int i = 0; i < int(pot.size()); ++i) a[i] += m_b[j] * pot[i];
    std::vector<double> naechste(pot.size() + 1, 0.0);
    for (int i = 0; i < int(pot.size()); ++i) {
      naechste[i + 1] += pot[i] / m_breite;
      naechste[i] -= pot[i] * m_mitte / m_breite;
    }
    pot = std::move(naechste);
  }
  return a;
}
