#include "forms/frmScorekarteDetails.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Kartenschnappschuss.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {
constexpr int TEXT_TITEL = 149;
constexpr int TEXT_HAUPTTITEL = 216;
constexpr int T_GESAMT = 2610;

QString Einstellung(const QString& name) {
  return DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"), name,
                               QStringLiteral("Wert"));
}

QLabel* Zelle(QWidget* eltern, const QString& name) {
  auto* l = new QLabel(eltern);
  l->setObjectName(name);
  l->setAlignment(Qt::AlignCenter);
  l->setFrameShape(QFrame::Box);
  l->setAutoFillBackground(true);
  SetzeHintergrund(l, 0xC0C0C0);
  l->setMinimumWidth(56);
  l->setMinimumHeight(22);
  return l;
}

QLabel* Ueberschrift(QWidget* eltern, const QString& name, const QString& text, int tag, int groesse) {
  QLabel* l = NeuesLabel(eltern, name, text, tag);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSize(groesse);
  l->setFont(f);
  return l;
}
}  // namespace

frmScorekarteDetails::frmScorekarteDetails() : Formular(QStringLiteral("frmScorekarteDetails")) {
  SetzeTitel(QStringLiteral("Golfer"));
  m_zeilen = {&StblNetto, &StblBrutto, &ScoreBrutto, &ScoreNetto, &GiRNetto, &GiRBrutto, &Fwtreffer,
              &Absc,      &PpGir,      &PpCh,        &PpPi,       &PpSo,     &PGes,      &Bunker};
  m_klassen = {&HiO, &Alb, &Eag, &Bir, &Par, &Boo, &Dou, &Tri, &GrT};
  Baue();
}

Steuerfeld<QLabel>& frmScorekarteDetails::Zeile(int z) { return *m_zeilen[size_t(z)]; }
Steuerfeld<QLabel>& frmScorekarteDetails::Klasse(int k) { return *m_klassen[size_t(k)]; }

void frmScorekarteDetails::Baue() {
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(16, 12, 16, 12);
  haupt->setSpacing(14);

  // Header line.
  auto* kopf = new QHBoxLayout;
  kopf->setSpacing(8);
  auto kopfwert = [&](const QString& name, const QString& caption, int tag, Steuerfeld<QLabel>& feld,
                      const QString& wertname, int index, int breite) {
    kopf->addWidget(NeuesLabel(this, name, caption, tag));
    QLabel* w = Zelle(this, Feldname(wertname, index));
    // A fixed width: a long course name is cut, it does not push the header apart.
    w->setFixedWidth(breite);
    w->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w->setMargin(3);
    feld.Setze(index, w);
    kopf->addWidget(w);
    kopf->addSpacing(10);
  };
  kopfwert(QStringLiteral("Label53"), QStringLiteral("Datum"), 2600, Datum, QStringLiteral("Datum"), 1, 90);
  kopfwert(QStringLiteral("Label52"), QStringLiteral("Golfplatz"), 2601, Golfplatz, QStringLiteral("Golfplatz"), 1,
           220);
  kopfwert(QStringLiteral("Label50"), QStringLiteral("Spielart"), 2602, Spielart, QStringLiteral("Spielart"), 1, 110);
  Label5 = NeuesLabel(this, QStringLiteral("Label5"), QStringLiteral("Vorgabewirksam"), 2603);
  kopf->addWidget(Label5);
  Vorgabewirksam = new QCheckBox(this);
  Vorgabewirksam->setObjectName(QStringLiteral("Vorgabewirksam"));
  Vorgabewirksam->setEnabled(false);
  kopf->addWidget(Vorgabewirksam);
  kopf->addSpacing(10);
  kopfwert(QStringLiteral("Spielvorgabe"), QStringLiteral("Spielvorgabe"), 2604, AktHdcp, QStringLiteral("AktHdcp"), 0,
           60);
  kopf->addStretch(1);
  haupt->addLayout(kopf);

  auto* bloecke = new QHBoxLayout;
  bloecke->setSpacing(12);
  haupt->addLayout(bloecke, 1);

  // Left block: averages and percentages by par group. Columns: caption, then per par
  // group a mark before (average), the cell and a mark after (unit).
  auto* links = new QFrame(this);
  links->setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(links);
  m_links = g;
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(4);
  int zeile = 0;
  const QStringList spalten = {QStringLiteral("Par 3"), QStringLiteral("Par 4"), QStringLiteral("Par 5"),
                               QStringLiteral("Par 6"), QStringLiteral("Gesamt")};
  auto abschnitt = [&](const QString& name, const QString& text, int tag, const QStringList& kopfnamen) {
    g->addWidget(Ueberschrift(this, name, text, tag, 12), zeile, 0);
    for (int k = 0; k < 5; ++k) {
      QLabel* h = NeuesLabel(this, kopfnamen[k], spalten[k]);
      if (k == 4) setzeTag(h, T_GESAMT);
      h->setAlignment(Qt::AlignCenter);
      QFont f = h->font();
      f.setBold(true);
      h->setFont(f);
      g->addWidget(h, zeile, 2 + k * 3);
    }
    ++zeile;
  };
  enum Marke { MITTEL, PROZENT, METER };
  auto reihe = [&](const QString& name, const QString& text, int tag, int kartenzeile, Marke marke) {
    QLabel* c = NeuesLabel(this, name, text, tag);
    g->addWidget(c, zeile, 0);
    for (int k = 1; k <= 5; ++k) {
      QLabel* zelle = Zelle(this, Feldname(Zeilenname(kartenzeile), k));
      Zeile(kartenzeile).Setze(k, zelle);
      g->addWidget(zelle, zeile, 2 + (k - 1) * 3);
      if (marke == MITTEL) {
        auto* m = new QLabel(QStringLiteral("\u00D8"), this);  // average
        m->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(m, zeile, 1 + (k - 1) * 3);
      } else {
        auto* m = new QLabel(marke == PROZENT ? QStringLiteral("%") : QStringLiteral("m"), this);
        g->addWidget(m, zeile, 3 + (k - 1) * 3);
        if (k == 1 && kartenzeile == Z_FWTREFFER) {
          LFwt = m;
          m->setObjectName(QStringLiteral("LFwt_0"));
        }
        if (k == 1 && kartenzeile == Z_ABSC) {
          LAbsc = m;
          m->setObjectName(QStringLiteral("LAbsc_0"));
        }
      }
    }
    ++zeile;
  };
  auto kopfnamen = [](std::initializer_list<const char*> n) {
    QStringList l;
    for (const char* s : n) l << QLatin1String(s);
    return l;
  };
  abschnitt("Label114", QStringLiteral("Scores"), 2605,
            kopfnamen({"Label26", "Label27", "Label29", "Label31", "Label33"}));
  reihe(Feldname("BeschreibungFest", 2), QStringLiteral("Score Netto"), 2606, Z_SCORE_NETTO, MITTEL);
  reihe(Feldname("BeschreibungFest", 3), QStringLiteral("Score Brutto"), 2607, Z_SCORE_BRUTTO, MITTEL);
  reihe(Feldname("BeschreibungBerechnet", 6), QStringLiteral("Stableford Netto"), 2608, Z_STBL_NETTO, MITTEL);
  reihe(Feldname("BeschreibungBerechnet", 7), QStringLiteral("Stableford Brutto"), 2609, Z_STBL_BRUTTO, MITTEL);
  abschnitt("Label113", QStringLiteral("Lange Schläge"), 2611,
            kopfnamen({"Label49", "Label59", "Label60", "Label62", "Label66"}));
  reihe(Feldname("BeschreibungBerechnet", 2), QStringLiteral("Grün regulär netto"), 2612, Z_GIR_NETTO, PROZENT);
  reihe(Feldname("BeschreibungBerechnet", 3), QStringLiteral("Grün regulär brutto"), 2613, Z_GIR_BRUTTO, PROZENT);
  reihe(Feldname("BeschreibungBerechnet", 1), QStringLiteral("Fairwaytreffer"), 2614, Z_FWTREFFER, PROZENT);
  reihe("Label1", QStringLiteral("Abschlaglänge"), 2615, Z_ABSC, METER);
  abschnitt("Label115", QStringLiteral("Putting"), 2616,
            kopfnamen({"Label67", "Label74", "Label75", "Label82", "Label83"}));
  reihe("Label2", QStringLiteral("Putt pro G.i.R"), 2617, Z_PP_GIR, MITTEL);
  reihe("Label3", QStringLiteral("Putt pro Chip"), 2618, Z_PP_CH, MITTEL);
  reihe("Label4", QStringLiteral("Putt pro Pitch"), 2619, Z_PP_PI, MITTEL);
  reihe("Label119", QStringLiteral("Putt Sonstige"), 2620, Z_PP_SO, MITTEL);
  reihe("Label6", QStringLiteral("Putt Gesamt"), 2621, Z_P_GES, MITTEL);
  abschnitt("Label116", QStringLiteral("Bunker"), 2622,
            kopfnamen({"Label40", "Label38", "Label32", "Label30", "Label22"}));
  reihe("Label21", QStringLiteral("Bunker"), 2623, Z_BUNKER, PROZENT);
  g->setRowStretch(zeile, 1);
  bloecke->addWidget(links, 3);

  // Right block: the histogram. Its row captions read the same in both languages.
  auto* rechts = new QFrame(this);
  rechts->setFrameShape(QFrame::StyledPanel);
  auto* h = new QGridLayout(rechts);
  h->setHorizontalSpacing(6);
  h->setVerticalSpacing(4);
  const char* kopf2[] = {"Label39", "Label41", "Label43", "Label44", "Label45"};
  for (int k = 0; k < 5; ++k) {
    QLabel* l = NeuesLabel(this, QLatin1String(kopf2[k]), spalten[k]);
    if (k == 4) setzeTag(l, T_GESAMT);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    h->addWidget(l, 0, 1 + k);
  }
  const char* namen[] = {"HiO", "Alb", "Eag", "Bir", "Par", "Boo", "Dou", "Tri", "GrT"};
  const char* texte[] = {"Hole in one", "Albatross",   "Eagle",       "Birdie",       "Par",
                         "Bogey",       "Doublebogey", "Triplebogey", "> Triplebogey"};
  for (int c = 0; c < ERGEBNISKLASSEN; ++c) {
    QLabel* caption = NeuesLabel(this, QStringLiteral("Label%1").arg(8 + c), QLatin1String(texte[c]));
    h->addWidget(caption, 1 + c, 0);
    for (int k = 1; k <= 5; ++k) {
      if (!HatHistogrammzelle(c, k)) continue;
      QLabel* z = Zelle(this, Feldname(QLatin1String(namen[c]), k));
      z->setMinimumWidth(46);
      Klasse(c).Setze(k, z);
      h->addWidget(z, 1 + c, k);
    }
  }
  h->setRowStretch(1 + ERGEBNISKLASSEN, 1);
  bloecke->addWidget(rechts, 2);
}

QString frmScorekarteDetails::Zeilenname(int kartenzeile) {
  static const char* namen[] = {"StblNetto", "StblBrutto", "ScoreBrutto", "ScoreNetto", "GiRNetto",
                                "GiRBrutto", "Fwtreffer",  "Absc",        "PpGir",      "PpCh",
                                "PpPi",      "PpSo",       "PGes",        "Bunker"};
  return QLatin1String(namen[kartenzeile]);
}

void frmScorekarteDetails::RaumFuerBeschriftungen() {
  // The section headings are larger than the captions; each ends clearly before the
  // columns of cells, whatever the language.
  int breiteste = 0;
  for (int r = 0; r < m_links->rowCount(); ++r)
    if (QLayoutItem* i = m_links->itemAtPosition(r, 0))
      if (auto* l = qobject_cast<QLabel*>(i->widget()))
        breiteste = std::max(breiteste, l->fontMetrics().horizontalAdvance(l->text()));
  m_links->setColumnMinimumWidth(0, breiteste + 16);
}

void frmScorekarteDetails::Form_Load() {
  SpeachChange(this);
  RaumFuerBeschriftungen();
  SetzeHintergrund(this, Hintergrundfarbe);
  SetzeTitel(SPU().GibTranslation(TEXT_TITEL));
  PositioniereForm(this, 0, 0, 15300, 10050);
  HF_SetzeBefehlscodes(Befehlscode::ScorekarteDetails);
  BerechneScorekartenDetails();
  // A new card on screen is evaluated once it is loaded.
  if (FormExistiert<Golfer>())
    connect(&GolferForm(), &Golfer::KarteGewechselt, this,
            [this] { QTimer::singleShot(0, this, [this] { PruefeKarte(); }); });
}

void frmScorekarteDetails::Form_Activate() {
  AktiveForm = objectName();
  PruefeKarte();
}

void frmScorekarteDetails::PruefeKarte() {
  if (!FormExistiert<Golfer>()) return;
  if (SchluesselDerKarteAufDemBildschirm() != m_schluessel) BerechneScorekartenDetails();
}

void frmScorekarteDetails::BerechneScorekartenDetails() {
  const KartenSchnappschuss karte = LiesKarteVomBildschirm();
  m_schluessel = karte.Scorekartenidn;
  HF_SetzeTitel(PRODUKTTITEL + QStringLiteral("          ") + SPU().GibTranslation(TEXT_HAUPTTITEL) +
                QStringLiteral("  -   ") + karte.Golfername);

  Datum[1]->setText(karte.Datum);
  SetzeGekuerzt(Golfplatz[1], karte.Golfplatz);
  SetzeGekuerzt(Spielart[1], karte.Spielart);
  Vorgabewirksam->setCheckState(karte.Vorgabewirksam == 1   ? Qt::Checked
                                : karte.Vorgabewirksam == 2 ? Qt::PartiallyChecked
                                                            : Qt::Unchecked);
  AktHdcp[0]->setText(karte.Spielvorgabe);

  MitPar3Fairway = Einstellung(QStringLiteral("FairwaytrefferPar3")) != QLatin1String("0");
  MitPar3Abschlag = Einstellung(QStringLiteral("DrivingDistancePar3")) != QLatin1String("0");
  Fwtreffer[1]->setVisible(MitPar3Fairway);
  LFwt->setVisible(MitPar3Fairway);
  Absc[1]->setVisible(MitPar3Abschlag);
  LAbsc->setVisible(MitPar3Abschlag);

  const Kartenauswertung e = WerteKarteAus(karte, MitPar3Fairway, MitPar3Abschlag);
  for (int z = 0; z < KARTENZEILEN; ++z)
    for (int k = 1; k <= 5; ++k) Zeile(z)[k]->setText(e.Zelle[z][k]);
  for (int c = 0; c < ERGEBNISKLASSEN; ++c)
    for (int k = 1; k <= 5; ++k)
      if (QLabel* l = Klasse(c)[k]) l->setText(e.Histogramm[c][k]);
  GemeldeterFehler = e.Fehler;
  GemeldeteKarte = karte.Scorekartenidn;
  if (!e.Fehler.isEmpty()) Fehlerbox(e.Fehler);
}
