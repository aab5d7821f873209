// The blank scorecards of the course shown in the course editor, to fill in by hand on
// the course: rptScorekarteDruck1, one card across a landscape page, and
// rptScorekarteDruck2, the same card twice on a portrait page. Only the course name, par,
// stroke index and the par sums are printed.
#pragma once

#include <QList>
#include <array>

#include "platform/widgets/Drucker.h"
#include "reports/Berichtsquellen.h"
#include "reports/Druckbericht.h"

class QLabel;

// Par sums of a card as printed: holes 1-9, holes 10-18 and all holes, each the empty
// text when below 1. A par that is not a whole number is an error (std::runtime_error).
struct KartenSummen {
  QString vorne;
  QString hinten;
  QString gesamt;
};
KartenSummen BerechneKartenSummen(const KursKarte& k);

// The filled labels of one card.
struct Kartenfelder {
  QLabel* golfplatzname = nullptr;
  std::array<QLabel*, 18> par{};
  std::array<QLabel*, 18> vorgabe{};
  QLabel* par1_9 = nullptr;    // under "1 - 9" after hole 9
  QLabel* par10_18 = nullptr;  // under "10 - 18"
  QLabel* par2_1_9 = nullptr;  // under the second "1 - 9"
  QLabel* par1_18 = nullptr;   // under "1 - 18"
};

class Kursblatt : public Druckbericht {
  Q_OBJECT
 public:
  // The cards of the page; on the two-card page the lower card first.
  const QList<Kartenfelder>& Karten() const { return m_karten; }
  // The orientation the page is made for.
  virtual int Ausrichtung() const = 0;

 protected:
  struct Geometrie {
    int beschriftung, loch1, summe1_9, kurz, loch10;
    std::array<int, 3> summen;
    int lochzeile;
  };
  Kursblatt(const QString& name, int breite, int hoehe);
  Kartenfelder BaueKarte(const Geometrie& g);
  void Fuelle() override;
  QString Inhalt() const override;
  bool Form_Unload() override;
  QList<Kartenfelder> m_karten;
};

class rptScorekarteDruck1 : public Kursblatt {
  Q_OBJECT
 public:
  rptScorekarteDruck1();
  int Ausrichtung() const override { return QUERFORMAT; }
};

class rptScorekarteDruck2 : public Kursblatt {
  Q_OBJECT
 public:
  rptScorekarteDruck2();
  int Ausrichtung() const override { return HOCHFORMAT; }
};
