#include "reports/Historiendruck.h"

#include <QDate>
#include <QFontMetricsF>
#include <cmath>

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
// The least the margins leave of a page (twips): the heading, the footer and a table.
constexpr double MINDESTBREITE = 2 * 1440;
constexpr double MINDESTHOEHE = 4 * 1440;

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
  const QFontMetricsF fm(m.font(), m.device());
  m.drawText(QPointF(x, y + fm.ascent()), text);
  y += fm.height();
}

constexpr double ZELLRAND = 60;  // text inside a cell keeps this far from its rules

// How the table lies on every page: the column rules, which columns wrap their text, and
// the lines of the page each printed row takes.
struct Tabellenplan {
  QList<double> x;
  QList<bool> umbrechen;
  QList<int> einheiten;
};

// Measured on the printer, where the text is drawn.
double textbreite(const QFont& f, QPaintDevice* d, const QString& t) {
  return QFontMetricsF(f, d).horizontalAdvance(t);
}

// Every column as wide as its widest text (the caption in bold) where the width allows.
// Where it does not, the widest columns share what the others leave and wrap their texts;
// their captions still print whole.
QList<double> spaltenbreiten(const HistorienQuelle& q, const QList<int>& zeilen, double flaeche, const QFont& kopf,
                             const QFont& text, QPaintDevice* d, QList<bool>& umbrechen) {
  const int spalten = q.koepfe.size();
  QList<double> noetig, mindest;
  for (int c = 0; c < spalten; ++c) {
    double n = textbreite(kopf, d, q.koepfe.value(c));
    mindest << n + 2 * ZELLRAND + 20;
    for (int r : zeilen) n = std::max(n, textbreite(text, d, q.zeilen[r].value(c)));
    noetig << n + 2 * ZELLRAND + 20;
  }
  umbrechen = QList<bool>(spalten, false);
  auto bedarf = [&] {
    double b = 0;
    for (int c = 0; c < spalten; ++c) b += umbrechen[c] ? mindest[c] : noetig[c];
    return b;
  };
  while (bedarf() > flaeche) {
    int breiteste = -1;
    for (int c = 0; c < spalten; ++c)
      if (!umbrechen[c] && (breiteste < 0 || noetig[c] > noetig[breiteste])) breiteste = c;
    if (breiteste < 0) break;
    umbrechen[breiteste] = true;
  }
  QList<double> breite = noetig;
  double fest = 0, geteilt = 0;
  for (int c = 0; c < spalten; ++c) {
    if (umbrechen[c])
      geteilt += noetig[c];
    else
      fest += noetig[c];
  }
  if (geteilt > 0) {
    // The wrapping columns share the rest by how much they hold, none below its caption.
    double frei = flaeche - fest;
    for (int c = 0; c < spalten; ++c)
      if (umbrechen[c]) breite[c] = std::max(mindest[c], frei * noetig[c] / geteilt);
  } else {
    // Room to spare: shared out as the grid's columns are wide.
    double anteile = 0;
    for (int c = 0; c < spalten; ++c) anteile += std::max(1, q.breiten.value(c));
    const double frei = flaeche - fest;
    for (int c = 0; c < spalten; ++c) breite[c] += frei * std::max(1, q.breiten.value(c)) / anteile;
  }
  return breite;
}

Tabellenplan plane(const HistorienQuelle& q, const QList<int>& zeilen, const QRectF& flaeche, double zeilenhoehe,
                   const QFont& kopf, const QFont& text, QPaintDevice* d) {
  Tabellenplan p;
  const QList<double> breite = spaltenbreiten(q, zeilen, flaeche.width(), kopf, text, d, p.umbrechen);
  p.x << flaeche.left();
  double gesamt = 0;
  for (double b : breite) gesamt += b;
  // Wider than the page even so: all shrink alike.
  const double massstab = gesamt > flaeche.width() ? flaeche.width() / gesamt : 1.0;
  for (double b : breite) p.x << p.x.last() + b * massstab;
  const QFontMetricsF fm(text, d);
  for (int r : zeilen) {
    double hoehe = 0;
    for (int c = 0; c < q.koepfe.size(); ++c) {
      if (!p.umbrechen[c]) continue;
      const QRectF zelle(0, 0, p.x[c + 1] - p.x[c] - 2 * ZELLRAND, 1e7);
      hoehe = std::max(hoehe, fm.boundingRect(zelle, Qt::TextWordWrap, q.zeilen[r].value(c)).height());
    }
    p.einheiten << std::max(1, int(std::ceil((hoehe + ZELLRAND) / zeilenhoehe)));
  }
  return p;
}

void zeichneTabelle(QPainter& m, const QRectF& flaeche, const HistorienQuelle& q, const Tabellenplan& plan,
                    const QList<int>& zeilen, const Historienseite& seite, int zeilenProSeite, const QFont& kopf,
                    const QFont& text) {
  const int spalten = q.koepfe.size();
  const double hoehe = flaeche.height() / zeilenProSeite;
  const QList<double>& x = plan.x;
  // Caption row shaded as the grid shows it.
  m.fillRect(QRectF(flaeche.left(), flaeche.top(), flaeche.width(), hoehe), QColor(0xE0, 0xE0, 0xE0));
  m.setFont(kopf);
  for (int c = 0; c < spalten; ++c)
    m.drawText(QRectF(x[c] + ZELLRAND, flaeche.top(), x[c + 1] - x[c] - 2 * ZELLRAND, hoehe),
               Qt::AlignLeft | Qt::AlignVCenter, q.koepfe.value(c));
  m.setFont(text);
  QList<double> linien{flaeche.top(), flaeche.top() + hoehe};
  double y = flaeche.top() + hoehe;
  for (int i = seite.erste; i < seite.erste + seite.anzahl; ++i) {
    const double h = plan.einheiten[i] * hoehe;
    const QStringList& werte = q.zeilen[zeilen[i]];
    for (int c = 0; c < spalten; ++c) {
      const QRectF zelle(x[c] + ZELLRAND, y, x[c + 1] - x[c] - 2 * ZELLRAND, h);
      m.drawText(zelle, Qt::AlignLeft | Qt::AlignVCenter | (plan.umbrechen[c] ? Qt::TextWordWrap : 0), werte.value(c));
    }
    y += h;
    linien << y;
  }
  // The empty lines below fill the area, as the grid picture stretched over it shows them.
  if (hoehe > 0)
    for (int n = int(std::floor((flaeche.bottom() + 1 - linien.last()) / hoehe)); n > 0; --n)
      linien << linien.last() + hoehe;
  QPen stift(Qt::gray);
  stift.setWidthF(8);
  m.setPen(stift);
  for (double ly : linien) m.drawLine(QPointF(flaeche.left(), ly), QPointF(flaeche.right(), ly));
  for (double xs : x) m.drawLine(QPointF(xs, flaeche.top()), QPointF(xs, linien.last()));
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
  return HistorienSeiten(QList<int>(anzahl, 1), ausrichtung);
}

QList<Historienseite> HistorienSeiten(const QList<int>& einheiten, int ausrichtung) {
  QList<Historienseite> seiten;
  const int proSeite = HistorienZeilenProSeite(ausrichtung);
  int belegt = proSeite;
  for (int i = 0; i < einheiten.size(); ++i) {
    const int e = std::min(einheiten[i], proSeite);
    if (belegt + e > proSeite) {
      seiten.append({i, 0});
      belegt = 0;
    }
    ++seiten.last().anzahl;
    belegt += e;
  }
  return seiten;
}

QString HistorienSeitenfuss(int seite, int seiten, int sprache) {
  return sprache == 2 ? QStringLiteral("Page %1 of %2").arg(seite).arg(seiten)
                      : QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten);
}

bool DruckeHdcpHistorie(const HistorienQuelle& q) {
  // The rows to print; the grid's empty entry row is no part of the history.
  const Zeilenbereich bereich = HistorienBereich(q, DruckAuswahl);
  QList<int> zeilen;
  for (int r = std::max(0, bereich.erste); r <= bereich.letzte && r < q.zeilen.size(); ++r) {
    const bool leer =
        std::all_of(q.zeilen[r].begin(), q.zeilen[r].end(), [](const QString& t) { return t.trimmed().isEmpty(); });
    if (!(r == 0 && leer)) zeilen << r;
  }
  if (zeilen.isEmpty() || q.koepfe.isEmpty()) {
    DLG().Meldung(QStringLiteral("Es wurde nichts ausgewählt !"), STIL_SCHLICHT, QStringLiteral("Puttwise"));
    return false;
  }
  const int ausrichtung = DruckerAusrichtung();
  const int zeilenProSeite = HistorienZeilenProSeite(ausrichtung) + 1;
  const bool englisch = Sprachnummer == 2;
  QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  const QString datum = englisch ? NormiereDatumUS(heute) : NormiereDatumDE(heute);

  if (!WaehleDruckdatei(DATEI_HISTORIE, q.golfername)) return false;
  Druckauftrag auftrag(0, Druckname(DATEI_HISTORIE, q.golfername));
  if (!auftrag.Beginne()) return MeldeDruckergebnis(auftrag.Ergebnis());
  QPainter& m = auftrag.Maler();
  const QRectF blatt = auftrag.Seite();
  // Margins that leave no room on this paper (a paper smaller than the one they were set
  // for) print with the default margins.
  std::array<long, 4> rand = Druckraender;
  if (blatt.width() - rand[LINKS] - rand[RECHTS] < MINDESTBREITE ||
      blatt.height() - rand[OBEN] - rand[UNTEN] < MINDESTHOEHE)
    rand = StandardDruckraender();
  const double links = rand[LINKS];
  const double oben = rand[OBEN];
  const double rechts = blatt.width() - rand[RECHTS];
  const double unten = blatt.height() - rand[UNTEN];
  const QFont kopf = schrift(10, true);
  const QFont text = schrift(10, false);

  // The header block is the same on every page: where the table starts, and so how it
  // is laid out, is known before the first page.
  auto kopfblock = [&](bool zeichnen) {
    double y = oben;
    auto z = [&](const QFont& f, const QString& t) {
      m.setFont(f);
      if (zeichnen)
        zeile(m, links, y, t);
      else
        y += QFontMetricsF(f, m.device()).height();
    };
    z(schrift(18, true), QStringLiteral("Handicap-Historie"));
    const QFont f12 = schrift(12, true);
    z(f12, (englisch ? QStringLiteral("Date:                     ") : QStringLiteral("Datum:          ")) + datum);
    z(f12, (englisch ? QStringLiteral("Golfer's name:      ") : QStringLiteral("Golfername: ")) + q.golfername);
    z(f12, (englisch ? QStringLiteral("Home golfcourse: ") : QStringLiteral("Heimatclub: ")) + q.heimatclub);
    z(f12, QString());
    return std::round(y);
  };
  const double tabelleOben = kopfblock(false);
  const QRectF flaeche(links, tabelleOben, rechts - links, unten - tabelleOben - FUSSRESERVE);
  const Tabellenplan plan = plane(q, zeilen, flaeche, flaeche.height() / zeilenProSeite, kopf, text, m.device());
  const QList<Historienseite> seiten = HistorienSeiten(plan.einheiten, ausrichtung);

  for (int s = 0; s < seiten.size(); ++s) {
    if (s > 0 && !auftrag.NeueSeite()) break;
    kopfblock(true);
    zeichneTabelle(m, flaeche, q, plan, zeilen, seiten[s], zeilenProSeite, kopf, text);
    m.setFont(text);
    const QString fuss = HistorienSeitenfuss(s + 1, int(seiten.size()), Sprachnummer) + QStringLiteral("          ") +
                         QStringLiteral("Zantro Puttwise!");
    const QFontMetricsF fm(m.font(), m.device());
    m.drawText(QPointF(rechts - fm.horizontalAdvance(fuss), unten - fm.height() + fm.ascent()), fuss);
  }
  return MeldeDruckergebnis(auftrag.Beende());
}
