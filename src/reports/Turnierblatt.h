// The tournament sheet rptTurnier: the tournament shown in the tournament editor on one
// portrait page, copied as the editor shows it when the sheet loads.
#pragma once

#include "platform/widgets/Steuerfeld.h"
#include "reports/Druckbericht.h"

class QCheckBox;
class QLabel;

class rptTurnier : public Druckbericht {
  Q_OBJECT
 public:
  rptTurnier();

  QLabel* Turniername = nullptr;
  QLabel* Datum = nullptr;
  QLabel* Golfplatzname = nullptr;
  QLabel* Spielartname = nullptr;
  QLabel* Handicap = nullptr;
  Steuerfeld<QCheckBox> Loch;  // 1-5: "18", "36", "54", "72", "Sonstige"
  QLabel* Sonstige = nullptr;
  QLabel* Bemerkung = nullptr;

 protected:
  void Fuelle() override;
  QString Inhalt() const override;
};
