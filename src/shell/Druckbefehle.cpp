// The print commands: page set-up, print preview and print, chosen by the context word of
// the window in front, and the course printouts chosen in the question dialog.
#include <QComboBox>
#include <QPointer>

#include "charts/widgets/Diagramm.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/frmGrafik.h"
#include "forms/frmScorekarteDetails.h"
#include "platform/Befehlswege.h"
#include "platform/widgets/Drucker.h"
#include "platform/widgets/Formular.h"
#include "reports/Auswertungsblatt.h"
#include "reports/Berichtsquellen.h"
#include "reports/Druckeinstellungen.h"
#include "reports/Historiendruck.h"
#include "reports/Kursblatt.h"
#include "reports/Scorekartenblatt.h"
#include "reports/Turnierblatt.h"
#include "shell/Befehle.h"
#include "shell/Dialogfenster.h"
#include "shell/Modal.h"

namespace {
// Prints a report window whole: one the command opens itself is shown, printed and
// closed again; one already open (a preview) is printed and stays open.
template <class B>
void druckeBericht(const QString& name, int ausrichtung = 0) {
  if (IstFormGeladen(name)) {
    FormInstanz<B>().Drucke(ausrichtung);
    return;
  }
  // A box shown meanwhile (a check of the window it hides) may close the sheet.
  const QPointer<B> bericht(&FormInstanz<B>());
  bericht->Zeige();
  if (bericht) bericht->Drucke(ausrichtung);
  if (bericht) bericht->Schliessen();
}

const QString DETAILS = QStringLiteral("frmScorekarteDetails");
const QString SCOREKARTE = QStringLiteral("rptScorekarte");
const QString BLATT_S1 = QStringLiteral("rptAuswertungS1");
const QString BLATT_S2 = QStringLiteral("rptAuswertungS2");

template <class B>
void schliesseKursblatt(const QString& name) {
  if (!IstFormGeladen(name)) return;
  const QPointer<B> blatt(&FormInstanz<B>());
  blatt->Drucke(blatt->Ausrichtung());
  if (blatt) blatt->Schliessen();
}
}  // namespace

void BefehlSeiteEinrichten() {
  ProtokolliereBefehl(QStringLiteral("BefehlSeiteEinrichten"));
  SeiteEinrichten();
}

void BefehlSeitenansicht() {
  ProtokolliereBefehl(QStringLiteral("BefehlSeitenansicht"));
  const QString k = KontextSeitenansicht;
  if (k == Kontext::Scorekarte) {
    // The card as its rules take it: an entry typed and not left is judged first.
    if (FormExistiert<Golfer>()) GolferForm().PruefeEintragImFokus();
    FormInstanz<frmScorekarteDetails>().Zeige();
    FormInstanz<rptScorekarte>().Zeige();
  } else if (k == Kontext::AuswertungGolfplatz) {
    FormInstanz<rptAuswertungS1>().Zeige();
  } else if (k == Kontext::AuswertungAllgemein) {
    FormInstanz<rptAuswertungS2>().Zeige();
  } else if (k == Kontext::Turnier) {
    FormInstanz<rptTurnier>().Zeige();
  } else if (k == Kontext::Golfplatz) {
    Ausdrucken = false;
    ZeigeModal(FormInstanz<frmFrage>());
  }
}

namespace {
void druckeNachKontext() {
  const QString k = KontextDrucken;
  if (k == Kontext::Golfer) {
    const HistorienQuelle historie = LiesHistorienQuelle();
    if (DruckerAuswaehlen(DATEI_HISTORIE, historie.golfername)) DruckeHdcpHistorie(historie);
  } else if (k == Kontext::Scorekarte) {
    if (FormExistiert<Golfer>()) GolferForm().PruefeEintragImFokus();
    if (IstFormGeladen(SCOREKARTE)) {
      druckeBericht<rptScorekarte>(SCOREKARTE);
    } else {
      // The detail window opens with the sheet and closes with it.
      FormInstanz<frmScorekarteDetails>().Zeige();
      druckeBericht<rptScorekarte>(SCOREKARTE);
      if (IstFormGeladen(DETAILS)) EntladeForm(DETAILS);
    }
  } else if (k == Kontext::AuswertungGolfplatz) {
    // On a landscape page; the printer keeps the orientation it had for the next printout.
    druckeBericht<rptAuswertungS1>(BLATT_S1, QUERFORMAT);
  } else if (k == Kontext::AuswertungAllgemein) {
    druckeBericht<rptAuswertungS2>(BLATT_S2);
  } else if (k == Kontext::Turnier) {
    druckeBericht<rptTurnier>(QStringLiteral("rptTurnier"));
  } else if (k == Kontext::Golfplatz) {
    Ausdrucken = true;
    const QString eins = QStringLiteral("rptScorekarteDruck1");
    const QString zwei = QStringLiteral("rptScorekarteDruck2");
    if (!IstFormGeladen(QStringLiteral("frmFrage")) && !IstFormGeladen(eins) && !IstFormGeladen(zwei))
      ZeigeModal(FormInstanz<frmFrage>());
    schliesseKursblatt<rptScorekarteDruck1>(eins);
    schliesseKursblatt<rptScorekarteDruck2>(zwei);
  } else if (k == Kontext::Grafik) {
    // The chart alone (not the window's list and button), whole on a landscape page inside
    // the page set-up's margins; the window stays open.
    if (auto* grafik = qobject_cast<frmGrafik*>(SucheFormular(k)))
      DruckeGanzImRand(grafik->Grafik1, QUERFORMAT, DATEI_GRAFIK, grafik->SelectAuswertung->currentText());
  }
}
}  // namespace

void BefehlDrucken() {
  ProtokolliereBefehl(QStringLiteral("BefehlDrucken"));
  const QString vorher = AktiveForm;
  druckeNachKontext();
  // A report window that the printout opened and closed again wrote its name as the
  // active view. The window printed, in front again, writes its own, or none (the course
  // statistics): then the view active before the printout is the active one again, and
  // Exit closes that window instead of aiming at one no longer open.
  if (AktiveForm != vorher && !AktiveForm.isEmpty() && !IstFormGeladen(AktiveForm)) AktiveForm = vorher;
}

void ZeigeKartenausdruck(const QString& Bericht) {
  ProtokolliereBefehl(QStringLiteral("ZeigeKartenausdruck ") + Bericht);
  if (Bericht == QLatin1String("rptScorekarteDruck1")) FormInstanz<rptScorekarteDruck1>().Zeige();
  if (Bericht == QLatin1String("rptScorekarteDruck2")) FormInstanz<rptScorekarteDruck2>().Zeige();
}

void DruckeKartenausdruck(const QString& Bericht, int Ausrichtung) {
  ProtokolliereBefehl(QStringLiteral("DruckeKartenausdruck %1 %2").arg(Bericht).arg(Ausrichtung));
  Kursblatt* blatt = nullptr;
  if (Bericht == QLatin1String("rptScorekarteDruck1")) blatt = &FormInstanz<rptScorekarteDruck1>();
  if (Bericht == QLatin1String("rptScorekarteDruck2")) blatt = &FormInstanz<rptScorekarteDruck2>();
  if (!blatt) return;
  blatt->Drucke(Ausrichtung);
  blatt->Schliessen();
}
