// Helpers of the scorecard page of the golfer window.
#pragma once

#include <QString>

class QLabel;

struct StablefordFarbe {
  long Hintergrund;
  long Text;
};

// The colours of a Stableford cell by its caption: 6 and more light blue, 5 blue,
// 4 yellow, 3 red, 2 light grey, 1 dark grey, below 1 black; an empty cell light grey.
StablefordFarbe GibStablefordFarbe(const QString& beschriftung);
// Colours a Stableford label by its caption.
void FaerbeStableford(QLabel* label);
