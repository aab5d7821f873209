// The search window: one combo box over the top of the work area listing the current
// golfer's scorecards, the tournaments, the golfers or the courses; a choice saves the
// record shown and loads the chosen one. Also the type-ahead completion of combo boxes.
#pragma once

#include <QStringList>

#include "platform/Formular.h"

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
};

void SucheScorekarte();
void SucheTurnier();
void SucheGolfer();
void SucheGolfplatz();

// Completes the entry of a combo box from its list (case-blind, first match wins).
void VervollstaendigeComboBox(QComboBox* Liste);
// Key-up filter of the entry windows: completes the combo box that has the focus.
void ComboTastatur(int KeyCode);
// A Qt key as the key code the handlers compare (letters, digits and punctuation as
// their character code; Enter 13, Backspace 8, Delete 46, arrows 37-40).
int Tastencode(int qtTaste);
// The typed part of the entry, kept between keystrokes.
extern QString ComboEingabe;
