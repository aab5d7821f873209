#include "forms/Golfplaetze.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Eingabefehler.h"
#include "forms/Fensterbefehle.h"
#include "forms/Golfer.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/Hauptfenster.h"
#include "platform/widgets/Farben.h"

namespace {

constexpr int MELDUNG_GOLFPLATZNAME_FEHLT = 224;
constexpr int MELDUNG_UNGUELTIGES_PAR = 125;
constexpr int MELDUNG_UNGUELTIGE_VORGABE = 127;

constexpr long FARBE_LOCH = 0xC0C0C0;   // hole boxes at rest
constexpr long FARBE_FOKUS = 0xFF0000;  // the hole box with the focus (blue)
constexpr long FARBE_WEISS = 0xFFFFFF;
constexpr long FARBE_SCHWARZ = 0x000000;
constexpr long FARBE_EDITFELD = 0xC0FFFF;  // the tee grid's edit box (light yellow)
constexpr long FARBE_AUSWAHL = 0xC0C0C0;   // selection colour of the tee grid

constexpr int BREITE_LOCH = 36;
constexpr int BREITE_SUMME = 46;

// Translation numbers of the window's captions.
enum Texte {
  T_NAME = 2700,
  T_STRASSE = 2701,
  T_PLZ = 2702,
  T_ORT = 2703,
  T_TELEFON = 2704,
  T_FAX = 2705,
  T_LAND = 2706,
  T_INTERNET = 2707,
  T_GREENFEE = 2708,
  T_HANDICAP = 2709,
  T_TEETIMES = 2710,
  T_LOCHZAHL = 2711,
  T_BEWERTUNG = 2712,
  T_ANZEIGEN = 2713,
  T_LOCH_VORNE = 2714,
  T_PAR_VORNE = 2715,
  T_VORGABE_VORNE = 2716,
  T_INFO = 2717,
  T_LOCH_HINTEN = 2718,
  T_PAR_HINTEN = 2719,
  T_VORGABE_HINTEN = 2720,
  T_ANSCHRIFT = 2721,
  T_LOECHER = 2722,
  T_ABSCHLAEGE = 2723,
  T_NUMMER = 2724,
  T_SUMME = 2725,
};
// Run-time texts (GibTranslation): the window caption and the tooltips.
constexpr int TEXT_TITEL = 180;
constexpr int TEXT_TIP_URL = 2101;
constexpr int TEXT_TIP_INFO = 2102;
constexpr int TEXT_TIP_PAR = 2103;

QLineEdit* NeuesLochfeld(QWidget* eltern, const QString& name, int breite) {
  auto* t = NeuesTextfeld(eltern, name);
  t->setAlignment(Qt::AlignCenter);
  t->setFixedWidth(breite);
  t->setMaxLength(4);
  SetzeHintergrund(t, FARBE_LOCH);
  SetzeTextfarbe(t, FARBE_SCHWARZ);
  return t;
}

QString Kopfzeile() {
  return Sprachnummer == 2 ? QStringLiteral("<Tee|<Slope|<Course Rating|<IDN")
                           : QStringLiteral("<Abschlagbezeichnung|<Slope|<Course Rating|<IDN");
}

}  // namespace

// =======================================================================================
// AbschlagEditor

AbschlagEditor::AbschlagEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent)
    : ZellenEditor(raster, editfeld, SPALTE_ID, Kontext::Slope, Kontext::Golfplatz, parent) {
  SetzeZahlspalte(SPALTE_SLOPE, BEREICH_SLOPE);
  SetzeZahlspalte(SPALTE_CR, BEREICH_COURSE_RATING);
}

// The focus back to the grid, the edit box hidden.
void AbschlagEditor::ZumRaster() {
  RasterFokus();
  m_edit->hide();
}

void AbschlagEditor::EditfeldBetreten(bool) { MeldeRasterKontext(); }

void AbschlagEditor::NeuenAbschlagUebernehmen() {
  SetzeZelltext(1, SPALTE_NAME, m_edit->text());
  QString neueIdn;
  if (Speichern) Speichern(neueIdn);
  // The new tee's row, found by its id wherever the refill placed it.
  const int ziel = ZeileMitSchluessel(neueIdn);
  if (ziel >= 2)
    SetzeZelle(ziel, SPALTE_SLOPE);
  else
    SetzeZelle(1, SPALTE_NAME);
  VersteckeEditFeld();
  ZumRaster();
}

void AbschlagEditor::EditfeldGeoeffnet() {
  // A new tee is begun with its name.
  if (Row() == 1 && (Col() == SPALTE_SLOPE || Col() == SPALTE_CR)) {
    SetzeZelltext(1, Col(), QString());
    m_edit->clear();
    SetzeZelle(1, SPALTE_NAME);
    ZumRaster();
  }
}

namespace {
// Tab forwards, Shift+Tab (Backtab) backwards; false for any other key.
bool IstTab(const QKeyEvent* e, bool& vor) {
  if (e->key() == Qt::Key_Backtab || (e->key() == Qt::Key_Tab && (e->modifiers() & Qt::ShiftModifier))) {
    vor = false;
    return true;
  }
  vor = true;
  return e->key() == Qt::Key_Tab && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}
}  // namespace

bool AbschlagEditor::Nachbarzelle(int& r, int& c, bool vor) const {
  if (r < ZEILE_NEU || r >= Rows() || c < 0) {
    // Coming in from outside: the first cell.
    r = ZEILE_NEU;
    c = SPALTE_NAME;
    return true;
  }
  // The new-tee row is begun with its name alone; a stored tee has its name, slope and
  // course rating.
  const int letzte = r == ZEILE_NEU ? int(SPALTE_NAME) : int(SPALTE_CR);
  if (vor) {
    if (c >= letzte) return false;
    ++c;
    return true;
  }
  if (c <= SPALTE_NAME) return false;
  c = std::min(c - 1, letzte);
  return true;
}

void AbschlagEditor::Tabschritt(bool vor) {
  int r = Row(), c = Col();
  if (Nachbarzelle(r, c, vor)) {
    SetzeZelle(r, c);
    RasterFokus();
  } else {
    VerlasseRaster(vor);
  }
}

bool AbschlagEditor::eventFilter(QObject* obj, QEvent* ev) {
  // Tab brings the focus to the first cell, Shift+Tab to the last.
  if (obj == m_raster && ev->type() == QEvent::FocusIn) {
    const Qt::FocusReason g = static_cast<QFocusEvent*>(ev)->reason();
    if (g == Qt::TabFocusReason) SetzeZelle(ZEILE_NEU, SPALTE_NAME);
    if (g == Qt::BacktabFocusReason) {
      if (Rows() > ZEILE_NEU + 1)
        SetzeZelle(Rows() - 1, SPALTE_CR);
      else
        SetzeZelle(ZEILE_NEU, SPALTE_NAME);
    }
  }
  return ZellenEditor::eventFilter(obj, ev);
}

bool AbschlagEditor::RasterTaste(QKeyEvent* e) {
  bool vor = true;
  if (IstTab(e, vor)) {
    Tabschritt(vor);
    return true;
  }
  // Enter on a cell of the grid does nothing.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (enter && Row() >= ZEILE_NEU && Col() >= 0) return true;
  return ZellenEditor::RasterTaste(e);
}

bool AbschlagEditor::EditfeldTaste(QKeyEvent* e) {
  const int r = Row(), c = Col();
  bool vor = true;
  if (IstTab(e, vor)) {
    // Tab commits the cell as Enter does; a named new tee is stored at once and the walk
    // goes on at its slope. Shift+Tab keeps a new tee's name for storing with the course.
    if (vor && r == ZEILE_NEU && c == SPALTE_NAME && !m_edit->text().isEmpty()) {
      NeuenAbschlagUebernehmen();
      return true;
    }
    SetzeZelltext(r, c, m_edit->text());
    VerbergeEditFeld();
    ZumRaster();
    Tabschritt(vor);
    return true;
  }
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (r == 1) {
        NeuenAbschlagUebernehmen();
      } else {
        SetzeZelltext(r, c, m_edit->text());
        VerbergeEditFeld();
        NaechsteZelle();
        ZumRaster();
      }
      return true;
    case Qt::Key_Left:
      // Left and Right always hand the focus to the grid; the cell moves only with the
      // caret at the end of the text.
      if (CaretAmEnde() && c > 0) SetzeZelle(r, c - 1);
      ZumRaster();
      return true;
    case Qt::Key_Right:
      if (r == 1 && c == SPALTE_NAME && !m_edit->text().isEmpty()) {
        NeuenAbschlagUebernehmen();
        return true;
      }
      if (CaretAmEnde() && c < m_raster->columnCount() - 1) SetzeZelle(r, c + 1);
      ZumRaster();
      return true;
    case Qt::Key_Up:
      if (r >= 2) SetzeZelle(r - 1, c);
      ZumRaster();
      return true;
    case Qt::Key_Down:
      if (r < Rows() - 1) SetzeZelle(r + 1, c);
      ZumRaster();
      return true;
    default: return ZellenEditor::EditfeldTaste(e);
  }
}

// =======================================================================================
// The window

Golfplaetze& GolfplaetzeForm() { return FormInstanz<Golfplaetze>(); }

Golfplaetze::Golfplaetze() : Formular(QStringLiteral("Golfplätze")) {
  SetzeTitel(QStringLiteral("Golfplätze"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setContentsMargins(10, 10, 10, 10);
  haupt->setSpacing(8);

  auto* oben = new QHBoxLayout;
  oben->setSpacing(10);
  auto* links = new QWidget(this);
  auto* rechts = new QWidget(this);
  BaueAnschrift(links);
  BaueAbschlaege(rechts);
  oben->addWidget(links, 11);
  oben->addWidget(rechts, 9);
  haupt->addLayout(oben, 1);

  auto* loecher = new QWidget(this);
  BaueLoecher(loecher);
  haupt->addWidget(loecher, 0);

  // Check boxes and option buttons take the window's background colour.
  for (QAbstractButton* b : findChildren<QAbstractButton*>()) b->setBackgroundRole(QPalette::Window);

  SetzeTabfolge();
  // Only the hole box with the focus shows the focus colours, also when the focus left it
  // without its leave check (New puts it on the course name).
  BeiFokuswechsel(this, [this](QWidget* w) {
    if (m_markiert && m_markiert != w) LochFeldFokus(m_markiert, false);
  });

  // Key preview and the focus handlers of the course fields.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (w == Slope || w == Slope->viewport() || w == T1) continue;
    w->installEventFilter(this);
  }
  Abschlaege = new AbschlagEditor(Slope, T1, this);
  Abschlaege->Aktiv = false;
  // A tee cell refused gets back what it held before the typing by its entry's rule.
  Abschlaege->SetzeBinder(&m_binder);
  Abschlaege->Speichern = [](QString& neueIdn) { return WriteSlope(&neueIdn); };
  Abschlaege->KontextGeaendert = [](const QString& k) { KontextLoeschen = k; };
  BindeEintraege();
  ZeigeAbschlaege({});
}

void Golfplaetze::BaueAnschrift(QWidget* seite) {
  auto* v = new QVBoxLayout(seite);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(8);

  auto* rahmen = new QGroupBox(QStringLiteral("Anschrift"), seite);
  rahmen->setObjectName(QStringLiteral("RahmenAnschrift"));
  setzeTag(rahmen, T_ANSCHRIFT);
  auto* g = new QGridLayout(rahmen);
  g->setHorizontalSpacing(8);
  g->setVerticalSpacing(6);

  Golfplatzname = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzname"));
  Golfplatzstrasse = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzstraße"));
  Golfplatzplz = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzplz"));
  Golfplatzort = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzort"));
  Golfplatztelefon = NeuesTextfeld(rahmen, QStringLiteral("Golfplatztelefon"));
  Golfplatzfax = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzfax"));
  Golfplatzland = NeuesTextfeld(rahmen, QStringLiteral("Golfplatzland"));
  URL = NeuesTextfeld(rahmen, QStringLiteral("URL"));
  URL->setToolTip(QStringLiteral("Tragen Sie hier, falls vorhanden, die Internetadresse des Golfclubs ein"));
  Greenfee = NeuesTextfeld(rahmen, QStringLiteral("Greenfee"));
  Handicap = NeuesTextfeld(rahmen, QStringLiteral("Handicap"));
  Teetimes = new QCheckBox(QStringLiteral("Teetimes :"), rahmen);
  Teetimes->setObjectName(QStringLiteral("Teetimes"));
  Teetimes->setLayoutDirection(Qt::RightToLeft);  // caption before the box, as a label
  setzeTag(Teetimes, T_TEETIMES);

  GolfplatzNo = NeuesLabel(rahmen, QStringLiteral("GolfplatzNo"), QString());
  GolfplatzNo->setMinimumWidth(40);
  GolfplatzNo->setAlignment(Qt::AlignCenter);
  GolfplatzNo->setFrameShape(QFrame::Panel);
  GolfplatzNo->setFrameShadow(QFrame::Sunken);

  auto label = [&](const char* name, const char* text, int tag) {
    auto* l = NeuesLabel(rahmen, QString::fromUtf8(name), QString::fromUtf8(text), tag);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
  };
  auto* nummer = new QHBoxLayout;
  nummer->setSpacing(6);
  nummer->addWidget(label("LabelGolfplatzNo", "Nr. :", T_NUMMER));
  nummer->addWidget(GolfplatzNo);

  g->addWidget(label("LabelGolfplatzname", "Golfplatzname :", T_NAME), 0, 0);
  g->addWidget(Golfplatzname, 0, 1, 1, 2);
  g->addLayout(nummer, 0, 3, Qt::AlignRight);
  g->addWidget(label("LabelGolfplatzstrasse", "Straße :", T_STRASSE), 1, 0);
  g->addWidget(Golfplatzstrasse, 1, 1, 1, 3);
  g->addWidget(label("LabelGolfplatzplz", "Postleitzahl :", T_PLZ), 2, 0);
  g->addWidget(Golfplatzplz, 2, 1);
  g->addWidget(label("LabelGolfplatzort", "Ort :", T_ORT), 2, 2);
  g->addWidget(Golfplatzort, 2, 3);
  g->addWidget(label("LabelGolfplatztelefon", "Telefon :", T_TELEFON), 3, 0);
  g->addWidget(Golfplatztelefon, 3, 1);
  g->addWidget(label("LabelGolfplatzfax", "Fax :", T_FAX), 3, 2);
  g->addWidget(Golfplatzfax, 3, 3);
  // From the country on one field a row, in the order Tab takes them.
  g->addWidget(label("LabelGolfplatzland", "Land :", T_LAND), 4, 0);
  g->addWidget(Golfplatzland, 4, 1);
  g->addWidget(label("LabelURL", "Internet :", T_INTERNET), 5, 0);
  g->addWidget(URL, 5, 1, 1, 3);
  g->addWidget(label("LabelGreenfee", "Greenfee :", T_GREENFEE), 6, 0);
  g->addWidget(Greenfee, 6, 1);
  g->addWidget(label("LabelHandicap", "Handicapbeschränkung :", T_HANDICAP), 7, 0);
  g->addWidget(Handicap, 7, 1);
  g->addWidget(Teetimes, 7, 3, Qt::AlignLeft);
  g->setColumnStretch(1, 2);
  g->setColumnStretch(3, 3);
  v->addWidget(rahmen);

  // Number of holes and rating, each a group of option buttons.
  auto* optionen = new QHBoxLayout;
  optionen->setSpacing(10);
  Golfplatzlochzahl = new QGroupBox(QStringLiteral("Lochzahl :"), seite);
  Golfplatzlochzahl->setObjectName(QStringLiteral("Golfplatzlochzahl"));
  setzeTag(Golfplatzlochzahl, T_LOCHZAHL);
  auto* h1 = new QHBoxLayout(Golfplatzlochzahl);
  const char* lochzahlen[] = {"9", "18", "27"};
  for (int i = 1; i <= 3; ++i) {
    auto* o = new QRadioButton(QString::fromLatin1(lochzahlen[i - 1]), Golfplatzlochzahl);
    o->setObjectName(Feldname(QStringLiteral("Option"), i));
    Option.Setze(i, o);
    h1->addWidget(o);
  }
  Bewertung = new QGroupBox(QStringLiteral("Bewertung :"), seite);
  Bewertung->setObjectName(QStringLiteral("Bewertung"));
  setzeTag(Bewertung, T_BEWERTUNG);
  auto* h2 = new QHBoxLayout(Bewertung);
  for (int i = 4; i <= 8; ++i) {
    auto* o = new QRadioButton(QString::number(i - 3), Bewertung);
    o->setObjectName(Feldname(QStringLiteral("Option1"), i));
    Option1.Setze(i, o);
    h2->addWidget(o);
  }
  optionen->addWidget(Golfplatzlochzahl, 3);
  optionen->addWidget(Bewertung, 5);
  v->addLayout(optionen);

  GolfplatzAnzeigen = new QCheckBox(QStringLiteral("Golfplatz in der Rundenauswahl anzeigen ?"), seite);
  GolfplatzAnzeigen->setObjectName(QStringLiteral("GolfplatzAnzeigen"));
  setzeTag(GolfplatzAnzeigen, T_ANZEIGEN);
  v->addWidget(GolfplatzAnzeigen);

  auto* info = new QGroupBox(QStringLiteral("Golfplatzinfo:"), seite);
  info->setObjectName(QStringLiteral("RahmenGolfplatzinfo"));
  setzeTag(info, T_INFO);
  auto* vi = new QVBoxLayout(info);
  Golfplatzinfo = new QPlainTextEdit(info);
  Golfplatzinfo->setObjectName(QStringLiteral("Golfplatzinfo"));
  Golfplatzinfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Golfplatzinfo->setTabChangesFocus(true);
  Golfplatzinfo->setToolTip(QStringLiteral("Hier sehen Sie die Info für den Golfplatz, den Sie ausgewählt haben."));
  vi->addWidget(Golfplatzinfo);
  v->addWidget(info, 1);
}

void Golfplaetze::BaueAbschlaege(QWidget* seite) {
  auto* v = new QVBoxLayout(seite);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(8);

  auto* tees = new QGroupBox(QStringLiteral("Abschläge"), seite);
  tees->setObjectName(QStringLiteral("RahmenSlope"));
  setzeTag(tees, T_ABSCHLAEGE);
  auto* vt = new QVBoxLayout(tees);
  Slope = new QTableWidget(2, 4, tees);
  Slope->setObjectName(QStringLiteral("Slope"));
  Slope->verticalHeader()->hide();
  Slope->horizontalHeader()->setSectionsClickable(false);
  Slope->horizontalHeader()->setHighlightSections(false);
  Slope->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Slope->horizontalHeader()->setMinimumSectionSize(24);
  Slope->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Slope->setSelectionMode(QAbstractItemView::SingleSelection);
  Slope->setSelectionBehavior(QAbstractItemView::SelectItems);
  Slope->setTabKeyNavigation(false);
  Slope->setWordWrap(false);
  Slope->verticalHeader()->setDefaultSectionSize(22);
  Slope->setMinimumHeight(TwipsZuPixel(1800));
  // Row 0 holds the captions; the header shows them.
  Slope->setRowHidden(0, true);
  QPalette p = Slope->palette();
  p.setColor(QPalette::Highlight, VBFarbe(FARBE_AUSWAHL));
  p.setColor(QPalette::HighlightedText, VBFarbe(FARBE_SCHWARZ));
  Slope->setPalette(p);
  vt->addWidget(Slope);
  T1 = NeuesTextfeld(Slope->viewport(), QStringLiteral("T1"));
  T1->setFrame(false);
  SetzeHintergrund(T1, FARBE_EDITFELD);
  T1->hide();
  v->addWidget(tees, 1);
}

void Golfplaetze::BaueLoecher(QWidget* seite) {
  auto* v = new QVBoxLayout(seite);
  v->setContentsMargins(0, 0, 0, 0);
  auto* rahmen = new QGroupBox(QStringLiteral("Par und Vorgabe"), seite);
  rahmen->setObjectName(QStringLiteral("RahmenLoecher"));
  setzeTag(rahmen, T_LOECHER);
  auto* g = new QGridLayout(rahmen);
  g->setHorizontalSpacing(3);
  g->setVerticalSpacing(4);

  const QString tipPar = QStringLiteral("ParLoch des Golfplatzes");
  // Two blocks side by side: holes 1-9 with their sum, then holes 10-18 with theirs.
  for (int block = 0; block < 2; ++block) {
    const int basis = block * 12;  // grid column of the block's row captions
    const int tagLoch = block == 0 ? T_LOCH_VORNE : T_LOCH_HINTEN;
    const int tagPar = block == 0 ? T_PAR_VORNE : T_PAR_HINTEN;
    const int tagVorgabe = block == 0 ? T_VORGABE_VORNE : T_VORGABE_HINTEN;
    const QString s = QString::number(block + 1);
    g->addWidget(NeuesLabel(rahmen, QStringLiteral("LabelLoch") + s, QStringLiteral("Loch"), tagLoch), 0, basis);
    g->addWidget(NeuesLabel(rahmen, QStringLiteral("LabelPar") + s, QStringLiteral("Par"), tagPar), 1, basis);
    g->addWidget(NeuesLabel(rahmen, QStringLiteral("LabelVorgabe") + s, QStringLiteral("Vorgabe"), tagVorgabe), 2,
                 basis);
    for (int k = 1; k <= 9; ++k) {
      const int loch = block * 9 + k;
      auto* nr = NeuesLabel(rahmen, Feldname(QStringLiteral("LochNr"), loch), QString::number(loch));
      nr->setAlignment(Qt::AlignCenter);
      QFont f = nr->font();
      f.setBold(true);
      nr->setFont(f);
      g->addWidget(nr, 0, basis + k);
      auto* par = NeuesLochfeld(rahmen, Feldname(QStringLiteral("ParLoch"), loch), BREITE_LOCH);
      par->setToolTip(tipPar);
      ParLoch.Setze(loch, par);
      g->addWidget(par, 1, basis + k);
      auto* vorgabe = NeuesLochfeld(rahmen, Feldname(QStringLiteral("VorgabeLoch"), loch), BREITE_LOCH);
      VorgabeLoch.Setze(loch, vorgabe);
      g->addWidget(vorgabe, 2, basis + k);
    }
    auto* kopf = NeuesLabel(rahmen, QStringLiteral("LabelSumme") + s, QStringLiteral("Summe"), T_SUMME);
    kopf->setAlignment(Qt::AlignCenter);
    g->addWidget(kopf, 0, basis + 10);
    auto* summe = NeuesLochfeld(rahmen, Feldname(QStringLiteral("ParSumme"), 19 + block), BREITE_SUMME);
    summe->setReadOnly(true);
    summe->setToolTip(tipPar);
    QFont f = summe->font();
    f.setBold(true);
    summe->setFont(f);
    ParSumme.Setze(19 + block, summe);
    g->addWidget(summe, 1, basis + 10);
    if (block == 0) g->setColumnMinimumWidth(11, 12);
  }
  g->setColumnStretch(23, 1);
  v->addWidget(rahmen);
}

void Golfplaetze::SetzeTabfolge() {
  // The address, the course's check boxes, then the holes (par and stroke index of each
  // hole in turn), the course info, the rating and the number of holes, the sums and last
  // the tee grid. Inside the grid Tab walks the row being typed and leaves the grid from
  // that row's last cell.
  QList<QWidget*> folge = {Golfplatzname,    Golfplatzstrasse, Golfplatzplz,  Golfplatzort,
                           Golfplatztelefon, Golfplatzfax,     Golfplatzland, URL,
                           Greenfee,         Handicap,         Teetimes,      GolfplatzAnzeigen};
  for (int i = 1; i <= 18; ++i) folge << ParLoch[i] << VorgabeLoch[i];
  folge << Golfplatzinfo;
  for (int i = 4; i <= 8; ++i) folge << Option1[i];
  for (int i = 1; i <= 3; ++i) folge << Option[i];
  folge << ParSumme[19] << ParSumme[20] << Slope;
  for (int i = 1; i < folge.size(); ++i) setTabOrder(folge[i - 1], folge[i]);

  m_kursfelder = {
      Golfplatzname, Golfplatzstrasse,  Golfplatzplz, Golfplatzort,  Golfplatztelefon, Golfplatzfax,      Golfplatzland,
      URL,           Greenfee,          Handicap,     Golfplatzinfo, Teetimes,         GolfplatzAnzeigen, ParSumme[19],
      ParSumme[20],  Golfplatzlochzahl, Bewertung};
  for (auto& [i, o] : Option) m_kursfelder << o;
  for (auto& [i, o] : Option1) m_kursfelder << o;
}

void Golfplaetze::SetzeRasterKopf() {
  const QStringList spalten = Kopfzeile().split(QLatin1Char('|'));
  QStringList titel;
  for (QString s : spalten) titel << (s.startsWith(QLatin1Char('<')) ? s.mid(1) : s);
  Slope->setHorizontalHeaderLabels(titel);
  for (int c = 0; c < titel.size(); ++c) {
    auto* i = new QTableWidgetItem(titel[c]);
    i->setFlags(Qt::ItemIsEnabled);
    Slope->setItem(0, c, i);
  }
  const int breiten[] = {3500, 1500, 1500, 500};
  for (int c = 0; c < 4; ++c) Slope->setColumnWidth(c, TwipsZuPixel(breiten[c]));
  // The name takes what room the window gives; the numbers keep their widths.
  Slope->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  Slope->setRowHidden(0, true);
}

void Golfplaetze::Form_Load() {
  MitFehlerfalle([this] {
    LadenBeendet = false;
    Abschlaege->Aktiv = false;
    SpeachChange(this);
    SetzeFarben(this);
    PositioniereForm(this, 0, 0, 15300, 10000);
    HF_SetzeBefehlscodes(Befehlscode::Golfplatz);
    SetzeRasterKopf();

    const QString titel = SPU().GibTranslation(TEXT_TITEL);
    if (!titel.isEmpty()) SetzeTitel(titel);
    HF_SetzeTitel(PRODUKTTITEL + titel);
    auto tip = [](QWidget* w, int nr) {
      const QString t = SPU().GibTranslation(nr);
      if (!t.isEmpty()) w->setToolTip(t);
    };
    tip(URL, TEXT_TIP_URL);
    tip(Golfplatzinfo, TEXT_TIP_INFO);
    for (int i = 1; i <= 18; ++i) tip(ParLoch[i], TEXT_TIP_PAR);
    tip(ParSumme[19], TEXT_TIP_PAR);
    tip(ParSumme[20], TEXT_TIP_PAR);

    SetzeKontexte();
    Slope->setCurrentCell(1, AbschlagEditor::SPALTE_SLOPE);
    connect(&Aenderungen(), &Aenderungsmelder::DateiGewechselt, this, &Golfplaetze::FolgeDateiwechsel,
            Qt::UniqueConnection);
    LadenBeendet = true;
    Abschlaege->Aktiv = true;
  });
}

// The commands, toolbar and menus follow the window in front: coming back from another
// window they are the course editor's again.
void Golfplaetze::SetzeKontexte() {
  AktiveForm = objectName();
  KontextNeu = KontextLoeschen = KontextSuchen = KontextWeiter = KontextZurueck = KontextSeitenansicht =
      KontextDrucken = Kontext::Golfplatz;
  // Delete means the tee while the grid or its edit box holds the focus.
  if (QWidget* w = focusWidget(); w && (w == Slope || w == T1)) KontextLoeschen = Kontext::Slope;
  HF_SetzeBefehlscodes(Befehlscode::Golfplatz);
}

void Golfplaetze::Form_Activate() {
  MitFehlerfalle([this] {
    SetzeKontexte();
    const QString titel = SPU().GibTranslation(TEXT_TITEL);
    HF_SetzeTitel(PRODUKTTITEL + titel);
  });
}

bool Golfplaetze::Form_Unload() {
  bool schliessen = true;
  MitFehlerfalle([&] {
    const bool endet = Schlussart() != Programmschluss::Keiner;
    if (IstLeer(Golfplatzname->text()) && (Schlussart() == Programmschluss::Sitzung || SchlussBestaetigt())) {
      if (GolfplatzOhneNamenZumSitzungsende()) return;
    } else if (IstLeer(Golfplatzname->text())) {
      // Also as the user ends the program: the course is named or deleted, then closed.
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFPLATZNAME_FEHLT, STIL_KRITISCH);
      Zeige();
      Golfplatzname->setFocus(Qt::OtherFocusReason);
      schliessen = false;
      return;
    }
    const QString id = Idn();
    // A course that could not be stored stays in the editor, where it can be stored at all.
    if (!WriteGolfplatzdaten(id) && GolfplatzNichtGespeichert() && DBG().KannSpeichern() && !endet) {
      schliessen = false;
      return;
    }

    if (!FormExistiert<Golfer>()) {
      // Without the golfer window there is no card to refresh; a database without
      // golfers still gets its first one.
      if (DBT().Anzahl(QStringLiteral("SELECT * FROM tab_golfer")) == 0) NeuGolferOhneFrage();
      return;
    }
    // The golfer window followed the course as it was stored (its lists, the card shown).
    if (GolferForm().TabstripGolfer->currentIndex() == 0 &&
        DBT().Anzahl(QStringLiteral("SELECT * FROM tab_golfer")) == 0)
      NeuGolferOhneFrage();  // the first golfer, without a question
  });
  return schliessen;
}

bool Golfplaetze::BerechneParSumme() {
  int vorne = 0, hinten = 0;
  for (int i = 1; i <= 18; ++i) {
    const int par = GibScore(ParLoch[i]->text());
    if (par < 3 || par > 6) continue;
    (i <= 9 ? vorne : hinten) += par;
  }
  ParSumme[19]->setText(QString::number(vorne));
  ParSumme[20]->setText(QString::number(hinten));
  return true;
}

void Golfplaetze::PositioniereEditFeld() { Abschlaege->PositioniereEditFeld(); }

void Golfplaetze::VersteckeEditFeld() {
  Abschlaege->VersteckeEditFeld();
  KontextLoeschen = Kontext::Golfplatz;
}

void Golfplaetze::NaechsteZelle() { Abschlaege->NaechsteZelle(); }

void Golfplaetze::LochFeldFokus(QLineEdit* feld, bool hat) {
  SetzeHintergrund(feld, hat ? FARBE_FOKUS : FARBE_LOCH);
  SetzeTextfarbe(feld, hat ? FARBE_WEISS : FARBE_SCHWARZ);
  if (hat)
    m_markiert = feld;
  else if (m_markiert == feld)
    m_markiert = nullptr;
}

void Golfplaetze::ParLoch_GotFocus(int Index) {
  VersteckeEditFeld();
  LochFeldFokus(ParLoch[Index], true);
}

void Golfplaetze::VorgabeLoch_GotFocus(int Index) {
  VersteckeEditFeld();
  LochFeldFokus(VorgabeLoch[Index], true);
}

void Golfplaetze::ParLoch_LostFocus(int Index) { PruefeLochFeld(true, Index); }
void Golfplaetze::VorgabeLoch_LostFocus(int Index) { PruefeLochFeld(false, Index); }

void Golfplaetze::PruefeLochFeld(bool par, int Index) {
  QLineEdit* feld = par ? ParLoch[Index] : VorgabeLoch[Index];
  if (!feld || m_pruefungLaeuft) return;
  const Eintrag& e = Locheintrag(par, Index);
  // A box left as it was is not judged.
  if (!e.IstGetippt() || e.Text() == e.TextVorEingabe() || e.Text().trimmed().isEmpty() ||
      LochwertGueltig(e.Text(), par)) {
    m_binder.Annehmen(feld);
    // An emptied par changes the sums as well.
    if (par) BerechneParSumme();
    LochFeldFokus(feld, false);
    return;
  }
  m_pruefungLaeuft = true;
  MsgAntwort = SPU().Zantro_Msg(par ? MELDUNG_UNGUELTIGES_PAR : MELDUNG_UNGUELTIGE_VORGABE, STIL_KRITISCH);
  // What the box held before the typing comes back: never less than was there.
  m_binder.Ablehnen(feld);
  if (par) BerechneParSumme();
  m_pruefungLaeuft = false;
  // Back into the box once the focus change that brought us here has finished.
  QPointer<QLineEdit> ziel(feld);
  QTimer::singleShot(0, feld, [ziel] {
    if (ziel && ziel->isVisible()) ziel->setFocus(Qt::OtherFocusReason);
  });
}

void Golfplaetze::SetzeOption(QRadioButton* knopf, bool an) {
  if (!knopf) return;
  if (an) {
    knopf->setChecked(true);
    return;
  }
  // An exclusive group refuses to leave all buttons off.
  knopf->setAutoExclusive(false);
  knopf->setChecked(false);
  knopf->setAutoExclusive(true);
}

bool Golfplaetze::eventFilter(QObject* obj, QEvent* ev) {
  auto lochIndex = [&](const Steuerfeld<QLineEdit>& feld) {
    for (const auto& [i, w] : feld)
      if (w == obj) return i;
    return 0;
  };
  switch (ev->type()) {
    case QEvent::FocusIn: {
      if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      if (const int i = lochIndex(ParLoch)) {
        ParLoch_GotFocus(i);
      } else if (const int j = lochIndex(VorgabeLoch)) {
        VorgabeLoch_GotFocus(j);
      } else if (m_kursfelder.contains(static_cast<QWidget*>(obj))) {
        VersteckeEditFeld();
      }
      break;
    }
    case QEvent::FocusOut: {
      if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      if (const int i = lochIndex(ParLoch))
        ParLoch_LostFocus(i);
      else if (const int j = lochIndex(VorgabeLoch))
        VorgabeLoch_LostFocus(j);
      break;
    }
    case QEvent::MouseButtonPress:
      // A click on a frame counts as entering a course field.
      if (obj == Golfplatzlochzahl || obj == Bewertung) VersteckeEditFeld();
      break;
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(ev);
      const int par = lochIndex(ParLoch), vorgabe = lochIndex(VorgabeLoch);
      if (par || vorgabe) {
        int code = 0;
        switch (k->key()) {
          case Qt::Key_Left: code = 37; break;
          case Qt::Key_Up: code = 38; break;
          case Qt::Key_Right: code = 39; break;
          case Qt::Key_Down: code = 40; break;
          default: break;
        }
        if (code) {
          NavigiereGolfplatzRaster(par ? QStringLiteral("ParLoch") : QStringLiteral("VorgabeLoch"), par ? par : vorgabe,
                                   code);
          return true;
        }
      }
      if (obj != Golfplatzinfo && EnterAlsTab(obj, k)) return true;
      break;
    }
    default: break;
  }
  return Formular::eventFilter(obj, ev);
}

// =======================================================================================
// Module operations

void LoescheGolfplatzFelder() { GolfplaetzeForm().LeereGolfplatz(); }

void NavigiereGolfplatzRaster(const QString& Feldname, int Index, int KeyCode) {
  Golfplaetze& f = GolfplaetzeForm();
  const bool par = Feldname == QLatin1String("ParLoch");
  auto vor = [](int i) { return i >= 18 ? 1 : i + 1; };
  auto zurueck = [](int i) { return i <= 1 ? 18 : i - 1; };
  QLineEdit* ziel = nullptr;
  switch (KeyCode) {
    case 37: ziel = par ? f.ParLoch[zurueck(Index)] : f.VorgabeLoch[zurueck(Index)]; break;
    case 39: ziel = par ? f.ParLoch[vor(Index)] : f.VorgabeLoch[vor(Index)]; break;
    case 40: ziel = par ? f.VorgabeLoch[Index] : f.ParLoch[vor(Index)]; break;
    case 38: ziel = par ? f.VorgabeLoch[zurueck(Index)] : f.ParLoch[Index]; break;
    default: return;
  }
  if (ziel) ziel->setFocus(Qt::TabFocusReason);
}
