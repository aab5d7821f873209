// The chart computations over the database: they read the selected rounds (through the
// stored analysis selection, in date order) or the active golfer's handicap history on
// the chart-computation connection DBT(), show the progress window while they read, and
// leave the series in AktuelleGrafikdaten(). None of them shows an error when there is
// nothing to chart: the drawing then refuses the chart of fewer than two points.
#pragma once

#include <QString>

#include "charts/Grafikreihen.h"

// The rounds of the analysis selection through qryAnalyseSortiert (rewritten first).
// Modus 1 one point per complete round, 2 one point per par class. Always false.
bool BerechneGrafik(Grafikrechnung art, int Modus);
bool CalcGrafikScore(int Modus);
bool CalcGrafikBP(int Modus);
bool CalcGrafikFWT(int Modus);
bool CalcGrafikPutting(int Modus);
bool CalcGrafikGIR(int Modus);
// Art 1 chip, any other value pitch.
bool CalcGrafikPuttingPC(int Art);
bool CalcGrafikPuttingGIR();
bool CalcGrafikPuttingSonstige();
// The active golfer's exact handicap between two dates (inclusive; the interface
// language's form, month/day/year or ISO). An empty date leaves that end open.
bool CalcGrafikHdcp(const QString& VonDatum, const QString& BisDatum);
