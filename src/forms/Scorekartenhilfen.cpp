#include "forms/Scorekartenhilfen.h"

#include <QLabel>

#include "data/Allgemein.h"
#include "platform/Farben.h"

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

void FaerbeStableford(QLabel* label) {
  if (!label) return;
  const StablefordFarbe f = GibStablefordFarbe(label->text());
  SetzeHintergrund(label, f.Hintergrund);
  SetzeTextfarbe(label, f.Text);
}
