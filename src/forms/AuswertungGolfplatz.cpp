#include "forms/AuswertungGolfplatz.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "data/Global.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/Auswertungsrechnung.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {

// The lines of cells start below the two header lines and follow each other at an even
// pitch, so that the last line still lies inside the window's standard height.
constexpr int KOPF = 350;
constexpr int ERSTE_ZEILE = 1010 + KOPF;
constexpr int ZEILENABSTAND = 350;

struct Zeile {
  const char* name;
  int oben;
  const char* beschriftung;
  int tag;
  const char* zeichen;  // "Ø" an average, "%" or "m" a unit, "" none
  int zeichenNr;
};

// Row label, its tag, and the sign beside it.
const Zeile ZEILEN[] = {
    {"ParLoch", 1010, "Par", 2306, "", 0},
    {"VorgabeLoch", 1390, "Vorgabe", 2307, "", 0},
    {"ScoreLoch", 1770, "Score,", 2308, "Ø", 7},
    {"BPLoch", 2150, "Bruttopunkte,", 2309, "Ø", 6},
    {"FWTLoch", 2520, "Faiwaytreffer", 2310, "%", 0},
    {"AbschlagLoch", 2910, "Abschlaglänge,", 2311, "m", 10},
    {"GIRLoch", 3290, "Grün in Reg.", 2312, "%", 11},
    {"PuttGIRLoch", 3670, "Putt pro G.i.R,", 2313, "Ø", 5},
    {"PuttChipLoch", 4050, "Putt pro Chip,", 2314, "Ø", 4},
    {"PuttPitchLoch", 4430, "Putt pro Pitch,", 2315, "Ø", 3},
    {"PuttSonstigeLoch", 4810, "Putt Sonstige,", 2316, "Ø", 2},
    {"PuttGesamtLoch", 5190, "Putt Gesamt,", 2317, "Ø", 1},
    {"BunkerLoch", 5570, "Bunker", 2318, "", 0},
    {"HiOLoch", 5950, "Hole in one", 2319, "%", 1},
    {"AlbatrossLoch", 6330, "Albatross", 2320, "%", 2},
    {"EagleLoch", 6710, "Eagle", 2321, "%", 3},
    {"BirdieLoch", 7090, "Birdie", 2322, "%", 4},
    {"Par2_Loch", 7470, "Par", 2323, "%", 5},
    {"BogeyLoch", 7850, "Bogey", 2324, "%", 6},
    {"DBogeyLoch", 8230, "Doublebogey", 2325, "%", 7},
    {"TrBogeyLoch", 8640, "Triplebogey", 2326, "%", 8},
    {"MehrTrBogeyLoch", 8990, "+ Triplebogey", 2327, "%", 9},
    {"GesamtLoch", 9370, "Gesamt", 2328, "", 0},
};

}  // namespace

AuswertungGolfplatz& AuswertungGolfplatzForm() { return FormInstanz<AuswertungGolfplatz>(); }

AuswertungGolfplatz::AuswertungGolfplatz()
    : Auswertungsfenster(QStringLiteral("AuswertungGolfplatz"), Statistikart::Golfplatz) {
  // Two header lines: golfer and rounds counted, course and handicap rounds only; the
  // counts and the check box are put beside their captions once these are translated.
  NeueUeberschrift(QStringLiteral("Label27"), QStringLiteral("Golfer:"), 2300, 200, 150, 750);
  Golfername = NeueUeberschrift(QStringLiteral("Golfername"), QString(), 0, 1000, 150, 7700);
  NeueUeberschrift(QStringLiteral("Label28"), QStringLiteral("Golfplatz:"), 2301, 200, 560, 1150);
  PlatzName = NeueUeberschrift(QStringLiteral("PlatzName"), QString(), 0, 1400, 560, 7300);
  Label29 = NeueUeberschrift(QStringLiteral("Label29"), QStringLiteral("Vorgabewirksame Runde"), 2302, 8900, 560, 2300);
  VW_chek = new QCheckBox(this);
  VW_chek->setObjectName(QStringLiteral("VW_chek"));
  VW_chek->setGeometry(TwipsZuPixel(11300), TwipsZuPixel(560), 18, 18);
  VW_chek->setEnabled(false);
  Label30 =
      NeueUeberschrift(QStringLiteral("Label30"), QStringLiteral("Anzahl ausgewertete Runden"), 2303, 8900, 150, 2900);
  Rundenzahl = NeueUeberschrift(QStringLiteral("AnzahlRunden"), QString(), 0, 11900, 150, 900);

  // Column headings.
  for (int i = 1; i <= 20; ++i) {
    const QString t = i <= 18 ? QString::number(i) : (i == 19 ? QStringLiteral("1-9") : QStringLiteral("10-18"));
    // The sums' headings are wider than their cells, centred over them.
    const int breiter = i <= 18 ? 0 : 100;
    QLabel* k = NeueUeberschrift(Feldname(QStringLiteral("Label26"), i), t, 0, 2350 + 600 * (i - 1) - breiter,
                                 KOPF + 600, 495 + 2 * breiter);
    k->setAlignment(Qt::AlignCenter);
  }
  NeueUeberschrift(QStringLiteral("Label1"), QStringLiteral("Gesamt"), 2305, 14250, KOPF + 600, 900)
      ->setAlignment(Qt::AlignCenter);
  NeueUeberschrift(QStringLiteral("Label2"), QStringLiteral("Loch"), 2304, 250, KOPF + 600, 1700);

  int labelNr = 3;
  int zeilenNr = 0;
  for (const Zeile& z0 : ZEILEN) {
    Zeile z = z0;
    z.oben = ERSTE_ZEILE + ZEILENABSTAND * zeilenNr++;
    const QString name = QString::fromLatin1(z.name);
    NeueUeberschrift(QStringLiteral("Label%1").arg(labelNr++), QString::fromUtf8(z.beschriftung), z.tag, 250, z.oben,
                     1750);
    const int bis = name == QLatin1String("VorgabeLoch") ? 18 : 21;
    for (int i = 1; i <= bis; ++i) {
      QLabel* l =
          i <= 20 ? NeueZelle(name, i, 2320 + 600 * (i - 1), z.oben, 555) : NeueZelle(name, i, 14350, z.oben, 700);
      if (name == QLatin1String("ParLoch")) SetzeTextfarbe(l, 0xFF0000);
      if (name == QLatin1String("VorgabeLoch")) SetzeTextfarbe(l, 0x808000);
    }
    const QString zeichen = QString::fromUtf8(z.zeichen);
    if (zeichen.isEmpty()) continue;
    const bool schnitt = zeichen == QStringLiteral("Ø");
    const bool klasse = z0.oben >= 5950;
    QLabel* s = NeuesZeichen(QStringLiteral("%1_%2").arg(schnitt ? "Label31" : "Label32").arg(z.zeichenNr), zeichen,
                             2010, z.oben, schnitt);
    if (klasse) Einheiten.Setze(z.zeichenNr, s);
  }
}

void AuswertungGolfplatz::Form_Load() {
  MitFehlerfalleFenster([this] {
    FolgeAenderungen();
    SetzeTitel(AuswertungTitel);
    PositioniereForm(this, 0, 0, 15300, 10050);
    SpeachChange(this);
    if (Sprachnummer == 2)
      Label29->setGeometry(TwipsZuPixel(9300), Label29->y(), TwipsZuPixel(1900), Label29->height());
    OrdneKopfUndRahmen();
    SetzeFarben(this, 0);
  });
}

void AuswertungGolfplatz::Form_Activate() {
  MitFehlerfalleFenster([this] {
    const bool frei = IstDontSave();
    HF_SetzeBefehlscodes(frei ? Befehlscode::AuswertungGolfplatzFrei : Befehlscode::AuswertungGolfplatz);
    KontextWeiter = Kontext::AuswertungAllgemein;
    KontextSeitenansicht = Kontext::AuswertungGolfplatz;
    KontextDrucken = Kontext::AuswertungGolfplatz;
    SetzeTitel(AuswertungTitel);
  });
}

bool AuswertungGolfplatz::Form_Unload() {
  MitFehlerfalleFenster([this] {
    // The buttons come up for both windows: a per-par window that shows stored records or
    // counts goes back to its values with them.
    AnsichtenAus();
    SchliesseAnsichtenUndFrage();
  });
  return true;
}

void AuswertungGolfplatz::ZeigeAuswertungAllgemein() { AuswertungAllgemeinForm().Zeige(); }
