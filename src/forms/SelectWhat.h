// The scorecard display settings "SelectWhat": which detail rows new scorecards show, the
// two par-3 settings of the statistics and the minimum number of rounds for the monthly
// and yearly analysis; the shown rows can also be changed for the open card alone.
#pragma once

#include <QString>

#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SelectWhat : public Formular {
  Q_OBJECT
 public:
  SelectWhat();

  QLabel* Label1 = nullptr;
  Steuerfeld<QCheckBox> What;       // 1-8: the detail rows in mask order
  Steuerfeld<QLabel> Beschreibung;  // 0-11
  QLabel* Label2 = nullptr;
  Steuerfeld<QCheckBox> FWT;  // 0: fairways of par-3 holes count
  QLabel* Label3 = nullptr;
  Steuerfeld<QCheckBox> ABSCHL;  // 0: drive lengths of par-3 holes count
  QLabel* Label4 = nullptr;
  QLineEdit* ShowMinMon = nullptr;
  QLineEdit* ShowMinJahr = nullptr;
  QPushButton* Command1 = nullptr;  // apply
  QPushButton* Abbruch = nullptr;   // cancel
  QPushButton* OnlyThis = nullptr;  // apply to the open card only

  // Stores the five settings and applies the par-3 settings to an open card.
  void Command1_Click();
  // Stores the ticked rows as the mask of the open card only.
  void OnlyThis_Click();
  // Closes without storing.
  void Abbruch_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  QString Maske() const;
};

// The window's single instance, created and loaded on first use.
SelectWhat& SelectWhatForm();
