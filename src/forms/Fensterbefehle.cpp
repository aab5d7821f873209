#include "forms/Fensterbefehle.h"

#include "forms/Golfer.h"

#include "data/DBGKlasse.h"
#include "data/Global.h"

void NeuGolferOhneFrage() {
  ProtokolliereBefehl(QStringLiteral("NeuGolferOhneFrage"));
  NeuGolfer(true);
}
