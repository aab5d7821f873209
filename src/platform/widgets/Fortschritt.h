// The progress window of the long computations. ZeigeProgressBar opens it on the first
// call and moves its bar on every call; BeendeProgressBar closes it.
//
// Each update lets pending window events run so that the window repaints. While the
// progress window is shown no command of the main window starts: the menus and the
// toolbar are switched off, the command dispatch refuses, and while an update lets
// events run, input outside the progress window is dropped and the main window does not
// close. So no second computation can start in the middle of one. The main window learns
// of it through the main-window interface (its menus and toolbar) and through
// BefehleGesperrt and FortschrittPumpt (its command dispatch and its close).
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QString>

#include "platform/widgets/Formular.h"

class QLabel;

// The bar: takes the percentage done (0 to 100; values outside are kept as given and
// drawn at the nearest end) through the property ActValue.
class ZantroProgress : public QProgressBar {
  Q_OBJECT
  Q_PROPERTY(double ActValue READ ActValue WRITE SetzeActValue)
 public:
  explicit ZantroProgress(QWidget* parent = nullptr);
  double ActValue() const { return m_wert; }
  void SetzeActValue(double prozent);
  QString text() const override;

 private:
  double m_wert = 0.0;
};

class frmPBar1 : public Formular {
  Q_OBJECT
 public:
  frmPBar1();
  ~frmPBar1() override;

  ZantroProgress* ZantroProgressbar1 = nullptr;
  QLabel* Textfeld1 = nullptr;

 protected:
  void Form_Load() override;
  // The user may close a window that a computation left open, not one in use.
  bool Form_Unload() override;
};

// Window number 1 is the progress window (other numbers do nothing and give 0). Shows it
// at Links, Oben, Breite, Hoehe (twips) when it is not open, sets the bar to
// Wert / Anzahl x 100, puts Text under the bar while no text is there, lets pending
// events run and returns the percentage. Anzahl 0: error box, result 0. The second and
// third pairs are not used (the window has one bar).
double ZeigeProgressBar(int Nummer, double Wert, long Anzahl, const QString& Text, int Links, int Oben, int Breite,
                        int Hoehe, double Wert2 = 0, long Anzahl2 = 0, double Wert3 = 0, long Anzahl3 = 0);
// Clears the text line and closes the progress window when it is open.
void BeendeProgressBar(int Nummer);

// The progress of one computation. The window is for work long enough to need it: it opens
// at the first update that comes FORTSCHRITT_AB_MS or more after the start. Before that an
// update lets pending events run as the window's updates do (the first update, then at
// most every FORTSCHRITT_TAKT_MS), without any window. The end of the computation (the
// object going) closes the window.
constexpr int FORTSCHRITT_AB_MS = 300;
constexpr int FORTSCHRITT_TAKT_MS = 100;
class Fortschrittsanzeige {
 public:
  Fortschrittsanzeige();
  ~Fortschrittsanzeige();
  Fortschrittsanzeige(const Fortschrittsanzeige&) = delete;
  Fortschrittsanzeige& operator=(const Fortschrittsanzeige&) = delete;
  // Wert of Anzahl done, with the text for the window (ZeigeProgressBar).
  void Zeige(double Wert, long Anzahl, const QString& Text);
  bool Offen() const { return m_offen; }

 private:
  QElapsedTimer m_uhr;
  qint64 m_gepumpt = -1;  // when events last ran, ms after the start
  bool m_offen = false;
};

// True while the progress window is shown or a printout runs: the main window starts no
// command.
bool BefehleGesperrt();
// True while an update lets pending events run.
bool FortschrittPumpt();
