// Base of the printable report windows: a window laid out as one page (white, positions
// in twips) that fills itself once when it loads, shows as the print preview and prints
// whole onto one page of the current printer, scaled to fit.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "platform/widgets/Formular.h"

class QCheckBox;
class QLabel;
class QScrollArea;

class Druckbericht : public Formular {
  Q_OBJECT
 public:
  // The page's size in twips.
  Druckbericht(const QString& name, int breiteTwips, int hoeheTwips);

  // The page that is shown and printed.
  QWidget* Blatt() const { return m_blatt; }
  // Prints the page whole onto one page of the current printer (orientation 0: the
  // printer's own; 1 or 2 for this print only). A print that did not come out is
  // reported; true when it was printed.
  bool Drucke(int ausrichtung = 0);

  // Fonts of the layouts: Arial, bold or not, in points.
  static QFont Schrift(double punkte, bool fett = true);

 protected:
  // Place and size, the codes, the translation, then Fuelle().
  void Form_Load() override;
  void Form_Activate() override;
  // Copies what the sheet shows from its source, once.
  virtual void Fuelle() = 0;
  // What the page shows (a golfer, a course, a tournament), for the printout's name.
  virtual QString Inhalt() const { return QString(); }
  // Sets every text that is wider than its label smaller until it fits.
  void PasseTexteEin();

  // A label on the page at twips x, y with width w and height h.
  QLabel* Text(int x, int y, int w, int h, const QString& text, const QFont& schrift,
               Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter);
  // A check box on the page whose state only mirrors a source.
  QCheckBox* Haken(int x, int y, int w, int h, const QString& text, const QFont& schrift);
  // A straight rule from (x1, y1) to (x2, y2), twips.
  void Linie(int x1, int y1, int x2, int y2, const QColor& farbe = Qt::black);

 private:
  QScrollArea* m_rolle = nullptr;
  QWidget* m_blatt = nullptr;
  int m_breite;
  int m_hoehe;
};

// Text and background colour of a label, as stored 0x00BBGGRR numbers.
void SetzeFarbenVB(QWidget* w, long text, long hinter = -1);
