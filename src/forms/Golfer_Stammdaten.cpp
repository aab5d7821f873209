// The golfer window's frame and its golfer page: load, activation and unload, the page
// change with ZeigeTab, the golfer fields and the handicap-history grid.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfer.h"
#include "forms/Historieneditor.h"
#include "forms/Scorekartenablauf.h"
#include "forms/Scorekartenzeilen.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Tastatur.h"

namespace {

// Translation numbers of the golfer page.
constexpr int T_GOLFERNAME = 1001;
constexpr int T_STAMMVORGABE = 1002;
constexpr int T_HEIMATCLUB = 1003;
constexpr int T_HANDICAP = 1004;
constexpr int T_HISTORIE = 1005;
constexpr int T_RAHMEN_GOLFER = 1007;
// Run-time texts and messages.
constexpr int TEXT_ALLE_GOLFPLAETZE = 213;
constexpr int TEXT_GOLFER = 216;
constexpr int MELDUNG_HEIMATCLUB_FEHLT = 225;

constexpr long FARBE_AUSWAHL = 0xC0C0C0;       // the history grid's current cell
constexpr long FARBE_EDITFELD = 0xC0FFFF;      // its edit box (light yellow)
constexpr long FARBE_EINGABEZEILE = 0xE0FFFF;  // the entry row (pale yellow)
constexpr long FARBE_SCHWARZ = 0x000000;

// Column widths of the history in twips.
constexpr int SPALTENBREITEN[] = {1200, 3900, 4700, 1700, 1500, 1800, 100};

// The frames of the scorecard's computed rows; with those of its entry rows they are
// enabled only on the scorecard page.
const char* const RECHENRAHMEN[] = {
    "FrameSontige",     "FrameGIRNetto",     "FrameGIRBrutto",  "FrameGParNetto",   "FrameGParBrutto",
    "FrameSTBNetto",    "FrameSTBBrutto",    "FrameSonstige_1", "FrameGIRNetto_1",  "FrameGIRBrutto_1",
    "FrameGParNetto_1", "FrameGParBrutto_1", "FrameSTBNetto_1", "FrameSTBBrutto_1",
};

QString Kopfzeile() {
  return Sprachnummer == 2 ? QStringLiteral("<Date|<Golfcourse|<Comment|<Variety|<Nettopoints|<Handicap|Idn")
                           : QStringLiteral("<Datum|<Golfclub|<Bemerkung|<Spielart|<Nettopunkte|<Spielvorgabe|Idn");
}

// Passes the events of the controls it watches to a handler of the window.
class Ereignisfilter : public QObject {
 public:
  Ereignisfilter(QObject* eltern, std::function<bool(QObject*, QEvent*)> f) : QObject(eltern), m_f(std::move(f)) {
    setObjectName(QStringLiteral("Stammdatenfilter"));
  }

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override { return m_f(obj, ev) || QObject::eventFilter(obj, ev); }

 private:
  std::function<bool(QObject*, QEvent*)> m_f;
};

// The key column is too narrow to be read: its cells show nothing.
class OhneText : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text.clear();
  }
};

template <class F>
void Mit(bool& flag, F&& f) {
  const bool vorher = flag;
  flag = true;
  f();
  flag = vorher;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Building the golfer page

void Golfer::BaueStammdaten(QWidget* seite) {
  auto* v = new QVBoxLayout(seite);
  v->setContentsMargins(10, 10, 10, 10);
  v->setSpacing(10);

  auto label = [](QWidget* eltern, const char* name, const char* text, int tag) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setzeTag(l, tag);
    return l;
  };
  auto textfeld = [](QWidget* eltern, const char* name) {
    auto* t = new QLineEdit(eltern);
    t->setObjectName(QString::fromUtf8(name));
    return t;
  };

  auto* rahmen = new QGroupBox(QStringLiteral("Golferdaten"), seite);
  rahmen->setObjectName(QStringLiteral("RahmenGolfer"));
  setzeTag(rahmen, T_RAHMEN_GOLFER);
  auto* g = new QGridLayout(rahmen);
  g->setHorizontalSpacing(8);
  g->setVerticalSpacing(8);
  g->setContentsMargins(12, 12, 12, 12);

  Golfername = textfeld(rahmen, "Golfername");
  Golfername->setMinimumWidth(TwipsZuPixel(5400));
  Heimatclub = NeueListe(rahmen, QStringLiteral("Heimatclub"));
  Heimatclub->setMinimumWidth(TwipsZuPixel(5400));
  Stammvorgabe = textfeld(rahmen, "Stammvorgabe");
  Handicap = textfeld(rahmen, "Handicap");
  for (QLineEdit* t : {Stammvorgabe, Handicap}) {
    t->setFixedWidth(TwipsZuPixel(1300));
    t->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  GolferIdn = textfeld(rahmen, "GolferIdn");
  GolferIdn->hide();
  Binder = new Eintragsbinder(this);
  Binder->Binde(Golfername, &GolferSeite.Name);
  Binder->Binde(Stammvorgabe, &GolferSeite.Stammvorgabe);
  Binder->Binde(Handicap, &GolferSeite.Handicap);
  Binder->Binde(Heimatclub, &GolferSeite.Heimatclub);

  g->addWidget(label(rahmen, "LabelGolfplatzname", "Golfername :", T_GOLFERNAME), 0, 0);
  g->addWidget(Golfername, 0, 1);
  g->addWidget(label(rahmen, "LabelStammvorgabe", "Stammvorgabe :", T_STAMMVORGABE), 0, 3);
  g->addWidget(Stammvorgabe, 0, 4);
  g->addWidget(label(rahmen, "LabelHeimatclub", "Heimatclub :", T_HEIMATCLUB), 1, 0);
  g->addWidget(Heimatclub, 1, 1);
  g->addWidget(label(rahmen, "LabelHandicap", "Handicap :", T_HANDICAP), 1, 3);
  g->addWidget(Handicap, 1, 4);
  g->setColumnMinimumWidth(2, 24);
  g->setColumnStretch(5, 1);
  v->addWidget(rahmen);

  Label1 = new QLabel(QStringLiteral("Handicaphistorie"), seite);
  Label1->setObjectName(QStringLiteral("Label1"));
  setzeTag(Label1, T_HISTORIE);
  auto* verlauf = new QGroupBox(seite);
  verlauf->setObjectName(QStringLiteral("RahmenHistorie"));
  auto* vh = new QVBoxLayout(verlauf);
  vh->setContentsMargins(12, 8, 12, 12);
  vh->setSpacing(6);
  vh->addWidget(Label1);

  HdcpHistorie = new QTableWidget(2, 7, verlauf);
  HdcpHistorie->setObjectName(QStringLiteral("HdcpHistorie"));
  HdcpHistorie->verticalHeader()->hide();
  HdcpHistorie->verticalHeader()->setDefaultSectionSize(22);
  QHeaderView* kopf = HdcpHistorie->horizontalHeader();
  kopf->setSectionsClickable(false);
  kopf->setHighlightSections(false);
  kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  kopf->setMinimumSectionSize(TwipsZuPixel(SPALTENBREITEN[6]));
  HdcpHistorie->setEditTriggers(QAbstractItemView::NoEditTriggers);
  HdcpHistorie->setSelectionMode(QAbstractItemView::ContiguousSelection);
  HdcpHistorie->setSelectionBehavior(QAbstractItemView::SelectItems);
  HdcpHistorie->setTabKeyNavigation(false);
  HdcpHistorie->setWordWrap(false);
  HdcpHistorie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette p = HdcpHistorie->palette();
  p.setColor(QPalette::Highlight, VBFarbe(FARBE_AUSWAHL));
  p.setColor(QPalette::HighlightedText, VBFarbe(FARBE_SCHWARZ));
  HdcpHistorie->setPalette(p);
  // The entry row keeps its items; its colour tells it from the stored rows.
  for (int c = 0; c < 7; ++c) {
    auto* i = new QTableWidgetItem;
    i->setBackground(VBFarbe(FARBE_EINGABEZEILE));
    i->setForeground(LesbareTextfarbe(VBFarbe(FARBE_EINGABEZEILE), p.color(QPalette::Text)));
    HdcpHistorie->setItem(HistorienEditor::ZEILE_NEU, c, i);
  }
  HdcpHistorie->setItemDelegateForColumn(HistorienEditor::SPALTE_ID, new OhneText(HdcpHistorie));
  vh->addWidget(HdcpHistorie, 1);
  v->addWidget(verlauf, 1);

  T1 = new QLineEdit(HdcpHistorie->viewport());
  T1->setObjectName(QStringLiteral("T1"));
  T1->setFrame(false);
  SetzeHintergrund(T1, FARBE_EDITFELD);
  T1->hide();

  MSFlexGrid1 = new QTableWidget(seite);
  MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
  MSFlexGrid1->hide();

  SetzeHistorienKopf();

  Historie = new HistorienEditor(HdcpHistorie, T1, this);
  Historie->Aktiv = false;
  Historie->SetzeBinder(Binder);
  for (int c = 0; c < HistorienEditor::SPALTE_ID; ++c)
    Binder->BindeZelle(HdcpHistorie, HistorienEditor::ZEILE_NEU, c, &GolferSeite.Neu.Zellen[c]);
  // A file renamed over the database is taken over as the card's is: one question.
  Historie->Speichern = [](QString& neueIdn) {
    return SpeichereInDieDatei([&] { return WriteHdcphistorie(&neueIdn); },
                               [] { FuelleHdcpListbox(AktiverGolfer.Golferidn); });
  };
  Historie->KontextGeaendert = [](const QString& k) { KontextLoeschen = k; };

  setTabOrder(Golfername, Heimatclub);
  setTabOrder(Heimatclub, Stammvorgabe);
  setTabOrder(Stammvorgabe, Handicap);
  setTabOrder(Handicap, HdcpHistorie);

  connect(TabstripGolfer, &QTabWidget::currentChanged, this, [this](int s) { SeiteGewechselt(s); });
}

// The captions from the format string of the language ("<" aligns a column left) and the
// column widths. Row 0 keeps the captions; the header shows them.
void Golfer::SetzeHistorienKopf() {
  const QStringList spalten = Kopfzeile().split(QLatin1Char('|'));
  QStringList titel;
  for (const QString& s : spalten) titel << (s.startsWith(QLatin1Char('<')) ? s.mid(1) : s);
  for (int c = 0; c < titel.size() && c < HdcpHistorie->columnCount(); ++c) {
    QTableWidgetItem* i = HdcpHistorie->item(0, c);
    if (!i) {
      i = new QTableWidgetItem;
      i->setFlags(Qt::ItemIsEnabled);
      HdcpHistorie->setItem(0, c, i);
    }
    i->setText(titel[c]);
    // The key column is too narrow for its caption.
    auto* k = new QTableWidgetItem(c == HistorienEditor::SPALTE_ID ? QString() : titel[c]);
    HdcpHistorie->setHorizontalHeaderItem(c, k);
  }
  HdcpHistorie->setRowHidden(0, true);
  for (int c = 0; c < 7; ++c) HdcpHistorie->setColumnWidth(c, TwipsZuPixel(SPALTENBREITEN[c]));
  // The comment takes what room the window gives; the other columns keep their widths.
  HdcpHistorie->horizontalHeader()->setSectionResizeMode(HistorienEditor::SPALTE_BEMERKUNG, QHeaderView::Stretch);
}

Golfer::~Golfer() {
  // The editing rules and the field handlers go first, so that the focus changes of the
  // controls being destroyed reach no handler.
  delete Historie;
  Historie = nullptr;
  delete findChild<QObject*>(QStringLiteral("Stammdatenfilter"), Qt::FindDirectChildrenOnly);
}

// ---------------------------------------------------------------------------------------
// Load, activation, unload

void Golfer::Form_Load() {
  MitFehlerfalle([this] {
    LadenBeendet = false;
    Historie->Aktiv = false;
    FolgeAenderungen();

    // Key preview of the golfer and analysis pages: Enter moves on as Tab does, and the
    // golfer fields hide the history's edit box when they get the focus.
    auto* filter = new Ereignisfilter(this, [this](QObject* obj, QEvent* ev) { return StammdatenEreignis(obj, ev); });
    for (QWidget* seite : {TabstripGolfer->widget(0), TabstripGolfer->widget(2)})
      for (QWidget* w : seite->findChildren<QWidget*>()) {
        const bool eingabe = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QCheckBox*>(w) || w == HdcpHistorie;
        if (!eingabe || w == T1 || w == GolferIdn || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        w->installEventFilter(filter);
      }

    SpeachChange(this);
    SetzeFarben(this, 0);
    PositioniereForm(this, 0, 0, 15300, 10050);
    SetzeHistorienKopf();
    const QString alle = SPU().GibTranslation(TEXT_ALLE_GOLFPLAETZE);
    if (!alle.isEmpty()) AuswahlGolfplatz->setEditText(alle);
    // The analysis opens on all courses; its list then follows the notices.
    Analyse->FuelleGolfplatzliste();

    // The golfer flagged active, else the last golfer.
    const QString id = DBG().Gib_AktivenGolfer();
    QString name = id.isEmpty() ? QStringLiteral("LAST") : QString();
    GotoGolfer(name, id);

    ZeigeSeite(0);
    KontextSeitenansicht = Kontext::Golfer;
    KontextDrucken = Kontext::Golfer;
    HdcpHistorie->setCurrentCell(HistorienEditor::ZEILE_NEU, HistorienEditor::SPALTE_GOLFCLUB);
  });
  LadenBeendet = true;
  Historie->Aktiv = true;
}

void Golfer::Form_Activate() {
  MitFehlerfalle([this] {
    // Windows that show the golfer's values are read again when next opened.
    for (const QString& name : {QStringLiteral("SelectWhat"), QStringLiteral("rptScorekarte")})
      if (IstFormGeladen(name)) EntladeForm(name);
    AktiveForm = QString();
    ZeigeTab();
  });
}

bool Golfer::Form_Unload() {
  bool schliessen = true;
  MitFehlerfalle([&] {
    // As the program ends, golfer and card store what they can and the window closes.
    if (Schlussart() != Programmschluss::Keiner) {
      SpeichereInDieDatei(
          [&] {
            WriteGolferdaten(GezeigterGolfer());
            VerlasseScorekarte();
            return true;
          },
          [] {});
      return;
    }
    // Golfer and card go to one file: a file replaced meanwhile is told once for both.
    const QString golfer = GezeigterGolfer();
    const bool gespeichert = SpeichereInDieDatei(
        [&] {
          const bool golferGespeichert = WriteGolferdaten(golfer) || !GolferNichtGespeichert();
          return VerlasseScorekarte() && golferGespeichert;
        },
        [&] {
          ReadGolferdaten(golfer);
          QString karte = m_karte.ScorekartenIdn;
          if (!IstLeer(karte) && DBG().ScorekarteVorhanden(karte).value_or(false)) GotoScorekarte(karte);
        });
    // A scorecard that must be corrected first, or anything not stored, keeps the window
    // open; not where nothing can be stored (a read-only database, or a file that is no
    // longer the database): the user was told, and another try would change nothing.
    schliessen = gespeichert || !DBG().KannSpeichern();
  });
  return schliessen;
}

// ---------------------------------------------------------------------------------------
// Pages

void Golfer::ZeigeSeite(int seite) {
  Mit(m_seiteIntern, [&] { TabstripGolfer->setCurrentIndex(seite); });
  m_seite = TabstripGolfer->currentIndex();
}

void Golfer::SeiteGewechselt(int seite) {
  const int vorher = m_seite;
  m_seite = seite;
  if (m_seiteIntern || vorher == seite) return;
  // The field that had the focus went with its page, and the focus came to the analysis
  // page's course box: the tabs keep it, so that the box's list does not drop down and the
  // box is not checked as left.
  if (seite == 2 && AuswahlGolfplatz->hasFocus()) SetzeFokusOhnePruefung(TabstripGolfer->tabBar());
  MitFehlerfalle([&] { TabstripGolfer_Click(vorher); });
}

void Golfer::TabstripGolfer_Click(int VorherigeSeite) {
  if (VorherigeSeite == 0 && TabstripGolfer->currentIndex() != 0) {
    if (IstLeer(Heimatclub->currentText())) {
      ZeigeSeite(0);
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_HEIMATCLUB_FEHLT, STIL_KRITISCH);
      ZeigeTab();
      Heimatclub->setFocus(Qt::OtherFocusReason);
      return;
    }
    // Stored as every store is: into a file written back, or, for a file taken over, as
    // the user answers (No shows the golfer as that file holds it, and the page changes).
    const QString golfer = GezeigterGolfer();
    bool nein = false;
    if (!SpeichereInDieDatei([&] { return WriteGolferdaten(golfer); },
                             [&] {
                               ReadGolferdaten(golfer);
                               nein = true;
                             }) &&
        !nein) {
      // A refused home club has brought the golfer page back already.
      if (TabstripGolfer->currentIndex() != 0) {
        ZeigeSeite(0);
        ZeigeTab();
      }
      return;
    }
    QString karte = QStringLiteral("LAST");
    GotoScorekarte(karte);
  } else if (TabstripGolfer->currentIndex() == 1 && IstLeer(m_karte.ScorekartenIdn)) {
    // The page lost its card (an untouched new card went when the page was left): the
    // golfer's latest card, or a new one.
    QString karte = QStringLiteral("LAST");
    GotoScorekarte(karte);
  }
  ZeigeTab();
}

// The main window's caption names the golfer shown, in the form of the page in front.
void Golfer::SetzeHaupttitel() {
  const QString name = GezeigterGolfername();
  const QString golfer = SPU().GibTranslation(TEXT_GOLFER);
  if (TabstripGolfer->currentIndex() == 1)
    HF_SetzeTitel(PRODUKTTITEL + QString(10, QLatin1Char(' ')) + golfer + QStringLiteral("  -   ") + name);
  else
    HF_SetzeTitel(Golfertitel(name));
}

void Golfer::ZeigeTab() {
  const int seite = TabstripGolfer->currentIndex();
  if (seite == 1) {
    KontextNeu = KontextLoeschen = KontextSuchen = KontextSeitenansicht = KontextDrucken = Kontext::Scorekarte;
    KontextWeiter = Kontext::NextScorecard;
    KontextZurueck = Kontext::PreviousScorecard;
  } else if (seite == 0) {
    KontextNeu = KontextLoeschen = KontextSuchen = KontextSeitenansicht = KontextDrucken = Kontext::Golfer;
  }
  SetzeHaupttitel();

  static constexpr Befehlscodes CODES[] = {Befehlscode::GolferStammdaten, Befehlscode::GolferScorekarte,
                                           Befehlscode::GolferAuswertung};
  if (seite >= 0 && seite <= 2) {
    HF_SetzeBefehlscodes(CODES[seite]);
  }

  if (seite != 1) {
    VerlasseScorekarte();
    // A card that cannot be stored has brought the scorecard page back.
    if (TabstripGolfer->currentIndex() != seite) {
      ZeigeTab();
      return;
    }
  }
  if (seite == 2) {
    if (auto* ende = TabstripGolfer->widget(2)->findChild<QLineEdit*>(QStringLiteral("Enddatum"))) {
      if (IstLeer(ende->text())) ende->setText(IsoAlsDatum(QDate::currentDate().toString(Qt::ISODate)));
      QString datum = ende->text();
      if (Sprachnummer == 1) ende->setText(NormiereDatumDE(datum));
      if (Sprachnummer == 2) ende->setText(NormiereDatumUS(datum));
    }
    SchalteAnalysefelder(true);
    SchalteKartenrahmen(false);
  } else {
    if (seite == 1)
      if (QLineEdit* d = Datum[1]) d->setFocus(Qt::OtherFocusReason);
    SchalteKartenrahmen(seite == 1);
    SchalteAnalysefelder(false);
  }

  if (IstFormGeladen(QStringLiteral("frmSuchen"))) EntladeForm(QStringLiteral("frmSuchen"));
}

void Golfer::SchalteKartenrahmen(bool an) {
  QWidget* seite = TabstripGolfer->widget(1);
  QStringList namen;
  for (int k = 0; k < LOCHFELDER; ++k) namen << Zeilenrahmen(k);
  for (const char* name : RECHENRAHMEN) namen << QString::fromUtf8(name);
  for (const QString& name : namen)
    if (QWidget* w = seite->findChild<QWidget*>(name)) w->setEnabled(an);
}

void Golfer::SchalteAnalysefelder(bool an) {
  static const QRegularExpression namen(QStringLiteral("^(Woche|Monat|MonJahr|MonatName|Best|BestWhat|Last)_\\d+$"));
  for (QCheckBox* k : TabstripGolfer->widget(2)->findChildren<QCheckBox*>())
    if (namen.match(k->objectName()).hasMatch()) k->setEnabled(an);
}

// ---------------------------------------------------------------------------------------
// Golfer fields and history

bool Golfer::StammdatenEreignis(QObject* obj, QEvent* ev) {
  switch (ev->type()) {
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(ev);
      if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) break;
      if (EnterAlsTab(obj, k)) return true;
      // From the grid, too, Enter moves on to the next field: the grid is the page's last,
      // so back to its first rather than out to the tab bar.
      if (obj == HdcpHistorie && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget* seite = TabstripGolfer->widget(0);
        QWidget* w = HdcpHistorie->nextInFocusChain();
        while (w && w != HdcpHistorie &&
               !(seite->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)))
          w = w->nextInFocusChain();
        if (w && w != HdcpHistorie) w->setFocus(Qt::TabFocusReason);
      }
      return true;  // the Enter character is swallowed everywhere
    }
    case QEvent::FocusIn:
      if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      if (obj == Golfername || obj == Stammvorgabe || obj == Handicap || obj == Heimatclub) VersteckeEditFeld();
      break;
    case QEvent::FocusOut:
      if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      // The checks may show a message: they run once the focus change is complete.
      if (obj == Heimatclub) NachFokuswechsel(this, [this] { PruefeHeimatclub(); });
      if (obj == Stammvorgabe || obj == Handicap) {
        QLineEdit* feld = static_cast<QLineEdit*>(obj);
        const Zahlbereich bereich = obj == Stammvorgabe ? BEREICH_STAMMVORGABE : BEREICH_HANDICAP;
        if (UebernimmZahlfeld(feld, bereich)) break;
        NachFokuswechsel(this, [feld, bereich] {
          // Back in the box, or the page left: the golfer's store checks it.
          if (!feld->hasFocus() && feld->isVisible()) PruefeZahlfeld(feld, bereich);
        });
      }
      break;
    default: break;
  }
  return false;
}

// A home club typed in must be one of the courses of its list (compared in capitals). An
// empty box names no club and passes; so does a focus that went to the box's own list.
void Golfer::PruefeHeimatclub() {
  if (m_heimatclubPruefung || !Heimatclub->isVisible() || Heimatclub->hasFocus()) return;
  if (Heimatclub->view() && Heimatclub->view()->isVisible()) return;
  if (Heimatclub->currentText().trimmed().isEmpty()) return;
  if (SucheListeneintrag(Heimatclub, Heimatclub->currentText()) != -1) return;
  Mit(m_heimatclubPruefung, [this] {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
    Binder->Ablehnen(Heimatclub);
    Heimatclub->setFocus(Qt::OtherFocusReason);
  });
}

void Golfer::PositioniereEditFeld() { Historie->PositioniereEditFeld(); }

void Golfer::VersteckeEditFeld() {
  Historie->LeereEditFeld();
  KontextLoeschen = Kontext::Golfer;
}

void Golfer::NaechsteZelle() { Historie->NaechsteZelle(); }

void Golfer::HistorieEditfeldLeeren() { Historie->LeereEditFeld(); }

void LoescheGolferFelder() {
  Golfer& g = GolferForm();
  g.GolferSeite.Geladen = Golferdatensatz{};
  for (QWidget* feld : {static_cast<QWidget*>(g.Golfername), static_cast<QWidget*>(g.Heimatclub),
                        static_cast<QWidget*>(g.Stammvorgabe), static_cast<QWidget*>(g.Handicap)})
    g.Binder->Lade(feld, QVariant(), QString());
  g.GolferIdn->clear();
}
