#include "shell/Start.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QToolBar>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Fensterbefehle.h"
#include "forms/Golfer.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Fortschritt.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"
#include "shell/Programmende.h"
#include "shell/Symbole.h"

namespace {
constexpr int MELDUNG_KEIN_GOLFPLATZ = 161;
QPointer<Start>& instanz() {
  static QPointer<Start> s;
  return s;
}

// Toolbar buttons: German default tooltip, separator flag, two-state flag.
struct Knopfart {
  const char* text;
  bool trenner;
  bool zweiStufen;
};
const Knopfart KNOEPFE[18] = {{"Beenden", false, false},
                              {"Neu", false, false},
                              {"Löschen", false, false},
                              {"Suchen", false, true},
                              {nullptr, true, false},
                              {"Seitenansicht", false, false},
                              {"Drucken", false, false},
                              {nullptr, true, false},
                              {"Details", false, false},
                              {"Zurück", false, false},
                              {"Weiter", false, false},
                              {nullptr, true, false},
                              {"Rekordergebnisse", false, true},
                              {"Auf Zahlen umschalten", false, true},
                              {"Grafische Analyse", false, false},
                              {nullptr, true, false},
                              {"Golfplätze", false, false},
                              {"Turnier", false, false}};

// A handler of the main window: refused while a computation runs, run-time errors end
// it with the error box.
template <class F>
void handler(F&& f) {
  if (BefehleGesperrt()) return;
  MitFehlerfalle(std::forward<F>(f));
}
}  // namespace

Start& StartFenster() {
  if (!instanz()) {
    new Start();  // becomes the main window before its load handler runs
    instanz()->MDIForm_Load();
  }
  return *instanz();
}

Start* StartFensterFallsDa() { return instanz(); }

Start::Start() {
  if (!instanz()) {
    instanz() = this;
    SetzeHauptfenster(this);
  }
  setObjectName(QStringLiteral("Start"));
  setWindowTitle(QStringLiteral("Zantro Puttwise! - 2.0"));
  setWindowIcon(Programmsymbol());
  Mdi = new QMdiArea(this);
  Mdi->setObjectName(QStringLiteral("MDIClient"));
  Mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  setCentralWidget(Mdi);
  SetzeMdiBereich(Mdi);
  BaueMenues();
  BaueLeiste();
  resize(1280, 900);
  // On a smaller screen (or a large one at a high scale) the window opens filling the
  // screen's free area, never beyond its edge; the workspace scrolls to what of a window
  // does not fit. The room left is for the window manager's frame.
  if (const QScreen* s = screen()) {
    const QSize frei = s->availableGeometry().size();
    if (frei.width() < 1280 + 16 || frei.height() < 900 + 48) {
      resize(size().boundedTo(frei));
      setWindowState(windowState() | Qt::WindowMaximized);
    }
  }
}

Start::~Start() {
  // Before the working windows inside go: from now on they reach no main window.
  if (HF() == this) SetzeHauptfenster(nullptr);
  if (instanz() == this) instanz() = nullptr;
}

void Start::SetzeButtonBar(const QString& Code) { ::SetzeButtonBar(GolferBar1, Code); }

void Start::SetzeMenues(const QString& Code) { ::SetzeMenues(Befehlsmenues(), Code); }

int Start::LeseButton(int Index) const { return ::LeseButton(GolferBar1, Index); }

void Start::SchalteButton(int Index) { ::SchalteButton(GolferBar1, Index); }

void Start::SetzeTitel(const QString& Titel) { setWindowTitle(Titel); }

QString Start::Titel() const { return windowTitle(); }

void Start::SchalteBefehle(bool an) {
  menuBar()->setEnabled(an);
  if (GolferBar1) GolferBar1->setEnabled(an);
}

QAction* Start::Punkt(QMenu* menue, QAction*& ziel, const QString& name, const QString& text, int nummer,
                      void (Start::*h)()) {
  ziel = new QAction(text, this);
  ziel->setObjectName(name);
  if (nummer > 0) setzeMenueNr(ziel, nummer);
  if (menue)
    menue->addAction(ziel);
  else
    menuBar()->addAction(ziel);
  if (h) connect(ziel, &QAction::triggered, this, [this, h] { (this->*h)(); });
  return ziel;
}

void Start::BaueMenues() {
  QMenuBar* leiste = menuBar();
  leiste->setObjectName(QStringLiteral("Menueleiste"));
  auto menue = [&](QAction*& ziel, const QString& name, const QString& text, int nummer, QMenu* oben = nullptr) {
    QMenu* m = oben ? oben->addMenu(text) : leiste->addMenu(text);
    m->setObjectName(QStringLiteral("mnu") + name);
    ziel = m->menuAction();
    ziel->setObjectName(name);
    setzeMenueNr(ziel, nummer);
    return m;
  };
  auto strich = [&](QMenu* m, QAction*& ziel, const QString& name) {
    ziel = m->addSeparator();
    ziel->setObjectName(name);
  };

  QMenu* datei = menue(Datei, QStringLiteral("Datei"), QStringLiteral("&Datei"), 10000);
  Punkt(datei, New, QStringLiteral("New"), QStringLiteral("&Neu"), 10001, &Start::New_Click);
  Punkt(datei, Del, QStringLiteral("Del"), QStringLiteral("&Löschen"), 10002, &Start::Del_Click);
  strich(datei, Strich1, QStringLiteral("Strich1"));
  Punkt(datei, PrintPreview, QStringLiteral("PrintPreview"), QStringLiteral("Seitenansicht"), 10003,
        &Start::PrintPreview_Click);
  Punkt(datei, PrintIt, QStringLiteral("PrintIt"), QStringLiteral("Drucken"), 10004, &Start::PrintIt_Click);
  Punkt(datei, PageSetup, QStringLiteral("PageSetup"), QStringLiteral("Seite einrichten"), 10006,
        &Start::PageSetup_Click);
  strich(datei, Strich2, QStringLiteral("Strich2"));
  Punkt(datei, Exit, QStringLiteral("Exit"), QStringLiteral("&Beenden"), 10005, &Start::Exit_Click);

  Punkt(nullptr, Find, QStringLiteral("Find"), QStringLiteral("&Suchen"), 10100, &Start::Find_Click);

  QMenu* navigation = menue(Navigation, QStringLiteral("Navigation"), QStringLiteral("&Navigation"), 10200);
  Punkt(navigation, Details, QStringLiteral("Details"), QStringLiteral("Details"), 10201, &Start::Details_Click);
  Punkt(navigation, Back, QStringLiteral("Back"), QStringLiteral("Zurück"), 10202, &Start::Back_Click);
  Punkt(navigation, Forward, QStringLiteral("Forward"), QStringLiteral("Weiter"), 10203, &Start::Forward_Click);

  QMenu* analyse = menue(Analyse, QStringLiteral("Analyse"), QStringLiteral("&Analyse"), 10300);
  Punkt(analyse, BestScore, QStringLiteral("BestScore"), QStringLiteral("Rekordergebnisse"), 10301,
        &Start::BestScore_Click);
  Punkt(analyse, ChangeToNumber, QStringLiteral("ChangeToNumber"), QStringLiteral("Auf Zahlen umschalten"), 10302,
        &Start::ChangeToNumber_Click);
  Punkt(analyse, Grafik, QStringLiteral("Grafik"), QStringLiteral("Grafische Analyse"), 10303, &Start::Grafik_Click);

  Punkt(nullptr, Golfplatz, QStringLiteral("Golfplatz"), QStringLiteral("&Golfplätze"), 10400, &Start::Golfplatz_Click);
  Punkt(nullptr, Turnier, QStringLiteral("Turnier"), QStringLiteral("&Turnier"), 10500, &Start::Turnier_Click);

  QMenu* einstellungen = menue(Einstellungen, QStringLiteral("Einstellungen"), QStringLiteral("&Einstellungen"), 10600);
  Punkt(einstellungen, EinstellungenScorekarte, QStringLiteral("EinstellungenScorekarte"),
        QStringLiteral("Scorekarten"), 10601, &Start::EinstellungenScorekarte_Click);
  QMenu* sprache = menue(SprachMenue, QStringLiteral("Sprachumschaltung"), QStringLiteral("Sprachumschaltung"), 10602,
                         einstellungen);
  Punkt(sprache, SpracheDeutsch, QStringLiteral("SpracheDeutsch"), QStringLiteral("&Deutsch"), 10603,
        &Start::SpracheDeutsch_Click);
  Punkt(sprache, SpracheEnglisch, QStringLiteral("SpracheEnglisch"), QStringLiteral("&Englisch"), 10604,
        &Start::SpracheEnglisch_Click);
  SpracheDeutsch->setCheckable(true);
  SpracheEnglisch->setCheckable(true);
  // The tick marks show the language of this run; a choice does not move them.
  connect(SpracheDeutsch, &QAction::triggered, this, [this] { SpracheDeutsch->setChecked(Sprachnummer == 1); });
  connect(SpracheEnglisch, &QAction::triggered, this, [this] { SpracheEnglisch->setChecked(Sprachnummer != 1); });
  Punkt(einstellungen, Colour, QStringLiteral("Colour"), QStringLiteral("Farbeinstellung"), 10606,
        &Start::Colour_Click);
  Punkt(einstellungen, Datenbankkomprimieren, QStringLiteral("Datenbankkomprimieren"),
        QStringLiteral("Datenbank komprimieren"), 10605, &Start::Datenbankkomprimieren_Click);

  QMenu* hilfe = menue(Fragezeichen, QStringLiteral("Fragezeichen"), QStringLiteral("&?"), 10700);
  Punkt(hilfe, Inhalt, QStringLiteral("Inhalt"), QStringLiteral("&Inhalt und Index"), 10701, &Start::Inhalt_Click);
  // F1 belongs to the main window's menu and so works in every window.
  Inhalt->setShortcut(QKeySequence(Qt::Key_F1));
  Inhalt->setShortcutContext(Qt::ApplicationShortcut);
  Punkt(hilfe, Info, QStringLiteral("Info"), QStringLiteral("I&nfo"), 10702, &Start::Info_Click);
  strich(hilfe, Frage, QStringLiteral("Frage"));
  Punkt(hilfe, ZantroInternet, QStringLiteral("ZantroInternet"), QStringLiteral("&Zantro Software im Internet"), 10703,
        &Start::ZantroInternet_Click);
  Punkt(hilfe, PuttwiseInternet, QStringLiteral("PuttwiseInternet"), QStringLiteral("Z&antro Puttwise im Internet"),
        10704, &Start::PuttwiseInternet_Click);
}

void Start::BaueLeiste() {
  GolferBar1 = addToolBar(QStringLiteral("GolferBar1"));
  GolferBar1->setObjectName(QStringLiteral("GolferBar1"));
  GolferBar1->setMovable(false);
  GolferBar1->setFloatable(false);
  GolferBar1->setIconSize(QSize(24, 24));
  GolferBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
  GolferBar1->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  for (int i = 1; i <= 18; ++i) {
    const Knopfart& k = KNOEPFE[i - 1];
    QAction* a =
        k.trenner ? GolferBar1->addSeparator() : GolferBar1->addAction(Knopfsymbol(i), QString::fromUtf8(k.text));
    a->setObjectName(QStringLiteral("Button%1").arg(i));
    a->setCheckable(k.zweiStufen);
  }
  connect(GolferBar1, &QToolBar::actionTriggered, this, &Start::GolferBar1_ButtonClick);

  // The menu items show the images of their buttons (not those on the bar itself).
  const QList<QPair<QAction*, int>> bilder = {
      {Exit, 1},  {New, 2},      {Del, 3},        {PrintPreview, 6},    {PrintIt, 7}, {Details, 9},
      {Back, 10}, {Forward, 11}, {BestScore, 13}, {ChangeToNumber, 14}, {Grafik, 15}};
  for (const auto& [punkt, knopf] : bilder) punkt->setIcon(Knopfsymbol(knopf));
  Info->setIcon(Programmsymbol());
}

QAction* Start::Menuepunkt(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (QAction* a : findChildren<QAction*>())
    if (a->objectName() == name && a->parent() != GolferBar1) return a;
  return nullptr;
}

QList<QAction*> Start::Befehlsmenues() const {
  return {Datei, New,     Del,     PrintPreview, PrintIt,        Exit,   Find,      Navigation, Details,
          Back,  Forward, Analyse, BestScore,    ChangeToNumber, Grafik, Golfplatz, Turnier,    PageSetup};
}

QAction* Start::Knopf(int index) const {
  const QList<QAction*> k = GolferBar1->actions();
  return index >= 1 && index <= k.size() ? k[index - 1] : nullptr;
}

// ---------------------------------------------------------------------------------------

void Start::MDIForm_Load() {
  MitFehlerfalle([this] {
    MenueChange(this);
    SetzeFarben(this);
    GolferBar1->setVisible(true);
    // A working window shows inside the frame, so the frame is shown with it.
    show();
    GolferForm().Zeige();

    SpracheDeutsch->setChecked(Sprachnummer == 1);
    SpracheEnglisch->setChecked(Sprachnummer != 1);
    ButtonBarChange(GolferBar1);

    auto einstellung = [](const char* schluessel) {
      return DBG().gib_tab_eintrag(QStringLiteral("tab_EinstellungenIntern"), QStringLiteral("Bezeichnung"),
                                   QString::fromLatin1(schluessel), QStringLiteral("Wert"));
    };
    FairwaytrefferPar3 = einstellung("FairwaytrefferPar3");
    DrivingDistancePar3 = einstellung("DrivingDistancePar3");
    MinMon = einstellung("MinMon");
    MinJahr = einstellung("MinJahr");

    // A failed count reads as 0: the road of the empty database.
    if (DBT().Anzahl(QStringLiteral("SELECT * FROM tab_golfplatz")) != 0) {
      if (DBT().Anzahl(QStringLiteral("SELECT * FROM tab_golfer")) == 0) NeuGolferOhneFrage();
    } else {
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEIN_GOLFPLATZ, STIL_INFO);
      ZeigeGolfplatz();
    }
  });
}

void Start::MDIForm_Unload() {
  if (RaenderSpeichern) MitFehlerfalle([] { SpeicherDruckEinstellungen(); });
}

void Start::closeEvent(QCloseEvent* e) {
  // Not in the middle of a computation, nor while a box or dialog is open (as when the
  // session ends): the code that showed it goes on once it is answered, in its window.
  if (FortschrittPumpt() || DialogOffen()) {
    e->ignore();
    return;
  }
  // The windows store what they can and close; what they could not store is told once.
  const Schluss schluss(Programmschluss::Benutzer);
  // The working windows save their records as they close, the newest first; one that
  // refuses keeps everything open from there on. A window that a closing one opens (the
  // tournament a card creates as it is stored) is closed as well.
  QList<QPointer<Formular>> gefragt;
  for (;;) {
    Formular* f = nullptr;
    const QList<Formular*> offen = GeladeneFormulare();
    for (int i = offen.size() - 1; i >= 0 && !f; --i)
      if (!gefragt.contains(offen[i])) f = offen[i];
    if (!f) break;
    gefragt << f;
    if (!f->Schliessen()) {
      MeldeNichtGespeichertes();
      e->ignore();
      return;
    }
  }
  MeldeNichtGespeichertes();
  MDIForm_Unload();
  e->accept();
}

// ---------------------------------------------------------------------------------------
// Menu items and toolbar

void Start::New_Click() { handler(BefehlNeu); }
void Start::Del_Click() { handler(BefehlLoeschen); }
void Start::PrintPreview_Click() { handler(BefehlSeitenansicht); }
void Start::PrintIt_Click() { handler(BefehlDrucken); }
void Start::PageSetup_Click() { handler(BefehlSeiteEinrichten); }
void Start::Exit_Click() { handler(BefehlBeenden); }
void Start::Find_Click() {
  handler([this] {
    SchalteButton(4);
    BefehlSuchen();
  });
}
void Start::Details_Click() { handler(ZeigeDetails); }
void Start::Back_Click() { handler(BefehlZurueck); }
void Start::Forward_Click() { handler(BefehlWeiter); }
void Start::BestScore_Click() {
  handler([this] {
    SchalteButton(13);
    BefehlRekordergebnisse();
  });
}
void Start::ChangeToNumber_Click() {
  handler([this] {
    SchalteButton(14);
    BefehlAufZahlen();
  });
}
void Start::Grafik_Click() { handler(ZeigeGrafik); }
void Start::Golfplatz_Click() { handler(ZeigeGolfplatz); }
void Start::Turnier_Click() { handler(ZeigeTurnier); }
void Start::EinstellungenScorekarte_Click() { handler(ZeigeEinstellungenScorekarte); }
void Start::SpracheDeutsch_Click() { handler(WechsleZuDeutsch); }
void Start::SpracheEnglisch_Click() { handler(WechsleZuEnglisch); }
void Start::Colour_Click() { handler(ZeigeFarbeinstellung); }
void Start::Datenbankkomprimieren_Click() { handler(BefehlDatenbankKomprimieren); }
void Start::Inhalt_Click() { handler(ZeigeHilfe); }
void Start::Info_Click() { handler(ZeigeInfo); }
void Start::ZantroInternet_Click() { handler(OeffneZantroWebseite); }
void Start::PuttwiseInternet_Click() { handler(OeffnePuttwiseWebseite); }

void Start::GolferBar1_ButtonClick(QAction* knopf) {
  const int index = GolferBar1->actions().indexOf(knopf) + 1;
  if (index >= 1) ToolbarButtonClick(index);
}
