#include "scoring/Scoreberechnungen.h"

#include <QLocale>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "platform/Dialoge.h"
#include "scoring/Scorekartenrechnung.h"

namespace {
// The ladder of Stableford points: two for the par, one more for every stroke under it,
// however far under (a hole in one on a net par 7 is worth 8), none from two over on.
int Leiter(int score, int par) {
  if (score < 1) return 0;
  const int d = par - score;
  return d >= -1 ? d + 2 : 0;
}

int Vergleich(int score, int ziel) {
  if (score < ziel) return 1;
  if (score == ziel) return 0;
  return -1;
}
}  // namespace

int StablefordPunkte(int score, int par) { return Leiter(score, par); }

NettoParWerte BerechneNettoPar(double spielvorgabe, int vorgabe, int par) {
  int basis = 0;
  double rest = spielvorgabe;
  // Strict comparisons: a handicap of exactly 18, 36, 54 or 72 stays in the lower band
  // with a remainder of 18.
  if (spielvorgabe > 72) {
    basis = 4;
    rest = spielvorgabe - 72;
  } else if (spielvorgabe > 54) {
    basis = 3;
    rest = spielvorgabe - 54;
  } else if (spielvorgabe > 36) {
    basis = 2;
    rest = spielvorgabe - 36;
  } else if (spielvorgabe > 18) {
    basis = 1;
    rest = spielvorgabe - 18;
  }
  const double gerundet = RundeGerade(rest, 0);
  NettoParWerte w;
  w.Vorgabeschlaege = basis + (gerundet >= vorgabe ? 1 : 0);
  w.NettoPar = par + w.Vorgabeschlaege;
  return w;
}

Lochwerte BerechneLochwerte(int score, int par, int vorgabe, double spielvorgabe) {
  const NettoParWerte n = BerechneNettoPar(spielvorgabe, vorgabe, par);
  Lochwerte w;
  w.StablefordNetto = Leiter(score, n.NettoPar);
  w.StablefordBrutto = StablefordPunkte(score, par);
  w.ParNetto = Vergleich(score, n.NettoPar);
  w.ParBrutto = Vergleich(score, par);
  w.NettoScore = score - n.Vorgabeschlaege;
  return w;
}

GIRWerte BerechneGIR(const QString& scoreText, int putts, double spielvorgabe, int vorgabe, int par) {
  GIRWerte w;
  if (scoreText == QLatin1String("-") || scoreText == QLatin1String("99")) return w;
  int s = 0;
  if (!TextZuInt16(scoreText, s)) {
    Fehlerbox(Fehlerbeschreibung(TEXT_TYPFEHLER));
    return w;
  }
  const NettoParWerte n = BerechneNettoPar(spielvorgabe, vorgabe, par);
  w.GIRNetto = (s - putts <= n.NettoPar - 2) ? 1 : 0;
  w.GIRBrutto = (s - putts <= par - 2) ? 1 : 0;
  return w;
}

int IstGIR(int score, int putts, int par) {
  if (score == SCORE_GESTRICHEN) return 0;
  return (score - putts <= par - 2) ? 1 : 0;
}

UpAndDownWerte PruefeUpAndDown(int putts, int chip, int pitch) {
  UpAndDownWerte w;
  w.ChipUpAndDown = (chip == 1 && putts == 1) ? 1 : 0;
  w.PitchUpAndDown = (pitch == 1 && putts == 1) ? 1 : 0;
  return w;
}

int IstSandSave(int putts, int bunker) { return (putts <= 1 && bunker == 1) ? 1 : 0; }

int BerechneSonstige(const KartenLoch& loch) {
  const int score = GibScore(loch.Score);
  if (score < 0 || score > 99) return SONSTIGE_FEHLT;
  const int abschlag = GibWertMin(loch.Abschlag, 1);
  if (abschlag < 1 || abschlag > 99) return SONSTIGE_FEHLT;
  const int putts = GibWertMin(loch.Putts, 0);
  if (putts < 0 || putts > 99) return SONSTIGE_FEHLT;
  // Bunker shots and penalty strokes may be left empty: they count 0.
  auto optional = [](const QString& text, int& wert) {
    const int v = GibWertMin(text, 0);
    if (v < 100) {
      wert = v;
      return true;
    }
    if (v == SCORE_LEER) {
      wert = 0;
      return true;
    }
    return false;
  };
  int bunker = 0, straf = 0;
  if (!optional(loch.Bunker, bunker)) return SONSTIGE_FEHLT;
  if (!optional(loch.Strafschlag, straf)) return SONSTIGE_FEHLT;
  const int rest = score - abschlag - loch.Chip - loch.Pitch - putts - bunker - straf;
  return rest >= 0 ? rest : SONSTIGE_UEBER_SCORE;
}

namespace {
struct Klassenstufe {
  double obergrenze;    // the highest handicap of the class (class 6: all above class 5)
  double schritt;       // reduction per point above 36
  double grenze;        // below this the next class takes over (0: lowest class)
  int pufferDifferenz;  // +0.1 when Differenz is below this (0: never)
};
// Index = handicap class 1..6.
constexpr Klassenstufe KLASSEN[7] = {
    {0, 0, 0, 0},        {5, 0.2, 0, -2},     {12, 0.2, 5.5, -3}, {20, 0.3, 12.5, -4},
    {28, 0.4, 20.5, -5}, {36, 0.5, 28.5, -6}, {0, 1.0, 36.1, 0},
};
}  // namespace

int Handicapklasse(double handicap) {
  if (handicap > KLASSEN[5].obergrenze) return 6;
  for (int klasse = 1; klasse <= 5; ++klasse)
    if (handicap <= KLASSEN[klasse].obergrenze) return klasse;
  return 0;  // not a number
}

double BerechneSpielvorgabe(double handicap, double slope, double courseRating, double par) {
  return RundeGerade((courseRating - par) + handicap * slope / 113.0, 0);
}

double BerechneHandicap(double& handicap, int punkte) {
  double h = handicap;
  int differenz = punkte - 36;
  int klasse = Handicapklasse(h);

  for (int stufe = 6; stufe >= 1; --stufe) {
    if (klasse != stufe) continue;
    const Klassenstufe& k = KLASSEN[stufe];
    bool abgestiegen = false;
    while (differenz > 0) {
      h -= k.schritt;
      --differenz;
      // The point that crosses the boundary is still reduced at this class's step.
      if (stufe > 1 && h < k.grenze) {
        klasse = stufe - 1;
        abgestiegen = true;
        break;
      }
    }
    if (!abgestiegen && k.pufferDifferenz != 0 && differenz < k.pufferDifferenz) h += 0.1;
  }
  handicap = h;
  return h;
}

QString ZahlStandardText(double wert) {
  QLocale loc;
  loc.setNumberOptions(loc.numberOptions() | QLocale::OmitGroupSeparator);
  return loc.toString(wert, 'g', 15);
}

QString ProzentText(int treffer, int basis) {
  return ZahlStandardText(RundeGerade(double(treffer) / double(basis) * 100.0, 1));
}

bool HandicapZuZahl(const QString& text, double& wert) {
  const QString t = text.trimmed();
  if (t.startsWith(QLatin1Char('+'))) {
    double d = 0;
    if (!TextZuDouble(t.mid(1), d) || d < 0) return false;
    wert = -d;
    return true;
  }
  return TextZuDouble(t, wert);
}

QString HandicapAlsText(double wert) {
  if (wert < 0) return QLatin1Char('+') + ZahlStandardText(-wert);
  return ZahlStandardText(wert);
}
