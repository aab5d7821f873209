// Recalculating a whole scorecard: the arithmetic behind every change of a hole value.
#include <benchmark/benchmark.h>

#include <QLocale>

#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

KartenEingabe VolleKarte() {
  const int par[19] = {0, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4};
  const int index[19] = {0, 7, 3, 15, 1, 11, 5, 17, 9, 13, 8, 16, 2, 12, 4, 10, 18, 6, 14};
  KartenEingabe e;
  for (int i = 1; i <= 18; ++i) {
    KartenLoch& l = e.Loch[i];
    l.Par = QString::number(par[i]);
    l.Vorgabe = QString::number(index[i]);
    l.Score = QString::number(par[i] + i % 3);
    l.Abschlag = "1";
    l.Putts = QString::number(1 + i % 2);
    l.Bunker = i % 5 == 0 ? "1" : "";
    l.Strafschlag = "";
    l.Distance = par[i] == 3 ? "" : QString::number(220 + 5 * i);
    l.Fairway = i % 2;
    l.Chip = i % 4 == 0;
    l.FairwaySichtbar = par[i] != 3;
  }
  e.Spielvorgabe = "20";
  return e;
}

void GanzeKarte(benchmark::State& state) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const KartenEingabe e = VolleKarte();
  for (auto _ : state) {
    KartenErgebnis r = RechneScorekarte(e, 0);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(GanzeKarte);

void HandicapNachRunde(benchmark::State& state) {
  int punkte = 20;
  for (auto _ : state) {
    double h = 36.8;
    benchmark::DoNotOptimize(BerechneHandicap(h, punkte));
    punkte = punkte == 60 ? 20 : punkte + 1;
  }
}
BENCHMARK(HandicapNachRunde);

}  // namespace

BENCHMARK_MAIN();
