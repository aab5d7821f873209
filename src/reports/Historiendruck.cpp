#include "reports/Historiendruck.h"

#include <QDate>
#include <QFontMetricsF>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "platform/Dialoge.h"
#include "reports/Druckeinstellungen.h"

namespace {
enum { LINKS = 0, OBEN = 1, RECHTS = 2, UNTEN = 3 };
constexpr int ZEILEN_HOCH = 43;  // lines of a page, the caption row included
constexpr int ZEILEN_QUER = 28;
constexpr double FUSSRESERVE = 1200;
constexpr double TWIPS_PRO_PUNKT = 20;

QFont schrift(double punkte, bool fett) {
  QFont f(QStringLiteral("Arial"));
  f.setStyleHint(QFont::SansSerif);
  // Pixel sizes in the painter's units (twips), so the size holds on every printer.
  f.setPixelSize(int(punkte * TWIPS_PRO_PUNKT));
  f.setBold(fett);
  return f;
}

// Prints one line at x and moves y below it.
void zeile(QPainter& m, double x, double& y, const QString& text) {
  const QFontMetricsF fm(m.font());
  m.drawText(QPointF(x, y + fm.ascent()), text);
  y += fm.height();
}

void zeichneTabelle(QPainter& m, const QRectF& flaeche, const HistorienQuelle& q, int erste, int anzahl,
                    int zeilenProSeite) {
  const int spalten = q.koepfe.size();
  if (spalten == 0) return;
  const double hoehe = flaeche.height() / zeilenProSeite;
  const double rand = 60;
  // Widths as the grid's columns share the area, but never narrower than the page's
  // widest text of a column where the area allows.
  QList<double> noetig;
  for (int c = 0; c < spalten; ++c) {
    double n = m.fontMetrics().horizontalAdvance(q.koepfe.value(c));
    for (int r = 0; r < anzahl; ++r) n = std::max<double>(n, m.fontMetrics().horizontalAdvance(q.zeilen[erste + r].value(c)));
    noetig << n + 2 * rand + 20;
  }
  QList<double> breite(spalten, 0.0);
  QList<bool> fest(spalten, false);
  for (bool weiter = true; weiter;) {
    weiter = false;
    double frei = flaeche.width();
    double anteile = 0;
    for (int c = 0; c < spalten; ++c) {
      if (fest[c]) frei -= noetig[c];
      else anteile += std::max(1, q.breiten.value(c));
    }
    for (int c = 0; c < spalten; ++c) {
      if (fest[c]) {
        breite[c] = noetig[c];
        continue;
      }
      breite[c] = anteile > 0 ? std::max(0.0, frei) * std::max(1, q.breiten.value(c)) / anteile : 0;
      if (breite[c] < noetig[c]) {
        fest[c] = true;
        weiter = true;
      }
    }
  }
  // Wider than the area altogether: shrink all alike (texts are then shortened).
  double gesamt = 0;
  for (double b : breite) gesamt += b;
  QList<double> x{flaeche.left()};
  for (int c = 0; c < spalten; ++c) x << x.last() + breite[c] * (gesamt > 0 ? flaeche.width() / gesamt : 0);

  // Caption row shaded as the grid shows it.
  m.fillRect(QRectF(flaeche.left(), flaeche.top(), flaeche.width(), hoehe), QColor(0xE0, 0xE0, 0xE0));
  for (int r = 0; r < zeilenProSeite; ++r) {
    const QStringList* werte = nullptr;
    if (r == 0) werte = &q.koepfe;
    else if (r - 1 < anzahl) werte = &q.zeilen[erste + r - 1];
    const double y = flaeche.top() + r * hoehe;
    if (!werte) continue;
    for (int c = 0; c < spalten; ++c) {
      const QRectF zelle(x[c] + rand, y, x[c + 1] - x[c] - 2 * rand, hoehe);
      const QString t = m.fontMetrics().elidedText(werte->value(c), Qt::ElideRight, int(zelle.width()));
      m.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter, t);
    }
  }
  // Grid lines over the whole area, as the stretched grid picture shows them.
  QPen stift(Qt::gray);
  stift.setWidthF(8);
  m.setPen(stift);
  for (int r = 0; r <= zeilenProSeite; ++r) m.drawLine(QPointF(flaeche.left(), flaeche.top() + r * hoehe), QPointF(flaeche.right(), flaeche.top() + r * hoehe));
  for (double xs : x) m.drawLine(QPointF(xs, flaeche.top()), QPointF(xs, flaeche.bottom()));
  m.setPen(Qt::black);
}
}  // namespace

int HistorienZeilenProSeite(int ausrichtung) { return (ausrichtung == QUERFORMAT ? ZEILEN_QUER : ZEILEN_HOCH) - 1; }

Zeilenbereich HistorienBereich(const HistorienQuelle& q, bool nurAuswahl) {
  const int n = q.zeilen.size();
  if (!nurAuswahl) return {0, n - 1};
  // Grid rows count the caption row as 0; the rows list starts with grid row 1.
  const int von = std::max(1, std::min(q.zeile, q.zeileSel)) - 1;
  const int bis = std::min(n, std::max(q.zeile, q.zeileSel)) - 1;
  return {von, bis};
}

QList<Historienseite> HistorienSeiten(int anzahl, int ausrichtung) {
  QList<Historienseite> seiten;
  const int proSeite = HistorienZeilenProSeite(ausrichtung);
  for (int erste = 0; erste < anzahl; erste += proSeite) seiten.append({erste, std::min(proSeite, anzahl - erste)});
  return seiten;
}

QString HistorienSeitenfuss(int seite, int seiten, int sprache) {
  return sprache == 2 ? QStringLiteral("Page %1 of %2").arg(seite).arg(seiten)
                      : QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
}

bool DruckeHdcpHistorie(const HistorienQuelle& q) {
  // Only the caption and the empty entry row: nothing to print.
  if (!DruckAuswahl && q.zeilen.size() <= 1) {
    DLG().Meldung(QStringLiteral("Es wurde nichts ausgewählt !"), 0, QStringLiteral("Puttwise"));
    return false;
  }
  const Zeilenbereich bereich = HistorienBereich(q, DruckAuswahl);
  if (bereich.Anzahl() <= 0) {
    DLG().Meldung(QStringLiteral("Es wurde nichts ausgewählt !"), 0, QStringLiteral("Puttwise"));
    return false;
  }
  const int ausrichtung = DruckerAusrichtung();
  const int zeilen = HistorienZeilenProSeite(ausrichtung) + 1;
  const QList<Historienseite> seiten = HistorienSeiten(bereich.Anzahl(), ausrichtung);
  const bool englisch = Sprachnummer == 2;
  QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  const QString datum = englisch ? NormiereDatumUS(heute) : NormiereDatumDE(heute);

  if (!WaehleDruckdatei(DATEI_HISTORIE)) return false;
  Druckauftrag auftrag;
  if (!auftrag.Beginne()) return MeldeDruckergebnis(auftrag.Ergebnis());
  QPainter& m = auftrag.Maler();
  const QRectF blatt = auftrag.Seite();
  const double links = Druckraender[LINKS];
  const double oben = Druckraender[OBEN];
  const double rechts = blatt.width() - Druckraender[RECHTS];
  const double unten = blatt.height() - Druckraender[UNTEN];

  for (int s = 0; s < seiten.size(); ++s) {
    if (s > 0 && !auftrag.NeueSeite()) break;
    double y = oben;
    m.setFont(schrift(18, true));
    zeile(m, links, y, QStringLiteral("Handicap-Historie"));
    m.setFont(schrift(12, true));
    zeile(m, links, y, (englisch ? QStringLiteral("Date:                     ") : QStringLiteral("Datum:          ")) + datum);
    zeile(m, links, y, (englisch ? QStringLiteral("Golfer`s name:      ") : QStringLiteral("Golfername: ")) + q.golfername);
    zeile(m, links, y, (englisch ? QStringLiteral("Home golfcourse: ") : QStringLiteral("Heimatclub: ")) + q.heimatclub);
    zeile(m, links, y, QString());
    const double tabelleOben = std::round(y);
    const QRectF flaeche(links, tabelleOben, rechts - links, unten - tabelleOben - FUSSRESERVE);
    m.setFont(schrift(10, true));
    zeichneTabelle(m, flaeche, q, bereich.erste + seiten[s].erste, seiten[s].anzahl, zeilen);

    const QString fuss = HistorienSeitenfuss(s + 1, int(seiten.size()), Sprachnummer) + QStringLiteral("          ") +
                         QStringLiteral("Zantro Puttwise!");
    const QFontMetricsF fm(m.font());
    m.drawText(QPointF(rechts - fm.horizontalAdvance(fuss), unten - fm.height() + fm.ascent()), fuss);
  }
  return MeldeDruckergebnis(auftrag.Beende());
}
