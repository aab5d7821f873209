// The search window: one combo box over the top of the work area listing the current
// golfer's scorecards, the tournaments, the golfers or the courses; a choice saves the
// record shown and loads the chosen one.
#pragma once

#include <QStringList>

#include "platform/widgets/Formular.h"
#include "platform/widgets/Tastatur.h"

class QComboBox;
class QLabel;
class QTimer;

class frmSuchen : public Formular {
  Q_OBJECT
 public:
  frmSuchen();

  QComboBox* ComboSuch = nullptr;
  QLabel* Label1 = nullptr;
  QTimer* TimerFertig = nullptr;

  QStringList SuchIdListe;  // element p + 1 holds the key of list position p
  bool Fertig = false;
  bool KlickAktiv = true;

  void ComboSuch_Click();
  void ComboSuch_KeyDown(int KeyCode);
  void ComboSuch_KeyUp(int KeyCode);
  void TimerFertig_Timer();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Saves the record on screen and loads the one at list position p.
  void GeheZu(int p, bool aktivieren);
  Tastenmerker m_tasten;
};

void SucheScorekarte();
void SucheTurnier();
void SucheGolfer();
void SucheGolfplatz();
