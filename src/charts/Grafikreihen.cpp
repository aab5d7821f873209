#include "charts/Grafikreihen.h"

#include <cmath>

#include "data/Allgemein.h"
#include "scoring/Scoreberechnungen.h"

Grafikdaten& AktuelleGrafikdaten() {
  static Grafikdaten d;
  return d;
}

namespace {
// The switches over the computations name every one of them, so that the compiler flags
// a computation that one of them leaves out.
bool zweiReihen(Grafikrechnung a) {
  switch (a) {
    case Grafikrechnung::PuttingChip:
    case Grafikrechnung::PuttingPitch:
    case Grafikrechnung::PuttingGIR:
    case Grafikrechnung::PuttingSonstige: return true;
    case Grafikrechnung::Score:
    case Grafikrechnung::Bruttopunkte:
    case Grafikrechnung::Fairwaytreffer:
    case Grafikrechnung::Putting:
    case Grafikrechnung::GIR: return false;
  }
  return false;
}
bool liestScore(Grafikrechnung a) {
  switch (a) {
    case Grafikrechnung::Putting:
    case Grafikrechnung::PuttingChip:
    case Grafikrechnung::PuttingPitch: return false;
    case Grafikrechnung::Score:
    case Grafikrechnung::Bruttopunkte:
    case Grafikrechnung::Fairwaytreffer:
    case Grafikrechnung::GIR:
    case Grafikrechnung::PuttingGIR:
    case Grafikrechnung::PuttingSonstige: return true;
  }
  return true;
}
bool liestPutts(Grafikrechnung a) {
  switch (a) {
    case Grafikrechnung::Score:
    case Grafikrechnung::Bruttopunkte:
    case Grafikrechnung::Fairwaytreffer: return false;
    case Grafikrechnung::Putting:
    case Grafikrechnung::GIR:
    case Grafikrechnung::PuttingChip:
    case Grafikrechnung::PuttingPitch:
    case Grafikrechnung::PuttingGIR:
    case Grafikrechnung::PuttingSonstige: return true;
  }
  return true;
}
}  // namespace

Reihenrechner::Reihenrechner(Grafikrechnung art, int modus, bool ohnePar3Fairway)
    : m_art(art), m_modus(modus), m_ohnePar3(ohnePar3Fairway) {}

void Reihenrechner::punkt(double wert, double wert2, bool zwei) {
  m_p1.push_back(wert);
  if (zwei) m_p2.push_back(wert2);
  auto grenzen = [this](double w) {
    if (!m_hatPunkt) {
      m_max = m_min = w;
      m_hatPunkt = true;
    } else {
      m_max = std::max(m_max, w);
      m_min = std::min(m_min, w);
    }
  };
  grenzen(wert);
  if (zwei) grenzen(wert2);
}

void Reihenrechner::Runde(const Rundendaten& runde) {
  using A = Grafikrechnung;
  bool vollstaendig = true;
  long long summe = 0, anzahl = 0;          // the round's sum (or hits) and counted holes
  long long teilSumme = 0, teilAnzahl = 0;  // the subset of the putting comparisons
  for (int i = 0; i < 18; ++i) {
    const Lochdaten& l = runde.Loch[i];
    const int par = runde.Par[i];
    const bool nullFeld =
        par == FELD_NULL || (liestScore(m_art) && l.Score == FELD_NULL) || (liestPutts(m_art) && l.Putts == FELD_NULL);
    if (nullFeld) {
      vollstaendig = false;
      continue;
    }
    bool brauchbar = false;
    switch (m_art) {
      case A::Score: brauchbar = l.Score < 100; break;
      case A::Bruttopunkte:
      case A::Fairwaytreffer: brauchbar = l.Score != SCORE_UNGUELTIG && l.Score != SCORE_LEER; break;
      case A::Putting:
      case A::PuttingChip:
      case A::PuttingPitch: brauchbar = l.Putts < 100; break;
      case A::GIR:
      case A::PuttingGIR:
      case A::PuttingSonstige: brauchbar = l.Score < 100 && l.Putts < 100; break;
    }
    if (!brauchbar) {
      vollstaendig = false;
      continue;
    }
    if (m_art == A::Fairwaytreffer && m_ohnePar3 && par == 3) continue;  // left out, round stays complete
    long long beitrag = 0;
    switch (m_art) {
      case A::Score: beitrag = l.Score; break;
      case A::Bruttopunkte: beitrag = StablefordPunkte(l.Score, par); break;
      case A::Fairwaytreffer: beitrag = l.Fairwaytreffer ? 1 : 0; break;
      case A::Putting: beitrag = l.Putts; break;
      case A::GIR: beitrag = IstGIR(l.Score, l.Putts, par); break;
      case A::PuttingChip:
      case A::PuttingPitch:
      case A::PuttingGIR:
      case A::PuttingSonstige: beitrag = l.Putts; break;
    }
    summe += beitrag;
    ++anzahl;
    if (zweiReihen(m_art)) {
      bool teil = false;
      switch (m_art) {
        case A::PuttingChip: teil = l.Chip; break;
        case A::PuttingPitch: teil = l.Pitch; break;
        case A::PuttingGIR: teil = IstGIR(l.Score, l.Putts, par) == 1; break;
        case A::PuttingSonstige: teil = IstGIR(l.Score, l.Putts, par) != 1 && !l.Chip && !l.Pitch; break;
        case A::Score:
        case A::Bruttopunkte:
        case A::Fairwaytreffer:
        case A::Putting:
        case A::GIR: break;  // one series: no subset
      }
      if (teil) {
        teilSumme += l.Putts;
        ++teilAnzahl;
      }
    } else {
      if (par >= 3 && par <= 6) {
        m_klasseSumme[par - 3] += beitrag;
        ++m_klasseAnzahl[par - 3];
      }
      m_klasseSumme[4] += beitrag;
      ++m_klasseAnzahl[4];
    }
  }
  if (!vollstaendig) return;
  if (zweiReihen(m_art)) {
    if (teilAnzahl > 0) punkt(double(teilSumme) / double(teilAnzahl), double(summe) / double(anzahl), true);
    return;
  }
  if (m_modus != 1) return;
  switch (m_art) {
    case A::Fairwaytreffer:
      if (anzahl > 0) punkt(RundeGerade(double(summe) / double(anzahl) * 100.0, 0), 0, false);
      break;
    case A::GIR: punkt(RundeGerade(double(summe) / double(anzahl) * 100.0, 2), 0, false); break;
    case A::Score:
    case A::Bruttopunkte:
    case A::Putting:
    case A::PuttingChip:
    case A::PuttingPitch:
    case A::PuttingGIR:
    case A::PuttingSonstige: punkt(double(summe), 0, false); break;
  }
}

Grafikdaten Reihenrechner::Ergebnis(const Grafikdaten& vorher, const std::array<QString, 5>& klassenTexte) const {
  Grafikdaten d = vorher;
  for (GrafikSerie& s : d.Serie) s.Werte.assign(1, 0.0);
  if (m_modus == 2 && !zweiReihen(m_art)) {
    std::vector<double> p{0.0};
    for (int c = 0; c < 5; ++c) {
      if (m_klasseAnzahl[c] == 0) continue;
      const double mittel = double(m_klasseSumme[c]) / double(m_klasseAnzahl[c]);
      double w = mittel;
      if (m_art == Grafikrechnung::Score) w = mittel - (c < 4 ? c + 3 : 4);
      if (m_art == Grafikrechnung::Fairwaytreffer || m_art == Grafikrechnung::GIR) w = mittel * 100.0;
      p.push_back(w);
      d.Serie[0].Beschriftung[p.size() - 1] =
          klassenTexte[c].isEmpty() ? QString::number(KLASSENTEXT[c]) : klassenTexte[c];
    }
    d.AnzahlWerte = long(p.size()) - 1;
    d.MaxWert = d.MinWert = p.size() > 1 ? p[1] : 0.0;
    for (size_t k = 2; k < p.size(); ++k) {
      d.MaxWert = std::max(d.MaxWert, p[k]);
      d.MinWert = std::min(d.MinWert, p[k]);
    }
    d.Serie[0].Werte = std::move(p);
    return d;
  }
  d.Serie[0].Werte = m_p1;
  if (zweiReihen(m_art)) d.Serie[1].Werte = m_p2;
  d.AnzahlWerte = long(m_p1.size()) - 1;
  if (m_hatPunkt) {
    d.MaxWert = m_max;
    d.MinWert = m_min;
  }
  return d;
}

Grafikdaten Handicapreihe(const std::vector<QVariant>& stammvorgaben, const Grafikdaten& vorher) {
  Grafikdaten d = vorher;
  for (GrafikSerie& s : d.Serie) s.Werte.assign(1, 0.0);
  std::vector<double>& p = d.Serie[0].Werte;
  for (const QVariant& v : stammvorgaben) {
    if (v.isNull() || !v.isValid()) continue;
    double w;
    const int typ = v.typeId();
    if (typ == QMetaType::Double || typ == QMetaType::Int || typ == QMetaType::LongLong) {
      w = v.toDouble();
      if (!(w >= -20 && w < 10000)) w = DOUBLE_UNGUELTIG;
    } else {
      w = GibDoubleMin(v.toString(), -20);
    }
    if (w > 100) continue;
    p.push_back(w);
    if (p.size() == 2) {
      d.MaxWert = d.MinWert = w;
    } else {
      d.MaxWert = std::max(d.MaxWert, w);
      d.MinWert = std::min(d.MinWert, w);
    }
  }
  d.AnzahlWerte = long(p.size()) - 1;
  return d;
}
