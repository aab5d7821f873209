// BerechneScorekarte over the entries of a card, and the colours of its Stableford cells.
#include "data/Allgemein.h"
#include "scoring/Scorekartenrechnung.h"

KartenErgebnis BerechneScorekarte(const KartenEingabe& eingabe, int bereich) {
  KartenErgebnis r = RechneScorekarte(eingabe, bereich);
  if (r.UngueltigerEintrag) r.Meldung = MELDUNG_UNGUELTIGER_EINTRAG;
  return r;
}

StablefordFarbe GibStablefordFarbe(const QString& beschriftung) {
  // A caption that is no number counts as 0 (black), the empty caption is grey.
  double v = 0;
  if (!TextZuDouble(beschriftung, v)) v = 0;
  StablefordFarbe f{0xC0C0C0, 0x000000};
  if (v >= 6) f = {0xFF8080, 0xFFFFFF};
  if (v == 5) f = {0xFF0000, 0xFFFFFF};
  if (v == 4) f = {0x00FFFF, 0x000000};
  if (v == 3) f = {0x0000FF, 0x000000};
  if (v == 2) f = {0xC0C0C0, 0x000000};
  if (v == 1) f = {0x808080, 0xFFFFFF};
  if (v < 1) f = {0x000000, 0xFFFFFF};
  if (beschriftung.isEmpty()) f = {0xC0C0C0, 0x000000};
  return f;
}
