#include "forms/SelectWhat.h"

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Scorekartenzeilen.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"
#include "scoring/Scoreberechnungen.h"

namespace {

constexpr int TEXT_TITEL = 1320;  // window caption (message text)

QString Einstellung(const QString& name) {
  return DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"), name,
                               QStringLiteral("Wert"));
}

QCheckBox* NeuesKaestchen(QWidget* eltern, const QString& name) {
  auto* c = new QCheckBox(eltern);
  c->setObjectName(name);
  return c;
}

// A framed section of the window with its heading.
QFrame* Abschnitt(QWidget* eltern, QLabel* ueberschrift, QVBoxLayout* haupt) {
  QFont f = ueberschrift->font();
  f.setBold(true);
  ueberschrift->setFont(f);
  ueberschrift->setWordWrap(true);
  haupt->addWidget(ueberschrift);
  auto* rahmen = new QFrame(eltern);
  rahmen->setFrameShape(QFrame::StyledPanel);
  haupt->addWidget(rahmen);
  haupt->addSpacing(8);
  return rahmen;
}

bool GolferZeigtKarte() { return FormExistiert<Golfer>() && GolferForm().TabstripGolfer->currentIndex() == 1; }

}  // namespace

SelectWhat& SelectWhatForm() { return FormInstanz<SelectWhat>(); }

SelectWhat::SelectWhat() : Formular(QStringLiteral("SelectWhat")) {
  SetzeTitel(QStringLiteral("Einstellungen für neue Scorekarten"));
  auto* aussen = new QHBoxLayout(this);
  aussen->setContentsMargins(28, 22, 28, 22);
  auto* spalte = new QWidget(this);
  spalte->setMinimumWidth(620);
  spalte->setMaximumWidth(760);
  auto* haupt = new QVBoxLayout(spalte);
  haupt->setContentsMargins(0, 0, 0, 0);
  haupt->setSpacing(6);
  aussen->addWidget(spalte, 1);
  aussen->addStretch(0);

  // The eight detail rows, two columns of four.
  Label1 = NeuesLabel(
      this, QStringLiteral("Label1"),
      QStringLiteral("Bitte wählen Sie aus was auf Ihren Scorekarten standardmäßig angezeigt werden soll"), 2001);
  QFrame* zeilen = Abschnitt(this, Label1, haupt);
  auto* g = new QGridLayout(zeilen);
  g->setHorizontalSpacing(10);
  g->setVerticalSpacing(8);
  const char* namen[8] = {"Abschläge", "Fairwaytreffer", "Abschlaglänge", "Chip",
                          "Pitch",     "Putt",           "Bunkerschläge", "Strafschläge"};
  for (int k = 1; k <= 8; ++k) {
    QCheckBox* c = NeuesKaestchen(zeilen, QStringLiteral("What_%1").arg(k));
    What.Setze(k, c);
    QLabel* l =
        NeuesLabel(zeilen, QStringLiteral("Beschreibung_%1").arg(k - 1), QString::fromUtf8(namen[k - 1]), 2001 + k);
    l->setBuddy(c);
    Beschreibung.Setze(k - 1, l);
    const int zeile = (k - 1) % 4, spalte = (k - 1) / 4 * 3;
    g->addWidget(c, zeile, spalte);
    g->addWidget(l, zeile, spalte + 1);
  }
  g->setColumnMinimumWidth(2, 40);
  g->setColumnStretch(5, 1);

  // The par-3 holes in the statistics.
  auto par3 = [&](QLabel*& frage, const char* frageName, const char* frageText, int frageTag,
                  Steuerfeld<QCheckBox>& feld, const char* feldName, int beschreibung, const char* text, int tag) {
    frage = NeuesLabel(this, QString::fromUtf8(frageName), QString::fromUtf8(frageText), frageTag);
    QFrame* r = Abschnitt(this, frage, haupt);
    auto* h = new QHBoxLayout(r);
    QCheckBox* c = NeuesKaestchen(r, QString::fromUtf8(feldName));
    feld.Setze(0, c);
    QLabel* l = NeuesLabel(r, QStringLiteral("Beschreibung_%1").arg(beschreibung), QString::fromUtf8(text), tag);
    l->setBuddy(c);
    Beschreibung.Setze(beschreibung, l);
    h->addWidget(c);
    h->addWidget(l);
    h->addStretch(1);
  };
  par3(Label2, "Label2", "Sollen Fairwaytreffer auch für Par 3 Löcher ausgewertet werden ?", 2010, FWT, "FWT_0", 8,
       "Fairwaytreffer für Par 3 Löcher auswerten ?", 2011);
  par3(Label3, "Label3", "Sollen die Abschlaglängen auch für Par 3 Löcher ausgewertet werden ?", 2012, ABSCHL,
       "ABSCHL_0", 9, "Abschlaglängen für Par 3 Löcher auswerten ?", 2013);

  // The minimum number of rounds of an analysis.
  Label4 = NeuesLabel(this, QStringLiteral("Label4"), QStringLiteral("Mindestrundenzahl für die Analyse"), 2014);
  QFrame* minimum = Abschnitt(this, Label4, haupt);
  auto* m = new QGridLayout(minimum);
  m->setHorizontalSpacing(10);
  auto zahl = [&](const char* name) {
    auto* t = new QLineEdit(minimum);
    t->setObjectName(QString::fromUtf8(name));
    t->setMaximumWidth(60);
    t->setAlignment(Qt::AlignRight);
    return t;
  };
  ShowMinMon = zahl("ShowMinMon");
  ShowMinJahr = zahl("ShowMinJahr");
  Beschreibung.Setze(10,
                     NeuesLabel(minimum, QStringLiteral("Beschreibung_10"), QStringLiteral("Monatsauswertung"), 2015));
  Beschreibung.Setze(11,
                     NeuesLabel(minimum, QStringLiteral("Beschreibung_11"), QStringLiteral("Jahresauswertung"), 2016));
  Beschreibung[10]->setBuddy(ShowMinMon);
  Beschreibung[11]->setBuddy(ShowMinJahr);
  m->addWidget(Beschreibung[10], 0, 0);
  m->addWidget(ShowMinMon, 0, 1);
  m->addWidget(Beschreibung[11], 1, 0);
  m->addWidget(ShowMinJahr, 1, 1);
  m->setColumnStretch(2, 1);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->setSpacing(10);
  auto knopf = [&](const char* name, const char* text, int tag) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromUtf8(name));
    setzeTag(b, tag);
    knoepfe->addWidget(b);
    return b;
  };
  Command1 = knopf("Command1", "Übernehmen", 2017);
  OnlyThis = knopf("OnlyThis", "Nur für diese Scorekarte übernehmen", 2019);
  Abbruch = knopf("Abbruch", "Abbrechen", 2018);
  Command1->setDefault(true);
  knoepfe->addStretch(1);
  haupt->addSpacing(6);
  haupt->addLayout(knoepfe);
  haupt->addStretch(1);

  connect(Command1, &QPushButton::clicked, this, [this] { MitFehlerfalle([this] { Command1_Click(); }); });
  connect(OnlyThis, &QPushButton::clicked, this, [this] { MitFehlerfalle([this] { OnlyThis_Click(); }); });
  connect(Abbruch, &QPushButton::clicked, this, [this] { MitFehlerfalle([this] { Abbruch_Click(); }); });
}

void SelectWhat::Form_Load() {
  MitFehlerfalle([this] {
    // Over the scorecard page the window shows the open card's rows; otherwise the default.
    QString m;
    OnlyThis->setEnabled(false);
    if (GolferZeigtKarte()) {
      OnlyThis->setEnabled(true);
      m = GolferForm().Karte().ShowWhat;
    } else {
      m = Einstellung(QStringLiteral("ShowWhat"));
    }
    SpeachChange(this);
    const QString titel = SPU().GibTranslation(TEXT_TITEL);
    if (!titel.isEmpty()) SetzeTitel(titel);
    SetzeFarben(this, 0);
    FairwaytrefferPar3 = Einstellung(QStringLiteral("FairwaytrefferPar3"));
    DrivingDistancePar3 = Einstellung(QStringLiteral("DrivingDistancePar3"));
    MinMon = Einstellung(QStringLiteral("MinMon"));
    MinJahr = Einstellung(QStringLiteral("MinJahr"));
    PositioniereForm(this, 0, 0, 15300, 10050);
    if (IstFehlendeEinstellung(m)) m = ALLE_ZEILEN;
    auto haken = [](const QString& wert) { return IstFehlendeEinstellung(wert) || wert.trimmed().toDouble() != 0; };
    FWT[0]->setChecked(haken(FairwaytrefferPar3));
    ABSCHL[0]->setChecked(haken(DrivingDistancePar3));
    ShowMinMon->setText(IstFehlendeEinstellung(MinMon) ? QStringLiteral("4") : MinMon);
    ShowMinJahr->setText(IstFehlendeEinstellung(MinJahr) ? QStringLiteral("25") : MinJahr);
    for (int k = 1; k <= 8; ++k) What[k]->setChecked(k <= m.size() && m.at(k - 1) == QLatin1Char('1'));
  });
}

void SelectWhat::Form_Activate() {
  PositioniereForm(this, 0, 0, 15300, 10050);
  AktiveForm = Kontext::SelectWhat;
}

QString SelectWhat::Maske() const {
  QString m = QStringLiteral("00000000");
  for (int k = 1; k <= 8; ++k) SetzeFlagImString(m, What[k]->isChecked(), k);
  return m;
}

void SelectWhat::Command1_Click() {
  const QString fwt = FWT[0]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  const QString abschl = ABSCHL[0]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  FairwaytrefferPar3 = fwt;
  DrivingDistancePar3 = abschl;
  MinMon = ShowMinMon->text();
  MinJahr = ShowMinJahr->text();
  DBG().WriteEinstellungenIntern(QStringLiteral("ShowWhat"), Maske());
  DBG().WriteEinstellungenIntern(QStringLiteral("FairwaytrefferPar3"), fwt);
  DBG().WriteEinstellungenIntern(QStringLiteral("DrivingDistancePar3"), abschl);
  DBG().WriteEinstellungenIntern(QStringLiteral("MinMon"), ShowMinMon->text());
  DBG().WriteEinstellungenIntern(QStringLiteral("MinJahr"), ShowMinJahr->text());
  // The par-3 settings take effect on the open card; its own rows stay. Its fairway
  // percentage and average drive follow the cells now shown.
  if (GolferZeigtKarte()) {
    SetzeScorekartenZeilen(QStringLiteral("Golfer"));
    BerechneScorekarte(0);
  }
  EntladeForm(objectName());
}

void SelectWhat::OnlyThis_Click() {
  const QString m = Maske();
  Golfer& g = GolferForm();
  g.Karte().ShowWhat = m;
  DBG().aendere_tab_eintrag(QStringLiteral("greenlogs"), QStringLiteral("Scorekartenidn"), g.Kartenschluessel(), m,
                            QStringLiteral("ShowWhat"));
  SetzeScorekartenZeilen(QStringLiteral("Golfer"));
  EntladeForm(objectName());
}

void SelectWhat::Abbruch_Click() { EntladeForm(objectName()); }
