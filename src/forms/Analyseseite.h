// The "Analyse" page of the golfer window: the selection of the rounds an analysis covers
// (a course or all, handicap-relevant only, a period, the best or last n rounds) and the
// button that computes it. Each row of check boxes acts as one radio group.
#pragma once

#include <QDate>
#include <QWidget>

#include "platform/widgets/Steuerfeld.h"
#include "statistics/Analyseabfrage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Analyseseite : public QWidget {
  Q_OBJECT
 public:
  explicit Analyseseite(QWidget* eltern = nullptr);

  Steuerfeld<QCheckBox> Woche, Monat, MonJahr, MonatName, Best, BestWhat, Last;
  QCheckBox* AlleDatum = nullptr;
  QLineEdit* Startdatum = nullptr;
  QLineEdit* Enddatum = nullptr;
  QLineEdit* JahrAuswertung = nullptr;
  QLabel* LabelAJ = nullptr;
  QLabel* AuswertungLabel = nullptr;
  QLineEdit* TopEingabe = nullptr;
  QLineEdit* LastEingabe = nullptr;
  QCheckBox* VW = nullptr;
  QComboBox* AuswahlGolfplatz = nullptr;
  QPushButton* Calc = nullptr;

  // The selectors; `leertaste` true for the Space key, false for a mouse press. They run
  // before the box itself toggles.
  void Woche_Druck(int i);
  void Monat_Druck(int i);
  void MonatName_Druck(int i);
  void MonJahr_Druck(int i);
  void Best_Druck(int i, bool leertaste);
  void Last_Druck(int i);
  void BestWhat_Druck(int i);
  void AlleDatum_Click();
  void Startdatum_LostFocus();
  void Enddatum_LostFocus();
  void AuswahlGolfplatz_LostFocus();
  void Calc_Click();
  // Fills the course box: all courses first, then every course by name. What the box
  // showed stays shown while it is in the list (a course renamed from `alterName` shows
  // `neuerName`); otherwise it shows all courses.
  void FuelleGolfplatzliste(const QString& alterName = {}, const QString& neuerName = {});

  // Reads the selection; false after a message when it cannot run.
  bool LiesAuswahl(Analyseauswahl& a);
  // Stores the selection as qryAnalyseTemp and computes it (message 38 when no round).
  void ErstelleAnalyse();

  // Today as the handlers see it (tests set it).
  static QDate& Heute();

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void JahrAus();
  void PruefeDatumsfeld(QLineEdit* feld);
};

// True when the text is the all-courses entry in either language.
bool IstAlleGolfplaetze(const QString& text);
