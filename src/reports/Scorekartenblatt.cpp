#include "reports/Scorekartenblatt.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "data/Global.h"
#include "forms/frmScorekarteDetails.h"
#include "language/Sprachumschaltung.h"
#include "platform/Global.h"
#include "platform/widgets/Formular.h"

namespace {
constexpr int T_DATUM = 1900;  // header captions 1900-1908
constexpr int T_LOCH = 1909;
constexpr int T_SUMME = 1910;
constexpr int T_ERSTE_ZEILE = 1911;  // row captions 1911-1926 in row order
constexpr int T_FUSSZEILE = 2800;

constexpr int KOPF_Y[3] = {250, 740, 1215};
constexpr int KOPF_HOEHE = 300;
constexpr int LOCHKOPF_Y = 1760;
constexpr int LOCH_ABSTAND = 340;
constexpr int LOCH_HOEHE = 255;
constexpr int LOCH_X = 2350;
constexpr int LOCH_SCHRITT = 380;
constexpr int LOCH_BREITE = 285;
constexpr int SUMME_X[3] = {9190, 9790, 10390};
constexpr int SUMME_BREITE = 500;
constexpr int ZEICHEN_X = 10890;
constexpr int BESCHRIFTUNG_X = 250;
constexpr int BESCHRIFTUNG_BREITE = 2050;

constexpr int BLOCK_Y = 7910;
constexpr int BLOCK_ABSTAND = 360;
constexpr int WERT_X[5] = {2350, 3050, 3750, 4450, 5150};
constexpr int WERT_BREITE = 600;
constexpr int HISTO_TEXT_X = 6300;
constexpr int HISTO_X[5] = {7750, 8360, 8970, 9580, 10190};
constexpr int HISTO_BREITE = 510;
constexpr int HISTO_ABSTAND = 400;

const char* const ZEILENTEXTE[BLATTZEILEN] = {"Par",
                                              "Vorgabe",
                                              "Score",
                                              "Abschläge",
                                              "Fairwaytreffer",
                                              "Abschlaglänge",
                                              "Chip",
                                              "Pitch",
                                              "Putt",
                                              "Sand Saves",
                                              "Strafschläge",
                                              "Sonstige",
                                              "Grün regulär netto",
                                              "Grün regulär brutto",
                                              "Stableford netto",
                                              "Stableford brutto"};
bool istKastenzeile(int z) {
  return z == B_FAIRWAY || z == B_CHIP || z == B_PITCH || z == B_GIR_NETTO || z == B_GIR_BRUTTO;
}
char zeichenDerZeile(int z) {
  if (z == B_LAENGE) return 'm';
  return istKastenzeile(z) || z == B_SAND ? '%' : 0;
}

// The sections of the evaluation: caption, its number, the number of its "Gesamt" and its rows.
struct Abschnitt {
  const char* text;
  int tag;
  struct Reihe {
    int zeile;  // Kartenzeile
    const char* text;
    int tag;
    char zeichen;
  };
  QList<Reihe> reihen;
};
const QList<Abschnitt> ABSCHNITTE = {
    {"Scores",
     1927,
     {{Z_SCORE_NETTO, "Score netto", 1929, 0},
      {Z_SCORE_BRUTTO, "Score brutto", 1930, 0},
      {Z_STBL_NETTO, "Stableford netto", 1931, 0},
      {Z_STBL_BRUTTO, "Stableford brutto", 1932, 0}}},
    {"Lange Schläge",
     1933,
     {{Z_GIR_NETTO, "Grün regulär netto", 1935, '%'},
      {Z_GIR_BRUTTO, "Grün regulär brutto", 1936, '%'},
      {Z_FWTREFFER, "Fairwaytreffer", 1937, '%'},
      {Z_ABSC, "Abschlaglänge", 1938, 'm'}}},
    {"Putting",
     1939,
     {{Z_PP_GIR, "Putt pro G.i.r.", 1941, 0},
      {Z_PP_CH, "Putt pro Chip", 1942, 0},
      {Z_PP_PI, "Putt pro Pitch", 1943, 0},
      {Z_PP_SO, "Putt Sonstige", 1944, 0},
      {Z_P_GES, "Putt Gesamt", 1945, 0}}},
    {"Bunker", 1946, {{Z_BUNKER, "Bunker", 1948, '%'}}},
};
const char* const KLASSENTEXTE[ERGEBNISKLASSEN] = {"Hole in one", "Albatross",   "Eagle",       "Birdie",       "Par",
                                                   "Bogey",       "Doublebogey", "Triplebogey", "+ Triplebogey"};
const char* const PARKOEPFE[4] = {"Par 3", "Par 4", "Par 5", "Par 6"};

int lochX(int i) { return LOCH_X + LOCH_SCHRITT * (i - 1); }
}  // namespace

rptScorekarte::Punktfarben rptScorekarte::FarbenFuerPunkte(int punkte) {
  if (punkte <= 0) return {0xFFFFFF, 0x000000};
  switch (punkte) {
    case 1: return {0xFFFFFF, 0x808080};
    case 2: return {0x000000, 0xE0E0E0};
    case 3: return {0x000000, 0x0000FF};
    case 4: return {0x000000, 0x00FFFF};
    default: return {0xFFFFFF, 0xFF0000};
  }
}

rptScorekarte::rptScorekarte() : Druckbericht(QStringLiteral("rptScorekarte"), 11100, 15945) {
  BaueKopf();
  BaueLoecher();
  BaueAuswertung();
  const QFont klein = Schrift(9);
  Text(6050, 15500, 4650, 230, QStringLiteral("Zantro Puttwise!"), klein, Qt::AlignRight | Qt::AlignVCenter);
  setzeTag(Text(6050, 15750, 4650, 230, QStringLiteral("Die Scorekartenverwaltung für Golfer"), klein,
                Qt::AlignRight | Qt::AlignVCenter),
           T_FUSSZEILE);
}

void rptScorekarte::BaueKopf() {
  const QFont beschriftung = Schrift(8.25);
  const QFont wert = Schrift(9.75);
  auto titel = [&](int x, int zeile, int w, const char* text, int tag) {
    QLabel* l = Text(x, KOPF_Y[zeile], w, KOPF_HOEHE, QString::fromUtf8(text), beschriftung);
    setzeTag(l, tag);
    return l;
  };
  QLabel* t = nullptr;
  auto feld = [&](int x, int zeile, int w) {
    QLabel* l = Text(x, KOPF_Y[zeile], w, KOPF_HOEHE, QString(), wert);
    m_kopf.append(std::pair<QLabel*, QWidget*>(t, l));
    return l;
  };
  t = titel(400, 0, 900, "Datum:", T_DATUM);
  Datum = feld(1350, 0, 1800);
  Label36 = t = titel(3600, 0, 1000, "Golfer:", T_DATUM + 1);
  Golfername = feld(4600, 0, 5000);
  t = titel(400, 1, 1150, "Golfplatz:", T_DATUM + 2);
  Golfplatz = feld(1600, 1, 3400);
  t = titel(5100, 1, 1150, "Spielart:", T_DATUM + 3);
  Spielart = feld(6300, 1, 2450);
  Label38 = titel(8800, 1, 1800, "Vorgabewirksam", T_DATUM + 4);
  Vorgabewirksam = Haken(10650, KOPF_Y[1], 300, KOPF_HOEHE, QString(), beschriftung);
  m_kopf.append(std::pair<QLabel*, QWidget*>(Label38, Vorgabewirksam));
  t = titel(400, 2, 1100, "Turnier:", T_DATUM + 5);
  Turnier = feld(1550, 2, 2400);
  t = titel(4000, 2, 700, "Slope:", T_DATUM + 6);
  Slope = feld(4700, 2, 550);
  t = titel(5350, 2, 1550, "Course Rating:", T_DATUM + 7);
  Course_rating = feld(6900, 2, 650);
  t = titel(7650, 2, 1450, "Spielvorgabe:", T_DATUM + 8);
  Spielvorgabe = feld(9100, 2, 800);
}

void rptScorekarte::RueckeKopfwerte() {
  // A caption longer than its place (a translation) keeps a gap to its value: the value
  // moves right and keeps its right edge.
  constexpr int ABSTAND = 120;
  for (const auto& [titel, wert] : m_kopf) {
    const int noetig = titel->x() + int(std::ceil(QFontMetricsF(titel->font()).horizontalAdvance(titel->text()))) +
                       TwipsZuPixel(ABSTAND);
    if (wert->x() >= noetig) continue;
    const int rechts = wert->x() + wert->width();
    wert->setGeometry(noetig, wert->y(), std::max(rechts - noetig, TwipsZuPixel(300)), wert->height());
  }
}

void rptScorekarte::BaueLoecher() {
  const QFont fett = Schrift(8);
  const QFont wert = Schrift(9, false);
  setzeTag(Text(BESCHRIFTUNG_X, LOCHKOPF_Y, BESCHRIFTUNG_BREITE, LOCH_HOEHE, QStringLiteral("Loch"), fett), T_LOCH);
  for (int i = 1; i <= 18; ++i)
    Text(lochX(i) - 40, LOCHKOPF_Y, LOCH_BREITE + 80, LOCH_HOEHE, QString::number(i), fett, Qt::AlignCenter);
  const char* summen[3] = {"1 - 9", "10-18", "Gesamt"};
  for (int s = 0; s < 3; ++s) {
    // The last heading may reach past its column to the right.
    QLabel* l = Text(SUMME_X[s] - 50, LOCHKOPF_Y, SUMME_BREITE + (s == 2 ? 260 : 100), LOCH_HOEHE,
                     QString::fromLatin1(summen[s]), fett, Qt::AlignCenter);
    if (s == 2) setzeTag(l, T_SUMME);
  }
  const int rechts = SUMME_X[2] + SUMME_BREITE;
  const int luecke = (LOCH_ABSTAND - LOCH_HOEHE) / 2;
  Linie(BESCHRIFTUNG_X, LOCHKOPF_Y + LOCH_HOEHE + luecke, rechts, LOCHKOPF_Y + LOCH_HOEHE + luecke);
  for (int z = 0; z < BLATTZEILEN; ++z) {
    const int y = LOCHKOPF_Y + LOCH_ABSTAND * (z + 1);
    setzeTag(Text(BESCHRIFTUNG_X, y, BESCHRIFTUNG_BREITE, LOCH_HOEHE, QString::fromUtf8(ZEILENTEXTE[z]), fett),
             T_ERSTE_ZEILE + z);
    const QFont schrift = z == B_SCORE ? Schrift(9) : wert;
    for (int i = 1; i <= 18; ++i) {
      if (istKastenzeile(z))
        Kaestchen[z].Setze(i, Haken(lochX(i) + 20, y, LOCH_BREITE - 20, LOCH_HOEHE, QString(), wert));
      else
        Zelle[z].Setze(i, Text(lochX(i), y, LOCH_BREITE, LOCH_HOEHE, QString(), schrift, Qt::AlignCenter));
    }
    if (z != B_VORGABE)
      for (int s = 0; s < 3; ++s)
        Zelle[z].Setze(19 + s, Text(SUMME_X[s], y, SUMME_BREITE, LOCH_HOEHE, QString(), schrift, Qt::AlignCenter));
    if (const char c = zeichenDerZeile(z))
      Text(ZEICHEN_X, y, 180, LOCH_HOEHE, QString(QLatin1Char(c)), Schrift(8.25), Qt::AlignCenter);
    Linie(BESCHRIFTUNG_X, y + LOCH_HOEHE + luecke, rechts, y + LOCH_HOEHE + luecke, Qt::lightGray);
  }
  // Rules between the holes and before the sums.
  const int oben = LOCHKOPF_Y - luecke;
  const int unten = LOCHKOPF_Y + LOCH_ABSTAND * BLATTZEILEN + LOCH_HOEHE + luecke;
  for (int i = 1; i <= 18; ++i)
    Linie(lochX(i) - (LOCH_SCHRITT - LOCH_BREITE) / 2, oben, lochX(i) - (LOCH_SCHRITT - LOCH_BREITE) / 2, unten,
          i == 1 || i == 10 ? QColor(Qt::black) : QColor(Qt::lightGray));
  for (int s = 0; s < 3; ++s) Linie(SUMME_X[s] - 50, oben, SUMME_X[s] - 50, unten, Qt::black);
}

void rptScorekarte::BaueAuswertung() {
  const QFont fett = Schrift(9);
  const QFont kopf = Schrift(7.5);
  const QFont wert = Schrift(9, false);
  // Column headings, on the evaluation's side each with the average sign before it; the
  // last one may reach past its column to the right.
  auto koepfe = [&](const int* xs, int breite, int y, int gesamtTag, bool schnitt) {
    const int abstand = xs[1] - xs[0];
    for (int k = 0; k < 5; ++k) {
      const QString t = k < 4 ? QString::fromLatin1(PARKOEPFE[k]) : QStringLiteral("Gesamt");
      const int zeichen = schnitt ? 130 : 0;
      if (schnitt) Text(xs[k], y, zeichen, LOCH_HOEHE, QStringLiteral("Ø"), kopf, Qt::AlignLeft | Qt::AlignVCenter);
      const int x = xs[k] + zeichen - (schnitt ? 0 : (abstand - breite) / 2);
      const int w = (k == 4 ? abstand + 100 : abstand) - zeichen;
      QLabel* l = Text(x, y, w, LOCH_HOEHE, t, kopf, schnitt ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      if (k == 4) setzeTag(l, gesamtTag);
    }
  };
  int y = BLOCK_Y;
  for (const Abschnitt& a : ABSCHNITTE) {
    setzeTag(Text(BESCHRIFTUNG_X, y, BESCHRIFTUNG_BREITE, LOCH_HOEHE, QString::fromUtf8(a.text), fett), a.tag);
    koepfe(WERT_X, WERT_BREITE, y, a.tag + 1, true);
    Linie(BESCHRIFTUNG_X, y + LOCH_HOEHE + 40, WERT_X[4] + WERT_BREITE, y + LOCH_HOEHE + 40);
    for (const Abschnitt::Reihe& r : a.reihen) {
      y += BLOCK_ABSTAND;
      setzeTag(Text(BESCHRIFTUNG_X, y, BESCHRIFTUNG_BREITE, LOCH_HOEHE, QString::fromUtf8(r.text), wert), r.tag);
      for (int k = 1; k <= 5; ++k)
        Auswertung[r.zeile].Setze(k, Text(WERT_X[k - 1], y, WERT_BREITE, LOCH_HOEHE, QString(), wert, Qt::AlignCenter));
      // The unit a little apart from the total, which may fill its cell ("100,00").
      if (r.zeichen)
        Text(WERT_X[4] + WERT_BREITE + 80, y, 180, LOCH_HOEHE, QString(QLatin1Char(r.zeichen)), Schrift(8.25),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
    y += BLOCK_ABSTAND + 120;
  }
  // The histogram on the right.
  koepfe(HISTO_X, HISTO_BREITE, BLOCK_Y, 1949, false);
  Linie(HISTO_TEXT_X, BLOCK_Y + LOCH_HOEHE + 40, HISTO_X[4] + HISTO_BREITE, BLOCK_Y + LOCH_HOEHE + 40);
  for (int c = 0; c < ERGEBNISKLASSEN; ++c) {
    const int yk = BLOCK_Y + HISTO_ABSTAND * (c + 1);
    Text(HISTO_TEXT_X, yk, 1400, LOCH_HOEHE, QString::fromLatin1(KLASSENTEXTE[c]), wert);
    for (int k = 1; k <= 5; ++k)
      Histogramm[c].Setze(k, Text(HISTO_X[k - 1], yk, HISTO_BREITE, LOCH_HOEHE, QString(), wert, Qt::AlignCenter));
  }
}

QString rptScorekarte::Inhalt() const { return Golfername->text() + QLatin1Char(' ') + Datum->text(); }

void rptScorekarte::Fuelle() {
  if (Sprachnummer == 2) {
    Label36->setGeometry(Label36->x(), Label36->y(), TwipsZuPixel(1450), Label36->height());
    Golfername->move(TwipsZuPixel(5050), Golfername->y());
    Label38->setGeometry(TwipsZuPixel(9150), Label38->y(), TwipsZuPixel(1500), Label38->height());
  }
  RueckeKopfwerte();
  const KartenblattQuelle q = LiesKartenblatt();
  Datum->setText(q.karte.Datum);
  Golfername->setText(q.karte.Golfername);
  Golfplatz->setText(q.karte.Golfplatz);
  Spielart->setText(q.karte.Spielart);
  Turnier->setText(q.turnier);
  Slope->setText(q.slope);
  Course_rating->setText(q.courseRating);
  Spielvorgabe->setText(q.karte.Spielvorgabe);
  if (q.karte.Vorgabewirksam == 1) Vorgabewirksam->setCheckState(Qt::Checked);

  for (int z = 0; z < BLATTZEILEN; ++z) {
    for (const auto& [i, l] : Zelle[z]) l->setText(q.text[z][i]);
    for (const auto& [i, c] : Kaestchen[z])
      if (q.haken[z][i] == 1) c->setCheckState(Qt::Checked);
  }
  // The points of each hole in their colours; the sums stay plain.
  for (int z : {B_STBL_NETTO, B_STBL_BRUTTO}) {
    for (int i = 1; i <= 18; ++i) {
      bool zahl = false;
      const int punkte = q.text[z][i].trimmed().toInt(&zahl);
      if (!zahl) continue;
      const Punktfarben f = FarbenFuerPunkte(punkte);
      SetzeFarbenVB(Zelle[z][i], f.text, f.hinter);
    }
  }

  for (int z = 0; z < KARTENZEILEN; ++z)
    for (int k = 1; k <= 5; ++k)
      if (QLabel* l = Auswertung[z][k]) l->setText(q.auswertung.Zelle[z][k]);
  // Par-3 holes left out of fairway hits or driving distance have no par-3 cell there.
  if (!q.mitPar3Fairway) Auswertung[Z_FWTREFFER][1]->setText(QString());
  if (!q.mitPar3Abschlag) Auswertung[Z_ABSC][1]->setText(QString());
  for (int c = 0; c < ERGEBNISKLASSEN; ++c)
    for (int k = 1; k <= 5; ++k)
      if (HatHistogrammzelle(c, k)) Histogramm[c][k]->setText(q.auswertung.Histogramm[c][k]);
  // An entry the evaluation could not read: said once (the detail window may have said it
  // for this card already), and the sheet keeps what was computed.
  const QString details = QStringLiteral("frmScorekarteDetails");
  const bool gesagt = IstFormGeladen(details) &&
                      FormInstanz<frmScorekarteDetails>().GemeldeterFehler == q.auswertung.Fehler &&
                      FormInstanz<frmScorekarteDetails>().GemeldeteKarte == q.karte.Scorekartenidn;
  if (!q.auswertung.Fehler.isEmpty() && !gesagt) Fehlerbox(q.auswertung.Fehler);
}

bool rptScorekarte::Form_Unload() {
  // The detail window opened with the sheet closes with it.
  if (IstFormGeladen(QStringLiteral("frmScorekarteDetails"))) EntladeForm(QStringLiteral("frmScorekarteDetails"));
  return true;
}

void rptScorekarte::Drucken() { Drucke(); }
