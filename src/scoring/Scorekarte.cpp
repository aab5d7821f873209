// BerechneScorekarte: moves the entries of the golfer window's scorecard into the card
// arithmetic and its results back into the window's labels and check boxes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Scorekartenhilfen.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Farben.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

QString Text(const QLineEdit* t) { return t ? t->text() : QString(); }
QString Text(const QLabel* l) { return l ? l->text() : QString(); }
int Wert(const QCheckBox* c) { return c && c->isChecked() ? 1 : 0; }

void Setze(QLabel* l, const QString& text) {
  if (l && l->text() != text) l->setText(text);
}
void Setze(QLineEdit* t, const QString& text) {
  if (t && t->text() != text) t->setText(text);
}
void Setze(QCheckBox* c, int wert) {
  if (c) c->setChecked(wert == 1);
}
void Setze(QLabel* a, QLabel* b, QLabel* c, const Drei& texte) {
  Setze(a, texte[0]);
  Setze(b, texte[1]);
  Setze(c, texte[2]);
}
void Setze(const Steuerfeld<QLabel>& feld, const Zeile21& texte, int von, int bis) {
  for (int i = von; i <= bis; ++i) Setze(feld[i], texte[i]);
}

KartenEingabe Lies(const Golfer& g) {
  KartenEingabe e;
  for (int i = 1; i <= 18; ++i) {
    KartenLoch& l = e.Loch[i];
    l.Score = Text(g.ScoreLoch[i]);
    l.Abschlag = Text(g.AbschlagLoch[i]);
    l.Distance = Text(g.DistanceLoch[i]);
    l.Putts = Text(g.PuttsLoch[i]);
    l.Bunker = Text(g.BunkerLoch[i]);
    l.Strafschlag = Text(g.StrafschlagLoch[i]);
    l.Fairway = Wert(g.FairwaytrefferLoch[i]);
    l.Chip = Wert(g.ChipLoch[i]);
    l.Pitch = Wert(g.PitchLoch[i]);
    // The box's own visibility: hidden on par-3 holes when their fairways do not count.
    l.FairwaySichtbar = g.FairwaytrefferLoch[i] && !g.FairwaytrefferLoch[i]->isHidden();
    l.Par = Text(g.ParLoch[i]);
    l.Vorgabe = Text(g.VorgabeLoch[i]);
    l.Sonstige = Text(g.SonstigeLoch[i]);
  }
  e.Spielvorgabe = Text(g.Spielvorgabe);
  return e;
}

QLineEdit* Eingabefeld(const Golfer& g, Eintrag art, int loch) {
  switch (art) {
    case Eintrag::Score: return g.ScoreLoch[loch];
    case Eintrag::Abschlag: return g.AbschlagLoch[loch];
    case Eintrag::Putts: return g.PuttsLoch[loch];
    case Eintrag::Bunker: return g.BunkerLoch[loch];
    case Eintrag::Distance: return g.DistanceLoch[loch];
    case Eintrag::Strafschlag: return g.StrafschlagLoch[loch];
  }
  return nullptr;
}

}  // namespace

void BerechneScorekarte(int bereich) {
  Golfer& g = GolferForm();
  const KartenErgebnis r = RechneScorekarte(Lies(g), bereich);

  if (r.UngueltigerEintrag) {
    MsgAntwort = SPU().Zantro_Msg(44, STIL_KRITISCH);
    QLineEdit* t = Eingabefeld(g, r.UngueltigerEintrag->Art, r.UngueltigerEintrag->Loch);
    if (t) {
      t->clear();
      g.SetzeFokusOhneBerechnung(t);
    }
    return;
  }

  if (r.ParSummen)
    for (int b = 0; b < 3; ++b) Setze(g.ParLoch[19 + b], (*r.ParSummen)[b]);

  if (r.Score) {
    const auto& s = *r.Score;
    for (int i = 1; i <= 18; ++i) Setze(g.ScoreLoch[i], s.ScoreText[i]);
    Setze(g.StblBruttoLoch, s.StblBrutto, 1, 21);
    Setze(g.StblNettoLoch, s.StblNetto, 1, 21);
    Setze(g.GPBruttoLoch, s.GPBrutto, 1, 21);
    Setze(g.GPNettoLoch, s.GPNetto, 1, 21);
    Setze(g.GesamtScoreLoch_1_9, g.GesamtScoreLoch_10_18, g.GesamtScore, s.GesamtScore);
  }
  if (r.Abschlag) Setze(g.GesamtAbschlagLoch_1_9, g.GesamtAbschlagLoch_10_18, g.GesamtAbschlag, *r.Abschlag);
  if (r.Fairway) Setze(g.GesamtFWT_1_9, g.GesamtFWT_10_18, g.GesamtFWT, *r.Fairway);
  if (r.Kurzspiel) {
    const auto& k = *r.Kurzspiel;
    for (int i = 1; i <= 18; ++i) {
      Setze(g.GIRBruttoLoch[i], k.GIRBrutto[i]);
      Setze(g.GIRNettoLoch[i], k.GIRNetto[i]);
    }
    Setze(g.GIRBrutto_1_9, g.GIRBrutto_10_18, g.GIRBruttoGesamt, k.GIRBruttoProzent);
    Setze(g.GIRNetto_1_9, g.GIRNetto_10_18, g.GIRNettoGesamt, k.GIRNettoProzent);
    Setze(g.GesamtPuttsLoch_1_9, g.GesamtPuttsLoch_10_18, g.GesamtPutts, k.Putts);
    Setze(g.GesamtChipLoch_1_9, g.GesamtChipLoch_10_18, g.GesamtChip, k.Chip);
    Setze(g.GesamtPitchLoch_1_9, g.GesamtPitchLoch_10_18, g.GesamtPitch, k.Pitch);
    Setze(g.GesamtBunkerLoch_1_9, g.GesamtBunkerLoch_10_18, g.GesamtBunker, k.Bunker);
  }
  if (r.Strafschlag)
    Setze(g.GesamtStrafschlagLoch_1_9, g.GesamtStrafschlagLoch_10_18, g.GesamtStrafschlag, *r.Strafschlag);
  if (r.Distance) Setze(g.GesamtDistanceLoch_1_9, g.GesamtDistanceLoch_10_18, g.GesamtDistance, *r.Distance);

  if (!r.Fehler.isEmpty()) {
    Fehlerbox(r.Fehler);
    return;
  }

  if (r.Sonstige) {
    const auto& s = *r.Sonstige;
    for (int i = 1; i <= 18; ++i) {
      for (QLineEdit* t : {g.ScoreLoch[i], g.AbschlagLoch[i], g.DistanceLoch[i], g.PuttsLoch[i], g.BunkerLoch[i],
                           g.StrafschlagLoch[i]})
        if (t) SetzeHintergrund(t, s.Farbe[i]);
    }
    Setze(g.SonstigeLoch, s.Sonstige, 1, 21);
  }

  for (int i = 1; i <= 18; ++i) {
    FaerbeStableford(g.StblBruttoLoch[i]);
    FaerbeStableford(g.StblNettoLoch[i]);
  }
}
