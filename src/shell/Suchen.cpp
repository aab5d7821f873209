#include "shell/Suchen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolBar>

#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Listen.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "language/widgets/Fenstertexte.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Farben.h"
#include "shell/Befehle.h"

namespace {
constexpr int MELDUNG_KARTE_NICHT_IN_LISTE = 150;
constexpr int MELDUNG_TURNIER_NICHT_IN_LISTE = 151;
constexpr int MELDUNG_GOLFER_NICHT_IN_LISTE = 152;
enum Art { KEINE, KARTE, TURNIER, GOLFER, PLATZ };

Art artVon(const QString& wort) {
  if (wort == Kontext::Scorekarte) return KARTE;
  if (wort == Kontext::Turnier) return TURNIER;
  if (wort == Kontext::Golfer) return GOLFER;
  if (wort == Kontext::Golfplatz) return PLATZ;
  return KEINE;
}

void setzeAktiv(const QString& name, bool aktiv) {
  if (Formular* f = SucheFormular(name)) f->setEnabled(aktiv);
}

// The Find button comes up again with the search window, however that closes.
void loeseSuchknopf() {
  if (QToolBar* leiste = Hauptleiste())
    if (LeseButton(leiste, 4) == 1) SchalteButton(leiste, 4);
}

// Opens the search window while the Find button is pressed, else closes it.
void oeffneOderSchliesse(const QStringList& sperren) {
  if (LeseButton(Hauptleiste(), 4) == 1) {
    for (const QString& n : sperren) setzeAktiv(n, false);
    FormInstanz<frmSuchen>().Zeige();
  } else {
    EntladeForm(QStringLiteral("frmSuchen"));
  }
}
}  // namespace

void SucheScorekarte() { oeffneOderSchliesse({QStringLiteral("Golfer")}); }
void SucheTurnier() { oeffneOderSchliesse({QStringLiteral("Golfer"), QStringLiteral("Turnier")}); }
void SucheGolfer() { oeffneOderSchliesse({QStringLiteral("Golfer")}); }
void SucheGolfplatz() { oeffneOderSchliesse({QStringLiteral("Golfer"), QStringLiteral("Golfplätze")}); }

frmSuchen::frmSuchen() : Formular(QStringLiteral("frmSuchen")) {
  SetzeTitel(QStringLiteral("Suchen"));
  auto* zeile = new QHBoxLayout(this);
  zeile->setContentsMargins(12, 8, 12, 8);
  Label1 = new QLabel(QStringLiteral("Suche :"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  setzeTag(Label1, 3101);
  ComboSuch = new QComboBox(this);
  ComboSuch->setObjectName(QStringLiteral("ComboSuch"));
  ComboSuch->setEditable(true);
  ComboSuch->setInsertPolicy(QComboBox::NoInsert);
  ComboSuch->setCompleter(nullptr);  // completion is our own
  ComboSuch->setMaxVisibleItems(20);
  ComboSuch->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ComboSuch->setMinimumWidth(TwipsZuPixel(12000));
  zeile->addWidget(Label1);
  zeile->addWidget(ComboSuch, 1);
  ComboSuch->lineEdit()->installEventFilter(this);
  ComboSuch->installEventFilter(this);
  ComboSuch->view()->installEventFilter(this);
  TippenInsFeld(ComboSuch);  // the list drops down at once: typing still goes to the box
  connect(ComboSuch, &QComboBox::activated, this, [this] { ComboSuch_Click(); });
  TimerFertig = new QTimer(this);
  TimerFertig->setInterval(100);
  connect(TimerFertig, &QTimer::timeout, this, [this] { TimerFertig_Timer(); });
}

void frmSuchen::Form_Load() {
  MitFehlerfalle([this] {
    SpeachChange(this);
    SetzeTitel(SPU().GibTranslation(3102));
    SetzeFarben(this);
    Fertig = false;
    // Where the strip lies and what it lists, by kind of search.
    struct Liste {
      Art art;
      int links, oben, breite;
      const char *sql, *tabelle, *feld1;
      int breite1;
      const char* feld2;
      int breite2;
      const char *feld3, *idFeld;
    };
    static const Liste listen[] = {
        {KARTE, 40, 350, 15220, "SELECT * FROM qryScorekarte WHERE Golfernummer = ?", "qryScorekarte", "Datum", 11,
         "TurnierName", 30, "Golfplatzname", "Scorekartenidn"},
        {TURNIER, 0, 0, 15300, "SELECT * FROM qryTurnier ORDER BY Turniername", "qryTurnier", "Turniername", 30,
         "Golfplatzname", 50, "Datum", "Turniernummer"},
        {GOLFER, 0, 0, 15300, "SELECT * FROM qrySucheGolfer ORDER BY Golfername", "qrySuchegolfer", "Golfername", 20,
         "Golfplatzname", 50, "", "Golferidn"},
        {PLATZ, 0, 0, 15300, "SELECT * FROM Tab_Golfplatz ORDER BY Golfplatzname", "Tab_Golfplatz", "Golfplatzname", 60,
         "Golfplatzland", 20, "", "Golfplatzidn"},
    };
    ComboQuelle q;
    const Art art = artVon(KontextSuchen);
    for (const Liste& l : listen) {
      if (l.art != art) continue;
      PositioniereForm(this, l.links, l.oben, l.breite, 1200);
      q.SQL = QString::fromLatin1(l.sql);
      if (art == KARTE) q.Parameter = {AktiverGolfer.Golferidn};
      q.Tabelle = QString::fromLatin1(l.tabelle);
      q.Anzeigefeld = QString::fromLatin1(l.feld1);
      q.Breite1 = l.breite1;
      q.Feld2 = QString::fromLatin1(l.feld2);
      q.Breite2 = l.breite2;
      q.Feld3 = QString::fromLatin1(l.feld3);
      q.IdFeld = QString::fromLatin1(l.idFeld);
    }
    if (!q.Anzeigefeld.isEmpty()) FuelleComboBox(ComboSuch, q, &SuchIdListe);
    KlickAktiv = true;
  });
  TimerFertig->start();
}

void frmSuchen::Form_Activate() {
  // The list drops down as the window comes up.
  QTimer::singleShot(0, this, [this] {
    if (isVisible() && ComboSuch->count() > 0) ComboSuch->showPopup();
    ComboSuch->setFocus();
  });
}

bool frmSuchen::Form_Unload() {
  TimerFertig->stop();
  if (IstFormGeladen(QStringLiteral("Turnier"))) setzeAktiv(QStringLiteral("Turnier"), true);
  if (IstFormGeladen(QStringLiteral("Golfplätze"))) setzeAktiv(QStringLiteral("Golfplätze"), true);
  setzeAktiv(QStringLiteral("Golfer"), true);
  loeseSuchknopf();
  return true;
}

bool frmSuchen::eventFilter(QObject* o, QEvent* e) {
  // Escape closes the window, from the open list too (which would close only itself): by
  // its timer, never from inside the box's own handlers. Nothing is chosen.
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape &&
      (o == ComboSuch || o == ComboSuch->lineEdit() || o == ComboSuch->view())) {
    ComboSuch->hidePopup();
    Fertig = true;
    return true;
  }
  // The box holds the focus and hands its keys to the edit field past any filter, so a
  // key is seen here once, from whichever of the two it reached first.
  if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) &&
      (o == ComboSuch || o == ComboSuch->lineEdit())) {
    const QPointer<frmSuchen> selbst(this);
    auto* k = static_cast<QKeyEvent*>(e);
    if (e->type() == QEvent::KeyPress) {
      m_tasten.Gedrueckt(k);
      ComboSuch_KeyDown(Tastencode(k->key()));
    } else {
      const int code = m_tasten.Losgelassen(k);  // Ctrl+A selects and completes nothing
      if (!k->isAutoRepeat()) ComboSuch_KeyUp(code);
    }
    // A choice may have closed the window, its box and the edit field with it: the key
    // is done then.
    if (!selbst) return true;
  }
  return Formular::eventFilter(o, e);
}

void frmSuchen::ComboSuch_KeyDown(int) { KlickAktiv = false; }

// Each store and load of a choice may show a box, which runs an event loop of its own:
// this window may be closed meanwhile (by its own timer after an earlier choice, or with
// the main window). The handlers then end where they are, touching nothing of it.

void frmSuchen::ComboSuch_Click() {
  const QPointer<frmSuchen> selbst(this);
  MitFehlerfalle([this] {
    if (KlickAktiv && !ComboSuch->currentText().isEmpty() && ComboSuch->currentIndex() >= 0)
      GeheZu(ComboSuch->currentIndex(), true);
  });
  if (selbst) KlickAktiv = true;
}

void frmSuchen::ComboSuch_KeyUp(int KeyCode) {
  const QPointer<frmSuchen> selbst(this);
  MitFehlerfalle([this, &selbst, KeyCode] {
    if (KeyCode >= 44) VervollstaendigeComboBox(ComboSuch);
    if (KeyCode == 13 && !ComboSuch->currentText().isEmpty()) {
      const int p = SucheListeneintrag(ComboSuch, ComboSuch->currentText());
      if (p >= 0) {
        GeheZu(p, false);
      } else {
        switch (artVon(KontextSuchen)) {
          case KARTE: MsgAntwort = SPU().Zantro_Msg(MELDUNG_KARTE_NICHT_IN_LISTE, STIL_KRITISCH); break;
          case TURNIER: MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIER_NICHT_IN_LISTE, STIL_KRITISCH); break;
          case GOLFER: MsgAntwort = SPU().Zantro_Msg(MELDUNG_GOLFER_NICHT_IN_LISTE, STIL_KRITISCH); break;
          case PLATZ: MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_KRITISCH); break;
          case KEINE: break;
        }
        if (!selbst) return;
        ComboSuch->setEditText(QString());
        ComboSuch->setFocus();
      }
    }
  });
  // The Click a keystroke raises is over once the key is up; a later mouse click counts.
  if (selbst) KlickAktiv = true;
}

void frmSuchen::GeheZu(int p, bool aktivieren) {
  const QPointer<frmSuchen> selbst(this);
  const QString id = SuchIdListe.value(p + 1);
  QString ziel;
  switch (artVon(KontextSuchen)) {
    case KARTE: {
      setzeAktiv(QStringLiteral("Golfer"), true);
      // A card that cannot be stored stays on screen; nothing else is loaded.
      if (VerlasseScorekarte() && selbst) {
        QString schluessel = id;
        GotoScorekarte(schluessel);
      }
      ziel = QStringLiteral("Golfer");
      break;
    }
    case TURNIER:
      setzeAktiv(QStringLiteral("Turnier"), true);
      // A tournament that could not be stored stays on screen, as a card does.
      if ((WriteTurnier(TurnierForm().Nummer()) || !TurnierNichtGespeichert()) && selbst) GotoTurnier(id);
      ziel = QStringLiteral("Turnier");
      break;
    case GOLFER: {
      setzeAktiv(QStringLiteral("Golfer"), true);
      if (VerlasseScorekarte() && selbst && WriteGolferdaten(GolferForm().GolferIdn->text()) && selbst) {
        QString name;
        GotoGolfer(name, id);
      }
      ziel = QStringLiteral("Golfer");
      break;
    }
    case PLATZ:
      setzeAktiv(QStringLiteral("Golfplätze"), true);
      if ((WriteGolfplatzdaten(GolfplaetzeForm().Idn()) || !GolfplatzNichtGespeichert()) && selbst) GotoGolfplatz(id);
      ziel = QStringLiteral("Golfplätze");
      break;
    case KEINE: break;
  }
  if (!selbst) return;
  if (Formular* f = SucheFormular(ziel); aktivieren && f) f->Zeige();
  Fertig = true;
  loeseSuchknopf();
}

void frmSuchen::TimerFertig_Timer() {
  if (Fertig) {
    TimerFertig->stop();
    Schliessen();
  }
}
