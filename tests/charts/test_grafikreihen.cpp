// The series arithmetic of the charts and the rules of the drawing, on hand-computed data.
#include <gtest/gtest.h>

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <cmath>

#include "charts/Grafikregeln.h"
#include "charts/Grafikreihen.h"
#include "data/Allgemein.h"

namespace {

// A round on a course whose holes have the given pars, every hole scored `score` with
// `putts` putts unless changed afterwards.
Rundendaten Runde(int score, int putts = 2, std::array<int, 18> par = {}) {
  Rundendaten r;
  for (int i = 0; i < 18; ++i) {
    r.Par[i] = par[i] ? par[i] : 4;
    r.Loch[i].Score = score;
    r.Loch[i].Putts = putts;
  }
  return r;
}

constexpr std::array<int, 18> PAR_3_4 = {3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4, 3, 4, 4};  // 6 x par 3

Grafikdaten Rechne(Grafikrechnung art, int modus, const std::vector<Rundendaten>& runden, bool ohnePar3 = false) {
  Reihenrechner r(art, modus, ohnePar3);
  for (const auto& x : runden) r.Runde(x);
  return r.Ergebnis(Grafikdaten{});
}

std::vector<double> Punkte(const Grafikdaten& d, int serie = 0) {
  return std::vector<double>(d.Serie[serie].Werte.begin() + 1, d.Serie[serie].Werte.end());
}

TEST(Grafikreihen, StrokesPerCompleteRoundAndPerParClass) {
  Rundendaten leer = Runde(5);
  leer.Loch[3].Score = SCORE_LEER;  // one empty box: no point, 17 holes still count by class
  Rundendaten gestrichen = Runde(4);
  gestrichen.Loch[0].Score = SCORE_GESTRICHEN;
  Rundendaten neun = Runde(6);
  for (int i = 9; i < 18; ++i) neun.Loch[i].Score = SCORE_LEER;  // 9-hole round
  const std::vector<Rundendaten> runden{Runde(4), leer, gestrichen, Runde(5, 2, PAR_3_4), neun};

  const Grafikdaten m1 = Rechne(Grafikrechnung::Score, 1, runden);
  EXPECT_EQ(Punkte(m1), (std::vector<double>{72, 90}));
  EXPECT_EQ(m1.AnzahlWerte, 2);
  EXPECT_EQ(m1.MaxWert, 90);
  EXPECT_EQ(m1.MinWert, 72);

  const Grafikdaten m2 = Rechne(Grafikrechnung::Score, 2, runden);
  // Par 3: six holes scored 5 -> 5 - 3 = 2.
  // Par 4: 18 x 4 + 17 x 5 + 17 x 4 + 12 x 5 + 9 x 6 = 339 over 73 holes, minus 4.
  // All: (339 + 30) / 79 - 4.
  ASSERT_EQ(m2.AnzahlWerte, 3);
  EXPECT_DOUBLE_EQ(Punkte(m2)[0], 2.0);
  EXPECT_DOUBLE_EQ(Punkte(m2)[1], 339.0 / 73.0 - 4.0);
  EXPECT_DOUBLE_EQ(Punkte(m2)[2], 369.0 / 79.0 - 4.0);
  EXPECT_EQ(m2.Serie[0].Beschriftung[1], "72");
  EXPECT_EQ(m2.Serie[0].Beschriftung[2], "73");
  EXPECT_EQ(m2.Serie[0].Beschriftung[3], "76");
  EXPECT_DOUBLE_EQ(m2.MaxWert, 2.0);
}

TEST(Grafikreihen, ClassPointsOfOneRoundFitAndTakeTheirTranslatedLabels) {
  // Fewer than four rounds and missing par classes: every class point is there.
  Reihenrechner r(Grafikrechnung::Putting, 2);
  r.Runde(Runde(4, 1, PAR_3_4));
  const Grafikdaten d = r.Ergebnis(Grafikdaten{}, {"Par 3", "Par 4", "Par 5", "Par 6", "Alle"});
  EXPECT_EQ(Punkte(d), (std::vector<double>{1, 1, 1}));
  EXPECT_EQ(d.Serie[0].Beschriftung[3], "Alle");
  // No class with data: no point, bounds 0.
  Grafikdaten vorher;
  vorher.MaxWert = 9;
  const Grafikdaten leer = Reihenrechner(Grafikrechnung::Putting, 2).Ergebnis(vorher);
  EXPECT_EQ(leer.AnzahlWerte, 0);
  EXPECT_EQ(leer.MaxWert, 0);
}

TEST(Grafikreihen, StablefordCountsStruckHolesAsZero) {
  Rundendaten r = Runde(4);  // par on every hole: 36 points
  r.Loch[0].Score = SCORE_GESTRICHEN;
  r.Loch[1].Score = 3;  // birdie: 3 points
  const Grafikdaten d = Rechne(Grafikrechnung::Bruttopunkte, 1, {r});
  EXPECT_EQ(Punkte(d), (std::vector<double>{35}));
  const Grafikdaten k = Rechne(Grafikrechnung::Bruttopunkte, 2, {r});
  EXPECT_DOUBLE_EQ(Punkte(k)[0], 35.0 / 18.0);
}

TEST(Grafikreihen, FairwayHitsLeaveOutPar3HolesByTheSetting) {
  std::array<int, 18> par{};
  par.fill(4);
  par[2] = par[11] = 3;  // 16 counted holes
  Rundendaten zwei = Runde(4, 2, par), sechs = Runde(4, 2, par);
  zwei.Loch[0].Fairwaytreffer = zwei.Loch[1].Fairwaytreffer = true;
  for (int i : {0, 1, 3, 4, 5, 6}) sechs.Loch[i].Fairwaytreffer = true;
  sechs.Loch[2].Score = SCORE_GESTRICHEN;  // a par-3 hole left out does not spoil the round
  Rundendaten leer = sechs;
  leer.Loch[11].Score = SCORE_LEER;  // an empty par-3 box still does
  const Grafikdaten d = Rechne(Grafikrechnung::Fairwaytreffer, 1, {zwei, sechs, leer}, true);
  EXPECT_EQ(Punkte(d), (std::vector<double>{12, 38}));  // 12.5 -> 12, 37.5 -> 38
  const Grafikdaten k = Rechne(Grafikrechnung::Fairwaytreffer, 2, {zwei}, true);
  EXPECT_EQ(k.AnzahlWerte, 2);
  EXPECT_EQ(k.Serie[0].Beschriftung[1], "73");  // no par-3 point
  // Without the setting the struck hole (score 102) is a counted hole without a hit.
  Rundendaten s = Runde(4);
  s.Loch[0].Score = SCORE_GESTRICHEN;
  s.Loch[0].Fairwaytreffer = true;
  EXPECT_EQ(Punkte(Rechne(Grafikrechnung::Fairwaytreffer, 1, {s})), (std::vector<double>{6}));  // 1/18
}

TEST(Grafikreihen, GreensInRegulationKeepTwoDecimals) {
  Rundendaten r = Runde(5, 2);  // 5 - 2 = 3 > 2: no green
  for (int i = 0; i < 7; ++i) r.Loch[i].Score = 4;
  const Grafikdaten d = Rechne(Grafikrechnung::GIR, 1, {r});
  EXPECT_EQ(Punkte(d), (std::vector<double>{38.89}));
  r.Loch[8].Putts = SCORE_LEER;  // putts missing: round incomplete
  EXPECT_EQ(Rechne(Grafikrechnung::GIR, 1, {r}).AnzahlWerte, 0);
}

TEST(Grafikreihen, PuttingComparisonsFillTwoSeriesAndBothBounds) {
  Rundendaten ohneChip = Runde(4, 2);
  Rundendaten chip = Runde(4, 2);
  chip.Loch[0].Chip = true;
  chip.Loch[0].Putts = 1;
  const Grafikdaten d = Rechne(Grafikrechnung::PuttingChip, 1, {ohneChip, chip});
  EXPECT_EQ(Punkte(d, 0), (std::vector<double>{1}));
  EXPECT_EQ(Punkte(d, 1), (std::vector<double>{35.0 / 18.0}));
  EXPECT_EQ(d.MinWert, 1);
  EXPECT_DOUBLE_EQ(d.MaxWert, 35.0 / 18.0);

  // Greens in regulation: 4 - 2 = 2 on a par 4 is a green; the pitch chart ignores the score.
  Rundendaten g = Runde(5, 2);
  g.Loch[0].Score = 4;
  g.Loch[1].Pitch = true;
  g.Loch[1].Score = SCORE_GESTRICHEN;
  EXPECT_EQ(Rechne(Grafikrechnung::PuttingGIR, 1, {g}).AnzahlWerte, 0);  // struck hole spoils it
  EXPECT_EQ(Punkte(Rechne(Grafikrechnung::PuttingPitch, 1, {g}), 0), (std::vector<double>{2}));
  g.Loch[1].Score = 5;
  EXPECT_EQ(Punkte(Rechne(Grafikrechnung::PuttingGIR, 1, {g}), 0), (std::vector<double>{2}));
  // Other putts: neither green nor chip nor pitch: 16 holes of 2 putts.
  EXPECT_EQ(Punkte(Rechne(Grafikrechnung::PuttingSonstige, 1, {g}), 0), (std::vector<double>{2}));
  // A Null par makes the hole unusable for the chip chart too.
  chip.Par[5] = FELD_NULL;
  EXPECT_EQ(Rechne(Grafikrechnung::PuttingChip, 1, {chip}).AnzahlWerte, 0);
}

TEST(Grafikreihen, RoundsWithoutPointsKeepThePreviousBounds) {
  Grafikdaten vorher;
  vorher.MaxWert = 80;
  vorher.MinWert = 70;
  Reihenrechner r(Grafikrechnung::Score, 1);
  Rundendaten neun = Runde(4);
  neun.Loch[17].Score = SCORE_LEER;
  r.Runde(neun);
  const Grafikdaten d = r.Ergebnis(vorher);
  EXPECT_EQ(d.AnzahlWerte, 0);
  EXPECT_EQ(d.MaxWert, 80);
  EXPECT_EQ(d.MinWert, 70);
}

TEST(Grafikreihen, TenThousandRoundsSumWithoutOverflow) {
  Reihenrechner m1(Grafikrechnung::Score, 1), m2(Grafikrechnung::Score, 2);
  const Rundendaten r = Runde(9);
  for (int i = 0; i < 10000; ++i) {
    m1.Runde(r);
    m2.Runde(r);
  }
  const Grafikdaten a = m1.Ergebnis(Grafikdaten{});
  EXPECT_EQ(a.AnzahlWerte, 10000);
  EXPECT_EQ(a.Serie[0].Werte[10000], 162);
  const Grafikdaten b = m2.Ergebnis(Grafikdaten{});
  EXPECT_DOUBLE_EQ(b.Serie[0].Werte[1], 5.0);  // 1,620,000 strokes over 180,000 holes, minus 4
}

TEST(Grafikreihen, HandicapSeriesTakesValuesFromMinus20To100) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const std::vector<QVariant> werte{QVariant(36.0),   QVariant(100.0), QVariant(100.1),
                                    QVariant(-20.0),  QVariant(-20.5), QVariant(QMetaType::fromType<double>()),
                                    QVariant("12,5"), QVariant("---"), QVariant("abc")};
  const Grafikdaten d = Handicapreihe(werte, Grafikdaten{});
  EXPECT_EQ(Punkte(d), (std::vector<double>{36, 100, -20, 12.5}));
  EXPECT_EQ(d.MaxWert, 100);
  EXPECT_EQ(d.MinWert, -20);
  Grafikdaten vorher;
  vorher.MaxWert = 5;
  const Grafikdaten keine = Handicapreihe({QVariant(200.0)}, vorher);
  EXPECT_EQ(keine.AnzahlWerte, 0);
  EXPECT_EQ(keine.MaxWert, 5);
}

TEST(Grafikreihen, FieldCodesFollowTheScoreRules) {
  EXPECT_EQ(ScorecodeAusWert(QVariant()), FELD_NULL);
  EXPECT_EQ(ScorecodeAusWert(QVariant(99)), SCORE_GESTRICHEN);
  EXPECT_EQ(ScorecodeAusWert(QVariant(0)), SCORE_UNGUELTIG);
  EXPECT_EQ(PuttcodeAusWert(QVariant(0)), 0);
  EXPECT_EQ(PuttcodeAusWert(QVariant(101)), SCORE_UNGUELTIG);
  EXPECT_EQ(ScorecodeAusWert(QVariant("-")), SCORE_GESTRICHEN);
  EXPECT_EQ(PuttcodeAusWert(QVariant("")), SCORE_LEER);
  EXPECT_EQ(ScorecodeAusWert(QVariant(4.5)), 4);  // half to even
}

// ----------------------------------------------------------------------------- drawing rules

TEST(Grafikregeln, AxisRuleWorkedExamples) {
  Achse a = Achsenregel(12.0, 5.0, 0, 6.0);
  EXPECT_EQ(a.Max, 14);
  EXPECT_EQ(a.Min, 3);
  EXPECT_EQ(a.Format, 0);
  a = Achsenregel(8.4, 1.5, 0, 2.5);
  EXPECT_EQ(a.Max, 10);
  EXPECT_EQ(a.Min, 0);
  a = Achsenregel(7.0, 3.0, 0, 4.0);
  EXPECT_EQ(a.Max, 7);
  EXPECT_EQ(a.Min, 3);
  EXPECT_EQ(a.Format, 1);
  a = Achsenregel(1.3, 0.6, 2, 0.7);
  EXPECT_DOUBLE_EQ(a.Max, 1.3);
  EXPECT_DOUBLE_EQ(a.Min, 0.6);
  EXPECT_EQ(a.Format, 2);
  a = Achsenregel(1.3, 0.6, 1, 0.7);
  EXPECT_DOUBLE_EQ(a.Max, 1.5);
  EXPECT_DOUBLE_EQ(a.Min, 0.4);
  EXPECT_EQ(a.Format, 1);
  a = Achsenregel(1.03, 1.0, 0, 1.01);
  EXPECT_EQ(a.Format, 3);
  EXPECT_DOUBLE_EQ(a.Max, 1.03);
  EXPECT_DOUBLE_EQ(a.Min, 1.0);
  EXPECT_EQ(Achsenregel(30, 1, 0, 2).Min, 1);  // span above 9: nothing changes
}

// The span is taken as the decimal value the bounds stand for, not as its binary
// difference (1.1 - 0.6 is 0.5000000000000001 in binary).
TEST(Grafikregeln, AxisRuleTakesTheSpanAsADecimalValue) {
  Achse a = Achsenregel(1.1, 0.6, 1, 0.7);  // span 0.5: two decimals, no widening
  EXPECT_EQ(a.Format, 2);
  EXPECT_DOUBLE_EQ(a.Max, 1.1);
  EXPECT_DOUBLE_EQ(a.Min, 0.6);
  a = Achsenregel(1.6, 0.7, 0, 0.8);  // span 0.9: widened by 0.2, format kept
  EXPECT_EQ(a.Format, 0);
  EXPECT_DOUBLE_EQ(a.Max, 2);
  EXPECT_DOUBLE_EQ(a.Min, 0);  // 0.5 to whole numbers, half to even
  a = Achsenregel(1.6, 0.7, 1, 0.8);
  EXPECT_DOUBLE_EQ(a.Max, 1.8);
  EXPECT_DOUBLE_EQ(a.Min, 0.5);
  a = Achsenregel(1.12, 1.03, 2, 1.05);  // span 0.09: widened by 0.02
  EXPECT_EQ(a.Format, 2);
  EXPECT_DOUBLE_EQ(a.Max, 1.14);
  EXPECT_DOUBLE_EQ(a.Min, 1.01);
}

TEST(Grafikregeln, AxisMinimumStaysBelowNegativeValues) {
  // Strokes against par by class: -0.4 .. 0.3 with the step 0.1 -> -0.5 .. 0.4, F1.
  const Achse a = Achsenregel(0.4, -0.5, 1, -0.4);
  EXPECT_DOUBLE_EQ(a.Min, -0.7);
  EXPECT_DOUBLE_EQ(a.Max, 0.6);
  // All values at or above 0: the minimum may go to 0.
  EXPECT_EQ(Achsenregel(0.8, -0.1, 1, 0.0).Min, 0);
}

TEST(Grafikregeln, NumberPatternsUseTheRegionalSeparator) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(Zahlenmuster(2), "####0.00");
  EXPECT_EQ(FormatiereZahl(1.005, 1), "1,0");
  EXPECT_EQ(FormatiereZahl(2.5, 0), "2");
  EXPECT_EQ(FormatiereZahl(12345.678, 2), "12345,68");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(FormatiereZahl(0.0625, 3), "0.062");
}

TEST(Grafikregeln, ColumnColoursInThreeBands) {
  const QColor erwartet[] = {{33, 255, 0}, {33, 255, 128}, {178, 25, 15}, {255, 25, 15}, {255, 128, 255}};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(Spaltenfarbe(i, 5), erwartet[i - 1]) << i;
  EXPECT_EQ(Spaltenfarbe(1, 1), QColor(33, 255, 0));
  EXPECT_EQ(Trendlinienfarbe(2), QColor(205, 155, 105));
}

TEST(Grafikregeln, TrendLineOrderAndType) {
  EXPECT_EQ(Trendordnung(3, 20), 3);
  EXPECT_EQ(Trendordnung(3, 21), 5);
  EXPECT_EQ(Trendlinientyp(1), 3);
  EXPECT_EQ(Trendlinientyp(7), 3);
  EXPECT_EQ(Trendlinientyp(0), 0);
}

TEST(Grafikregeln, PolynomialFitFindsKnownCoefficients) {
  // y = 2 - 3x + 0.5x^2 + 0.01x^3 on x = 1..20 exactly.
  std::vector<double> x, y;
  for (int i = 1; i <= 20; ++i) {
    x.push_back(i);
    y.push_back(2 - 3.0 * i + 0.5 * i * i + 0.01 * i * i * i);
  }
  const Polynom p = Polynom::Passe(x, y, 3);
  const std::vector<double> a = p.Koeffizienten();
  ASSERT_EQ(a.size(), 4u);
  EXPECT_NEAR(a[0], 2, 1e-8);
  EXPECT_NEAR(a[1], -3, 1e-8);
  EXPECT_NEAR(a[2], 0.5, 1e-9);
  EXPECT_NEAR(a[3], 0.01, 1e-10);
  // Least squares on noisy points: a straight line through (1,1), (2,3), (3,2) is
  // y = 1 + 0.5x.
  const Polynom g = Polynom::Passe({1, 2, 3}, {1, 3, 2}, 1);
  EXPECT_NEAR(g.Koeffizienten()[0], 1.0, 1e-12);
  EXPECT_NEAR(g.Koeffizienten()[1], 0.5, 1e-12);
  // Order 5 over 5,000 points stays exact.
  std::vector<double> gx, gy;
  for (int i = 1; i <= 5000; ++i) {
    gx.push_back(i);
    gy.push_back(80 + 1e-3 * i - 1e-15 * std::pow(i, 5));
  }
  const Polynom f = Polynom::Passe(gx, gy, 5);
  EXPECT_NEAR(f(2500), 80 + 2.5 - 1e-15 * std::pow(2500, 5), 1e-6);
  // Fewer points than the order needs: the order is lowered.
  EXPECT_EQ(Polynom::Passe({1, 2}, {3, 5}, 3).Ordnung(), 1);
}

TEST(Grafikregeln, OnlyThePartsOfALineInsideThePlotArea) {
  const QRectF plot(QPointF(0, 0), QPointF(4, 10));
  // Wholly inside, the edges included: the line itself.
  const QList<QPointF> innen{{0, 0}, {2, 10}, {4, 5}};
  EXPECT_EQ(TeileImBereich(innen, plot), QList<QList<QPointF>>({innen}));
  // Over the top and back: two parts, each ending and beginning on the edge.
  const QList<QList<QPointF>> teile = TeileImBereich({{0, 5}, {1, 15}, {2, 15}, {3, 5}, {4, 0}}, plot);
  ASSERT_EQ(teile.size(), 2);
  EXPECT_EQ(teile[0], QList<QPointF>({{0, 5}, {0.5, 10}}));
  EXPECT_EQ(teile[1], QList<QPointF>({{2.5, 10}, {3, 5}, {4, 0}}));
  // Below the bottom at both ends; wholly outside: nothing.
  EXPECT_EQ(TeileImBereich({{0, -10}, {2, 10}, {4, -10}}, plot), QList<QList<QPointF>>({{{1, 0}, {2, 10}, {3, 0}}}));
  EXPECT_TRUE(TeileImBereich({{0, 20}, {4, 30}}, plot).isEmpty());
}

// A line of far more points than pixel columns: what is left of it, and the picture of
// both drawn without smoothing, column for column the same.
TEST(Grafikregeln, ALongLineKeepsWhatItsPixelColumnsShow) {
  // No more than four points a column: the line stays whole.
  QList<QPointF> kurz;
  for (int i = 1; i <= 400; ++i) kurz << QPointF(i, i % 7);
  EXPECT_EQ(SpaltenAuszug(kurz, 0.5, 400.5, 100), kurz);
  EXPECT_EQ(SpaltenAuszug(kurz, 0.5, 400.5, 0), kurz);

  // 10,000 rounds with values jumping up and down, over 400 columns.
  constexpr int N = 10000, SPALTEN = 400;
  QList<QPointF> lang;
  unsigned zufall = 12345;
  for (int i = 1; i <= N; ++i) {
    zufall = zufall * 1103515245u + 12345u;
    lang << QPointF(i, 60 + double((zufall >> 16) % 4000) / 100.0);
  }
  const double von = 0.5, bis = N + 0.5;
  const QList<QPointF> auszug = SpaltenAuszug(lang, von, bis, SPALTEN);
  EXPECT_LT(auszug.size(), N / 2);
  ASSERT_FALSE(auszug.isEmpty());
  EXPECT_EQ(auszug.first(), lang.first());
  EXPECT_EQ(auszug.last(), lang.last());
  // Points of the line in their order, and in every column its lowest and highest.
  int j = 0;
  for (const QPointF& p : auszug) {
    while (j < N && lang[j] != p) ++j;
    ASSERT_LT(j, N) << "not a point of the line, or out of order";
  }
  auto spalte = [&](const QPointF& p) { return int(std::floor((p.x() - von) / (bis - von) * SPALTEN)); };
  std::vector<double> tief(SPALTEN, 1e9), hoch(SPALTEN, -1e9), tiefA(SPALTEN, 1e9), hochA(SPALTEN, -1e9);
  for (const QPointF& p : lang) {
    tief[spalte(p)] = std::min(tief[spalte(p)], p.y());
    hoch[spalte(p)] = std::max(hoch[spalte(p)], p.y());
  }
  for (const QPointF& p : auszug) {
    tiefA[spalte(p)] = std::min(tiefA[spalte(p)], p.y());
    hochA[spalte(p)] = std::max(hochA[spalte(p)], p.y());
  }
  EXPECT_EQ(tiefA, tief);
  EXPECT_EQ(hochA, hoch);

  // Drawn segment by segment, as the chart draws a line, one pixel a column: the same
  // pixels but for the odd one where a segment ends (no more than one in a thousand).
  auto bild = [&](const QList<QPointF>& punkte) {
    QImage b(SPALTEN, 120, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter m(&b);
    m.setPen(QPen(Qt::black, 0));
    auto ort = [&](const QPointF& p) { return QPointF((p.x() - von) / (bis - von) * SPALTEN, p.y()); };
    for (qsizetype i = 1; i < punkte.size(); ++i) m.drawLine(ort(punkte[i - 1]), ort(punkte[i]));
    return b;
  };
  const QImage ganz = bild(lang), duenn = bild(auszug);
  int linie = 0, anders = 0;
  for (int y = 0; y < ganz.height(); ++y)
    for (int x = 0; x < ganz.width(); ++x) {
      linie += ganz.pixel(x, y) != QColor(Qt::white).rgb();
      anders += ganz.pixel(x, y) != duenn.pixel(x, y);
    }
  EXPECT_GT(linie, SPALTEN * 20);
  EXPECT_LE(anders, linie / 1000);
}

}  // namespace
