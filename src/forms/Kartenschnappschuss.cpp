#include "forms/Kartenschnappschuss.h"

#include <QLineEdit>

#include "forms/Golfer.h"

KarteAufDemBildschirm LiesKarteMitErgebnis() {
  Golfer& g = GolferForm();
  KarteAufDemBildschirm k;
  k.Eingabe = g.LiesEingabe();
  k.Ergebnis = RechneScorekarte(k.Eingabe, 0);
  // An entry the rules refuse is what the window shows once it is judged: what it held
  // before the typing (the rule of the card's entries); the rules run again, until they
  // take every entry. One they refuse even so (a stored value the program cannot read)
  // counts as none.
  for (int n = 0; k.Ergebnis.UngueltigerEintrag && n < 2 * 18 * LOCHFELDER; ++n) {
    const KartenErgebnis::Ungueltig u = *k.Ergebnis.UngueltigerEintrag;
    QString KartenLoch::*text = Beschreibung(u.Art).Text;
    if (!text || u.Loch < 1 || u.Loch > 18) break;
    QString& eintrag = k.Eingabe.Loch[u.Loch].*text;
    const QString& vorher = g.Karte().Locheintrag(u.Art, u.Loch).TextVorEingabe();
    if (eintrag != vorher && !eintrag.isEmpty())
      eintrag = vorher;
    else
      eintrag.clear();
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
  return GolferForm().Kartenschluessel();
}
