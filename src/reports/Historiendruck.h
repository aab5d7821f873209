// The handicap history printed page by page: a header block with title, date, golfer and
// home club, the table with its caption row on every page, and "Seite n von m" at the
// bottom right, inside the stored margins.
#pragma once

#include <QList>
#include <QString>

#include "platform/widgets/Drucker.h"
#include "reports/Berichtsquellen.h"

// Rows a page carries below its caption row: 42 in portrait, 27 in landscape.
int HistorienZeilenProSeite(int ausrichtung);

// The rows to print, as indexes into HistorienQuelle::zeilen (first, last); with the
// selection flag the rows between the current row and the selection end, whichever way
// they were dragged, else every row. Empty (first > last) when there is nothing.
struct Zeilenbereich {
  int erste = 0;
  int letzte = -1;
  int Anzahl() const { return letzte - erste + 1; }
};
Zeilenbereich HistorienBereich(const HistorienQuelle& q, bool nurAuswahl);

// The pages of a printout of `anzahl` rows: each page's first row (counted from 0) and
// its number of rows.
struct Historienseite {
  int erste;
  int anzahl;
};
QList<Historienseite> HistorienSeiten(int anzahl, int ausrichtung);
// The same for rows that take more than one line of the page (`einheiten` per row, a
// row's text wrapped in its cell): a page holds rows while their lines fit.
QList<Historienseite> HistorienSeiten(const QList<int>& einheiten, int ausrichtung);

// "Seite n von m" (German, language 1) or "Page n of m" (English).
QString HistorienSeitenfuss(int seite, int seiten, int sprache);

// Prints the history on the current printer with DruckAuswahl and Druckraender; dates,
// captions and short columns print whole, long course names and remarks wrap in their
// cells. The empty entry row is not printed. Nothing to print: the message "Es wurde
// nichts ausgewählt !" and no page. A print that did not
// come out is reported. True when it was printed.
bool DruckeHdcpHistorie(const HistorienQuelle& q);
