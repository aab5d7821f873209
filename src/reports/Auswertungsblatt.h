// The statistics sheets: rptAuswertungS1, the per-hole statistics of one course on a
// landscape page, and rptAuswertungS2, the per-par statistics over all courses on a
// portrait page. A sheet prints what its statistics window shows when the sheet loads:
// each cell's caption and highlight colour, the hidden "%" signs of the count view and
// the cells the window hides. It computes nothing.
#pragma once

#include <QHash>
#include <QStringList>

#include "platform/widgets/Steuerfeld.h"
#include "reports/Druckbericht.h"

class Auswertungsfenster;
class QCheckBox;
class QLabel;

class Auswertungsblatt : public Druckbericht {
  Q_OBJECT
 public:
  QLabel* AwBez = nullptr;    // the heading of the analysis
  QLabel* Label37 = nullptr;  // caption of the number of rounds
  QLabel* Golfername = nullptr;
  QLabel* Golfplatz = nullptr;
  QLabel* anzahl_runden = nullptr;
  QCheckBox* VW = nullptr;
  // The unit signs: "%" 1-12 as laid out, "m" 0.
  Steuerfeld<QLabel> Loch;

  // The value cells of a line, by the sheet's array name ("ScoreLoch", "BP", ...).
  const Steuerfeld<QLabel>& Zellen(const QString& name) const;

  // One line of the grid: the sheet's array, the window's array, the caption and its
  // text number, the sign beside it ('%', 'm', 'O' an average, 0 none) with its index,
  // the columns the sheet has and whether the cells take the window's highlight.
  struct Zeile {
    const char* blatt;
    const char* quelle;
    const char* text;
    int tag;
    char zeichen;
    int zeichenNr;
    int von, bis;
    bool farbe;
  };
  // The grid's measures in twips.
  struct Raster {
    int beschriftungX, beschriftungBreite;
    double beschriftungPunkte;
    int zeichenX;
    int spalteX, spalteAbstand, spalteBreite, letzteBreite, spalten;
    int kopfY, ersteY, zeilenAbstand, zeilenHoehe;
    double wertPunkte;
  };

 protected:
  Auswertungsblatt(const QString& name, int breite, int hoehe, const Raster& r, QList<Zeile> zeilen);
  // The header's fields at {x, y, width} in twips, and the captions with their numbers.
  struct Stelle {
    int x, y, breite;
  };
  void BaueKopf(Stelle awBez, Stelle golferText, Stelle golfer, Stelle platzText, Stelle platz, Stelle vwText,
                Stelle vw, Stelle rundenText, Stelle runden, const QString& rundenCaption,
                const int (&tags)[4]);  // golfer, course, handicap relevant, rounds
  void BaueFuss(int mitteX);
  int SpalteX(int n) const;
  int SpalteBreite(int n) const;
  int ZeileY(int z) const { return m_raster.ersteY + m_raster.zeilenAbstand * z; }
  void Fuelle() override;
  // The golfer.
  QString Inhalt() const override;
  virtual Auswertungsfenster& Quelle() = 0;
  // After the translation, before the copies.
  virtual void Ordne() {}

  Raster m_raster;
  QList<Zeile> m_zeilen;
  QHash<QString, Steuerfeld<QLabel>> m_zellen;
};

class rptAuswertungS1 : public Auswertungsblatt {
  Q_OBJECT
 public:
  rptAuswertungS1();

 protected:
  Auswertungsfenster& Quelle() override;
  // The golfer and the course.
  QString Inhalt() const override;
};

class rptAuswertungS2 : public Auswertungsblatt {
  Q_OBJECT
 public:
  rptAuswertungS2();

 protected:
  Auswertungsfenster& Quelle() override;
  void Ordne() override;
};
