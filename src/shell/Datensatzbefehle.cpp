// New, Delete, Back and Forward on the record in front, and the commands that open the
// course and tournament editors. Each reads the routing word the window in front wrote;
// a word a command does not list makes it do nothing.
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Auswertungsrechnung.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Loeschen.h"
#include "forms/SelectWhat.h"
#include "forms/Steuerelemente.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "shell/Befehle.h"
#include "shell/Suchen.h"

namespace {
constexpr int MELDUNG_SCOREKARTE_LOESCHEN = 46;
// The record windows: the key of the record shown and the field a new record starts with.
struct Datensatzfenster {
  const char* name;
  QString (*schluessel)();
  QWidget* (*erstesFeld)();
};
const Datensatzfenster DATENSATZFENSTER[] = {
    {"Golfer", [] { return GolferForm().GezeigterGolfer(); }, []() -> QWidget* { return GolferForm().Golfername; }},
    {"Golfer", [] { return GolferForm().Kartenschluessel(); }, []() -> QWidget* { return GolferForm().Datum[1]; }},
    {"Turnier", [] { return TurnierForm().Nummer(); }, []() -> QWidget* { return TurnierForm().Turniername; }},
    {"Golfplätze", [] { return GolfplaetzeForm().Idn(); },
     []() -> QWidget* { return GolfplaetzeForm().Golfplatzname; }},
};
QString SchluesselVon(const Datensatzfenster& f) {
  return IstFormGeladen(QString::fromUtf8(f.name)) ? f.schluessel() : QString();
}
}  // namespace

void BefehlNeu() {
  ProtokolliereBefehl(QStringLiteral("BefehlNeu"));
  QStringList vorher;
  for (const Datensatzfenster& f : DATENSATZFENSTER) vorher << SchluesselVon(f);
  if (KontextNeu == Kontext::Golfer)
    NeuGolfer(false);
  else if (KontextNeu == Kontext::Scorekarte)
    NeuScorekarte(AktiverGolfer.Golferidn);
  else if (KontextNeu == Kontext::Turnier)
    NeuTurnier(QString());
  else if (KontextNeu == Kontext::Golfplatz)
    NeuGolfplatz(QString());
  // The window whose key changed shows the new record: the typing goes into its first field.
  for (int i = 0; i < vorher.size(); ++i)
    if (SchluesselVon(DATENSATZFENSTER[i]) != vorher[i]) {
      SetzeFokusOhnePruefung(DATENSATZFENSTER[i].erstesFeld());
      break;
    }
}

void BefehlLoeschen() {
  ProtokolliereBefehl(QStringLiteral("BefehlLoeschen"));
  if (KontextLoeschen == Kontext::Golfer) {
    DeleteGolfer(GolferForm().GezeigterGolfer());
  } else if (KontextLoeschen == Kontext::Scorekarte) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_SCOREKARTE_LOESCHEN, STIL_FRAGE);
    if (MsgAntwort == 6) LoescheScorekarte(GolferForm().Kartenschluessel());
  } else if (KontextLoeschen == Kontext::Historie) {
    LoescheHdcpHistorie();
  } else if (KontextLoeschen == Kontext::Turnier)
    LoescheTurnier(TurnierForm().Nummer());
  else if (KontextLoeschen == Kontext::Golfplatz)
    LoescheGolfplatz(GolfplaetzeForm().Idn());
  else if (KontextLoeschen == Kontext::Slope)
    LoescheSlope();
}

namespace {
// Back and Forward on scorecards keep their two buttons off while the card scrolls.
void blaettereScorekarte(int richtung) {
  QToolBar* leiste = Hauptleiste();
  QAction* zurueck = leiste && leiste->actions().size() >= 11 ? leiste->actions()[9] : nullptr;
  QAction* weiter = leiste && leiste->actions().size() >= 11 ? leiste->actions()[10] : nullptr;
  if (zurueck) zurueck->setEnabled(false);
  if (weiter) weiter->setEnabled(false);
  ScrollScorecard(richtung);
  if (zurueck) zurueck->setEnabled(true);
  if (weiter) weiter->setEnabled(true);
}
}  // namespace

void BefehlZurueck() {
  ProtokolliereBefehl(QStringLiteral("BefehlZurueck"));
  if (KontextZurueck == Kontext::PreviousScorecard)
    blaettereScorekarte(1);
  else if (KontextZurueck == Kontext::Turnier)
    ScrollTurnier(1);
  else if (KontextZurueck == Kontext::Golfplatz)
    ScrollGolfplatz(1);
  else if (KontextZurueck == Kontext::AuswertungGolfplatz)
    AuswertungZurueck();
}

void BefehlWeiter() {
  ProtokolliereBefehl(QStringLiteral("BefehlWeiter"));
  if (KontextWeiter == Kontext::NextScorecard)
    blaettereScorekarte(2);
  else if (KontextWeiter == Kontext::Turnier)
    ScrollTurnier(2);
  else if (KontextWeiter == Kontext::Golfplatz)
    ScrollGolfplatz(2);
  else if (KontextWeiter == Kontext::AuswertungAllgemein)
    AuswertungWeiter();
}

void ZeigeGolfplatz() {
  ProtokolliereBefehl(QStringLiteral("ZeigeGolfplatz"));
  GotoGolfplatz(QStringLiteral("LAST"));
}

void ZeigeTurnier() {
  ProtokolliereBefehl(QStringLiteral("ZeigeTurnier"));
  GotoTurnier(QStringLiteral("LAST"));
}

void BefehlSuchen() {
  ProtokolliereBefehl(QStringLiteral("BefehlSuchen"));
  if (KontextSuchen == Kontext::Golfer)
    SucheGolfer();
  else if (KontextSuchen == Kontext::Scorekarte)
    SucheScorekarte();
  else if (KontextSuchen == Kontext::Turnier)
    SucheTurnier();
  else if (KontextSuchen == Kontext::Golfplatz)
    SucheGolfplatz();
}

void ZeigeEinstellungenScorekarte() {
  ProtokolliereBefehl(QStringLiteral("ZeigeEinstellungenScorekarte"));
  SelectWhatForm().Zeige();
}
