// Two small modal windows: the question which printout of a course's blank scorecard is
// wanted, and the information box.
#pragma once

#include "platform/widgets/Formular.h"

class QLabel;
class QPushButton;

// Asks for two scorecards per page (rptScorekarteDruck2, portrait) or one per page
// (rptScorekarteDruck1, landscape); shows the chosen printout for the preview or prints
// it, as `Ausdrucken` says.
class frmFrage : public Formular {
  Q_OBJECT
 public:
  frmFrage();

  QLabel* Label1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();

 protected:
  void Form_Load() override;

 private:
  void Waehle(const QString& bericht, int ausrichtung);
};

// Product name and version, and a button for the notice text.
class Zantro_Info : public Formular {
  Q_OBJECT
 public:
  Zantro_Info();

  QLabel* Produkt = nullptr;
  QLabel* Untertitel = nullptr;
  QLabel* Version = nullptr;
  QLabel* Firma = nullptr;
  QLabel* Bild = nullptr;
  QPushButton* hinweis = nullptr;
  QPushButton* Info_schliessen = nullptr;  // control name "Info_schließen"

  void hinweis_Click();
  void Info_schliessen_Click();

 protected:
  void Form_Load() override;
};
