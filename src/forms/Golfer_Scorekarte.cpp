// The scorecard page of the golfer window: the header fields (course, tee, playing
// handicap, date, game type, tournament), the keys of the hole cells (arrows, Enter as
// Tab) and the rule that a hole has a chip or a pitch but not both.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimer>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Analyseseite.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Listen.h"
#include "forms/Scorekartenzeilen.h"
#include "forms/Steuerelemente.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Farben.h"
#include "platform/widgets/Tastatur.h"
#include "scoring/Scoreberechnungen.h"
#include "scoring/Scorekartenrechnung.h"

namespace {

constexpr int MELDUNG_CHIP_ODER_PITCH = 154;
constexpr int MELDUNG_TURNIER_ANLEGEN = 37;
constexpr int MELDUNG_GOLFPLATZ_ANLEGEN = 177;  // follows the quoted name

constexpr long FARBE_KAESTCHEN = 0x808000;
constexpr long FARBE_SCHWARZ = 0x000000;

int Pfeilcode(int key) {
  switch (key) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
  }
}

// Key and focus events of the scorecard page, handed to the window's handlers.
class KartenSteuerung : public QObject {
 public:
  explicit KartenSteuerung(Golfer* g) : QObject(g), m_g(g) {}

  using Handler = void (Golfer::*)();
  struct Kopffeld {
    Handler bekommt = nullptr;
    Handler verliert = nullptr;
    // The leave handler runs at once, before the next field has the focus (it shows no
    // message itself); otherwise once the focus change is complete.
    bool sofort = false;
  };
  QHash<QObject*, Kopffeld> kopf;

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    // The edit field of a combo box may hold the focus itself: its events count as the box's.
    QObject* feld = obj;
    if (auto* c = qobject_cast<QComboBox*>(obj->parent()); c && c->lineEdit() == obj) feld = c;
    switch (ev->type()) {
      case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(ev);
        if (const int code = Pfeilcode(k->key()); code && k->modifiers() == Qt::NoModifier) {
          if (m_g->Zelle_KeyDown(static_cast<QWidget*>(obj), code)) return true;
        }
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
          // Enter moves on as Tab does.
          if (auto* c = qobject_cast<QComboBox*>(feld)) c->hidePopup();
          QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
          QApplication::sendEvent(obj, &tab);
          return true;
        }
        break;
      }
      case QEvent::FocusIn: {
        if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
        auto it = kopf.constFind(feld);
        if (it != kopf.constEnd() && it->bekommt) (m_g->*(it->bekommt))();
        break;
      }
      case QEvent::FocusOut: {
        if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
        auto it = kopf.constFind(feld);
        if (it == kopf.constEnd() || !it->verliert) break;
        if (it->sofort) {
          (m_g->*(it->verliert))();
          break;
        }
        // The check may show a message: it runs once the focus change is complete.
        NachFokuswechsel(m_g, [g = m_g, h = it->verliert] { (g->*h)(); });
        break;
      }
      default: break;
    }
    return QObject::eventFilter(obj, ev);
  }

 private:
  Golfer* m_g;
};

}  // namespace

void Golfer::VerbindeScorekarte() {
  auto* s = new KartenSteuerung(this);
  QWidget* seite = TabstripGolfer->widget(1);
  // Every entry of the page: Enter moves on; hole cells also take the arrow keys.
  for (QWidget* w : seite->findChildren<QWidget*>()) {
    const bool eingabe = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w);
    if (!eingabe) continue;
    w->installEventFilter(s);
  }
  s->kopf.insert(Datum[1], {&Golfer::Datum_GotFocus, &Golfer::Datum_LostFocus});
  s->kopf.insert(Golfplatznummer, {&Golfer::Golfplatznummer_GotFocus, &Golfer::Golfplatznummer_LostFocus});
  // The tee's slope and course rating are in their boxes before the next key is handled.
  s->kopf.insert(Abschlagbezeichnung,
                 {&Golfer::Abschlagbezeichnung_GotFocus, &Golfer::Abschlagbezeichnung_LostFocus, true});
  // So are the numbers the number boxes take, and the playing handicap a course rating
  // gives.
  s->kopf.insert(Slope, {nullptr, &Golfer::Slope_LostFocus, true});
  s->kopf.insert(CourseRating, {nullptr, &Golfer::CourseRating_LostFocus, true});
  s->kopf.insert(Spielvorgabe, {nullptr, &Golfer::Spielvorgabe_LostFocus, true});
  s->kopf.insert(AktHdcp, {nullptr, &Golfer::AktHdcp_LostFocus, true});
  s->kopf.insert(Spielart, {nullptr, &Golfer::Spielart_LostFocus});
  s->kopf.insert(TurnierNameKarte, {nullptr, &Golfer::TurnierNameKarte_LostFocus});

  // Each header box as wide as what it holds.
  Datum[1]->setFixedWidth(100);
  for (QLineEdit* t : {Spielvorgabe, AktHdcp, AktSSSPar, Slope, CourseRating}) {
    t->setFixedWidth(64);
    t->setAlignment(Qt::AlignRight);
  }
  for (QComboBox* c : {Golfplatznummer, Abschlagbezeichnung}) c->setMinimumWidth(210);
  TurnierNameKarte->setMinimumWidth(180);
  Spielart->setMinimumWidth(120);
  Vorgabewirksam->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  // The SSS par comes from the course and is never typed.
  AktSSSPar->setReadOnly(true);
  AktSSSPar->setFocusPolicy(Qt::NoFocus);
}

void Golfer::ZeigeScorekartenseite() { ZeigeSeite(1); }

// ----------------------------------------------------------------------- hole cells

bool Golfer::Zelle_KeyDown(QWidget* zelle, int KeyCode) {
  const auto it = m_zellen.constFind(zelle);
  if (it == m_zellen.constEnd()) return false;
  const Lochfeldbeschreibung& f = Beschreibung(it->feld);
  const int r = NavigiereScorekarte(Familienname(f), it->loch, KeyCode);
  if (f.Feld == Lochfeld::Score && KeyCode == 38) AktuellesLoch = r;
  if (f.IstKaestchen() && (KeyCode == 37 || KeyCode == 39)) AktuellesLoch = r;
  return true;
}

void Golfer::ChipPitchRegel(bool chip, int index) {
  QCheckBox* selbst = chip ? ChipLoch[index] : PitchLoch[index];
  QCheckBox* anderes = chip ? PitchLoch[index] : ChipLoch[index];
  if (!selbst || !anderes) return;
  if (m_inBerechnung) {
    m_wartend.append(Zelle{chip ? Lochfeld::Chip : Lochfeld::Pitch, index});
    return;
  }
  const bool vorher = m_inBerechnung;
  m_inBerechnung = true;
  SetzeHintergrund(selbst, FARBE_KAESTCHEN);
  SetzeTextfarbe(selbst, FARBE_SCHWARZ);
  if (selbst->isChecked() && anderes->isChecked()) {
    // A hole has a chip or a pitch, not both: the box just left is cleared and entered again.
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_CHIP_ODER_PITCH, STIL_KRITISCH);
    selbst->setChecked(false);
    SetzeFokusOhneBerechnung(selbst);
  }
  BerechneScorekarte(Rechenbereich(chip ? Lochfeld::Chip : Lochfeld::Pitch));
  m_inBerechnung = vorher;
  MarkiereFokus();
  Nachholen();
}

// ---------------------------------------------------------------------- date

void Golfer::Datum_GotFocus() {
  if (IstFormGeladen(QStringLiteral("frmSuchen"))) EntladeForm(QStringLiteral("frmSuchen"));
}

void Golfer::Datum_LostFocus() {
  QLineEdit* d = Datum[1];
  // Without a card there is no date to check. Back in the box already (a refused card put
  // the focus there): checked when it is left. The date as stored is not judged.
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1 || IstLeer(m_karte.ScorekartenIdn) || d->hasFocus() ||
      d->text() == m_karte.Datum.TextWieGeladen())
    return;
  const DatumTeile t = PruefeDatum(d->text());
  if (t.Tag != QLatin1String("0")) {
    d->setText(DatumAlsText(t));
    NimmEintragAn(d);
    return;
  }
  // The date box is left only with a valid date.
  // What was typed stays for correcting; the card is not stored while it is no date.
  LehneEintragAb(d);
  m_kopfPruefung = true;
  SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
  m_kopfPruefung = false;
  d->setFocus(Qt::OtherFocusReason);
  d->selectAll();
}

// ---------------------------------------------------------------------- game type

void Golfer::Spielart_LostFocus() {
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1) return;
  if (SucheListeneintrag(Spielart, Spielart->currentText()) >= 0) {
    NimmEintragAn(Spielart);
    return;
  }
  m_kopfPruefung = true;
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_SPIELART_NICHT_IN_LISTE, STIL_INFO);
  m_kopfPruefung = false;
  LehneEintragAb(Spielart);
}

// ---------------------------------------------------------------------- tournament

void Golfer::TurnierNameKarte_LostFocus() {
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1) return;
  bool angelegt = false;
  if (PruefeTurnier(angelegt) && angelegt) WriteScorekarte(m_karte.ScorekartenIdn);
}

bool Golfer::PruefeTurnier(bool& angelegt) {
  angelegt = false;
  const QString name = TurnierNameKarte->currentText();
  // No tournament: nothing to ask. A listed name, in any letter case: nothing either.
  if (IstLeer(name) || SucheListeneintrag(TurnierNameKarte, name) >= 0) {
    NimmEintragAn(TurnierNameKarte);
    return true;
  }
  m_kopfPruefung = true;
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIER_ANLEGEN, STIL_FRAGE);
  m_kopfPruefung = false;
  if (MsgAntwort != ANTWORT_JA) {
    // Nothing created: the card keeps the tournament it had.
    LehneEintragAb(TurnierNameKarte);
    return true;
  }
  if (!NeuTurnier(name)) return false;
  angelegt = true;
  const QString platz = Golfplatznummer->currentText();
  if (!IstLeer(platz)) {
    QComboBox* ziel = TurnierForm().GolfplatzNo;
    const int i = SucheListeneintrag(ziel, platz);
    if (i >= 0)
      ziel->setCurrentIndex(i);
    else
      ziel->setEditText(platz);
  }
  FuelleListe(TurnierNameKarte, QStringLiteral("tab_Turnier"), QStringLiteral("TurnierName"),
              QStringLiteral("TurnierName"), name);
  NimmEintragAn(TurnierNameKarte);
  return true;
}

// ---------------------------------------------------------------------- course and tee

void Golfer::Golfplatznummer_GotFocus() { GolfplatzBeiFokus = Golfplatznummer->currentText(); }

void Golfer::Golfplatznummer_LostFocus() {
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1) return;
  if (Golfplatznummer->currentText() != GolfplatzBeiFokus) WechsleGolfplatz();
  // The box shows the card's course now (the one typed, or the one it went back to).
  NimmEintragAn(Golfplatznummer);
}

void Golfer::Abschlagbezeichnung_GotFocus() {
  if (!IstLeer(Abschlagbezeichnung->currentText())) AbschlagBeiFokus = Abschlagbezeichnung->currentText();
}

void Golfer::Abschlagbezeichnung_LostFocus() {
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1) return;
  const QString t = Abschlagbezeichnung->currentText();
  if (IstLeer(t)) return;
  // The same tee as on entering changes nothing while its slope and course rating are on
  // the card; after a course change (no tee key) or with a box emptied they are fetched.
  const bool aufKarte = !IstLeer(m_karte.SlopeIdn) && !IstLeer(Slope->text()) && !IstLeer(CourseRating->text());
  NimmEintragAn(Abschlagbezeichnung);
  if (t == AbschlagBeiFokus && aufKarte) return;
  SetNewGolfCourse();
  SpielvorgabeUndNeuberechnung();
}

void Golfer::SpielvorgabeUndNeuberechnung() {
  if (!SetzeSpielvorgabe()) return;
  // The recalculation may show a message: once the focus has arrived where it went.
  NachFokuswechsel(this, [this] {
    if (TabstripGolfer->currentIndex() == 1) BerechneScorekarte(0);
  });
}

bool Golfer::KopfzahlVerlassen(QLineEdit* feld, const Zahlbereich& bereich) {
  if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1) return false;
  if (UebernimmZahlfeld(feld, bereich)) {
    NimmEintragAn(feld);
    return true;
  }
  NachFokuswechsel(this, [this, feld, bereich] {
    if (m_kopfPruefung || TabstripGolfer->currentIndex() != 1 || feld->hasFocus()) return;
    m_kopfPruefung = true;
    PruefeZahlfeld(feld, bereich);
    m_kopfPruefung = false;
  });
  return false;
}

void Golfer::Slope_LostFocus() { KopfzahlVerlassen(Slope, BEREICH_SLOPE); }
void Golfer::Spielvorgabe_LostFocus() { KopfzahlVerlassen(Spielvorgabe, BEREICH_SPIELVORGABE); }
void Golfer::AktHdcp_LostFocus() { KopfzahlVerlassen(AktHdcp, BEREICH_KARTENHANDICAP); }

void Golfer::CourseRating_LostFocus() {
  if (KopfzahlVerlassen(CourseRating, BEREICH_COURSE_RATING)) SpielvorgabeUndNeuberechnung();
}

// The course list of the card: the courses marked to be shown and the one of that key.
void Golfer::FuelleGolfplatzliste(const QString& golfplatzidn) {
  ComboQuelle k;
  k.Anzeigefeld = QStringLiteral("Golfplatzname");
  k.Tabelle = QStringLiteral("tab_golfplatz");
  k.Auswahlfeld = QStringLiteral("Golfplatzidn");
  k.Auswahlwert = golfplatzidn.isEmpty() ? QVariant() : QVariant(golfplatzidn);
  k.SQL = QStringLiteral(
      "SELECT Golfplatzname, Golfplatzidn FROM tab_Golfplatz WHERE GolfplatzAnzeigen <> 0 OR Golfplatzidn = ? "
      "ORDER BY Golfplatzname ASC");
  // A course marked to be shown is in the list anyway: the list is the same for all of them
  // (a list of them the box holds tells it without a read).
  k.Parameter = {QVariant()};
  QSqlQuery gezeigt;
  const bool immerDabei =
      !golfplatzidn.isEmpty() &&
      (HaeltSchluessel(Golfplatznummer, k, golfplatzidn) ||
       (DBG().Ausfuehren(gezeigt,
                         QStringLiteral("SELECT GolfplatzAnzeigen <> 0 FROM tab_Golfplatz WHERE Golfplatzidn = ?"),
                         {golfplatzidn}) &&
        gezeigt.next() && gezeigt.value(0).toInt() == 1));
  k.Parameter = {immerDabei ? QVariant() : QVariant(golfplatzidn)};
  k.Sortierung = 1;
  FuelleComboBoxBeiBedarf(Golfplatznummer, k);
}

void Golfer::FolgeGolfplaetzen(const QString& alterName, const QString& neuerName) {
  FuelleUndZeigeWeiter(
      Heimatclub, [&] { FuelleListe(Heimatclub, QStringLiteral("tab_golfplatz"), QStringLiteral("Golfplatzname")); },
      alterName, neuerName);
  if (!IstLeer(m_karte.ScorekartenIdn))
    FuelleUndZeigeWeiter(
        Golfplatznummer, [&] { FuelleGolfplatzliste(m_karte.Golfplatzidn); }, alterName, neuerName);
  Analyse->FuelleGolfplatzliste(alterName, neuerName);
}

void Golfer::WechsleGolfplatz() {
  const QString name = Golfplatznummer->currentText();
  bool bekannt = false;
  for (int i = 0; i < Golfplatznummer->count() && !bekannt; ++i) bekannt = Golfplatznummer->itemText(i) == name;

  QString ziel = name;
  if (!bekannt) {
    if (IstLeer(name)) {
      // An emptied box takes its course back: a card cannot lose its course this way.
      Golfplatznummer->setEditText(GolfplatzBeiFokus);
      return;
    }
    m_kopfPruefung = true;
    MsgAntwort =
        DLG().Meldung(ZitierterEintrag(name) + SPU().Meldungstext(MELDUNG_GOLFPLATZ_ANLEGEN), STIL_FRAGE, PRODUKTTITEL);
    m_kopfPruefung = false;
    if (MsgAntwort == ANTWORT_JA) {
      // A new course: its editor opens, the card is stored with it. Its par, stroke index
      // and tees follow once they are entered in the editor.
      GolfplaetzeForm().Zeige();
      const QString id = NeuGolfplatz(name);
      if (id.isEmpty() || id == QLatin1String("False")) return;
      FuelleGolfplatzliste(id);
      m_karte.Golfplatzidn = id;
      // The tee of the previous course does not belong to the new one.
      FuelleAbschlagListe(id, QString());
      m_karte.SlopeIdn.clear();
      WriteScorekarte(m_karte.ScorekartenIdn);
      return;
    }
    // Declined: the card goes to the golfer's home club (without one, back to the course
    // it had), with that course's key, tees and holes, so that nothing on the card belongs
    // to two courses.
    ziel = IstLeer(Heimatclub->currentText()) ? GolfplatzBeiFokus : Heimatclub->currentText();
    Golfplatznummer->setFocus(Qt::OtherFocusReason);
    GolfplatzBeiFokus = ziel;
    if (IstLeer(ziel)) {
      Golfplatznummer->setEditText(QString());
      return;
    }
    const QString id = DBG().gib_tab_eintrag(QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzname"), ziel,
                                             QStringLiteral("Golfplatzidn"));
    if (id == m_karte.Golfplatzidn) {
      // Still the card's course: holes, tee, slope and rating belong to it already.
      const int i = SucheListeneintrag(Golfplatznummer, ziel);
      if (i >= 0) Golfplatznummer->setCurrentIndex(i);
      Golfplatznummer->setEditText(ziel);
      return;
    }
    // The home club may be a course that is not marked to be shown.
    FuelleGolfplatzliste(id);
  }

  // The course is known: its holes, SSS par, key and tees.
  QString n = ziel, leer;
  const PlatzDaten d = GibGolfplatzDaten(n, leer);
  ZeigeLochvorgaben(d);
  for (int i = 1; i <= 18; ++i) {
    const bool par3 = d.Par[i] == 3;
    FairwaytrefferLoch[i]->setHidden(par3 && FairwaytrefferPar3 == QLatin1String("0"));
    DistanceLoch[i]->setHidden(par3 && DrivingDistancePar3 == QLatin1String("0"));
  }
  ZeigeEintrag(AktSSSPar, QString::number(d.SSSPar));
  const QString id = DBG().gib_tab_eintrag(QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzname"), ziel,
                                           QStringLiteral("Golfplatzidn"));
  // The same course read again (after it was edited) keeps its tee while the course still
  // has it. On another course no tee is chosen yet; slope, course rating and the playing
  // handicap stay until one is.
  const QString abschlag = id == m_karte.Golfplatzidn ? m_karte.SlopeIdn : QString();
  m_karte.Golfplatzidn = id;
  FuelleAbschlagListe(id, abschlag);
  if (Abschlagbezeichnung->currentIndex() < 0) m_karte.SlopeIdn.clear();
  BerechneScorekarte(0);
}

bool Golfer::FuelleAbschlagListe(const QString& Golfplatzidn, const QString& SlopeIdn) {
  ComboQuelle k;
  k.Anzeigefeld = QStringLiteral("Abschlagbezeichnung");
  k.Tabelle = QStringLiteral("tab_Slope");
  k.SQL = QStringLiteral("SELECT Abschlagbezeichnung, SlopeIdn FROM tab_slope WHERE Golfplatzidn = ? ORDER BY rowid");
  k.Parameter = {Golfplatzidn};
  k.Sortierung = 1;
  k.Auswahlfeld = QStringLiteral("SlopeIdn");
  if (!IstLeer(SlopeIdn)) k.Auswahlwert = SlopeIdn;
  FuelleComboBoxBeiBedarf(Abschlagbezeichnung, k);
  if (Abschlagbezeichnung->currentIndex() < 0) Abschlagbezeichnung->setEditText(QString());
  return false;
}

void Golfer::SetNewGolfCourse() {
  if (IstLeer(m_karte.Golfplatzidn) || IstLeer(Abschlagbezeichnung->currentText())) return;
  double slope = 0, cr = 0;
  QString id;
  DBG().GibSlopeCR(Abschlagbezeichnung->currentText(), m_karte.Golfplatzidn, slope, cr, id);
  ZeigeEintrag(Slope, ZahlStandardText(slope));
  ZeigeEintrag(CourseRating, ZahlStandardText(cr));
  m_karte.SlopeIdn = id;
}

void Golfer::FuelleComboBoxAbschlag() {
  if (SetzeSpielvorgabe()) BerechneScorekarte(0);
}

bool Golfer::SetzeSpielvorgabe() {
  const QString slopeText = Slope->text(), crText = CourseRating->text(), hdcpText = Stammvorgabe->text();
  const QString parText = ParLoch[21] ? ParLoch[21]->text() : QString();
  if (IstLeer(slopeText) || IstLeer(crText) || IstLeer(hdcpText) || IstLeer(parText)) return false;
  // Only from values the arithmetic can use (a tee without a rating shows 0); a box with
  // anything else says so itself when it is left or the card is stored.
  double slope = 0, cr = 0, hdcp = 0, par = 0;
  if (PruefeZahl(BEREICH_SLOPE, slopeText, &slope) != Zahlbefund::Gut ||
      PruefeZahl(BEREICH_COURSE_RATING, crText, &cr) != Zahlbefund::Gut ||
      PruefeZahl(BEREICH_STAMMVORGABE, hdcpText, &hdcp) != Zahlbefund::Gut || !TextZuDouble(parText, par))
    return false;
  const QString t = HandicapAlsText(BerechneSpielvorgabe(hdcp, slope, cr, par));
  ZeigeEintrag(Spielvorgabe, t);
  ZeigeEintrag(AktHdcp, t);
  return true;
}
