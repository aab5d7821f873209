#include "reports/Kursblatt.h"

#include <QLabel>
#include <stdexcept>

#include "language/Sprachumschaltung.h"
#include "platform/Befehlswege.h"
#include "platform/Global.h"
#include "platform/Hauptfenster.h"

namespace {
constexpr long FARBE_LOCHZEILE = 0x808000;
constexpr long FARBE_PAR = 0x0000C0;
constexpr long FARBE_VORGABE = 0x808000;
constexpr long WEISS = 0xFFFFFF;

constexpr int ZEILENABSTAND = 400;
constexpr int ZELLE_HOEHE = 340;
constexpr int LOCH_BREITE = 300;
constexpr int LOCH_ABSTAND = 340;
constexpr int SUMME_BREITE = 700;
constexpr int KURZ_BREITE = 330;
constexpr int ZEILEN = 11;

// Row captions 1807-1817 and their short forms 1818-1828.
constexpr int T_ZEILE_LOCH = 1807;
constexpr int T_KURZ_LOCH = 1818;
const char* const ZEILENTEXTE[ZEILEN] = {"Loch", "Par",   "Vorgabe", "Score",  "Abschlag",   "Faiwaytreffer",
                                         "Chip", "Pitch", "Putt",    "Bunker", "Strafschlag"};
const char* const KURZTEXTE[ZEILEN] = {"Lo", "Par", "Vor", "Sc", "Ab", "Fw", "Ch", "Pi", "Pu", "Bu", "Str"};
enum { Z_LOCH = 0, Z_PAR = 1, Z_VORGABE = 2 };

// A card's header: captions 1800-1806.
constexpr int T_GOLFPLATZ = 1800;
constexpr int T_SPIELER = 1801;
constexpr int T_SPIEL = 1802;
constexpr int T_VORGABE = 1803;
constexpr int T_DATUM = 1804;
constexpr int T_BEMERKUNGEN = 1805;
constexpr int T_TURNIER = 1806;
constexpr int T_FUSSZEILE = 2800;

int parWert(const QString& text) {
  bool ok = false;
  const double d = text.trimmed().toDouble(&ok);
  if (!ok) throw std::runtime_error(Fehlerbeschreibung(TEXT_TYPFEHLER).toStdString());
  return int(std::nearbyint(d));
}

QString summeText(int s) { return s < 1 ? QString() : QString::number(s); }
}  // namespace

KartenSummen BerechneKartenSummen(const KursKarte& k) {
  int vorne = 0;
  int hinten = 0;
  for (int i = 0; i < 18; ++i) {
    if (k.par[i].trimmed().isEmpty()) continue;
    (i < 9 ? vorne : hinten) += parWert(k.par[i]);
  }
  return {summeText(vorne), summeText(hinten), summeText(vorne + hinten)};
}

Kursblatt::Kursblatt(const QString& name, int breite, int hoehe) : Druckbericht(name, breite, hoehe) {}

Kartenfelder Kursblatt::BaueKarte(const Geometrie& g) {
  Kartenfelder k;
  const QFont fett = Schrift(9.75);
  const QFont titel = Schrift(12);
  const int ende = g.summen[2] + SUMME_BREITE;
  auto schreiblinie = [this](int x1, int x2, int y) { Linie(x1, y, x2, y, Qt::darkGray); };

  // Header of write-in fields; only the course name is filled.
  const int kopfA = g.lochzeile - 2090;
  const int kopfB = g.lochzeile - 1170;
  const int kopfC = g.lochzeile - 710;
  const int rechts = g.summe1_9;
  const int linksEnde = g.summe1_9 - 150;
  setzeTag(Text(g.beschriftung, kopfA, 1500, 300, QStringLiteral("Golfplatz:"), fett), T_GOLFPLATZ);
  k.golfplatzname =
      Text(g.loch1, kopfA, std::min(4200, linksEnde - g.loch1), 700, QString(), titel, Qt::AlignLeft | Qt::AlignTop);
  k.golfplatzname->setWordWrap(true);
  setzeTag(Text(rechts, kopfA, 1500, 300, QStringLiteral("Datum"), fett), T_DATUM);
  schreiblinie(rechts + 1600, ende, kopfA + 300);
  setzeTag(Text(g.beschriftung, kopfB, 1500, 300, QStringLiteral("Spieler:"), fett), T_SPIELER);
  schreiblinie(g.loch1, linksEnde, kopfB + 300);
  setzeTag(Text(rechts, kopfB, 1500, 300, QStringLiteral("Vorgabe:"), fett), T_VORGABE);
  schreiblinie(rechts + 1600, ende, kopfB + 300);
  setzeTag(Text(g.beschriftung, kopfC, 1500, 300, QStringLiteral("Spiel:"), fett), T_SPIEL);
  schreiblinie(g.loch1, linksEnde, kopfC + 300);
  setzeTag(Text(rechts, kopfC, 1500, 300, QStringLiteral("Turnier:"), fett), T_TURNIER);
  schreiblinie(rechts + 1600, ende, kopfC + 300);

  // The hole row runs white on the row colour across the card.
  const int breiteBeschriftung = g.loch1 - g.beschriftung - 40;
  QLabel* band =
      Text(g.beschriftung - 40, g.lochzeile - 30, ende - g.beschriftung + 40, ZELLE_HOEHE + 60, QString(), fett);
  SetzeFarbenVB(band, -1, FARBE_LOCHZEILE);
  band->lower();

  const QStringList summenKoepfe = {QStringLiteral("10 - 18"), QStringLiteral("1 - 9"), QStringLiteral("1 - 18")};
  for (int z = 0; z < ZEILEN; ++z) {
    const int y = g.lochzeile + z * ZEILENABSTAND;
    const bool lochzeile = z == Z_LOCH;
    auto zelle = [&](int x, int w, const QString& text, long farbe) {
      QLabel* l = Text(x, y, w, ZELLE_HOEHE, text, fett, Qt::AlignCenter);
      if (lochzeile)
        SetzeFarbenVB(l, WEISS);
      else {
        l->setFrameShape(QFrame::Box);
        if (farbe >= 0) SetzeFarbenVB(l, farbe);
      }
      return l;
    };
    QLabel* titelZelle =
        Text(g.beschriftung, y, breiteBeschriftung, ZELLE_HOEHE, QString::fromUtf8(ZEILENTEXTE[z]), fett);
    setzeTag(titelZelle, T_ZEILE_LOCH + z);
    if (lochzeile) SetzeFarbenVB(titelZelle, WEISS);
    QLabel* kurz = zelle(g.kurz - 40, KURZ_BREITE + 20, QString::fromUtf8(KURZTEXTE[z]), z == Z_PAR ? FARBE_PAR : -1);
    kurz->setFrameShape(QFrame::NoFrame);
    kurz->setFont(Schrift(7.5));
    setzeTag(kurz, T_KURZ_LOCH + z);

    for (int i = 1; i <= 18; ++i) {
      const int x = i <= 9 ? g.loch1 + LOCH_ABSTAND * (i - 1) : g.loch10 + LOCH_ABSTAND * (i - 10);
      const long farbe = z == Z_PAR ? FARBE_PAR : z == Z_VORGABE ? FARBE_VORGABE : -1;
      QLabel* l = zelle(x, LOCH_BREITE, lochzeile ? QString::number(i) : QString(), farbe);
      if (z == Z_PAR) k.par[i - 1] = l;
      if (z == Z_VORGABE) k.vorgabe[i - 1] = l;
    }
    // Sum columns: only the par row carries values; the stroke-index row has none.
    const bool summenzelle = z != Z_VORGABE;
    if (summenzelle) {
      QLabel* s = zelle(g.summe1_9, SUMME_BREITE, lochzeile ? QStringLiteral("1 - 9") : QString(), FARBE_PAR);
      if (z == Z_PAR) k.par1_9 = s;
      for (int n = 0; n < 3; ++n) {
        QLabel* t = zelle(g.summen[n], SUMME_BREITE, lochzeile ? summenKoepfe[n] : QString(), FARBE_PAR);
        if (z == Z_PAR) (n == 0 ? k.par10_18 : n == 1 ? k.par2_1_9 : k.par1_18) = t;
      }
    }
  }

  // Remarks below the grid, then the two footer lines at the bottom right.
  const int unten = g.lochzeile + ZEILEN * ZEILENABSTAND;
  setzeTag(Text(g.beschriftung, unten + 100, breiteBeschriftung, 300, QStringLiteral("Bemerkungen:"), fett),
           T_BEMERKUNGEN);
  schreiblinie(g.loch1, ende, unten + 400);
  const QFont klein = Schrift(9);
  Text(ende - 3000, unten + 560, 3000, 230, QStringLiteral("Zantro Puttwise!"), klein,
       Qt::AlignRight | Qt::AlignVCenter);
  setzeTag(Text(ende - 4000, unten + 790, 4000, 230, QStringLiteral("Die Scorekartenverwaltung für Golfer"), klein,
                Qt::AlignRight | Qt::AlignVCenter),
           T_FUSSZEILE);
  return k;
}

QString Kursblatt::Inhalt() const { return m_karten.isEmpty() ? QString() : m_karten.first().golfplatzname->text(); }

void Kursblatt::Fuelle() {
  const KursKarte quelle = LiesKursKarte();
  for (const Kartenfelder& k : m_karten) k.golfplatzname->setText(quelle.golfplatzname);
  for (int i = 0; i < 18; ++i) {
    for (const Kartenfelder& k : m_karten) {
      k.par[i]->setText(quelle.par[i].trimmed().isEmpty() ? QString() : quelle.par[i]);
      k.vorgabe[i]->setText(quelle.vorgabe[i].trimmed().isEmpty() ? QString() : quelle.vorgabe[i]);
    }
  }
  const KartenSummen s = BerechneKartenSummen(quelle);
  for (const Kartenfelder& k : m_karten) {
    k.par1_9->setText(s.vorne);
    k.par2_1_9->setText(s.vorne);
    k.par10_18->setText(s.hinten);
    k.par1_18->setText(s.gesamt);
  }
}

bool Kursblatt::Form_Unload() {
  // Back to the course editor's toolbar and menus: a sheet printed from the question
  // dialog was never in front, and the editor, still in front, is not activated again.
  HF_SetzeBefehlscodes(Befehlscode::GolfplatzNachKursblatt);
  return true;
}

rptScorekarteDruck1::rptScorekarteDruck1() : Kursblatt(QStringLiteral("rptScorekarteDruck1"), 15945, 11100) {
  m_karten << BaueKarte({2250, 3880, 6940, 8110, 8450, {11510, 12240, 12970}, 3440});
}

rptScorekarteDruck2::rptScorekarteDruck2() : Kursblatt(QStringLiteral("rptScorekarteDruck2"), 11100, 15945) {
  constexpr int ABSTAND_DER_KARTEN = 7965;
  const Geometrie oben{90, 1725, 4785, 5715, 6045, {9105, 9840, 10575}, 2430};
  Geometrie unten = oben;
  unten.lochzeile += ABSTAND_DER_KARTEN;
  m_karten << BaueKarte(unten) << BaueKarte(oben);
}
