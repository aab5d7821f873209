// New, Delete, Back and Forward on the record in front, and the commands that open the
// course and tournament editors. Each reads the routing word the window in front wrote;
// a word a command does not list makes it do nothing.
#include <QLabel>
#include <QLineEdit>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "data/Loeschen.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "shell/Befehle.h"
#include "shell/Suchen.h"

void BefehlNeu() {
  ProtokolliereBefehl(QStringLiteral("BefehlNeu"));
  if (KontextNeu == QLatin1String("Turnier"))
    DBG().NeuTurnier(QString());
  else if (KontextNeu == QLatin1String("Golfplatz"))
    DBG().NeuGolfplatz(QString());
}

void BefehlLoeschen() {
  ProtokolliereBefehl(QStringLiteral("BefehlLoeschen"));
  if (KontextLoeschen == QLatin1String("Turnier"))
    LoescheTurnier(TurnierForm().Turniernummer->text());
  else if (KontextLoeschen == QLatin1String("Golfplatz"))
    LoescheGolfplatz(GolfplaetzeForm().GolfplatzNo->text());
  else if (KontextLoeschen == QLatin1String("Slope"))
    LoescheSlope();
}

void BefehlZurueck() {
  ProtokolliereBefehl(QStringLiteral("BefehlZurueck"));
  if (KontextZurueck == QLatin1String("Turnier"))
    DBG().ScrollTurnier(1);
  else if (KontextZurueck == QLatin1String("Golfplatz"))
    DBG().ScrollGolfplatz(1);
}

void BefehlWeiter() {
  ProtokolliereBefehl(QStringLiteral("BefehlWeiter"));
  if (KontextWeiter == QLatin1String("Turnier"))
    DBG().ScrollTurnier(2);
  else if (KontextWeiter == QLatin1String("Golfplatz"))
    DBG().ScrollGolfplatz(2);
}

void ZeigeGolfplatz() {
  ProtokolliereBefehl(QStringLiteral("ZeigeGolfplatz"));
  DBG().GotoGolfplatz(QStringLiteral("LAST"));
}

void ZeigeTurnier() {
  ProtokolliereBefehl(QStringLiteral("ZeigeTurnier"));
  DBG().GotoTurnier(QStringLiteral("LAST"));
}

void BefehlSuchen() {
  ProtokolliereBefehl(QStringLiteral("BefehlSuchen"));
  if (KontextSuchen == QLatin1String("Golfer"))
    SucheGolfer();
  else if (KontextSuchen == QLatin1String("Scorekarte"))
    SucheScorekarte();
  else if (KontextSuchen == QLatin1String("Turnier"))
    SucheTurnier();
  else if (KontextSuchen == QLatin1String("Golfplatz"))
    SucheGolfplatz();
}
