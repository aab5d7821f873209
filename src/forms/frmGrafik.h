// The chart window: a list of fifteen charts and a button that draws the chosen one from
// the selected rounds (or the handicap history). Opening the window draws the score chart.
#pragma once

#include <QImage>
#include <QString>

#include "platform/widgets/Formular.h"

class Diagramm;
class QComboBox;
class QPushButton;
struct GrafikParameter;

class frmGrafik : public Formular {
  Q_OBJECT
 public:
  frmGrafik();

  Diagramm* Grafik1 = nullptr;
  QComboBox* SelectAuswertung = nullptr;
  QPushButton* CalcScore = nullptr;

  void FuelleSelectAuswertung();
  // Draws the chart of the chosen list entry (nothing while no entry is chosen).
  void CalcScore_Click();
  // Computes and draws chart `index` (0..14 in list order).
  void ZeichneAuswertung(int index);

  // The window as a picture (Print sends the window itself to the current printer in
  // landscape).
  QImage AlsBild(const QSize& groesse = {});

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;

 private:
  QString m_vorherDrucken;
  QString m_vorherSeitenansicht;
};

// The period of the handicap chart: the dates of the selection of the open statistics
// windows (the all-courses window wins), empty when none is open.
void GibHandicapZeitraum(QString& von, QString& bis);
