#include "scoring/Scorekartenrechnung.h"

#include "data/Allgemein.h"
#include "platform/Global.h"
#include "scoring/Scoreberechnungen.h"

namespace {

int Neun(int loch) { return loch <= 9 ? 0 : 1; }

// A sum per nine and in total.
template <class T>
struct Summe {
  T neun[2] = {T(), T()};
  void Add(int loch, T wert) { neun[Neun(loch)] += wert; }
  T Gesamt() const { return neun[0] + neun[1]; }
  T operator[](int bereich) const { return bereich < 2 ? neun[bereich] : Gesamt(); }
};

// A sum label that stays empty when its sum is 0 and its range has no scored hole.
Drei SummenText(const Summe<double>& summe, const Summe<int>& gewertet) {
  Drei t;
  for (int b = 0; b < 3; ++b) t[b] = (summe[b] == 0 && gewertet[b] == 0) ? QString() : ZahlStandardText(summe[b]);
  return t;
}

// Percentage labels, empty when the base count is 0.
Drei ProzentTexte(const Summe<int>& treffer, const Summe<int>& basis) {
  Drei t;
  for (int b = 0; b < 3; ++b) t[b] = basis[b] == 0 ? QString() : ProzentText(treffer[b], basis[b]);
  return t;
}

// Reads a number from a caption or box; false is a conversion error that ends the card.
bool GanzeZahl(const QString& text, int& wert) { return TextZuInt16(text, wert); }

class Rechnung {
 public:
  Rechnung(const KartenEingabe& e, int bereich) : m_e(e), m_bereich(bereich) {
    for (int i = 1; i <= 18; ++i) m_scoreText[i] = e.Loch[i].Score;
  }

  KartenErgebnis Los() {
    if (Pruefe()) return std::move(m_erg);
    if (!Zaehle()) return std::move(m_erg);
    // Every stage that depends on which holes are scored runs after a score change too.
    const bool alles = m_bereich == 0 || m_bereich == 6;
    if (alles && !Scores()) return std::move(m_erg);
    if (alles || m_bereich == 1) Abschlaege();
    if (alles || m_bereich == 2) Fairways();
    if ((alles || m_bereich == 4) && !Kurzspiel()) return std::move(m_erg);
    if (alles || m_bereich == 5) Strafschlaege();
    if (alles || m_bereich == 3) Distanzen();
    Sonstige();
    return std::move(m_erg);
  }

 private:
  // Stage 1: the first invalid entry of the kinds this section checks. An entry showing
  // its stored value is not judged (the stages after count one they would refuse as none).
  bool Pruefe() {
    for (int i = 1; i <= 18; ++i) {
      const KartenLoch& l = m_e.Loch[i];
      auto ungueltig = [&](Lochfeld art, bool falsch) {
        if (!falsch || !PrueftEintrag(art, m_bereich) || l.WieGespeichert[size_t(art)]) return false;
        m_erg.UngueltigerEintrag = KartenErgebnis::Ungueltig{art, i};
        return true;
      };
      if (ungueltig(Lochfeld::Score, GibScore(l.Score) == SCORE_UNGUELTIG) ||
          ungueltig(Lochfeld::Abschlag, GibWertMin(l.Abschlag, 1) == SCORE_UNGUELTIG) ||
          ungueltig(Lochfeld::Putts, GibWertMin(l.Putts, 0) == SCORE_UNGUELTIG) ||
          ungueltig(Lochfeld::Bunker, GibWertMin(l.Bunker, 0) == SCORE_UNGUELTIG) ||
          ungueltig(Lochfeld::Distance, GibDoubleMin(l.Distance, 0) == DOUBLE_UNGUELTIG) ||
          ungueltig(Lochfeld::Strafschlag, GibWertMin(l.Strafschlag, 0) == SCORE_UNGUELTIG))
        return true;
    }
    return false;
  }

  bool Fehler() {
    m_erg.Fehler = Fehlerbeschreibung(TEXT_TYPFEHLER);
    return false;
  }

  // Stage 2: par sums, scored holes and the holes whose fairway counts.
  bool Zaehle() {
    Summe<double> par;
    for (int i = 1; i <= 18; ++i) {
      const KartenLoch& l = m_e.Loch[i];
      if (!l.Par.isEmpty()) {
        int p = 0;
        if (!GanzeZahl(l.Par, p)) return Fehler();
        par.Add(i, p);
      }
      const int code = GibScore(m_scoreText[i]);
      m_hatScore[i] = code != SCORE_UNGUELTIG && code != SCORE_LEER;
      if (m_hatScore[i]) m_gewertet.Add(i, 1);
      if (m_hatScore[i] && l.FairwaySichtbar) m_fairwayZaehlt.Add(i, 1);
    }
    Drei t;
    for (int b = 0; b < 3; ++b) t[b] = ZahlStandardText(par[b]);
    m_erg.ParSummen = t;
    return true;
  }

  bool Spielvorgabe(double& sv) {
    if (!m_svGelesen) {
      m_svGueltig = HandicapZuZahl(m_e.Spielvorgabe, m_sv);  // "+2" plays two better than scratch
      m_svGelesen = true;
    }
    sv = m_sv;
    return m_svGueltig;
  }

  // Par, stroke index and playing handicap of a hole whose values are needed.
  bool Lochdaten(int i, int& par, int& vorgabe, double& sv) {
    return GanzeZahl(m_e.Loch[i].Par, par) && GanzeZahl(m_e.Loch[i].Vorgabe, vorgabe) && Spielvorgabe(sv);
  }

  // Stage 3: score, Stableford points and par-competition results.
  bool Scores() {
    KartenErgebnis::ScoreBlock s;
    Summe<double> score, stblB, stblN, gpB, gpN;
    bool unvollstaendig[2] = {false, false};
    for (int i = 1; i <= 18; ++i) {
      const int code = GibScore(m_scoreText[i]);
      if (code == SCORE_GESTRICHEN) {
        m_scoreText[i] = QStringLiteral("-");
        s.StblBrutto[i] = s.StblNetto[i] = QStringLiteral("0");
        s.GPBrutto[i] = s.GPNetto[i] = QStringLiteral("-1");
        unvollstaendig[Neun(i)] = true;
      } else if (code < SCORE_UNGUELTIG) {
        int par = 0, vorgabe = 0;
        double sv = 0;
        if (!Lochdaten(i, par, vorgabe, sv)) return Fehler();
        const Lochwerte w = BerechneLochwerte(code, par, vorgabe, sv);
        score.Add(i, code);
        stblB.Add(i, w.StablefordBrutto);
        stblN.Add(i, w.StablefordNetto);
        gpB.Add(i, w.ParBrutto);
        gpN.Add(i, w.ParNetto);
        s.StblBrutto[i] = QString::number(w.StablefordBrutto);
        s.StblNetto[i] = QString::number(w.StablefordNetto);
        s.GPBrutto[i] = QString::number(w.ParBrutto);
        s.GPNetto[i] = QString::number(w.ParNetto);
      } else if (!m_e.Loch[i].WieGespeichert[size_t(Lochfeld::Score)]) {
        m_scoreText[i].clear();  // a stored score it does not take stays as shown
      }
      s.ScoreText[i] = m_scoreText[i];
    }
    for (int b = 0; b < 3; ++b) {
      const int idx = 19 + b;
      if (m_gewertet[b] > 0) {
        s.StblBrutto[idx] = ZahlStandardText(stblB[b]);
        s.StblNetto[idx] = ZahlStandardText(stblN[b]);
        s.GPBrutto[idx] = ZahlStandardText(gpB[b]);
        s.GPNetto[idx] = ZahlStandardText(gpN[b]);
        s.GesamtScore[b] = ZahlStandardText(score[b]);
      }
    }
    // A nine with a hole not played has no valid score sum, and neither has the round.
    for (int n = 0; n < 2; ++n) {
      if (unvollstaendig[n]) {
        s.GesamtScore[n] = QStringLiteral("0");
        s.GesamtScore[2] = QStringLiteral("0");
      }
    }
    m_erg.Score = s;
    return true;
  }

  // Stage 4: tee shots of the scored holes.
  void Abschlaege() {
    Summe<double> summe;
    for (int i = 1; i <= 18; ++i) {
      if (!m_hatScore[i]) continue;
      const int v = GibWertMin(m_e.Loch[i].Abschlag, 1);
      if (v < SCORE_UNGUELTIG) summe.Add(i, v);
    }
    m_erg.Abschlag = SummenText(summe, m_gewertet);
  }

  // Stage 5: fairways hit among the holes whose fairway counts.
  void Fairways() {
    Summe<int> treffer;
    for (int i = 1; i <= 18; ++i)
      if (m_hatScore[i] && m_e.Loch[i].FairwaySichtbar && m_e.Loch[i].Fairwaytreffer == 1) treffer.Add(i, 1);
    m_erg.Fairway = ProzentTexte(treffer, m_fairwayZaehlt);
  }

  // Stage 6: putts, short game and greens in regulation of the scored holes with a putt.
  bool Kurzspiel() {
    KartenErgebnis::KurzspielBlock k;
    Summe<double> putts;
    Summe<int> girB, girN, chips, pitches, chipUD, pitchUD, bunkerLoecher, sandSaves;
    for (int i = 1; i <= 18; ++i) {
      const KartenLoch& l = m_e.Loch[i];
      const int p = GibWertMin(l.Putts, 0);
      if (!m_hatScore[i] || p < 1 || p >= SCORE_UNGUELTIG) continue;
      putts.Add(i, p);
      const int b = GibWertMin(l.Bunker, 0);
      if (b >= 1 && b <= 99) {
        bunkerLoecher.Add(i, 1);
        sandSaves.Add(i, IstSandSave(p, b));
      }
      chips.Add(i, l.Chip);
      pitches.Add(i, l.Pitch);
      int par = 0, vorgabe = 0;
      double sv = 0;
      if (!Lochdaten(i, par, vorgabe, sv)) return Fehler();
      const GIRWerte g = BerechneGIR(m_scoreText[i], p, sv, vorgabe, par);
      k.GIRBrutto[i] = g.GIRBrutto;
      k.GIRNetto[i] = g.GIRNetto;
      girB.Add(i, g.GIRBrutto);
      girN.Add(i, g.GIRNetto);
      const UpAndDownWerte u = PruefeUpAndDown(p, l.Chip, l.Pitch);
      chipUD.Add(i, u.ChipUpAndDown);
      pitchUD.Add(i, u.PitchUpAndDown);
    }
    k.GIRBruttoProzent = ProzentTexte(girB, m_gewertet);
    k.GIRNettoProzent = ProzentTexte(girN, m_gewertet);
    k.Putts = SummenText(putts, m_gewertet);
    k.Chip = ProzentTexte(chipUD, chips);
    k.Pitch = ProzentTexte(pitchUD, pitches);
    k.Bunker = ProzentTexte(sandSaves, bunkerLoecher);
    m_erg.Kurzspiel = k;
    return true;
  }

  // Stage 7: penalty strokes of every hole.
  void Strafschlaege() {
    Summe<double> summe;
    for (int i = 1; i <= 18; ++i) {
      const int v = GibWertMin(m_e.Loch[i].Strafschlag, 0);
      if (v < SCORE_UNGUELTIG) summe.Add(i, v);
    }
    m_erg.Strafschlag = SummenText(summe, m_gewertet);
  }

  // Stage 8: average drive of the holes with a drive length, shown to one decimal like the
  // percentages, so that it fits its cell; the round's average is kept as computed.
  void Distanzen() {
    Summe<double> summe;
    Summe<int> drives;
    double gesamt = 0;  // hole by hole, as the lengths add up
    for (int i = 1; i <= 18; ++i) {
      double d = GibDoubleMin(m_e.Loch[i].Distance, 0);
      if (d >= DOUBLE_UNGUELTIG) d = 0;
      summe.Add(i, d);
      gesamt += d;
      if (d > 0) drives.Add(i, 1);
    }
    Drei t;
    for (int b = 0; b < 3; ++b)
      if (drives[b] > 0 && m_gewertet[b] > 0) t[b] = ZahlStandardText(RundeGerade(summe[b] / drives[b], 1));
    if (!t[2].isEmpty()) m_erg.DurchschnittDrive = gesamt / drives[2];
    m_erg.Distance = t;
  }

  // Stage 9: other strokes and the colour of each hole's entries.
  void Sonstige() {
    KartenErgebnis::SonstigeBlock s;
    Summe<double> summe;
    for (int i = 1; i <= 18; ++i) {
      const KartenLoch& l = m_e.Loch[i];
      const int r = BerechneSonstige(l);
      if (r == SONSTIGE_UEBER_SCORE) {
        s.Farbe[i] = FARBE_EINTRAG_FEHLER;
        s.Sonstige[i] = l.Sonstige;
        ++s.UeberScore;
        continue;
      }
      s.Farbe[i] = FARBE_EINTRAG;
      if (r >= 0) {
        s.Sonstige[i] = QString::number(r);
        summe.Add(i, r);
      }
    }
    for (int b = 0; b < 3; ++b)
      if (m_gewertet[b] > 0) s.Sonstige[19 + b] = ZahlStandardText(summe[b]);
    m_erg.Sonstige = s;
  }

  const KartenEingabe& m_e;
  const int m_bereich;
  KartenErgebnis m_erg;
  std::array<QString, 19> m_scoreText;
  std::array<bool, 19> m_hatScore{};
  Summe<int> m_gewertet;       // scored holes (a score or not played)
  Summe<int> m_fairwayZaehlt;  // scored holes whose fairway box is shown
  bool m_svGelesen = false, m_svGueltig = false;
  double m_sv = 0;
};

}  // namespace

bool PrueftEintrag(Lochfeld art, int bereich) {
  if (bereich == 0) return true;
  switch (art) {
    case Lochfeld::Score: return bereich == 4 || bereich == 6;
    case Lochfeld::Abschlag: return bereich == 1;
    case Lochfeld::Putts:
    case Lochfeld::Bunker: return bereich == 4;
    case Lochfeld::Distance: return bereich == 3;
    case Lochfeld::Strafschlag: return bereich == 5;
    case Lochfeld::Fairwaytreffer:
    case Lochfeld::Chip:
    case Lochfeld::Pitch: return false;  // a check box is always valid
  }
  return false;
}

int Rechenbereich(Lochfeld art) {
  switch (art) {
    case Lochfeld::Score: return 6;
    case Lochfeld::Abschlag: return 1;
    case Lochfeld::Fairwaytreffer: return 2;
    case Lochfeld::Distance: return 3;
    case Lochfeld::Chip:
    case Lochfeld::Pitch:
    case Lochfeld::Putts:
    case Lochfeld::Bunker: return 4;
    case Lochfeld::Strafschlag: return 5;
  }
  return 0;
}

KartenErgebnis RechneScorekarte(const KartenEingabe& eingabe, int bereich) { return Rechnung(eingabe, bereich).Los(); }
