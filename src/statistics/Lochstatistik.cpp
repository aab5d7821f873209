#include "statistics/Lochstatistik.h"

#include "data/Allgemein.h"
#include "scoring/Scoreberechnungen.h"

namespace {

// A score that counts for the averages of strokes: a number of strokes, not a struck hole.
bool zaehltFuerScore(int s) { return s >= 1 && s < 99; }
// A valid result: a number of strokes or a struck hole.
bool gueltig(int s) { return s >= 0 && (s < SCORE_UNGUELTIG || s == SCORE_GESTRICHEN); }
// Putts that count: the statistics read the putts as they read a score, so 0 is no number
// of putts and 99 the mark of a hole not played.
bool puttsNutzbar(int p) { return p >= 1 && p < 99; }
// A par that the result classes and the points know; any other (empty, 0, 7 ...) is none.
bool parBekannt(int p) { return p >= 3 && p <= 6; }

// Count and sum of one statistic per column.
template <int N>
struct Summen {
  std::array<long long, N> n{};
  std::array<double, N> s{};
  void add(int i, double wert) {
    ++n[i];
    s[i] += wert;
  }
};

}  // namespace

int Ergebnisklasse(int s, int p) {
  if (s == 1) return 0;
  if ((p == 5 && s == 2) || (p == 6 && (s == 2 || s == 3))) return 1;
  if (s == p - 2 && p > 3) return 2;
  if (s == p - 1) return 3;
  if (s == p) return 4;
  if (s == p + 1) return 5;
  if (s == p + 2) return 6;
  if (s == p + 3) return 7;
  if (s > p + 3) return 8;
  return -1;
}

// ---------------------------------------------------------------------------------------
// Per hole of one course

namespace {

using Loch21 = Summen<22>;

// Rows 19 (holes 1-9), 20 (holes 10-18) and 21 (all) from the holes.
void summiereReihen(Loch21& a) {
  for (int i = 1; i <= 18; ++i) {
    const int r = i <= 9 ? 19 : 20;
    a.n[r] += a.n[i];
    a.s[r] += a.s[i];
  }
  a.n[21] = a.n[19] + a.n[20];
  a.s[21] = a.s[19] + a.s[20];
}

// Averages: holes the mean, rows 19 and 20 nine times it, row 21 eighteen times.
void schreibeMittel(Statistikzeile& z, const Loch21& a, int stellen, bool mitFaktor) {
  for (int r = 1; r <= 21; ++r) {
    const double faktor = !mitFaktor || r <= 18 ? 1.0 : (r == 21 ? 18.0 : 9.0);
    SetzeZelle(z[r], a.n[r] >= 1, a.n[r] >= 1 ? a.s[r] / double(a.n[r]) * faktor : 0, stellen);
  }
}

// Shares in percent: holes with one decimal, rows with two.
void schreibeAnteil(Statistikzeile& z, const Loch21& a) {
  for (int r = 1; r <= 21; ++r)
    SetzeZelle(z[r], a.n[r] >= 1, a.n[r] >= 1 ? a.s[r] * 100.0 / double(a.n[r]) : 0, r <= 18 ? 1 : 2);
}

}  // namespace

Statistiktabelle BerechneLochstatistik(const QVector<Rundendaten>& runden, const std::optional<Platzdaten>& platz,
                                       const Statistikeinstellungen& e) {
  Statistiktabelle t = LeereStatistiktabelle(Statistikart::Golfplatz);
  t.Runden = int(runden.size());
  std::array<int, 19> par{};
  if (platz) {
    Statistikzeile& parZeile = *t.Zeile(Zeilenname::ParLoch);
    Statistikzeile& vorgabe = *t.Zeile(Zeilenname::VorgabeLoch);
    long long vorne = 0, hinten = 0;
    for (int i = 1; i <= 18; ++i) {
      par[i] = platz->Par[i - 1];
      parZeile[i].Text = platz->ParText[i - 1];
      vorgabe[i].Text = platz->Vorgabe[i - 1];
      (i <= 9 ? vorne : hinten) += par[i];
    }
    SetzeAnzahl(parZeile[19], vorne);
    SetzeAnzahl(parZeile[20], hinten);
    SetzeAnzahl(parZeile[21], vorne + hinten);
  }
  if (runden.isEmpty()) return t;

  Loch21 score, punkte, fwt, distanz, gir, puttGesamt, puttGir, puttChip, puttPitch, puttSonst, bunker;
  std::array<std::array<long long, 9>, 22> klassen{};
  std::array<long long, 22> gespielt{};  // valid results per column
  for (const Rundendaten& runde : runden) {
    for (int i = 1; i <= 18; ++i) {
      const Lochdaten& l = runde.Loch[i - 1];
      const int s = l.Score;
      const int p = par[i];
      if (zaehltFuerScore(s)) score.add(i, s);
      if (!gueltig(s)) continue;
      ++gespielt[i];
      // A hole without a known par earns no points and falls into no result class.
      punkte.add(i, s == SCORE_GESTRICHEN || !parBekannt(p) ? 0 : StablefordPunkte(s, p));
      const bool par3 = p == 3;
      if (!(par3 && !e.FairwayPar3)) fwt.add(i, l.Fairwaytreffer ? 1 : 0);
      if (!(par3 && !e.DistanzPar3) && l.Distance >= 0) distanz.add(i, l.Distance);
      if (const int k = parBekannt(p) ? Ergebnisklasse(s, p) : -1; k >= 0) ++klassen[i][k];
      if (!puttsNutzbar(l.Putts)) continue;
      const int g = IstGIR(s, l.Putts, p);
      gir.add(i, g);
      puttGesamt.add(i, l.Putts);
      if (g == 1) puttGir.add(i, l.Putts);
      if (l.Chip) puttChip.add(i, l.Putts);
      if (l.Pitch) puttPitch.add(i, l.Putts);
      if (g == 0 && !l.Chip && !l.Pitch) puttSonst.add(i, l.Putts);
      if (l.Bunker > 0) bunker.add(i, IstSandSave(l.Putts, l.Bunker));
    }
  }
  for (Loch21* a :
       {&score, &punkte, &fwt, &distanz, &gir, &puttGesamt, &puttGir, &puttChip, &puttPitch, &puttSonst, &bunker})
    summiereReihen(*a);

  schreibeMittel(*t.Zeile(Zeilenname::ScoreLoch), score, 2, true);
  schreibeMittel(*t.Zeile(Zeilenname::BPLoch), punkte, 2, true);
  schreibeAnteil(*t.Zeile(Zeilenname::FWTLoch), fwt);
  schreibeMittel(*t.Zeile(Zeilenname::AbschlagLoch), distanz, 1, false);
  schreibeAnteil(*t.Zeile(Zeilenname::GIRLoch), gir);
  schreibeMittel(*t.Zeile(Zeilenname::PuttGesamtLoch), puttGesamt, 2, true);
  schreibeMittel(*t.Zeile(Zeilenname::PuttGIRLoch), puttGir, 2, true);
  schreibeMittel(*t.Zeile(Zeilenname::PuttChipLoch), puttChip, 2, true);
  schreibeMittel(*t.Zeile(Zeilenname::PuttPitchLoch), puttPitch, 2, true);
  schreibeMittel(*t.Zeile(Zeilenname::PuttSonstigeLoch), puttSonst, 2, true);
  schreibeAnteil(*t.Zeile(Zeilenname::BunkerLoch), bunker);
  for (int i = 1; i <= 18; ++i) {
    if (par[i] == 3 && !e.FairwayPar3) (*t.Zeile(Zeilenname::FWTLoch))[i].Sichtbar = false;
    if (par[i] == 3 && !e.DistanzPar3) (*t.Zeile(Zeilenname::AbschlagLoch))[i].Sichtbar = false;
  }

  // Result classes: the base of a column is its number of valid results, the holes
  // without a known par included.
  for (int i = 1; i <= 18; ++i) {
    for (int k = 0; k < 9; ++k) klassen[i <= 9 ? 19 : 20][k] += klassen[i][k];
    gespielt[i <= 9 ? 19 : 20] += gespielt[i];
  }
  for (int k = 0; k < 9; ++k) klassen[21][k] = klassen[19][k] + klassen[20][k];
  gespielt[21] = gespielt[19] + gespielt[20];
  Statistikzeile& gesamt = *t.Zeile(Zeilenname::GesamtLoch);
  for (int r = 1; r <= 21; ++r) {
    const long long n = gespielt[r];
    SetzeAnzahl(gesamt[r], n);
    for (int k = 0; k < 9; ++k) {
      Statistikzelle& z = (*t.Zeile(KLASSENZEILEN_LOCH[k]))[r];
      SetzeZelle(z, n != 0, n != 0 ? double(klassen[r][k]) * 100.0 / double(n) : 0, 1);
      if (r <= 18 && k == 1 && par[r] < 5) z.Sichtbar = false;
      if (r <= 18 && k == 2 && par[r] == 3) z.Sichtbar = false;
    }
  }
  return t;
}

// ---------------------------------------------------------------------------------------
// Per par over all courses

namespace {

// Working index 3..6 the par, 7 all holes.
using ParSummen = Summen<8>;
constexpr int ALLE = 7;

void addPar(ParSummen& a, int p, double wert) {
  if (parBekannt(p)) a.add(p, wert);
  a.add(ALLE, wert);
}

// Columns 1-5 (working index 3-7); the shown values are kept for column 6.
void schreibeSpalten(Statistikzeile& z, const ParSummen& a, double faktor, int stellen) {
  for (int c = 1; c <= 5; ++c) {
    const int k = c + 2;
    SetzeZelle(z[c], a.n[k] >= 1, a.n[k] >= 1 ? a.s[k] * faktor / double(a.n[k]) : 0, stellen);
  }
}

// Column 6: the all-holes value scaled to a round of 18 holes.
void schreibeRunde(Statistikzeile& z, double faktor) {
  const Statistikzelle& v = z[5];
  SetzeZelle(z[6], v.HatWert, v.Wert * faktor, 2);
}

// One row of the table: columns 1-5 and, given a factor for it, the per-round column 6.
Statistikzeile& schreibeParzeile(Statistiktabelle& t, const QString& name, const ParSummen& a, double faktor,
                                 int stellen, double rundenfaktor = 0) {
  Statistikzeile& z = *t.Zeile(name);
  schreibeSpalten(z, a, faktor, stellen);
  if (rundenfaktor != 0) schreibeRunde(z, rundenfaktor);
  return z;
}

}  // namespace

Statistiktabelle BerechneParstatistik(const QVector<Rundendaten>& runden, const Statistikeinstellungen& e) {
  Statistiktabelle t = LeereStatistiktabelle(Statistikart::Allgemein);
  t.Runden = int(runden.size());
  if (runden.isEmpty()) return t;

  ParSummen score, punkte, fwt, distanz, gir, puttGesamt, puttGir, puttChip, puttPitch, puttSonst, bunker;
  std::array<std::array<long long, 9>, 8> klassen{};
  std::array<long long, 8> ergebnisse{};
  for (const Rundendaten& runde : runden) {
    for (int i = 0; i < 18; ++i) {
      const Lochdaten& l = runde.Loch[i];
      const int s = l.Score;
      const int p = runde.Par[i];
      const bool mitPar = parBekannt(p);
      if (zaehltFuerScore(s)) addPar(score, p, s);
      if (!gueltig(s)) continue;
      // Points, greens and result classes need the hole's par.
      if (mitPar) addPar(punkte, p, s == SCORE_GESTRICHEN ? 0 : StablefordPunkte(s, p));
      if (!(p == 3 && !e.FairwayPar3)) addPar(fwt, p, l.Fairwaytreffer ? 1 : 0);
      if (!(p == 3 && !e.DistanzPar3) && l.Distance >= 0) addPar(distanz, p, l.Distance);
      if (mitPar) {
        const int k = Ergebnisklasse(s, p);
        ++ergebnisse[p];
        ++ergebnisse[ALLE];
        if (k >= 0) {
          ++klassen[p][k];
          ++klassen[ALLE][k];
        }
      }
      if (!puttsNutzbar(l.Putts)) continue;
      // A green in regulation needs the par; the putts count without it.
      const int g = mitPar ? IstGIR(s, l.Putts, p) : 0;
      if (mitPar) addPar(gir, p, g);
      addPar(puttGesamt, p, l.Putts);
      bool inEinerArt = false;
      if (mitPar && g == 1) {
        addPar(puttGir, p, l.Putts);
        inEinerArt = true;
      }
      if (l.Chip) {
        addPar(puttChip, p, l.Putts);
        inEinerArt = true;
      }
      if (l.Pitch) {
        addPar(puttPitch, p, l.Putts);
        inEinerArt = true;
      }
      if (!inEinerArt) addPar(puttSonst, p, l.Putts);
      if (l.Bunker > 0) addPar(bunker, p, IstSandSave(l.Putts, l.Bunker));
    }
  }

  schreibeParzeile(t, Zeilenname::ScorePar, score, 1.0, 2, 18.0);
  schreibeParzeile(t, Zeilenname::BruttopunktePar, punkte, 1.0, 2, 18.0);
  Statistikzeile& fw = schreibeParzeile(t, Zeilenname::FWTPar, fwt, 100.0, 2, 0.18);
  if (!e.FairwayPar3) fw[1].Sichtbar = false;
  Statistikzeile& ab = schreibeParzeile(t, Zeilenname::AbLaenrePar, distanz, 1.0, 1);
  if (!e.DistanzPar3) ab[1].Sichtbar = false;
  schreibeParzeile(t, Zeilenname::GIRPar, gir, 100.0, 2, 0.18);
  schreibeParzeile(t, Zeilenname::PuttGsamtPar, puttGesamt, 1.0, 2, 18.0);
  schreibeParzeile(t, Zeilenname::PuttGIRPar, puttGir, 1.0, 2);
  schreibeParzeile(t, Zeilenname::PuttChipPar, puttChip, 1.0, 2);
  schreibeParzeile(t, Zeilenname::PuttPitchPar, puttPitch, 1.0, 2);
  schreibeParzeile(t, Zeilenname::PuttSonstigePar, puttSonst, 1.0, 2);
  schreibeParzeile(t, Zeilenname::BunkerPar, bunker, 100.0, 2);

  Statistikzeile& gesamt = *t.Zeile(Zeilenname::GesamtPar);
  for (int c = 1; c <= 5; ++c) {
    const int k = c + 2;
    SetzeAnzahl(gesamt[c], ergebnisse[k]);
    for (int j = 0; j < 9; ++j) {
      Statistikzeile& z = *t.Zeile(KLASSENZEILEN_PAR[j]);
      if (!z.Hat(c)) continue;
      SetzeZelle(z[c], ergebnisse[k] != 0,
                 ergebnisse[k] != 0 ? double(klassen[k][j]) * 100.0 / double(ergebnisse[k]) : 0, 2);
    }
  }
  for (const char* name : KLASSENZEILEN_PAR) schreibeRunde(*t.Zeile(name), 0.18);
  return t;
}
