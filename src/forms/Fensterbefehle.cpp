#include "forms/Fensterbefehle.h"

#include "data/DBGKlasse.h"
#include "data/Global.h"

void NeuGolferOhneFrage() {
  ProtokolliereBefehl(QStringLiteral("NeuGolferOhneFrage"));
  DBG().NeuGolfer(true);
}
