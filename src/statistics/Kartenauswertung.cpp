#include "statistics/Kartenauswertung.h"

#include <QLocale>
#include <stdexcept>

#include "data/Allgemein.h"
#include "platform/Global.h"
#include "scoring/Scoreberechnungen.h"

namespace {

struct Lesefehler : std::runtime_error {
  using std::runtime_error::runtime_error;
};

double zahl(const QString& text) {
  double d = 0;
  if (!TextZuDouble(text, d)) throw Lesefehler(Fehlerbeschreibung(TEXT_TYPFEHLER).toStdString());
  return d;
}

int ganzzahl(const QString& text) {
  int i = 0;
  if (!TextZuInt16(text, i)) throw Lesefehler(Fehlerbeschreibung(TEXT_TYPFEHLER).toStdString());
  return i;
}

// The column of a par: 1 par 3 .. 4 par 6; 0 for any other par.
int gruppe(double par) {
  if (par == 3) return 1;
  if (par == 4) return 2;
  if (par == 5) return 3;
  if (par == 6) return 4;
  return 0;
}

// Regional decimal separator, no thousands separator, half to even.
QString formatiere(double wert, int stellen) {
  QLocale l;
  l.setNumberOptions(QLocale::OmitGroupSeparator);
  return l.toString(RundeGerade(wert, stellen), 'f', stellen);
}

enum class Art { Mittel, MittelEineStelle, Prozent };

// Counts and sums (or hits) of the four groups of one statistic.
struct Summen {
  std::array<long long, 5> anzahl{};
  std::array<long long, 5> summe{};
  void zaehle(int k, double wert = 0) {
    ++anzahl[k];
    summe[k] = (long long)RundeGerade(double(summe[k]) + wert, 0);
  }
  void treffer(int k, bool hit) {
    ++anzahl[k];
    if (hit) ++summe[k];
  }
};

QString wert(Art art, long long s, long long c) {
  switch (art) {
    case Art::Mittel: return formatiere(double(s) / double(c), 2);
    case Art::MittelEineStelle: return formatiere(double(s) / double(c), 1);
    case Art::Prozent: return formatiere(double(s * 100) / double(c), 2);
  }
  return {};
}

// Column 5 when no hole counted: rows whose total cell keeps its starting text.
bool gesamtBleibtBeiNull(int zeile) {
  return zeile == Z_STBL_NETTO || zeile == Z_STBL_BRUTTO || zeile == Z_GIR_NETTO || zeile == Z_GIR_BRUTTO ||
         zeile == Z_FWTREFFER || zeile == Z_SCORE_BRUTTO || zeile == Z_SCORE_NETTO;
}

void schreibe(std::array<QString, 6>& zelle, int zeile, Art art, const Summen& s, bool gueltig) {
  long long C = 0, S = 0;
  for (int k = 1; k <= 4; ++k) {
    C += s.anzahl[k];
    S += s.summe[k];
    if (zelle[k] == KEINE_KARTENDATEN) continue;  // an invalid hole marked the group
    zelle[k] = s.anzahl[k] > 0 ? wert(art, s.summe[k], s.anzahl[k]) : KEINE_KARTENDATEN;
  }
  if (!gueltig)
    zelle[5] = KEINE_KARTENDATEN;
  else if (C > 0)
    zelle[5] = wert(art, S, C);
  else if (!gesamtBleibtBeiNull(zeile))
    zelle[5] = KEINE_KARTENDATEN;
}

class Auswertung {
 public:
  Auswertung(const KartenSchnappschuss& k, bool fw3, bool ab3, Kartenauswertung& e)
      : m_k(k), m_fw3(fw3), m_ab3(ab3), m_e(e) {}

  void rechne() {
    mittel(
        Z_STBL_NETTO, [](const Schnappschussloch& l) { return !IstLeer(l.StblNetto); },
        [](const Schnappschussloch& l, double&) { return true; },
        [](const Schnappschussloch& l) { return zahl(l.StblNetto); });
    mittel(
        Z_STBL_BRUTTO, [](const Schnappschussloch& l) { return !IstLeer(l.StblBrutto); },
        [](const Schnappschussloch& l, double&) { return true; },
        [](const Schnappschussloch& l) { return zahl(l.StblBrutto); });
    score(Z_SCORE_BRUTTO, false);
    score(Z_SCORE_NETTO, true);
    gir(Z_GIR_NETTO, true);
    gir(Z_GIR_BRUTTO, false);
    prozent(
        Z_FWTREFFER, [](const Schnappschussloch& l) { return !IstLeer(l.Score); },
        [this](const Schnappschussloch&, double par) { return par != 3 || m_fw3; },
        [](const Schnappschussloch& l) { return l.Fairwaytreffer == 1; });
    Summen s;
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (IstLeer(l.Distance)) continue;
      const double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0 || (par == 3 && !m_ab3)) continue;
      s.zaehle(k, zahl(l.Distance));
    }
    schreibe(m_e.Zelle[Z_ABSC], Z_ABSC, Art::MittelEineStelle, s, true);
    putts(Z_PP_GIR, [](const Schnappschussloch& l) { return l.GIRBrutto == 1; });
    putts(Z_PP_CH, [](const Schnappschussloch& l) { return l.Chip == 1; });
    putts(Z_PP_PI, [](const Schnappschussloch& l) { return l.Pitch == 1; });
    putts(Z_PP_SO, [](const Schnappschussloch& l) { return l.GIRBrutto != 1 && l.Chip != 1 && l.Pitch != 1; });
    putts(Z_P_GES, [](const Schnappschussloch&) { return true; });
    Summen b;
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (IstLeer(l.Score)) continue;
      const int k = gruppe(zahl(l.Par));
      if (k == 0 || IstLeer(l.Bunker)) continue;
      const double bunker = zahl(l.Bunker);
      const bool rettung = !IstLeer(l.Putts) && bunker < 2 && zahl(l.Putts) < 2;
      b.treffer(k, rettung);
    }
    schreibe(m_e.Zelle[Z_BUNKER], Z_BUNKER, Art::Prozent, b, true);
    histogramm();
  }

 private:
  template <class Tor, class Zaehlt, class Wert>
  void mittel(int zeile, Tor tor, Zaehlt zaehlt, Wert wertVon) {
    Summen s;
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (!tor(l)) continue;
      double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0 || !zaehlt(l, par)) continue;
      s.zaehle(k, wertVon(l));
    }
    schreibe(m_e.Zelle[zeile], zeile, Art::Mittel, s, true);
  }

  template <class Tor, class Zaehlt, class Treffer>
  void prozent(int zeile, Tor tor, Zaehlt zaehlt, Treffer treffer) {
    Summen s;
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (!tor(l)) continue;
      const double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0 || !zaehlt(l, par)) continue;
      s.treffer(k, treffer(l));
    }
    schreibe(m_e.Zelle[zeile], zeile, Art::Prozent, s, true);
  }

  int vorgabeschlaege(const Schnappschussloch& l, double par) const {
    return BerechneNettoPar(zahl(m_k.Spielvorgabe), ganzzahl(l.Vorgabe), int(par)).Vorgabeschlaege;
  }

  void score(int zeile, bool netto) {
    Summen s;
    bool gueltig = true;
    auto& zelle = m_e.Zelle[zeile];
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (IstLeer(l.Score)) continue;
      const int code = GibScore(l.Score);
      const double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0) continue;
      if (code == SCORE_UNGUELTIG || code == SCORE_GESTRICHEN || zelle[k] == KEINE_KARTENDATEN) {
        zelle[k] = KEINE_KARTENDATEN;
        gueltig = false;
        continue;
      }
      s.zaehle(k, netto ? code - vorgabeschlaege(l, par) : code);
    }
    schreibe(zelle, zeile, Art::Mittel, s, gueltig);
  }

  void gir(int zeile, bool netto) {
    Summen s;
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (IstLeer(l.Score) || IstLeer(l.Putts)) continue;
      const int code = GibScore(l.Score);
      const double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0) continue;
      const double putts = zahl(l.Putts);
      bool hit = false;
      if (code != SCORE_UNGUELTIG && code != SCORE_GESTRICHEN) {
        double bisGruen = RundeGerade(code - putts, 0);
        if (netto) bisGruen -= vorgabeschlaege(l, par);
        hit = bisGruen <= par - 2;
      }
      s.treffer(k, hit);
    }
    schreibe(m_e.Zelle[zeile], zeile, Art::Prozent, s, true);
  }

  template <class Zaehlt>
  void putts(int zeile, Zaehlt zaehlt) {
    mittel(
        zeile, [](const Schnappschussloch& l) { return !IstLeer(l.Putts); },
        [zaehlt](const Schnappschussloch& l, double) { return zaehlt(l); },
        [](const Schnappschussloch& l) { return zahl(l.Putts); });
  }

  void histogramm() {
    std::array<std::array<int, 5>, ERGEBNISKLASSEN> z{};
    for (int i = 1; i <= 18; ++i) {
      const Schnappschussloch& l = m_k.Loch[i];
      if (IstLeer(l.Score)) continue;
      const int s = GibScore(l.Score);
      if (s == SCORE_UNGUELTIG) continue;
      const double par = zahl(l.Par);
      const int k = gruppe(par);
      if (k == 0) continue;
      int klasse;
      if (s == SCORE_GESTRICHEN)
        klasse = K_GRT;
      else if (s == 1)
        klasse = K_HIO;
      else {
        const int d = s - int(par);
        klasse = d <= -3   ? K_ALB
                 : d == -2 ? K_EAG
                 : d == -1 ? K_BIR
                 : d == 0  ? K_PAR
                 : d == 1  ? K_BOO
                 : d == 2  ? K_DOU
                 : d == 3  ? K_TRI
                           : K_GRT;
      }
      ++z[klasse][k];
    }
    for (int klasse = 0; klasse < ERGEBNISKLASSEN; ++klasse) {
      int gesamt = 0;
      for (int k = 1; k <= 4; ++k) {
        gesamt += z[klasse][k];
        if (z[klasse][k] > 0 && HatHistogrammzelle(klasse, k))
          m_e.Histogramm[klasse][k] = QString::number(z[klasse][k]);
      }
      if (gesamt > 0) m_e.Histogramm[klasse][5] = QString::number(gesamt);
    }
  }

  const KartenSchnappschuss& m_k;
  bool m_fw3, m_ab3;
  Kartenauswertung& m_e;
};

}  // namespace

KartenSchnappschuss Schnappschuss(const Scorekarte& karte, const KartenEingabe& eingabe,
                                  const KartenErgebnis& ergebnis) {
  KartenSchnappschuss k;
  k.Scorekartenidn = karte.Scorekartenidn;
  k.Datum = karte.Datum;
  k.Golfplatz = karte.Golfplatzname;
  k.Spielart = karte.Spielartname;
  k.Vorgabewirksam = karte.Vorgabewirksam ? 1 : 0;
  k.Spielvorgabe = eingabe.Spielvorgabe;
  for (int i = 1; i <= 18; ++i) {
    Schnappschussloch& l = k.Loch[i];
    static_cast<KartenLoch&>(l) = eingabe.Loch[i];
    if (ergebnis.Score) {
      l.StblNetto = ergebnis.Score->StblNetto[i];
      l.StblBrutto = ergebnis.Score->StblBrutto[i];
    }
    if (ergebnis.Kurzspiel) l.GIRBrutto = ergebnis.Kurzspiel->GIRBrutto[i];
  }
  return k;
}

bool HatHistogrammzelle(int klasse, int spalte) {
  if (spalte < 1 || spalte > 5) return false;
  if (klasse == K_ALB) return spalte >= 3;
  if (klasse == K_EAG) return spalte >= 2;
  return true;
}

Kartenauswertung WerteKarteAus(const KartenSchnappschuss& karte, bool mitPar3Fairway, bool mitPar3Abschlag) {
  Kartenauswertung e;
  for (int z = 0; z < KARTENZEILEN; ++z)
    for (int k = 1; k <= 5; ++k) e.Zelle[z][k] = z == Z_ABSC ? QStringLiteral("0") : QStringLiteral("0,00");
  for (int z = 0; z < ERGEBNISKLASSEN; ++z)
    for (int k = 1; k <= 5; ++k) e.Histogramm[z][k] = HatHistogrammzelle(z, k) ? KEINE_KARTENDATEN : QString();
  try {
    Auswertung(karte, mitPar3Fairway, mitPar3Abschlag, e).rechne();
  } catch (const Lesefehler& f) {
    e.Fehler = QString::fromUtf8(f.what());
  }
  return e;
}
