#include "forms/Kartenschnappschuss.h"

#include <QLineEdit>

#include "forms/Golfer.h"

KartenSchnappschuss LiesKarteVomBildschirm() {
  const Golfer& g = GolferForm();
  const KartenEingabe eingabe = g.LiesEingabe();
  const KartenErgebnis ergebnis = RechneScorekarte(eingabe, 0);
  KartenSchnappschuss k = Schnappschuss(g.LiesKarte(eingabe, ergebnis), eingabe, ergebnis);
  k.Golfername = g.Golfername->text();
  return k;
}

QString SchluesselDerKarteAufDemBildschirm() {
  if (!FormExistiert<Golfer>()) return {};
  return GolferForm().ScorekartenIdn->text();
}
