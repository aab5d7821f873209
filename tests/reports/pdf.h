// Reading back what a test printed to PDF, through poppler's pdftotext and pdfinfo.
#pragma once

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
// white, in millimetres from the paper's top left corner; `papier` gets the page's size.
QRectF PdfZeichnungMm(const QString& datei, QSizeF* papier = nullptr);
