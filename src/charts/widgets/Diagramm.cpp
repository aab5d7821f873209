#include "charts/widgets/Diagramm.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <cmath>

#include "charts/Grafikregeln.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
constexpr int MELDUNG_PUNKTE = 39;
constexpr int MELDUNG_SERIEN = 41;
constexpr int MELDUNG_TYP = 42;

// Colours of the data series of a line chart.
const QColor REIHENFARBE[5] = {QColor(0, 0, 128), QColor(153, 51, 102), QColor(0, 128, 128), QColor(128, 0, 128),
                               QColor(128, 128, 0)};

QString oderLeer(const QString& t) { return t.isEmpty() ? QStringLiteral(" ") : t; }

// A tick interval of 1, 2 or 5 times a power of ten giving at most `hoechstens` steps.
double runderSchritt(double spanne, int hoechstens) {
  if (!(spanne > 0)) return 1;
  const double roh = spanne / hoechstens;
  const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
  for (double f : {1.0, 2.0, 5.0, 10.0})
    if (f * zehner >= roh) return f * zehner;
  return 10 * zehner;
}

double wert(const GrafikSerie& s, long p) { return p < long(s.Werte.size()) ? s.Werte[size_t(p)] : 0.0; }
}  // namespace

Diagramm::Diagramm(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  QChart* c = chart();
  c->setLocalizeNumbers(true);
  c->legend()->setAlignment(Qt::AlignBottom);
  c->setBackgroundBrush(Qt::white);
  // The chart's white face covers the whole view: no band of the window's colour around
  // it, on screen or on paper.
  c->layout()->setContentsMargins(0, 0, 0, 0);
  c->setBackgroundRoundness(0);
  QFont f = c->titleFont();
  f.setPointSize(14);
  f.setBold(true);
  c->setTitleFont(f);
  connect(c, &QChart::plotAreaChanged, this, [this] {
    setzeBeschriftungen();
    setzeLinienpunkte(false);
  });
}

Diagramm::~Diagramm() {
  // The chart goes after the lines kept here: it signals nothing to them any more.
  disconnect(chart(), nullptr, this, nullptr);
}

void Diagramm::leere() {
  QChart* c = chart();
  qDeleteAll(m_beschriftungen);
  m_beschriftungen.clear();
  m_beschriftungsorte.clear();
  m_saeulen = nullptr;
  c->removeAllSeries();
  for (QAbstractAxis* a : c->axes()) {
    c->removeAxis(a);
    delete a;
  }
  m_punkte.clear();
  m_linien.clear();
  m_trendlinien = 0;
}

void Diagramm::setzeLinienpunkte(bool immer) {
  // A device pixel is the finest column a line can show.
  const int spalten = int(std::ceil(chart()->plotArea().width() * devicePixelRatioF()));
  if (!immer && spalten == m_spalten) return;
  m_spalten = spalten;
  for (const Linie& l : m_linien) l.reihe->replace(SpaltenAuszug(l.punkte, m_xVon, m_xBis, spalten, l.jeSpalte));
}

bool Diagramm::ZeichneGrafik(GrafikParameter& p, const Grafikdaten& d) {
  if (p.AnzahlPunkte < 2) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_PUNKTE, STIL_INFO);
    return false;
  }
  if (p.AnzahlSerien < 1 || p.AnzahlSerien > 5) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_SERIEN, STIL_KRITISCH);
    return false;
  }
  if (p.Diagrammtyp < 1 || p.Diagrammtyp > 3000) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_TYP, STIL_KRITISCH);
    return false;
  }
  const long n = p.AnzahlPunkte;
  const bool saeulen = p.Diagrammtyp == DIAGRAMM_SAEULEN;

  double kleinster = wert(d.Serie[0], 1);
  for (int k = 0; k < p.AnzahlSerien; ++k)
    for (long i = 1; i <= n; ++i) kleinster = std::min(kleinster, wert(d.Serie[k], i));
  const Achse achse = Achsenregel(p.AchseMax, p.AchseMin, p.Zahlenformat, kleinster);
  p.AchseMax = achse.Max;
  p.AchseMin = achse.Min;
  p.Zahlenformat = achse.Format;
  const int typ = Trendlinientyp(p.Trendlinientyp);
  if (p.Gitternetz < 0 || p.Gitternetz > 3) p.Gitternetz = 0;

  setUpdatesEnabled(false);
  leere();
  QChart* c = chart();
  c->setLocale(QLocale());
  c->setTitle(p.Diagrammtitel);

  auto* y = new QValueAxis;
  y->setRange(p.AchseMin, p.AchseMax);
  if (p.Zahlenformat >= 0 && p.Zahlenformat <= 3) y->setLabelFormat(QStringLiteral("%.%1f").arg(p.Zahlenformat));
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickAnchor(0);
  y->setTickInterval(runderSchritt(p.AchseMax - p.AchseMin, 10));
  y->setTitleText(oderLeer(p.TitelYAchse));
  y->setGridLineVisible(p.Gitternetz == 1 || p.Gitternetz == 3);
  y->setGridLineColor(QColor(0, 5, 5));
  c->addAxis(y, Qt::AlignLeft);

  QAbstractAxis* x = nullptr;
  if (saeulen) {
    auto* reihe = new QStackedBarSeries;
    auto* kategorien = new QBarCategoryAxis;
    QStringList namen;
    for (long i = 1; i <= n; ++i) {
      auto* satz = new QBarSet(i == 1 ? oderLeer(d.Serie[0].Titel) : QString());
      QList<qreal> werte(n, 0.0);
      werte[i - 1] = wert(d.Serie[0], i);
      satz->append(werte);
      const QColor farbe = Spaltenfarbe(int(i), int(n));
      satz->setColor(farbe);
      satz->setBorderColor(farbe.darker(130));
      reihe->append(satz);
      QString name = i < long(d.Serie[0].Beschriftung.size()) ? d.Serie[0].Beschriftung[size_t(i)] : QString();
      if (name.isEmpty() || namen.contains(name)) name = QString::number(i);
      namen << name;
      m_beschriftungsorte << QPointF(double(i - 1), std::max(0.0, wert(d.Serie[0], i)));
      auto* text = new QGraphicsSimpleTextItem(FormatiereZahl(wert(d.Serie[0], i), p.Beschriftungsformat), c);
      QFont f = text->font();
      f.setPointSize(12);
      text->setFont(f);
      text->setZValue(10);
      m_beschriftungen << text;
    }
    reihe->setBarWidth(0.6);
    c->addSeries(reihe);
    kategorien->append(namen);
    kategorien->setGridLineVisible(p.Gitternetz >= 2 && n <= 31);
    c->addAxis(kategorien, Qt::AlignBottom);
    reihe->attachAxis(kategorien);
    reihe->attachAxis(y);
    m_saeulen = reihe;
    m_punkte.push_back(int(n));
    x = kategorien;
  } else {
    auto* ax = new QValueAxis;
    m_xVon = 0.5;
    m_xBis = double(n) + 0.5;
    ax->setRange(m_xVon, m_xBis);
    ax->setLabelFormat(QStringLiteral("%.0f"));
    ax->setTickType(QValueAxis::TicksDynamic);
    ax->setTickAnchor(1);
    ax->setTickInterval(std::max(1.0, runderSchritt(double(n), 20)));
    ax->setTitleText(oderLeer(p.TitelXAchse));
    ax->setGridLineVisible((p.Gitternetz == 2 || p.Gitternetz == 3) && n <= 31);
    c->addAxis(ax, Qt::AlignBottom);
    for (int k = 0; k < p.AnzahlSerien; ++k) {
      auto* reihe = new QLineSeries;
      reihe->setName(oderLeer(d.Serie[k].Titel));
      QList<QPointF> punkte;
      punkte.reserve(n);
      for (long i = 1; i <= n; ++i) punkte << QPointF(double(i), wert(d.Serie[k], i));
      QPen stift(REIHENFARBE[k]);
      stift.setWidthF(2);
      reihe->setPen(stift);
      reihe->setPointsVisible(n <= 60);
      // The points come last, when the series has its axes: its line is laid out once.
      c->addSeries(reihe);
      reihe->attachAxis(ax);
      reihe->attachAxis(y);
      m_linien.push_back({reihe, std::move(punkte), 4});
      m_punkte.push_back(int(n));
    }
    x = ax;
  }

  // Trend lines, drawn as series in the colour of their series, and only inside the plot
  // area: a polynomial may run far past the axis range at its ends.
  const QRectF plot(QPointF(saeulen ? -0.5 : m_xVon, y->min()), QPointF(saeulen ? double(n) - 0.5 : m_xBis, y->max()));
  for (int k = 0; k < 5; ++k) {
    if (!d.Serie[k].Anzeigen || k >= p.AnzahlSerien) continue;
    std::vector<double> xs, ys;
    for (long i = 1; i <= n; ++i) {
      xs.push_back(double(i));
      ys.push_back(wert(d.Serie[k], i));
    }
    const int ordnung = saeulen ? 2 : Trendordnung(typ, int(n));
    const Polynom poly = Polynom::Passe(xs, ys, ordnung);
    const long schritte = std::max<long>(n * (n < 100 ? 8 : 1), 2);
    QList<QPointF> punkte;
    punkte.reserve(schritte + 1);
    for (long s = 0; s <= schritte; ++s) {
      const double xi = 1.0 + double(n - 1) * double(s) / double(schritte);
      punkte << QPointF(saeulen ? xi - 1.0 : xi, poly(xi));
    }
    // Each part inside is a series of its own; the first carries the name in the legend.
    QList<QList<QPointF>> teile = TeileImBereich(punkte, plot);
    if (teile.isEmpty()) teile.push_back({});
    QPen stift(Trendlinienfarbe(k + 1));
    stift.setWidthF(2);
    for (qsizetype t = 0; t < teile.size(); ++t) {
      auto* linie = new QLineSeries;
      linie->setName(t == 0 ? oderLeer(d.Serie[k].Trendlinienname) : QStringLiteral(" "));
      linie->setPen(stift);
      c->addSeries(linie);
      linie->attachAxis(x);
      linie->attachAxis(y);
      if (saeulen)
        linie->replace(teile[t]);
      else
        m_linien.push_back({linie, std::move(teile[t]), 1});
    }
    ++m_trendlinien;
  }
  // A line of thousands of points gets those its pixel columns show.
  setzeLinienpunkte(true);
  // A series or trend line without a name has no legend entry; without any entry the
  // legend takes no room.
  m_legende.clear();
  for (QLegendMarker* m : c->legend()->markers()) {
    const bool benannt = !m->label().trimmed().isEmpty();
    m->setVisible(benannt);
    if (benannt) m_legende << m->label();
  }
  c->legend()->setVisible(!m_legende.isEmpty());
  setUpdatesEnabled(true);
  setzeBeschriftungen();
  return true;
}

void Diagramm::setzeBeschriftungen() {
  if (!m_saeulen) return;
  for (int i = 0; i < m_beschriftungen.size(); ++i) {
    QGraphicsSimpleTextItem* t = m_beschriftungen[i];
    const QPointF oben = chart()->mapToPosition(m_beschriftungsorte[i], m_saeulen);
    const QRectF r = t->boundingRect();
    t->setPos(oben.x() - r.width() / 2, oben.y() - r.height() - 4);
  }
}

QStringList Diagramm::Datenbeschriftungen() const {
  QStringList l;
  for (const auto* t : m_beschriftungen) l << t->text();
  return l;
}

void Diagramm::Ordne(const QSize& groesse) {
  if (groesse.isValid()) resize(groesse);
  if (!isVisible()) {
    // A hidden view lays out its chart when it gets its size.
    chart()->resize(size());
    setzeBeschriftungen();
  }
}

QImage Diagramm::AlsBild(const QSize& groesse) {
  Ordne(groesse);
  return grab().toImage();
}
