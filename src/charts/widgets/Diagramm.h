// The chart layer: one chart drawn from a chart request and the chart data, over Qt
// Charts. Line charts of up to five series and column charts by category, with title,
// axis titles, value-axis range and number format, gridlines, legend at the bottom,
// column colours, data labels above the columns and polynomial trend lines in the
// series colours (fitted by Polynom, drawn as series).
#pragma once

#include <QChartView>
#include <QImage>
#include <QList>
#include <QPointF>
#include <vector>

#include "charts/Grafikreihen.h"

class QGraphicsSimpleTextItem;
class QLineSeries;

// Chart types of a request.
inline constexpr int DIAGRAMM_LINIEN = 4;    // line chart, one point per category
inline constexpr int DIAGRAMM_SAEULEN = 98;  // columns by category with data labels

// One chart request. The drawing writes back Gitternetz (0 when out of range), the axis
// bounds and the number format that the axis rule chose.
struct GrafikParameter {
  QString Objektname;
  int AnzahlSerien = 1;               // 1..5
  int Diagrammtyp = DIAGRAMM_LINIEN;  // 1..3000
  int Gitternetz = 0;                 // 0 none, 1 value axis, 2 category axis, 3 both
  int Trendlinientyp = 3;             // 3 polynomial
  long AnzahlPunkte = 0;              // at least 2
  QString Diagrammtitel, TitelXAchse, TitelYAchse;
  double AchseMax = 0, AchseMin = 0;
  int Zahlenformat = 0;         // 0..3, see Zahlenmuster
  int Beschriftungsformat = 0;  // data labels of a column chart
};

class Diagramm : public QChartView {
  Q_OBJECT
 public:
  explicit Diagramm(QWidget* parent = nullptr);
  ~Diagramm() override;

  // Checks the request (messages 39, 41, 42: the chart keeps what it shows) and draws
  // the chart. True when drawn.
  bool ZeichneGrafik(GrafikParameter& p, const Grafikdaten& d);

  // What is drawn: data series (trend lines not counted), their points (a column chart is
  // one series whose points are its columns), trend lines, value-axis range and pattern.
  int AnzahlReihen() const { return int(m_punkte.size()); }
  int Punkte(int reihe) const { return reihe >= 0 && reihe < int(m_punkte.size()) ? m_punkte[reihe] : 0; }
  int AnzahlTrendlinien() const { return m_trendlinien; }
  QStringList Datenbeschriftungen() const;
  // The texts of the legend entries drawn, in legend order.
  QStringList Legende() const { return m_legende; }
  // The chart as a picture of the given size (the widget's size when empty).
  QImage AlsBild(const QSize& groesse = {});
  // Gives the chart the size (the widget's when empty) and lays it out as drawn, also
  // while the view is hidden.
  void Ordne(const QSize& groesse = {});

 private:
  void leere();
  void setzeBeschriftungen();
  // Gives each line of a line chart the points that the plot area's pixel columns show
  // (again only when their number changed, or `immer`).
  void setzeLinienpunkte(bool immer);
  // The lines of a line chart with all their points, and the x range of the chart. A
  // trend line, smooth, is thinned from two points a column, a line of values from five.
  struct Linie {
    QLineSeries* reihe;
    QList<QPointF> punkte;
    int jeSpalte;
  };
  std::vector<Linie> m_linien;
  double m_xVon = 0, m_xBis = 0;
  int m_spalten = -1;
  QList<QGraphicsSimpleTextItem*> m_beschriftungen;
  QList<QPointF> m_beschriftungsorte;
  QAbstractSeries* m_saeulen = nullptr;
  std::vector<int> m_punkte;
  QStringList m_legende;
  int m_trendlinien = 0;
};
