#include "forms/Turnier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {

// Translation numbers of the window's captions.
enum Texte {
  T_INFO = 1600,
  T_NAME = 1601,
  T_DATUM = 1602,
  T_GOLFPLATZ = 1603,
  T_SPIELART = 1604,
  T_HANDICAP = 1605,
  T_LOCHZAHL = 1606,
  T_BEMERKUNG = 1607,
  T_SONSTIGE = 1608,
  T_RAHMEN = 1609,  // the group box under the heading
};
constexpr int TEXT_TITEL = 179;

}  // namespace

Turnier& TurnierForm() { return FormInstanz<Turnier>(); }

Turnier::Turnier() : Formular(QStringLiteral("Turnier")) {
  SetzeTitel(QStringLiteral("Turnier"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(14, 12, 14, 12);
  haupt->setSpacing(10);

  auto* kopf = NeuesLabel(this, QStringLiteral("Label1"), QStringLiteral("Turnier-Info"), T_INFO);
  QFont f = kopf->font();
  f.setPointSizeF(f.pointSizeF() * 1.6);
  f.setBold(true);
  kopf->setFont(f);
  haupt->addWidget(kopf);

  auto* zeile = new QHBoxLayout;
  auto* rahmen = new QGroupBox(QStringLiteral("Turnier-Info"), this);
  rahmen->setObjectName(QStringLiteral("Label2"));
  setzeTag(rahmen, T_RAHMEN);
  rahmen->setMaximumWidth(820);
  zeile->addWidget(rahmen, 1);
  zeile->addStretch(0);
  haupt->addLayout(zeile, 0);
  haupt->addStretch(1);

  auto* g = new QGridLayout(rahmen);
  g->setHorizontalSpacing(10);
  g->setVerticalSpacing(8);
  auto label = [&](const char* name, const char* text, int tag) {
    auto* l = NeuesLabel(rahmen, QString::fromUtf8(name), QString::fromUtf8(text), tag);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };

  Turniernummer = NeuesTextfeld(rahmen, QStringLiteral("Turniernummer"));
  Turniernummer->hide();
  Turniername = NeuesTextfeld(rahmen, QStringLiteral("Turniername"));
  Datum = NeuesTextfeld(rahmen, QStringLiteral("Datum"));
  Datum->setMaximumWidth(130);
  GolfplatzNo = NeueListe(rahmen, QStringLiteral("GolfplatzNo"));
  SpielartNo = NeueListe(rahmen, QStringLiteral("SpielartNo"));
  TurnierHandicap = NeuesTextfeld(rahmen, QStringLiteral("TurnierHandicap"));
  TurnierHandicap->setMaximumWidth(130);
  LochzahlSonstige = NeuesTextfeld(rahmen, QStringLiteral("LochzahlSonstige"));
  LochzahlSonstige->setMaximumWidth(70);
  QSizePolicy sp = LochzahlSonstige->sizePolicy();
  sp.setRetainSizeWhenHidden(true);
  LochzahlSonstige->setSizePolicy(sp);
  TurnierBemerkung = new QPlainTextEdit(rahmen);
  TurnierBemerkung->setObjectName(QStringLiteral("TurnierBemerkung"));
  TurnierBemerkung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TurnierBemerkung->setTabChangesFocus(true);
  TurnierBemerkung->setMinimumHeight(160);
  TurnierBemerkung->setMaximumHeight(260);

  g->addWidget(label("LabelTurniername", "Turniername :", T_NAME), 0, 0);
  g->addWidget(Turniername, 0, 1);
  g->addWidget(label("LabelDatum", "Datum :", T_DATUM), 1, 0);
  g->addWidget(Datum, 1, 1, Qt::AlignLeft);
  g->addWidget(label("LabelGolfplatzNo", "Golfplatzname :", T_GOLFPLATZ), 2, 0);
  g->addWidget(GolfplatzNo, 2, 1);
  g->addWidget(label("LabelSpielartNo", "Spielartname :", T_SPIELART), 3, 0);
  g->addWidget(SpielartNo, 3, 1);
  g->addWidget(label("LabelTurnierHandicap", "Turnier Handicap :", T_HANDICAP), 4, 0);
  g->addWidget(TurnierHandicap, 4, 1, Qt::AlignLeft);

  g->addWidget(label("LabelLochzahl", "Lochzahl:", T_LOCHZAHL), 5, 0);
  auto* loecher = new QHBoxLayout;
  loecher->setSpacing(16);
  const char* texte[] = {" 18", "36", "54", "72", "Sonstige"};
  for (int i = 1; i <= 5; ++i) {
    auto* c = new QCheckBox(QString::fromLatin1(texte[i - 1]), rahmen);
    c->setObjectName(QStringLiteral("OptionLoch18_%1").arg(i));
    if (i == 5) setzeTag(c, T_SONSTIGE);
    OptionLoch18.Setze(i, c);
    loecher->addWidget(c);
    connect(c, &QCheckBox::toggled, this, [this, i] { OptionLoch18_Click(i); });
  }
  loecher->addWidget(LochzahlSonstige);
  loecher->addStretch(1);
  g->addLayout(loecher, 5, 1);

  auto* bem = label("LabelTurnierBemerkung", "Bemerkung :", T_BEMERKUNG);
  bem->setAlignment(Qt::AlignRight | Qt::AlignTop);
  g->addWidget(bem, 6, 0);
  g->addWidget(TurnierBemerkung, 6, 1);
  g->setRowStretch(6, 1);
  g->setColumnStretch(1, 1);

  QList<QWidget*> folge = {Turniername, Datum, GolfplatzNo, SpielartNo, TurnierHandicap};
  for (int i = 1; i <= 5; ++i) folge << OptionLoch18[i];
  folge << LochzahlSonstige << TurnierBemerkung;
  for (int i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);

  LochzahlSonstige->setEnabled(false);
  LochzahlSonstige->hide();
  // The check boxes take the window's background colour.
  for (int i = 1; i <= 5; ++i) OptionLoch18[i]->setBackgroundRole(QPalette::Window);

  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  m_binder.Binde(Turniername, &m_name);
  m_binder.Binde(Datum, &m_datum);
  m_binder.Binde(GolfplatzNo, &m_platz);
  m_binder.Binde(SpielartNo, &m_spielart);
  m_binder.Binde(TurnierHandicap, &m_handicap);
  m_binder.Binde(LochzahlSonstige, &m_sonstige);
}

void Turnier::SetzeKontexte() {
  KontextNeu = KontextLoeschen = KontextSuchen = KontextWeiter = KontextZurueck = KontextSeitenansicht =
      KontextDrucken = Kontext::Turnier;
}

void Turnier::Form_Load() {
  MitFehlerfalle([this] {
    SetzeKontexte();
    PositioniereForm(this, 0, 0, 15300, 10050);
    HF_SetzeBefehlscodes(Befehlscode::Turnier);
    SetzeFarben(this);
    SpeachChange(this);
    const QString titel = SPU().GibTranslation(TEXT_TITEL);
    if (!titel.isEmpty()) SetzeTitel(titel);
    HF_SetzeTitel(PRODUKTTITEL + titel);
    // The printable sheet copies the fields when it loads: a fresh one each time.
    EntladeForm(QStringLiteral("rptTurnier"));
    connect(&Aenderungen(), &Aenderungsmelder::DateiGewechselt, this, &Turnier::FolgeDateiwechsel,
            Qt::UniqueConnection);
  });
}

void Turnier::Form_Activate() {
  MitFehlerfalle([this] {
    SetzeKontexte();
    AktiveForm = objectName();
    PositioniereForm(this, 0, 0, 15300, 10050);
    HF_SetzeBefehlscodes(Befehlscode::Turnier);
    EntladeForm(QStringLiteral("rptTurnier"));
  });
}

bool Turnier::Form_Unload() {
  bool schliessen = true;
  MitFehlerfalle([&] {
    // A tournament that could not be stored at all stays in the editor; not as the program
    // ends, when what can be stored is.
    if (!WriteTurnierBeimSchliessen(Nummer()) && TurnierNichtGespeichert() && DBG().KannSpeichern() &&
        Schlussart() == Programmschluss::Keiner) {
      schliessen = false;
      return;
    }
    EntladeForm(QStringLiteral("frmSuchen"));
  });
  return schliessen;
}

void Turnier::OptionLoch18_Click(int Index) {
  if (Sperre) return;
  for (int i = 1; i <= 5; ++i) {
    if (i != Index) {
      Sperre = true;
      OptionLoch18[i]->setChecked(false);
      Sperre = false;
    }
    if (i == 5) {
      const bool sonstige = OptionLoch18[5]->isChecked();
      LochzahlSonstige->setEnabled(sonstige);
      LochzahlSonstige->setVisible(sonstige);
    }
  }
  Sperre = false;
}

void Turnier::Datum_LostFocus() {
  // The date as loaded is not judged: it may be one the program cannot read.
  const Eintrag& e = Datumseintrag();
  if (!e.ZuSchreiben()) return;
  const DatumTeile d = PruefeDatum(e.Text());
  if (d.Tag == QLatin1String("0")) {
    // What was typed stays for correcting; it is never stored as no date.
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
    m_binder.Ablehnen(Datum);
    Datum->setFocus(Qt::OtherFocusReason);
    Datum->selectAll();
    return;
  }
  Datum->setText(DatumAlsText(d));
  m_binder.Annehmen(Datum);
}

void Turnier::GolfplatzNo_LostFocus() {
  // A list as loaded is not judged: its stored course may be none of the list.
  const Eintrag* e = m_binder.Nimm(GolfplatzNo);
  if (!e->ZuSchreiben() || SucheListeneintrag(GolfplatzNo, e->Text()) >= 0) {
    m_binder.Annehmen(GolfplatzNo);
    return;
  }
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
  m_binder.Ablehnen(GolfplatzNo);
}

void Turnier::SpielartNo_LostFocus() {
  const Eintrag* e = m_binder.Nimm(SpielartNo);
  if (!e->ZuSchreiben() || e->Text().isEmpty() || SucheListeneintrag(SpielartNo, e->Text()) >= 0) {
    m_binder.Annehmen(SpielartNo);
    return;
  }
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIERSPIELART_NICHT_IN_LISTE, STIL_INFO);
  m_binder.Ablehnen(SpielartNo);
}

bool Turnier::eventFilter(QObject* obj, QEvent* ev) {
  switch (ev->type()) {
    case QEvent::FocusOut: {
      if (m_pruefungLaeuft || !IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      // A message box takes the focus too; that is no second leave.
      m_pruefungLaeuft = true;
      MitFehlerfalle([&] {
        if (obj == Datum)
          Datum_LostFocus();
        else if (obj == GolfplatzNo)
          GolfplatzNo_LostFocus();
        else if (obj == SpielartNo)
          SpielartNo_LostFocus();
      });
      m_pruefungLaeuft = false;
      break;
    }
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(ev);
      if (obj != TurnierBemerkung && EnterAlsTab(obj, k)) return true;
      break;
    }
    default: break;
  }
  return Formular::eventFilter(obj, ev);
}

void LoescheTurnierFelder() { TurnierForm().LeereTurnier(); }
