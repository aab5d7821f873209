#include "forms/AuswertungAllgemein.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "data/Global.h"
#include "forms/Auswertungsrechnung.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {

struct Zeile {
  const char* name;
  int oben;
  int von;
  int bis;
  const char* beschriftung;
  int tag;
  const char* zeichen;
  int zeichenNr;
  const char* labelName;
};

const Zeile ZEILEN[] = {
    {"ScorePar", 1770, 1, 6, "Score,", 2104, "Ø", 7, "Label5"},
    {"BruttopunktePar", 2150, 1, 6, "Bruttopunkte,", 2105, "Ø", 6, "Label6"},
    {"FWTPar", 2530, 1, 6, "Faiwaytreffer, ", 2106, "%", 0, "Label7"},
    {"AbLänrePar", 2910, 1, 5, "Abschlaglänge,", 2107, "m", 10, "Label8"},
    {"GIRPar", 3290, 1, 6, "Grün in Reg.,", 2108, "%", 11, "Label9"},
    {"PuttGIRPar", 3670, 1, 5, "Putt pro G.i.R,", 2109, "Ø", 5, "Label10"},
    {"PuttChipPar", 4080, 1, 5, "Putt pro Chip,", 2110, "Ø", 4, "Label11"},
    {"PuttPitchPar", 4440, 1, 5, "Putt pro Pitch,", 2111, "Ø", 3, "Label12"},
    {"PuttSonstigePar", 4800, 1, 5, "Putt Sonstige,", 2112, "Ø", 2, "Label13"},
    {"PuttGsamtPar", 5190, 1, 6, "Putt Gesamt,", 2113, "Ø", 1, "Label14"},
    {"BunkerPar", 5570, 1, 5, "Bunker,", 2114, "%", 12, "Label15"},
    {"HiOPar", 5950, 1, 6, "Hole in one", 2115, "%", 1, "Label16"},
    {"AlbatrossPar", 6330, 3, 6, "Albatross", 2116, "%", 2, "Label17"},
    {"EaglePar", 6710, 2, 6, "Eagle", 2117, "%", 3, "Label18"},
    {"BirdiePar", 7090, 1, 6, "Birdie", 2118, "%", 4, "Label19"},
    {"ParPar", 7470, 1, 6, "Par", 2119, "%", 5, "Label20"},
    {"BogeyPar", 7850, 1, 6, "Bogey", 2120, "%", 6, "Label21"},
    {"DBogeyPar", 8230, 1, 6, "Doublebogey", 2121, "%", 7, "Label22"},
    {"TBogeyPar", 8610, 1, 6, "Triplebogey", 2122, "%", 8, "Label23"},
    {"MehrTBogeyPar", 8990, 1, 6, "+ Triplebogey", 2123, "%", 9, "Label24"},
    {"GesamtPar", 9360, 1, 5, "Scores gesamt", 2124, "", 0, "Label2"},
};

// Column headings and the lines of cells below them, at an even pitch, so that the last
// line still lies inside the window's standard height.
constexpr int KOEPFE = 1330;
constexpr int ERSTE_ZEILE = 1700;
constexpr int ZEILENABSTAND = 370;

}  // namespace

AuswertungAllgemein& AuswertungAllgemeinForm() { return FormInstanz<AuswertungAllgemein>(); }

AuswertungAllgemein::AuswertungAllgemein()
    : Auswertungsfenster(QStringLiteral("AuswertungAllgemein"), Statistikart::Allgemein) {
  // The counts and the check box are put beside their captions once these are translated.
  NeueUeberschrift(QStringLiteral("Label27"), QStringLiteral("Golfer:"), 2100, 200, 180, 750);
  Golfername = NeueUeberschrift(QStringLiteral("Golfername"), QString(), 0, 1000, 180, 5300);
  NeueUeberschrift(QStringLiteral("Label28"), QStringLiteral("Golfplatz:"), 2102, 200, 700, 1150);
  PlatzName = NeueUeberschrift(QStringLiteral("PlatzName"), QString(), 0, 1400, 700, 4900);
  Label30 =
      NeueUeberschrift(QStringLiteral("Label30"), QStringLiteral("Anzahl ausgewertete Runden"), 2101, 6500, 180, 3100);
  Rundenzahl = NeueUeberschrift(QStringLiteral("Runden"), QString(), 0, 9700, 180, 900);
  Label29 =
      NeueUeberschrift(QStringLiteral("Label29"), QStringLiteral("Vorgabewirksame Runden"), 2103, 6500, 700, 1905);
  VW_chek = new QCheckBox(this);
  VW_chek->setObjectName(QStringLiteral("VW_chek"));
  VW_chek->setGeometry(TwipsZuPixel(8500), TwipsZuPixel(700), 18, 18);
  VW_chek->setEnabled(false);

  const char* koepfe[6] = {"Par 3", "Par 4", "Par 5", "Par 6", "Gesamt", "Runde"};
  for (int c = 1; c <= 6; ++c) {
    const int tag = c == 5 ? 2125 : (c == 6 ? 2126 : 0);
    NeueUeberschrift(Feldname(QStringLiteral("Label1"), c), QString::fromLatin1(koepfe[c - 1]), tag,
                     2550 + 1000 * (c - 1), KOEPFE, 900)
        ->setAlignment(Qt::AlignCenter);
  }
  int zeilenNr = 0;
  for (const Zeile& z : ZEILEN) {
    const QString name = QString::fromUtf8(z.name);
    const int oben = ERSTE_ZEILE + ZEILENABSTAND * zeilenNr++;
    NeueUeberschrift(QString::fromLatin1(z.labelName), QString::fromUtf8(z.beschriftung), z.tag, 250, oben, 1850);
    for (int c = z.von; c <= z.bis; ++c) {
      NeueZelle(name, c, 2550 + 1000 * (c - 1), oben, 900);
    }
    const QString zeichen = QString::fromUtf8(z.zeichen);
    if (zeichen.isEmpty()) continue;
    const bool schnitt = zeichen == QStringLiteral("Ø");
    QLabel* s = NeuesZeichen(QStringLiteral("%1_%2").arg(schnitt ? "Label31" : "Label3").arg(z.zeichenNr), zeichen,
                             2150, oben, schnitt);
    if (z.oben >= 5950) Einheiten.Setze(z.zeichenNr, s);
  }
}

void AuswertungAllgemein::Form_Load() {
  MitFehlerfalleFenster([this] {
    FolgeAenderungen();
    SetzeTitel(AuswertungTitel);
    PositioniereForm(this, 0, 0, 15300, 10050);
    SpeachChange(this);
    OrdneKopfUndRahmen();
    HF_SetzeTitel(Golfertitel(GolfernameDerAuswertung(Golferidn)));
    SetzeFarben(this, 0);
  });
}

void AuswertungAllgemein::Form_Activate() {
  MitFehlerfalleFenster([this] {
    const bool gp = IstFormGeladen(QStringLiteral("AuswertungGolfplatz"));
    const bool frei = IstDontSave();
    if (gp) {
      HF_SetzeBefehlscodes(frei ? Befehlscode::AuswertungAllgemeinFrei : Befehlscode::AuswertungAllgemein);
    } else {
      HF_SetzeBefehlscodes(frei ? Befehlscode::AuswertungAllgemeinAlleinFrei : Befehlscode::AuswertungAllgemeinAllein);
    }
    AktiveForm = objectName();
    KontextZurueck = Kontext::AuswertungGolfplatz;
    KontextSeitenansicht = Kontext::AuswertungAllgemein;
    KontextDrucken = Kontext::AuswertungAllgemein;
  });
}

bool AuswertungAllgemein::Form_Unload() {
  MitFehlerfalleFenster([this] {
    SchliesseAnsichtenUndFrage();
    if (IstFormGeladen(QStringLiteral("AuswertungGolfplatz"))) {
      HF_SetzeButtonBar(Befehlscode::AuswertungGolfplatz.Leiste);
      KontextWeiter = Kontext::AuswertungAllgemein;
      KontextSeitenansicht = Kontext::AuswertungGolfplatz;
      KontextDrucken = Kontext::AuswertungGolfplatz;
    }
  });
  return true;
}
