// The two toggles of the statistics windows (toolbar buttons 13 and 14 and their menu
// items).
#include "forms/Auswertungsrechnung.h"
#include "shell/Befehle.h"

void BefehlRekordergebnisse() {
  ProtokolliereBefehl(QStringLiteral("BefehlRekordergebnisse"));
  SchalteRekordansicht();
}

void BefehlAufZahlen() {
  ProtokolliereBefehl(QStringLiteral("BefehlAufZahlen"));
  SchalteZaehlansicht();
}
