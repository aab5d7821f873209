#include "data/Aenderungen.h"

Aenderungsmelder& Aenderungen() {
  static Aenderungsmelder melder;
  return melder;
}
