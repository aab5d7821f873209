#include "forms/Kartenschnappschuss.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "forms/Golfer.h"

namespace {
// A check box as the card counts it: 1 ticked, 2 greyed, 0 not ticked.
int kastenwert(const QCheckBox* c) {
  if (!c) return 0;
  switch (c->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}
template <class T>
QString text(const T* c) {
  return c ? c->text() : QString();
}
}  // namespace

KartenSchnappschuss LiesKarteVomBildschirm() {
  Golfer& g = GolferForm();
  KartenSchnappschuss k;
  k.Scorekartenidn = text(g.ScorekartenIdn);
  k.Datum = text(g.Datum[1]);
  k.Golfplatz = g.Golfplatznummer ? g.Golfplatznummer->currentText() : QString();
  k.Spielart = g.Spielart ? g.Spielart->currentText() : QString();
  k.Vorgabewirksam = kastenwert(g.Vorgabewirksam);
  k.Spielvorgabe = text(g.Spielvorgabe);
  k.Golfername = text(g.Golfername);
  for (int i = 1; i <= 18; ++i) {
    Schnappschussloch& l = k.Loch[i];
    l.Score = text(g.ScoreLoch[i]);
    l.Putts = text(g.PuttsLoch[i]);
    l.Distance = text(g.DistanceLoch[i]);
    l.Bunker = text(g.BunkerLoch[i]);
    l.Fairwaytreffer = kastenwert(g.FairwaytrefferLoch[i]);
    l.GIRBrutto = kastenwert(g.GIRBruttoLoch[i]);
    l.Chip = kastenwert(g.ChipLoch[i]);
    l.Pitch = kastenwert(g.PitchLoch[i]);
    l.Par = text(g.ParLoch[i]);
    l.Vorgabe = text(g.VorgabeLoch[i]);
    l.StblNetto = text(g.StblNettoLoch[i]);
    l.StblBrutto = text(g.StblBruttoLoch[i]);
  }
  return k;
}

QString SchluesselDerKarteAufDemBildschirm() {
  if (!FormExistiert<Golfer>()) return {};
  return text(GolferForm().ScorekartenIdn);
}
