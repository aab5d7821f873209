#include "reports/Auswertungsblatt.h"

#include <QCheckBox>
#include <QLabel>

#include "data/Global.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "language/Sprachumschaltung.h"
#include "reports/Berichtsquellen.h"

namespace {
constexpr long FARBE_PAR = 0x808000;
constexpr long FARBE_VORGABE = 0xFF8080;
constexpr int T_FUSSZEILE = 2800;
const QString DURCHSCHNITT = QStringLiteral("Ø");

// The lines of the per-course sheet, top to bottom.
const QList<Auswertungsblatt::Zeile> ZEILEN_S1 = {
    {"ParLoch", "ParLoch", "Par", 1506, 0, 0, 1, 21, false},
    {"VorgabeLoch", "VorgabeLoch", "Vorgabe", 1507, 0, 0, 1, 18, false},
    {"ScoreLoch", "ScoreLoch", "Score", 1508, 'O', 19, 1, 21, true},
    {"BP", "BPLoch", "Bruttopunkte", 1509, 'O', 5, 1, 21, true},
    {"FWT", "FWTLoch", "Faiwaytreffer", 1510, '%', 12, 1, 21, true},
    {"AbschlaglangeLoch", "AbschlagLoch", "Abschlaglänge", 1511, 'm', 0, 1, 21, true},
    {"GiR", "GIRLoch", "Grün in Reg.", 1512, '%', 11, 1, 21, true},
    {"PuttGIRLoch", "PuttGIRLoch", "Putt pro G.i.R.", 1513, 'O', 4, 1, 21, true},
    {"PuttChip", "PuttChipLoch", "Putt pro Chip", 1514, 'O', 3, 1, 21, true},
    {"PuttPitch", "PuttPitchLoch", "Putt pro Pitch", 1515, 'O', 2, 1, 21, true},
    {"PuttSon", "PuttSonstigeLoch", "Putt Sonstige", 1516, 'O', 1, 1, 21, true},
    {"PuttGesamt", "PuttGesamtLoch", "Putt Gesamt", 1517, 'O', 20, 1, 21, true},
    {"BunkerLoch", "BunkerLoch", "Bunker", 1518, '%', 10, 1, 21, true},
    {"HiO", "HiOLoch", "Hole in one", 0, '%', 1, 1, 21, true},
    {"Albatross", "AlbatrossLoch", "Albatross", 0, '%', 2, 1, 21, true},
    {"Eagle", "EagleLoch", "Eagle", 0, '%', 3, 1, 21, true},
    {"Birdie", "BirdieLoch", "Birdie", 0, '%', 4, 1, 21, true},
    {"Par_2", "Par2_Loch", "Par", 0, '%', 5, 1, 21, true},
    {"Bogey", "BogeyLoch", "Bogey", 0, '%', 6, 1, 21, true},
    {"DBogey", "DBogeyLoch", "Doublebogey", 0, '%', 7, 1, 21, true},
    {"TrBogey", "TrBogeyLoch", "Triplebogey", 0, '%', 8, 1, 21, true},
    {"GrTrBogey", "MehrTrBogeyLoch", "+ Triplebogey", 0, '%', 9, 1, 21, true},
    {"Gesamt", "GesamtLoch", "Gesamt", 1519, 0, 0, 1, 21, true},
};

// The lines of the all-courses sheet. Albatross and eagle have their first cells on the
// sheet but no source there: they stay blank.
const QList<Auswertungsblatt::Zeile> ZEILEN_S2 = {
    {"ScoreLoch", "ScorePar", "Score", 1406, 'O', 19, 1, 6, true},
    {"BP", "BruttopunktePar", "Bruttopunkte", 1407, 'O', 5, 1, 6, true},
    {"FWT", "FWTPar", "Faiwaytreffer", 1408, '%', 12, 1, 6, true},
    {"AbschlaglangeLoch", "AbLänrePar", "Abschlaglänge", 1409, 'm', 0, 1, 5, true},
    {"GiR", "GIRPar", "Grün in Regulär", 1410, '%', 11, 1, 6, true},
    {"PuttGIRLoch", "PuttGIRPar", "Putt pro G.i.R.", 1411, 'O', 4, 1, 5, true},
    {"PuttChip", "PuttChipPar", "Putt pro Chip", 1412, 'O', 3, 1, 5, true},
    {"PuttPitch", "PuttPitchPar", "Putt pro Pitch", 1413, 'O', 2, 1, 5, true},
    {"PuttSon", "PuttSonstigePar", "Putt Sonstige", 1414, 'O', 1, 1, 5, true},
    {"PuttGesamt", "PuttGsamtPar", "Putt Gesamt", 1415, 'O', 20, 1, 6, true},
    {"BunkerLoch", "BunkerPar", "Bunker", 1416, '%', 10, 1, 5, true},
    {"HiO", "HiOPar", "Hole in one", 0, '%', 1, 1, 6, true},
    {"Albatross", "AlbatrossPar", "Albatross", 0, '%', 2, 1, 6, true},
    {"Eagle", "EaglePar", "Eagle", 0, '%', 3, 1, 6, true},
    {"Birdie", "BirdiePar", "Birdie", 0, '%', 4, 1, 6, true},
    {"Par_2", "ParPar", "Par", 0, '%', 5, 1, 6, true},
    {"Bogey", "BogeyPar", "Bogey", 0, '%', 6, 1, 6, true},
    {"DBogey", "DBogeyPar", "Doublebogey", 0, '%', 7, 1, 6, true},
    {"TrBogey", "TBogeyPar", "Triplebogey", 0, '%', 8, 1, 6, true},
    {"GrTrBogey", "MehrTBogeyPar", "+ Triplebogey", 0, '%', 9, 1, 6, true},
    {"Gesamt", "GesamtPar", "Scores Gesamt", 1417, 0, 0, 1, 5, true},
};
}  // namespace

Auswertungsblatt::Auswertungsblatt(const QString& name, int breite, int hoehe, const Raster& r, QList<Zeile> zeilen)
    : Druckbericht(name, breite, hoehe), m_raster(r), m_zeilen(std::move(zeilen)) {
  const QFont beschriftung = Schrift(r.beschriftungPunkte);
  const QFont zeichen = Schrift(8.25);
  const int rechts = SpalteX(r.spalten) + SpalteBreite(r.spalten);
  const int luecke = (r.zeilenAbstand - r.zeilenHoehe) / 2;
  for (int z = 0; z < m_zeilen.size(); ++z) {
    const Zeile& zeile = m_zeilen[z];
    const int y = ZeileY(z);
    const QString blatt = QString::fromLatin1(zeile.blatt);
    QLabel* titel =
        Text(r.beschriftungX, y, r.beschriftungBreite, r.zeilenHoehe, QString::fromUtf8(zeile.text), beschriftung);
    if (zeile.tag) setzeTag(titel, zeile.tag);
    const bool par = blatt == QLatin1String("ParLoch");
    const bool vorgabe = blatt == QLatin1String("VorgabeLoch");
    const bool score = blatt == QLatin1String("ScoreLoch");
    const QFont wert = par || vorgabe ? Schrift(9.75) : Schrift(r.wertPunkte, score);
    for (int n = zeile.von; n <= zeile.bis; ++n) {
      QLabel* l = Text(SpalteX(n), y, SpalteBreite(n), r.zeilenHoehe, QString(), wert, Qt::AlignCenter);
      l->setObjectName(QStringLiteral("%1_%2").arg(blatt).arg(n));
      if (par) SetzeFarbenVB(l, FARBE_PAR);
      if (vorgabe) SetzeFarbenVB(l, FARBE_VORGABE);
      m_zellen[blatt].Setze(n, l);
    }
    if (zeile.zeichen) {
      const bool schnitt = zeile.zeichen == 'O';
      QLabel* s = Text(r.zeichenX, y, 300, r.zeilenHoehe, schnitt ? DURCHSCHNITT : QString(QLatin1Char(zeile.zeichen)),
                       zeichen, Qt::AlignCenter);
      if (!schnitt) Loch.Setze(zeile.zeichenNr, s);
    }
    Linie(r.beschriftungX, y + r.zeilenHoehe + luecke, rechts, y + r.zeilenHoehe + luecke, Qt::gray);
  }
  // Rules between the columns, from the heading row down.
  const int oben = r.kopfY - luecke;
  const int unten = ZeileY(m_zeilen.size() - 1) + r.zeilenHoehe + luecke;
  Linie(r.beschriftungX, oben, rechts, oben);
  Linie(r.beschriftungX, unten, rechts, unten);
  for (int n = 1; n <= r.spalten; ++n) {
    const int x = SpalteX(n) - (r.spalteAbstand - r.spalteBreite) / 2;
    Linie(x, oben, x, unten, n == 1 ? QColor(Qt::black) : QColor(Qt::gray));
  }
  Linie(rechts + (r.spalteAbstand - r.spalteBreite) / 2, oben, rechts + (r.spalteAbstand - r.spalteBreite) / 2, unten);
}

int Auswertungsblatt::SpalteX(int n) const { return m_raster.spalteX + m_raster.spalteAbstand * (n - 1); }

int Auswertungsblatt::SpalteBreite(int n) const {
  return n == m_raster.spalten ? m_raster.letzteBreite : m_raster.spalteBreite;
}

const Steuerfeld<QLabel>& Auswertungsblatt::Zellen(const QString& name) const {
  static const Steuerfeld<QLabel> leer;
  auto it = m_zellen.find(name);
  return it == m_zellen.end() ? leer : *it;
}

void Auswertungsblatt::BaueKopf(Stelle awBez, Stelle golferText, Stelle golfer, Stelle platzText, Stelle platz,
                                Stelle vwText, Stelle vw, Stelle rundenText, Stelle runden,
                                const QString& rundenCaption, const int (&tags)[4]) {
  const QFont titel = Schrift(12);
  const QFont beschriftung = Schrift(8.25);
  constexpr int H = 330;
  AwBez = Text(awBez.x, awBez.y, awBez.breite, H, QString(), titel);
  setzeTag(Text(golferText.x, golferText.y, golferText.breite, H, QStringLiteral("Golfer:"), beschriftung), tags[0]);
  Golfername = Text(golfer.x, golfer.y, golfer.breite, H, QString(), titel);
  setzeTag(Text(platzText.x, platzText.y, platzText.breite, H, QStringLiteral("Golfplatz:"), beschriftung), tags[1]);
  Golfplatz = Text(platz.x, platz.y, platz.breite, H, QString(), titel);
  setzeTag(Text(vwText.x, vwText.y, vwText.breite, H, QStringLiteral("Vorgabewirksam"), beschriftung), tags[2]);
  VW = Haken(vw.x, vw.y, 255, 255, QString(), beschriftung);
  Label37 = Text(rundenText.x, rundenText.y, rundenText.breite, H, rundenCaption, beschriftung);
  setzeTag(Label37, tags[3]);
  anzahl_runden = Text(runden.x, runden.y, runden.breite, H, QString(), titel);
}

void Auswertungsblatt::BaueFuss(int mitteX) {
  const QFont klein = Schrift(9);
  const int y = ZeileY(m_zeilen.size()) + 150;
  Text(mitteX - 1500, y, 3000, 250, QStringLiteral("Zantro Puttwise!"), klein, Qt::AlignCenter);
  setzeTag(Text(mitteX - 2500, y + 250, 5000, 250, QStringLiteral("Die Scorekartenverwaltung für Golfer"), klein,
                Qt::AlignCenter),
           T_FUSSZEILE);
}

void Auswertungsblatt::Fuelle() {
  AwBez->setText(AuswertungTitel);
  Ordne();
  const StatistikblattQuelle q = LiesStatistikblatt(Quelle());
  Golfername->setText(q.golfername);
  Golfplatz->setText(q.platzname);
  VW->setCheckState(q.vorgabewirksam);
  anzahl_runden->setText(q.runden);
  for (const Zeile& z : m_zeilen) {
    const QString name = QString::fromUtf8(z.quelle);
    const Statistikzeile* zeile = q.tabelle.Zeile(name);
    const QVector<Anzeigezelle> quelle = q.anzeige.Zeilen.value(name);
    const Steuerfeld<QLabel>& zellen = Zellen(QString::fromLatin1(z.blatt));
    for (int n = z.von; n <= z.bis && n < quelle.size(); ++n) {
      QLabel* l = zellen[n];
      const Anzeigezelle& c = quelle[n];
      // Columns the window's line does not have (albatross on par 3) stay blank.
      if (!l || !zeile || !zeile->Hat(n)) continue;
      l->setText(c.Text);
      if (z.farbe && c.Farbe != FARBE_ZELLE) SetzeFarbenVB(l, -1, c.Farbe);
      // What the window does not show is not printed either.
      if (!c.Sichtbar) l->hide();
    }
  }
  if (!q.anzeige.EinheitenSichtbar)
    for (int k = 1; k <= 9; ++k)
      if (QLabel* l = Loch[k]) l->hide();
}

// ---------------------------------------------------------------------------------------

rptAuswertungS1::rptAuswertungS1()
    : Auswertungsblatt(QStringLiteral("rptAuswertungS1"), 15945, 11100,
                       {400, 1600, 9.75, 2150, 2550, 600, 500, 700, 21, 1750, 2100, 350, 255, 8.25}, ZEILEN_S1) {
  BaueKopf({7400, 350, 8000}, {400, 350, 1000}, {1700, 350, 5000}, {400, 900, 1150}, {1700, 900, 5000},
           {7400, 950, 1800}, {9300, 960, 0}, {10000, 950, 3800}, {14000, 950, 600},
           QStringLiteral("Anzahl ausgewertete Runden"), {1500, 1501, 1502, 1503});
  const QFont kopf = Schrift(9.75);
  setzeTag(Text(400, 1750, 1600, 255, QStringLiteral("Loch"), kopf), 1504);
  for (int n = 1; n <= 21; ++n) {
    const QString t = n <= 18   ? QString::number(n)
                      : n == 19 ? QStringLiteral("1 - 9")
                      : n == 20 ? QStringLiteral("10-18")
                                : QStringLiteral("Gesamt");
    QLabel* l =
        Text(SpalteX(n) - 50, 1750, SpalteBreite(n) + 100, 255, t, n <= 18 ? kopf : Schrift(8.25), Qt::AlignCenter);
    if (n == 21) setzeTag(l, 1505);
    if (n >= 19) Loch.Setze(n, l);
  }
  BaueFuss(13500);
}

QString Auswertungsblatt::Inhalt() const { return Golfername->text(); }

QString rptAuswertungS1::Inhalt() const { return Golfername->text() + QLatin1Char(' ') + Golfplatz->text(); }

Auswertungsfenster& rptAuswertungS1::Quelle() { return AuswertungGolfplatzForm(); }

rptAuswertungS2::rptAuswertungS2()
    : Auswertungsblatt(QStringLiteral("rptAuswertungS2"), 11100, 15945,
                       {700, 2250, 9.75, 3000, 4050, 1000, 900, 900, 6, 2470, 2870, 400, 285, 9.75}, ZEILEN_S2) {
  BaueKopf({1000, 350, 8000}, {1000, 900, 1000}, {2300, 900, 5000}, {1000, 1450, 1150}, {2300, 1440, 4995},
           {7950, 1500, 1800}, {9700, 1510, 0}, {7950, 950, 1500}, {9600, 950, 600}, QStringLiteral("Runden"),
           {1400, 1402, 1403, 1401});
  const char* koepfe[6] = {"Par 3", "Par 4", "Par 5", "Par 6", "Gesamt", "Runde"};
  for (int k = 1; k <= 6; ++k) {
    QLabel* l = Text(SpalteX(k), 2470, 900, 285, QString::fromLatin1(koepfe[k - 1]), Schrift(11.25), Qt::AlignCenter);
    l->setObjectName(QStringLiteral("VorgabeLoch_%1").arg(k));
    if (k >= 5) setzeTag(l, k == 5 ? 1404 : 1405);
  }
  BaueFuss(7000);
}

Auswertungsfenster& rptAuswertungS2::Quelle() { return AuswertungAllgemeinForm(); }

void rptAuswertungS2::Ordne() {
  // The longer English caption of the rounds moves left; the golfer's name makes room.
  if (Sprachnummer != 2) return;
  Label37->setGeometry(TwipsZuPixel(6700), Label37->y(), TwipsZuPixel(2800), Label37->height());
  Golfername->setGeometry(Golfername->x(), Golfername->y(), TwipsZuPixel(3800), Golfername->height());
}
