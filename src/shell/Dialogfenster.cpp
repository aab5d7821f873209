#include "shell/Dialogfenster.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Dialoge.h"
#include "shell/Befehle.h"
#include "shell/Farbeinstellung.h"
#include "shell/Symbole.h"

namespace {
constexpr int MELDUNG_URHEBERRECHT = 221;
}  // namespace

frmFrage::frmFrage() : Formular(QStringLiteral("frmFrage")) {
  auto* rand = new QVBoxLayout(this);
  rand->setContentsMargins(18, 16, 18, 16);
  rand->setSpacing(14);

  Label1 = new QLabel(QStringLiteral("Welchen Ausdruck möchten Sie erhalten?"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont f = Label1->font();
  f.setBold(true);
  Label1->setFont(f);
  setzeTag(Label1, 2500);
  rand->addWidget(Label1);

  auto knopf = [this](const QString& name, const QString& text, int tag) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setMinimumHeight(30);
    setzeTag(b, tag);
    return b;
  };
  Command1 = knopf(QStringLiteral("Command1"), QStringLiteral("Zwei Scorekarten pro Seite"), 2501);
  Command2 = knopf(QStringLiteral("Command2"), QStringLiteral("Eine Scorecarte pro Seite"), 2502);
  Command3 = knopf(QStringLiteral("Command3"), QStringLiteral("Abbrechen"), 2503);
  auto* wahl = new QHBoxLayout;
  wahl->setSpacing(10);
  wahl->addWidget(Command1);
  wahl->addWidget(Command2);
  rand->addLayout(wahl);
  auto* unten = new QHBoxLayout;
  unten->addStretch();
  unten->addWidget(Command3);
  rand->addLayout(unten);

  connect(Command1, &QPushButton::clicked, this, &frmFrage::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmFrage::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &frmFrage::Command3_Click);
  // Return answers the button with the focus, and the first choice when none has it.
  Command1->setDefault(true);
  resize(TwipsZuPixel(6900), TwipsZuPixel(2200));
}

void frmFrage::Form_Load() {
  MitFehlerfalle([this] {
    const QString titel = SPU().GibTranslation(145);
    SpeachChange(this);
    SetzeFarben(this);
    const QSize groesse = size().expandedTo(sizeHint());
    PositioniereForm(this, 3700, 4000, groesse.width() * 15, groesse.height() * 15);
    SetzeTitel(titel);
  });
}

void frmFrage::Waehle(const QString& bericht, int ausrichtung) {
  MitFehlerfalle([&] {
    // The dialog goes first, so that the printout never lies under it.
    Schliessen();
    if (Ausdrucken)
      DruckeKartenausdruck(bericht, ausrichtung);
    else
      ZeigeKartenausdruck(bericht);
  });
}

void frmFrage::Command1_Click() { Waehle(QStringLiteral("rptScorekarteDruck2"), 1); }
void frmFrage::Command2_Click() { Waehle(QStringLiteral("rptScorekarteDruck1"), 2); }
void frmFrage::Command3_Click() {
  MitFehlerfalle([this] { Schliessen(); });
}

// ---------------------------------------------------------------------------------------

Zantro_Info::Zantro_Info() : Formular(QStringLiteral("Zantro_Info")) {
  auto* rand = new QVBoxLayout(this);
  rand->setContentsMargins(20, 18, 20, 16);
  rand->setSpacing(14);

  auto* kopf = new QHBoxLayout;
  kopf->setSpacing(18);
  Bild = new QLabel(this);
  Bild->setObjectName(QStringLiteral("Bild"));
  Bild->setPixmap(Programmsymbol().pixmap(72, 72));
  Bild->setAlignment(Qt::AlignTop);
  kopf->addWidget(Bild);

  auto* texte = new QVBoxLayout;
  texte->setSpacing(4);
  Produkt = new QLabel(QStringLiteral("Zantro Puttwise!"), this);
  Produkt->setObjectName(QStringLiteral("Produkt"));
  QFont gross = Produkt->font();
  gross.setPointSizeF(gross.pointSizeF() * 1.8);
  gross.setBold(true);
  Produkt->setFont(gross);
  texte->addWidget(Produkt);
  Untertitel = new QLabel(QStringLiteral("Die Scorekartenverwaltung für Golfer"), this);
  Untertitel->setObjectName(QStringLiteral("Untertitel"));
  setzeTag(Untertitel, 2800);
  texte->addWidget(Untertitel);
  Version = new QLabel(QStringLiteral("Version"), this);
  Version->setObjectName(QStringLiteral("Version"));
  QFont fett = Version->font();
  fett.setBold(true);
  Version->setFont(fett);
  texte->addWidget(Version);
  texte->addSpacing(8);
  Firma = new QLabel(QStringLiteral("© Zantro Software GmbH"), this);
  Firma->setObjectName(QStringLiteral("Firma"));
  texte->addWidget(Firma);
  texte->addStretch();
  kopf->addLayout(texte, 1);
  rand->addLayout(kopf);

  auto* linie = new QFrame(this);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);
  rand->addWidget(linie);

  auto* knoepfe = new QHBoxLayout;
  hinweis = new QPushButton(QStringLiteral("Hinweis ..."), this);
  hinweis->setObjectName(QStringLiteral("hinweis"));
  hinweis->setAutoDefault(false);
  setzeTag(hinweis, 2801);
  Info_schliessen = new QPushButton(QStringLiteral("OK"), this);
  Info_schliessen->setObjectName(QStringLiteral("Info_schließen"));
  Info_schliessen->setDefault(true);
  Info_schliessen->setMinimumWidth(90);
  setzeTag(Info_schliessen, 2802);
  knoepfe->addWidget(hinweis);
  knoepfe->addStretch();
  knoepfe->addWidget(Info_schliessen);
  rand->addLayout(knoepfe);

  connect(hinweis, &QPushButton::clicked, this, &Zantro_Info::hinweis_Click);
  connect(Info_schliessen, &QPushButton::clicked, this, &Zantro_Info::Info_schliessen_Click);
  setWindowIcon(Programmsymbol());
  SetzeTitel(QStringLiteral("Zantro Puttwise!"));
  resize(430, 220);
}

void Zantro_Info::Form_Load() {
  MitFehlerfalle([this] {
    Version->setText(QStringLiteral("Version ") + QStringLiteral("2.02"));
    SpeachChange(this);
    SetzeFarben(this);
    // Room for the translated texts.
    resize(size().expandedTo(sizeHint()));
  });
}

void Zantro_Info::hinweis_Click() {
  MitFehlerfalle([] { SPU().Zantro_Msg(MELDUNG_URHEBERRECHT, STIL_INFO); });
}

void Zantro_Info::Info_schliessen_Click() {
  MitFehlerfalle([this] { Schliessen(); });
}
