// Taking a handicap-relevant round from the scorecard page into the handicap history.
// It still reads and writes the golfer window; it goes with the scorecard's own move to
// values.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "scoring/Scoreberechnungen.h"

void DBGKlasse::NeuHistorie() {
  Golfer& f = GolferForm();
  double handicap = 0;
  if (!HandicapZuZahl(f.Stammvorgabe->text(), handicap)) {
    Fehlerbox(QStringLiteral("Type mismatch: Stammvorgabe = ") + f.Stammvorgabe->text());
    return;
  }
  const QString punkteText = f.StblNettoLoch[21] ? f.StblNettoLoch[21]->text() : QString();
  int punkte = 0;
  if (!IstLeer(punkteText) && !TextZuInt16(punkteText, punkte)) {
    Fehlerbox(QStringLiteral("Type mismatch: ") + punkteText);
    return;
  }
  const double neu = BerechneHandicap(handicap, punkte);
  const double gerundet = RundeGerade(neu, 0);
  f.Stammvorgabe->setText(HandicapAlsText(neu));
  f.Handicap->setText(HandicapAlsText(gerundet));

  Handicapeintrag e;
  e.Golfernummer = AktiverGolfer.Golferidn;
  e.Datum = f.Datum[1] ? GibDatumswert(f.Datum[1]->text()) : QDate();
  e.Golfplatzbez = f.Golfplatznummer->currentText();
  e.Spielart = f.Spielart->currentText();
  e.Bemerkungen = f.TurnierNameKarte->currentText();
  if (!IstLeer(punkteText)) e.GewNettoStable = double(punkte);
  e.Stammvorgabe = neu;
  e.Handicap = gerundet;
  if (!WriteHdcphistorie(e)) return;
  ::FuelleHdcpListbox(AktiverGolfer.Golferidn);
}
