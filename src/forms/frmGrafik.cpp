#include "forms/frmGrafik.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>
#include <optional>

#include "charts/Grafikrechnung.h"
#include "charts/widgets/Diagramm.h"
#include "data/Global.h"
#include "forms/AuswertungAllgemein.h"
#include "forms/AuswertungGolfplatz.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Fortschritt.h"

namespace {
constexpr int TEXT_TITEL = 146;
constexpr int T_KNOPF = 2400;
constexpr int TEXT_ERSTE_GRAFIK = 235;  // 235..249: the chart names, one for each chart of the list

enum class Reihen { Eine, Saeulen, Zwei };

// One chart of the list: its computation and the texts and settings of its request.
struct Grafikeintrag {
  bool (*rechnung)(const Grafikfortschritt&);
  Reihen reihen;
  double schritt;
  int format, beschriftung;
  int titel, achse, name1, trend1, name2, trend2;
};

// The handicap history: its period comes from the statistics windows.
bool handicapverlauf(const Grafikfortschritt& fortschritt) {
  QString von, bis;
  GibHandicapZeitraum(von, bis);
  return CalcGrafikHdcp(AktiverGolfer.Golferidn, von, bis, fortschritt);
}

using F = const Grafikfortschritt&;
constexpr Grafikeintrag GRAFIKEN[] = {
    {[](F f) { return CalcGrafikScore(1, f); }, Reihen::Eine, 1.0, 0, 0, 58, 59, 60, 61, 0, 0},
    {[](F f) { return CalcGrafikScore(2, f); }, Reihen::Saeulen, 0.1, 1, 2, 109, 110, 0, 0, 0, 0},
    {[](F f) { return CalcGrafikBP(1, f); }, Reihen::Eine, 1.0, 0, 0, 54, 55, 56, 57, 0, 0},
    {[](F f) { return CalcGrafikBP(2, f); }, Reihen::Saeulen, 0.1, 1, 2, 111, 112, 0, 0, 0, 0},
    {[](F f) { return CalcGrafikFWT(1, f); }, Reihen::Eine, 1.0, 0, 0, 62, 63, 64, 65, 0, 0},
    {[](F f) { return CalcGrafikFWT(2, f); }, Reihen::Saeulen, 5.0, 0, 1, 113, 114, 0, 0, 0, 0},
    {[](F f) { return CalcGrafikGIR(1, f); }, Reihen::Eine, 1.0, 0, 0, 66, 67, 68, 69, 0, 0},
    {[](F f) { return CalcGrafikGIR(2, f); }, Reihen::Saeulen, 0.5, 0, 2, 70, 71, 0, 0, 0, 0},
    {[](F f) { return CalcGrafikPutting(1, f); }, Reihen::Eine, 1.0, 0, 0, 81, 82, 83, 84, 0, 0},
    {[](F f) { return CalcGrafikPutting(2, f); }, Reihen::Saeulen, 0.02, 2, 2, 115, 116, 0, 0, 0, 0},
    {[](F f) { return CalcGrafikPuttingGIR(f); }, Reihen::Zwei, 0.1, 2, 0, 85, 86, 87, 88, 89, 90},
    {[](F f) { return CalcGrafikPuttingPC(1, f); }, Reihen::Zwei, 0.1, 2, 0, 91, 92, 93, 94, 95, 96},
    {[](F f) { return CalcGrafikPuttingPC(2, f); }, Reihen::Zwei, 0.1, 2, 0, 97, 98, 99, 100, 101, 102},
    {[](F f) { return CalcGrafikPuttingSonstige(f); }, Reihen::Zwei, 0.1, 2, 0, 103, 104, 105, 106, 107, 108},
    {handicapverlauf, Reihen::Eine, 0.1, 2, 0, 77, 78, 79, 80, 0, 0},
};
// The charts of the list; their names are the texts from TEXT_ERSTE_GRAFIK on.
constexpr int ANZAHL_GRAFIKEN = int(std::size(GRAFIKEN));
}  // namespace

void GibHandicapZeitraum(QString& von, QString& bis) {
  von.clear();
  bis.clear();
  auto zeitraum = [&](const Auswertungsfenster& f) {
    von = f.Auswahl().Startdatum;
    bis = f.Auswahl().Enddatum;
  };
  // The all-courses window's period wins.
  if (FormExistiert<AuswertungGolfplatz>()) zeitraum(AuswertungGolfplatzForm());
  if (FormExistiert<AuswertungAllgemein>()) zeitraum(AuswertungAllgemeinForm());
}

frmGrafik::frmGrafik() : Formular(QStringLiteral("frmGrafik")) {
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(8, 8, 8, 8);
  Grafik1 = new Diagramm(this);
  Grafik1->setObjectName(QStringLiteral("Grafik1"));
  Grafik1->setMinimumSize(TwipsZuPixel(15030) / 2, TwipsZuPixel(8505) / 2);
  haupt->addWidget(Grafik1, 1);
  auto* unten = new QHBoxLayout;
  SelectAuswertung = new QComboBox(this);
  SelectAuswertung->setObjectName(QStringLiteral("SelectAuswertung"));
  SelectAuswertung->setMinimumWidth(TwipsZuPixel(8000) / 2);
  SelectAuswertung->setMaxVisibleItems(ANZAHL_GRAFIKEN);
  CalcScore = new QPushButton(QStringLiteral("Score"), this);
  CalcScore->setObjectName(QStringLiteral("CalcScore"));
  setzeTag(CalcScore, T_KNOPF);
  CalcScore->setMinimumWidth(TwipsZuPixel(1575));
  unten->addWidget(SelectAuswertung);
  unten->addWidget(CalcScore);
  unten->addStretch(1);
  haupt->addLayout(unten);
  connect(CalcScore, &QPushButton::clicked, this, [this] { CalcScore_Click(); });
}

void frmGrafik::Form_Load() {
  PositioniereForm(this, 0, 0, 15300, 10050);
  SpeachChange(this);
  SetzeHintergrund(this, Hintergrundfarbe);
  SetzeTitel(SPU().GibTranslation(TEXT_TITEL));
  Form_Activate();
  FuelleSelectAuswertung();
  ZeichneAuswertung(0);
}

void frmGrafik::Form_Activate() {
  // In front, Print prints the chart and only Exit and Print stay on; what the window
  // behind had routed is kept for when the chart closes.
  if (KontextDrucken != Kontext::Grafik) {
    m_vorherDrucken = KontextDrucken;
    m_vorherSeitenansicht = KontextSeitenansicht;
  }
  AktiveForm = Kontext::Grafik;
  KontextDrucken = Kontext::Grafik;
  KontextSeitenansicht.clear();
  HF_SetzeBefehlscodes(Befehlscode::Druckansicht);
}

bool frmGrafik::Form_Unload() {
  // Still routed here: the words go back to the window behind, which sets its toolbar
  // again when it comes to the front.
  if (KontextDrucken == Kontext::Grafik) {
    KontextDrucken = m_vorherDrucken;
    KontextSeitenansicht = m_vorherSeitenansicht;
  }
  return true;
}

void frmGrafik::FuelleSelectAuswertung() {
  SelectAuswertung->clear();
  for (int i = 0; i < ANZAHL_GRAFIKEN; ++i) SelectAuswertung->addItem(SPU().GibTranslation(TEXT_ERSTE_GRAFIK + i));
  SelectAuswertung->setCurrentIndex(0);
}

void frmGrafik::CalcScore_Click() {
  const int i = SelectAuswertung->currentIndex();
  if (i >= 0 && i < ANZAHL_GRAFIKEN) ZeichneAuswertung(i);
}

void frmGrafik::ZeichneAuswertung(int index) {
  // One chart at a time: a click that arrives while the progress window lets events run
  // starts nothing.
  static bool laeuft = false;
  if (laeuft || index < 0 || index >= ANZAHL_GRAFIKEN) return;
  laeuft = true;
  struct Ende {
    ~Ende() { laeuft = false; }
  } ende;
  const Grafikeintrag& g = GRAFIKEN[index];
  {
    // The progress window, for a computation long enough to need it, from the computation's
    // first step until it is done.
    std::optional<Fortschrittsanzeige> anzeige;
    const Grafikfortschritt fortschritt = [&anzeige](double Wert, long Anzahl, const QString& Text) {
      if (!anzeige) anzeige.emplace();
      anzeige->Zeige(Wert, Anzahl, Text);
    };
    g.rechnung(fortschritt);
  }
  Grafikdaten& d = AktuelleGrafikdaten();
  GrafikParameter p;
  p.Objektname = QStringLiteral("Grafik1");
  p.AnzahlSerien = g.reihen == Reihen::Zwei ? 2 : 1;
  p.Diagrammtyp = g.reihen == Reihen::Saeulen ? DIAGRAMM_SAEULEN : DIAGRAMM_LINIEN;
  p.Gitternetz = g.reihen == Reihen::Saeulen ? 1 : 3;
  p.Trendlinientyp = 3;
  p.AnzahlPunkte = d.AnzahlWerte;
  p.AchseMax = d.MaxWert + g.schritt;
  p.AchseMin = d.MinWert - g.schritt;
  p.Zahlenformat = g.format;
  p.Beschriftungsformat = g.beschriftung;
  p.Diagrammtitel = SPU().GibTranslation(g.titel);
  p.TitelYAchse = SPU().GibTranslation(g.achse);
  if (g.reihen == Reihen::Saeulen) {
    for (GrafikSerie& s : d.Serie) s.Anzeigen = false;
    d.Serie[0].Titel.clear();
    d.Serie[0].Trendlinienname.clear();
  } else {
    d.Serie[0].Titel = SPU().GibTranslation(g.name1);
    d.Serie[0].Trendlinienname = SPU().GibTranslation(g.trend1);
    d.Serie[0].Anzeigen = true;
    if (g.reihen == Reihen::Zwei) {
      d.Serie[1].Titel = SPU().GibTranslation(g.name2);
      d.Serie[1].Trendlinienname = SPU().GibTranslation(g.trend2);
      d.Serie[1].Anzeigen = true;
    } else {
      for (int k = 1; k < 5; ++k) d.Serie[k].Anzeigen = false;
    }
  }
  Grafik1->ZeichneGrafik(p, d);
}

QImage frmGrafik::AlsBild(const QSize& groesse) {
  if (groesse.isValid()) resize(groesse);
  if (!isVisible()) {
    ensurePolished();
    if (layout()) layout()->activate();
    // The chart is drawn once, with the window.
    Grafik1->Ordne(Grafik1->size());
  }
  return grab().toImage();
}
