// The chart computations over the database: they read the selected rounds (through the
// stored analysis selection, in date order) or a golfer's handicap history on the
// chart-computation connection DBT(), tell their progress while they go through what they
// read, and leave the series in AktuelleGrafikdaten(). None of them shows an error when
// there is nothing to chart: the drawing then refuses the chart of fewer than two points.
#pragma once

#include <QString>
#include <functional>

#include "charts/Grafikreihen.h"

// The progress of a computation: Wert of Anzahl done, and the text for the progress
// window, which the window asking for the chart shows (Fortschrittsanzeige). Told at the
// first step and then about once per percent.
using Grafikfortschritt = std::function<void(double Wert, long Anzahl, const QString& Text)>;

// The rounds of the analysis selection through qryAnalyseSortiert (rewritten first).
// Modus 1 one point per complete round, 2 one point per par class. The result tells
// nothing (false whatever happened): the chart is what AktuelleGrafikdaten() holds after.
bool BerechneGrafik(Grafikrechnung art, int Modus, const Grafikfortschritt& Fortschritt = {});
// The charts of the selected rounds, one computation each: strokes, gross Stableford
// points, fairway hits, putts and greens in regulation (Modus as above); putts after a
// chip or a pitch (Art 1 chip, any other value pitch), on greens in regulation and on the
// other holes, each against all putts, one point per complete round.
bool CalcGrafikScore(int Modus, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikBP(int Modus, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikFWT(int Modus, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikPutting(int Modus, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikGIR(int Modus, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikPuttingPC(int Art, const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikPuttingGIR(const Grafikfortschritt& Fortschritt = {});
bool CalcGrafikPuttingSonstige(const Grafikfortschritt& Fortschritt = {});
// The golfer's exact handicap between two dates (inclusive; the interface language's
// form, month/day/year or ISO). An empty date leaves that end open.
bool CalcGrafikHdcp(const QString& Golferidn, const QString& VonDatum, const QString& BisDatum,
                    const Grafikfortschritt& Fortschritt = {});
