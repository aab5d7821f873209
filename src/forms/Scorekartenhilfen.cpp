#include "forms/Scorekartenhilfen.h"

#include <QLabel>

#include "platform/widgets/Farben.h"

void FaerbeStableford(QLabel* label) {
  if (!label) return;
  const StablefordFarbe f = GibStablefordFarbe(label->text());
  SetzeHintergrund(label, f.Hintergrund);
  SetzeTextfarbe(label, f.Text);
}
