#include "forms/Kartenschnappschuss.h"

#include <QLineEdit>

#include "forms/Golfer.h"

KarteAufDemBildschirm LiesKarteMitErgebnis() {
  Golfer& g = GolferForm();
  KarteAufDemBildschirm k;
  k.Eingabe = g.LiesEingabe();
  k.Ergebnis = RechneScorekarte(k.Eingabe, 0);
  // An entry the rules refuse is emptied, as the window empties it when the box is left,
  // and the rules run again, until they take every entry.
  for (int n = 0; k.Ergebnis.UngueltigerEintrag && n < 18 * LOCHFELDER; ++n) {
    const KartenErgebnis::Ungueltig u = *k.Ergebnis.UngueltigerEintrag;
    QString KartenLoch::*text = Beschreibung(u.Art).Text;
    if (!text || u.Loch < 1 || u.Loch > 18) break;
    (k.Eingabe.Loch[u.Loch].*text).clear();
    k.Ergebnis = RechneScorekarte(k.Eingabe, 0);
  }
  k.Karte = g.LiesKarte(k.Eingabe, k.Ergebnis);
  k.Golfername = g.GezeigterGolfername();
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
