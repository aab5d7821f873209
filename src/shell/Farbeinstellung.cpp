#include "shell/Farbeinstellung.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Farben.h"

namespace {
constexpr int MELDUNG_FARBE_GESPEICHERT = 234;
}  // namespace

frmBackground::frmBackground() : Formular(QStringLiteral("frmBackground")) {
  // Positions in twips as laid out; the window is 7500 x 5500.
  auto px = TwipsZuPixel;
  Cap = new QLabel(QStringLiteral("Bitte wählen Sie die Hintergrundfarbe:"), this);
  Cap->setObjectName(QStringLiteral("Cap"));
  Cap->setGeometry(px(1000), px(360), px(5500), px(400));
  QFont f = Cap->font();
  f.setBold(true);
  Cap->setFont(f);
  setzeTag(Cap, 3000);

  auto* gruppe = new QButtonGroup(this);
  for (int i = 0; i < 12; ++i) {
    const int zeile = i / 3, spalte = i % 3;
    const int links = 1000 + 2000 * spalte, oben = 1500 + 500 * zeile;
    auto* o = new QRadioButton(this);
    o->setObjectName(QStringLiteral("Color1_%1").arg(i));
    o->setGeometry(px(links), px(oben), px(400), px(360));
    gruppe->addButton(o, i);
    Color1.Setze(i, o);
    connect(o, &QRadioButton::toggled, this, [this, i](bool an) {
      if (an) Color1_Click(i);
    });

    auto* muster = new QLabel(this);
    muster->setObjectName(QStringLiteral("Label1_%1").arg(i));
    muster->setGeometry(px(links + 500), px(oben + 15), px(1200), px(330));
    muster->setFrameStyle(QFrame::Box | QFrame::Plain);
    muster->setAutoFillBackground(true);
    QPalette p = muster->palette();
    p.setColor(QPalette::Window, VBFarbe(FARBTABELLE[i]));
    p.setColor(QPalette::WindowText, QColor(0x40, 0x40, 0x40));
    muster->setPalette(p);
    Label1.Setze(i, muster);
  }

  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(px(1800), px(3900), px(1650), px(450));
  OK->setDefault(true);
  setzeTag(OK, 3001);
  connect(OK, &QPushButton::clicked, this, &frmBackground::OK_Click);

  Abbruch = new QPushButton(QStringLiteral("Abbrechen"), this);
  Abbruch->setObjectName(QStringLiteral("Abbruch"));
  Abbruch->setGeometry(px(4050), px(3900), px(1650), px(450));
  setzeTag(Abbruch, 3002);
  connect(Abbruch, &QPushButton::clicked, this, &frmBackground::Abbruch_Click);

  resize(px(7500), px(5500));
}

void frmBackground::Form_Load() {
  MitFehlerfalle([this] {
    SetzeTitel(SPU().GibTranslation(233));
    PositioniereForm(this, 2000, 2000, 7500, 5500);
    SpeachChange(this);
    SetzeFarben(this);
    MarkiereFarbe();
  });
}

void frmBackground::MarkiereFarbe() {
  for (int i = 0; i < int(FARBTABELLE.size()); ++i)
    if (FARBTABELLE[i] == Hintergrundfarbe) {
      Color1[i]->setChecked(true);  // runs Color1_Click
      break;
    }
  GewaehlteFarbe = Hintergrundfarbe;
}

void frmBackground::Color1_Click(int Index) {
  MitFehlerfalle([&] {
    GewaehlteFarbe = FARBTABELLE.at(size_t(Index));
    SetzeFarben(this, GewaehlteFarbe);
  });
}

void frmBackground::OK_Click() {
  MitFehlerfalle([this] {
    DBG().WriteEinstellungenIntern(QStringLiteral("BGColour"), QString::number(GewaehlteFarbe));
    Hintergrundfarbe = GewaehlteFarbe;
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_FARBE_GESPEICHERT, STIL_INFO);
    Schliessen();
  });
}

void frmBackground::Abbruch_Click() {
  MitFehlerfalle([this] { Schliessen(); });
}
