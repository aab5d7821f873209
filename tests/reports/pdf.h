// Reading back what a test printed to PDF, through poppler's pdftotext and pdfinfo.
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Answers the next file dialog (the printout's PDF file) with `name` in `ordner`; gives
// its path.
QString PdfZiel(const QString& ordner, const QString& name);
// The text of every page (pdftotext -layout), one entry per page.
QStringList PdfSeiten(const QString& datei);
// "Page size" of the first page: true when it is wider than high.
bool PdfQuer(const QString& datei);
// The document's title.
QString PdfTitel(const QString& datei);
// What is drawn on the first page (pdftoppm): the box around every pixel that is not
// white, in millimetres from the paper's top left corner; `papier` gets the page's size,
// `bild` the page itself (150 dots to the inch).
QRectF PdfZeichnungMm(const QString& datei, QSizeF* papier = nullptr, QImage* bild = nullptr);

// A word of a page and its box, in points from the page's top left corner.
struct PdfWort {
  QString text;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  double mitteX() const { return (x0 + x1) / 2; }
  double mitteY() const { return (y0 + y1) / 2; }
};
// The words of every page (pdftotext -bbox), one list per page.
QList<QList<PdfWort>> PdfWoerter(const QString& datei);

// The line of the first word `text` of a page: that word and every word beside it, from
// left to right (none when the page has no such word).
QList<PdfWort> PdfZeile(const QList<PdfWort>& seite, const QString& text);

// A table read back from a page by where its words stand: the lines are the rows of
// words left of the first column (the row captions), in order from `kopf` (the heading
// line) down; the columns are given by their centres. A cell's words are those of its
// line whose centre lies within half the narrowest column distance of its column's.
class PdfTabelle {
 public:
  PdfTabelle(const QList<PdfWort>& seite, const PdfWort& kopf, const QList<double>& spalten, int zeilen);
  // The caption of line `z` (0 the first line below the heading).
  QString Beschriftung(int z) const;
  // The text of line `z` in column `s` (index into the column centres), "" when empty.
  QString Zelle(int z, int s) const;
  int Zeilen() const { return int(m_zeilen.size()); }

 private:
  QList<double> m_spalten;
  double m_toleranz = 0;
  QList<QList<PdfWort>> m_zeilen;
};
