#include "forms/Kartenschnappschuss.h"

#include <QLineEdit>

#include "forms/Golfer.h"

KarteAufDemBildschirm LiesKarteMitErgebnis() {
  const Golfer& g = GolferForm();
  KarteAufDemBildschirm k;
  k.Eingabe = g.LiesEingabe();
  k.Ergebnis = RechneScorekarte(k.Eingabe, 0);
  k.Karte = g.LiesKarte(k.Eingabe, k.Ergebnis);
  k.Golfername = g.Golfername->text();
  return k;
}

KartenSchnappschuss LiesKarteVomBildschirm() {
  const KarteAufDemBildschirm w = LiesKarteMitErgebnis();
  KartenSchnappschuss k = Schnappschuss(w.Karte, w.Eingabe, w.Ergebnis);
  k.Golfername = w.Golfername;
  return k;
}

QString SchluesselDerKarteAufDemBildschirm() {
  if (!FormExistiert<Golfer>()) return {};
  return GolferForm().ScorekartenIdn->text();
}
