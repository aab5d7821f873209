// Helpers of the scorecard page of the golfer window.
#pragma once

#include <QString>

#include "scoring/Scorekartenrechnung.h"

class QLabel;

// Colours a Stableford label by its caption (GibStablefordFarbe).
void FaerbeStableford(QLabel* label);
