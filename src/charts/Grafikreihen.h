// The chart data and the series arithmetic of the charts: one value per complete round,
// one value per par class, the two-series putting comparisons and the handicap history.
// Takes the rounds as values and returns the series; reads no window and no database.
#pragma once

#include <QString>
#include <QVariant>
#include <array>
#include <vector>

#include "statistics/Rundendaten.h"

// One chart series.
struct GrafikSerie {
  std::vector<double> Werte;            // point k at index k (k >= 1); element 0 is never a point
  bool Anzeigen = false;                // a trend line is drawn for the series
  QString Titel;                        // legend text
  std::array<QString, 7> Beschriftung;  // category labels 1..6 (per-par-class charts)
  QString Trendlinienname;
};

// Everything a chart computation leaves for the drawing.
struct Grafikdaten {
  std::array<GrafikSerie, 5> Serie;
  long AnzahlWerte = 0;  // number of points
  double MaxWert = 0, MinWert = 0;
};

// The program-wide chart data that the computations fill and the chart window draws.
Grafikdaten& AktuelleGrafikdaten();

// The computations over the selected rounds.
enum class Grafikrechnung {
  Score,
  Bruttopunkte,
  Fairwaytreffer,
  Putting,
  GIR,
  PuttingChip,
  PuttingPitch,
  PuttingGIR,
  PuttingSonstige
};
// The label numbers of the par classes: par 3, 4, 5, 6, all holes.
inline constexpr std::array<int, 5> KLASSENTEXT = {72, 73, 74, 75, 76};

// Gathers the rounds one after the other in date order in one pass. Modus 1: one point per
// complete round; Modus 2: one point per par class that has data. The putting comparisons
// ignore Modus and fill two series. `ohnePar3Fairway`: par-3 holes are left out of the
// fairway chart.
class Reihenrechner {
 public:
  Reihenrechner(Grafikrechnung art, int modus, bool ohnePar3Fairway = false);
  void Runde(const Rundendaten& runde);
  // The chart data after the last round. `vorher` supplies what a computation leaves
  // alone: trend-line flags, names, labels not rewritten, and the bounds when no point
  // was written. `klassenTexte`: the labels of the five classes (empty: the numbers of
  // KLASSENTEXT as text).
  Grafikdaten Ergebnis(const Grafikdaten& vorher, const std::array<QString, 5>& klassenTexte = {}) const;

 private:
  void punkt(double wert, double wert2, bool zwei);
  Grafikrechnung m_art;
  int m_modus;
  bool m_ohnePar3;
  // Per class 0..3 par 3..6, 4 all holes.
  std::array<long long, 5> m_klasseSumme{}, m_klasseAnzahl{};
  std::vector<double> m_p1{0.0}, m_p2{0.0};
  bool m_hatPunkt = false;
  double m_max = 0, m_min = 0;
};

// The handicap series: one point per history row whose exact handicap (as stored: Null,
// a number or a text) reads as a number from -20 to 100.
Grafikdaten Handicapreihe(const std::vector<QVariant>& stammvorgaben, const Grafikdaten& vorher);
