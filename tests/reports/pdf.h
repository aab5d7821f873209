// Reading back what a test printed to PDF, through poppler's pdftotext and pdfinfo.
#pragma once

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
