// The golfer and scorecard window: page 0 the golfer and the handicap history, page 1 the
// scorecard of one round hole by hole, page 2 the analysis selection. The data-access
// object and the card's rules take and return values: the scorecard page keeps its card as
// a record (Kartendatensatz: the card as loaded, its key and state, one entry per box),
// gathers the card from it (LiesEingabe, LiesKarte) and shows it (ZeigeKarte). Its
// controls are named like the database fields they show.
#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "data/Lochfelder.h"
#include "data/Scorekarte.h"
#include "data/Stammdaten.h"
#include "forms/Kartendatensatz.h"
#include "forms/Scorekartenablauf.h"
#include "forms/Scorekartenzeilen.h"
#include "platform/Eintrag.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"

class Eintragsbinder;
class HistorienEditor;
struct KartenEingabe;
struct KartenErgebnis;
struct Zahlbereich;
class QCheckBox;
class QComboBox;
class Analyseseite;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

class Golfer : public Formular {
  Q_OBJECT
 public:
  Golfer();
  ~Golfer() override;

  QTabWidget* TabstripGolfer = nullptr;

  // Page 0: golfer data and handicap history.
  QLineEdit* GolferIdn = nullptr;  // hidden; shows the key of the golfer shown (GezeigterGolfer)
  QLineEdit* Golfername = nullptr;
  QLineEdit* Stammvorgabe = nullptr;  // the exact handicap
  QLineEdit* Handicap = nullptr;
  QComboBox* Heimatclub = nullptr;  // course names; the text is the home club's name
  QLabel* Label1 = nullptr;         // caption of the history
  // The handicap history: row 0 the captions, row 1 the entry row, stored rows from row 2;
  // columns date, course, comment, game type, net points, exact handicap, key.
  QTableWidget* HdcpHistorie = nullptr;
  QLineEdit* T1 = nullptr;              // in-place editor of the history grid
  HistorienEditor* Historie = nullptr;  // its editing rules
  QTableWidget* MSFlexGrid1 = nullptr;  // hidden work grid of the history printout

  // False while the load handler runs.
  bool LadenBeendet = false;

  // The golfer page's record: the golfer and its history rows as loaded or last stored,
  // and one entry per box of the page and per cell of a history row (bound through
  // Binder). A store writes what was typed; what nobody typed stays as the row holds it.
  struct Historieneintraege {
    Handicapeintrag Geladen;  // the row as loaded (the entry row: none)
    // Date, course, remark, game type, net points, exact handicap (the grid's columns).
    std::array<Eintrag, 6> Zellen;
  };
  struct Golferseite {
    Golferdatensatz Geladen;
    Eintrag Name;
    Eintrag Stammvorgabe{Eintrag::BeiAblehnung::TextBleibt};
    Eintrag Handicap{Eintrag::BeiAblehnung::TextBleibt};
    Eintrag Heimatclub;
    Historieneintraege Neu;                  // the entry row (row 1)
    std::vector<Historieneintraege> Zeilen;  // the stored rows, from row 2
  };
  Golferseite GolferSeite;
  Eintragsbinder* Binder = nullptr;

  // Loads the golfer fields of page 0 from the golfer, the home-club list included.
  void ZeigeGolfer(const Golferdatensatz& Golfer);
  // Copies what was typed into the golfer fields into the golfer: the handicaps parsed (a
  // type-mismatch error and false when one is no number), the home club as the key of the
  // course of that name (none of that name keeps the golfer's home club). A field that
  // shows what it showed as loaded or last stored leaves the golfer's value as it is (a
  // file taken over may hold another one).
  bool LiesGolfer(Golferdatensatz& Golfer);
  // The golfer as it now stands in its row: what the page shows counts as loaded.
  void GolferGespeichert(const Golferdatensatz& Golfer);
  // The home club typed since it was loaded or stored (showing another text).
  bool HeimatclubGetippt();
  // Whether anything typed on the page, the golfer or its history, is still to be stored.
  bool GolferseiteGetippt();

  // What other windows and commands take of the page. The key of the golfer shown (empty
  // when none), its name and exact handicap as the page shows them.
  const QString& GezeigterGolfer() const { return GolferSeite.Geladen.Golferidn; }
  QString GezeigterGolfername();
  QString GezeigteStammvorgabe();
  // The two handicap entries as they stand, to put back after a store that failed; the
  // handicaps a store has just written into the golfer's row, shown as stored.
  struct Handicapstand {
    Eintrag Stammvorgabe, Handicap;
  };
  Handicapstand Handicaps() const;
  void SetzeHandicaps(const Handicapstand& stand);
  void HandicapsGespeichert(double stammvorgabe, double handicap);
  // The key of the stored history row at the grid's cursor; empty on the entry row.
  // False when the cursor is on no stored row.
  bool HistorienzeileAmCursor(QString& Satznr) const;
  // The history grid as shown, for its printout: the captions and widths of the columns
  // printed, the current row and the far end of the selection that holds it.
  struct Historienansicht {
    QStringList Koepfe;
    QList<int> Breiten;
    int Zeile = 1;
    int ZeileSel = 1;
  };
  Historienansicht HistorieWieGezeigt() const;

  // Puts the window, the main window's caption, the toolbar, the menus and the command
  // contexts into the state of the page shown; leaving the scorecard stores it.
  void ZeigeTab();
  void SetzeHaupttitel();
  // The page changed; `VorherigeSeite` is the page left. Leaving the golfer page needs a
  // home club and stores the golfer; a refused golfer keeps the window on that page.
  void TabstripGolfer_Click(int VorherigeSeite);
  // The history grid's editor: open it on the current cell, empty and hide it (the Delete
  // command then means the golfer again), one cell on.
  void PositioniereEditFeld();
  void VersteckeEditFeld();
  void NaechsteZelle();
  // Empties and hides the edit box; the grid keeps the focus.
  void HistorieEditfeldLeeren();

  // Page 1: the scorecard header.
  Steuerfeld<QLineEdit> Datum;  // element 1
  QComboBox* Golfplatznummer = nullptr;
  QComboBox* Spielart = nullptr;
  QComboBox* Abschlagbezeichnung = nullptr;
  QComboBox* TurnierNameKarte = nullptr;
  QCheckBox* Vorgabewirksam = nullptr;
  QLineEdit* Spielvorgabe = nullptr;
  QLineEdit* AktHdcp = nullptr;
  QLineEdit* AktSSSPar = nullptr;
  QLineEdit* Slope = nullptr;
  QLineEdit* CourseRating = nullptr;
  // The card shown as the page holds it: as loaded, its key and state, its entries.
  Kartendatensatz& Karte() { return m_karte; }
  const Kartendatensatz& Karte() const { return m_karte; }
  // The key of the card shown ("" when the page shows none).
  const QString& Kartenschluessel() const { return m_karte.ScorekartenIdn; }
  // The page shows the card of that key (empty: none); the detail window follows.
  void SetzeKartenschluessel(const QString& id);
 signals:
  // The page shows another card, or none.
  void KarteGewechselt();

 public:
  // Page 1: the hole entries (1-18), one control array for each family of the hole table.
  Steuerfeld<QLineEdit> ScoreLoch, AbschlagLoch, DistanceLoch, PuttsLoch, BunkerLoch, StrafschlagLoch;
  Steuerfeld<QCheckBox> FairwaytrefferLoch, ChipLoch, PitchLoch;
  // The control array of an entry of the hole table, by its family name: the text boxes of
  // a number entry, the check boxes of a check-box entry (the other array is empty).
  const Steuerfeld<QLineEdit>& Textfelder(const Lochfeldbeschreibung& f) const;
  const Steuerfeld<QCheckBox>& Kaestchen(const Lochfeldbeschreibung& f) const;
  // The entry cell of a hole by family name ("PuttsLoch"), a text box or a check box.
  QWidget* Eintragszelle(const QString& familie, int loch) const;
  // Computed per hole (1-18).
  Steuerfeld<QCheckBox> GIRBruttoLoch, GIRNettoLoch;
  // Per hole 1-18 with the sums 19 (holes 1-9), 20 (holes 10-18), 21 (all holes).
  Steuerfeld<QLabel> ParLoch, StblBruttoLoch, StblNettoLoch, GPBruttoLoch, GPNettoLoch, SonstigeLoch;
  Steuerfeld<QLabel> VorgabeLoch;  // 1-18

  // Sum labels of holes 1-9, 10-18 and all holes.
  QLabel *GesamtScoreLoch_1_9 = nullptr, *GesamtScoreLoch_10_18 = nullptr, *GesamtScore = nullptr;
  QLabel *GesamtAbschlagLoch_1_9 = nullptr, *GesamtAbschlagLoch_10_18 = nullptr, *GesamtAbschlag = nullptr;
  QLabel *GesamtFWT_1_9 = nullptr, *GesamtFWT_10_18 = nullptr, *GesamtFWT = nullptr;
  QLabel *GesamtDistanceLoch_1_9 = nullptr, *GesamtDistanceLoch_10_18 = nullptr, *GesamtDistance = nullptr;
  QLabel *GesamtPuttsLoch_1_9 = nullptr, *GesamtPuttsLoch_10_18 = nullptr, *GesamtPutts = nullptr;
  QLabel *GesamtChipLoch_1_9 = nullptr, *GesamtChipLoch_10_18 = nullptr, *GesamtChip = nullptr;
  QLabel *GesamtPitchLoch_1_9 = nullptr, *GesamtPitchLoch_10_18 = nullptr, *GesamtPitch = nullptr;
  QLabel *GesamtBunkerLoch_1_9 = nullptr, *GesamtBunkerLoch_10_18 = nullptr, *GesamtBunker = nullptr;
  QLabel *GesamtStrafschlagLoch_1_9 = nullptr, *GesamtStrafschlagLoch_10_18 = nullptr, *GesamtStrafschlag = nullptr;
  QLabel *GIRBrutto_1_9 = nullptr, *GIRBrutto_10_18 = nullptr, *GIRBruttoGesamt = nullptr;
  QLabel *GIRNetto_1_9 = nullptr, *GIRNetto_10_18 = nullptr, *GIRNettoGesamt = nullptr;
  QLabel* ErgebnisUeberPar = nullptr;  // object name "ErgebnisÜberPar"; kept by the data layer only

  // Row captions and unit labels of the card.
  Steuerfeld<QLabel> BeschreibungFest;       // 1-4
  Steuerfeld<QLabel> BeschreibungVariabel;   // 1-8
  Steuerfeld<QLabel> BeschreibungBerechnet;  // 1-7
  Steuerfeld<QLabel> Einheit;                // 1-8

  // Page 2: the analysis selection.
  QComboBox* AuswahlGolfplatz = nullptr;
  Analyseseite* Analyse = nullptr;

  // The hole of the entry box that last had the focus (0 until one had it).
  int AktuellesLoch = 0;

  // A hole's entry box was left: the part of the card that the entry feeds is recalculated
  // (a chip and a pitch on one hole are refused first).
  void EintragVerlassen(Lochfeld feld, int index);

  void SetFocusScoreLoch(int index);
  void SetFocusScoreLoch2(int index);
  // Moves the focus for the recalculation (after an invalid entry) without running the
  // lost-focus handler of the control that had it.
  void SetzeFokusOhneBerechnung(QWidget* ziel);
  // The background of a hole's entry box at rest, as the recalculation colours the hole;
  // the box with the focus shows it once it is left.
  void SetzeEintragsfarbe(QLineEdit* zelle, long farbe);

  // ---- Scorecard header and hole entry (Golfer_Scorekarte.cpp) ----
  // The course box's text when it last got the focus; the tee box's, when not empty (a
  // card loaded or created sets it to the card's tee, so that it is never a tee of
  // another card).
  QString GolfplatzBeiFokus;
  QString AbschlagBeiFokus;
  // Applies the course named in the course box to the card: par, stroke index, SSS par,
  // key and tee list; an unknown name offers to create the course.
  void WechsleGolfplatz();
  // The card's course list: the courses marked to be shown and the one of that key.
  void FuelleGolfplatzliste(const QString& Golfplatzidn);
  // Every course list of the window read again after a course was stored, created or
  // deleted: the home club, the card's course and the analysis course. Each box keeps what
  // it shows; a course renamed from `alterName` shows `neuerName`.
  void FolgeGolfplaetzen(const QString& alterName = {}, const QString& neuerName = {});
  // The card page's game type or tournament box with the entry of that key selected (none:
  // no entry); its list is read once and then follows the notices (Golfer_Listen.cpp).
  void FuelleKartenliste(QComboBox* box, const QString& schluessel);
  // Fills the tee box with the course's tees and selects the tee of that key. The result
  // tells nothing (false whatever happened).
  bool FuelleAbschlagListe(const QString& Golfplatzidn, const QString& SlopeIdn);
  // Fetches slope, course rating and key of the tee named in the tee box.
  void SetNewGolfCourse();
  // The playing handicap from slope, course rating, exact handicap and total par; then
  // the card is recalculated.
  void FuelleComboBoxAbschlag();
  // Its first part: the playing handicap into its boxes; false when the values give none.
  bool SetzeSpielvorgabe();
  // Focus handlers of the card's header.
  void Datum_GotFocus();
  void Datum_LostFocus();
  void Golfplatznummer_GotFocus();
  void Golfplatznummer_LostFocus();
  void Abschlagbezeichnung_GotFocus();
  void Abschlagbezeichnung_LostFocus();
  void CourseRating_LostFocus();
  // The number boxes of the header: what was typed is taken or told when they are left.
  void Slope_LostFocus();
  void Spielvorgabe_LostFocus();
  void AktHdcp_LostFocus();
  void Spielart_LostFocus();
  void TurnierNameKarte_LostFocus();
  // The tournament box's check: a name that is not in its list asks question 37; Yes
  // creates the tournament (with the card's course) and lists it, No gives the box back
  // what it held before the typing.
  // `angelegt` tells whether a tournament was created; false when it could not be.
  bool PruefeTurnier(bool& angelegt);
  // Arrow keys in a hole cell; true when the key moved the focus.
  bool Zelle_KeyDown(QWidget* zelle, int KeyCode);
  // Brings the scorecard page to the front without the page-change handling (a card that
  // must be corrected stays as it is).
  void ZeigeScorekartenseite();
  // Empties the scorecard page and shows the card with its course's holes and its lists.
  void ZeigeKarte(const Scorekarte& karte);
  // The card as the scorecard page holds it: the numbers typed parsed (an entry that is no
  // number is empty), the names of the lists as shown, the totals as the card's rules give
  // them for the boxes as they are now.
  Scorekarte LiesKarte() const;
  // The same with the holes of `eingabe`, the card as LiesEingabe read it, and the totals
  // of `ergebnis`, the card's rules over it.
  Scorekarte LiesKarte(const KartenEingabe& eingabe, const KartenErgebnis& ergebnis) const;
  // The holes as typed, with the par and stroke index kept for the card (Lochvorgaben),
  // and the playing handicap: what the card's rules take. The one place that reads the hole boxes.
  KartenEingabe LiesEingabe() const;
  // The card was loaded or stored as `karte`: every entry holds what its box shows as its
  // text as loaded (nothing typed, nothing refused).
  void KarteGeladen(const Scorekarte& karte);
  // The program shows `text` in a box of the card (a value the card's rules derive, a
  // course's number): entry and box together, not as typed.
  void ZeigeEintrag(QWidget* box, const QString& text);
  // The card's rules refused the entry of that box: it shows what the entry's rule gives
  // back (a hole entry what it held before the typing).
  void LehneEintragAb(QWidget* box);
  // The checks took the entry of that box: what it shows is what it holds before the next
  // typing.
  void NimmEintragAn(QWidget* box);
  // A hole entry typed into and not left is judged now, as on leaving it (message 44 gives
  // it back what it held before): what is printed or shown elsewhere is the card after its
  // rules.
  void PruefeEintragImFokus();
  // The boxes' texts as the user left them are the entries' (a list's completion
  // included); run before the card is read.
  void NimmEintraege() const;
  // Shows the par and stroke index of the card's course and keeps them: what LiesEingabe
  // gives the card's rules and the printed card (none: the boxes are empty).
  void ZeigeLochvorgaben(const std::optional<PlatzDaten>& platz);
  const std::optional<PlatzDaten>& Lochvorgaben() const { return m_lochvorgaben; }

 protected:
  // The window follows the notifier (Golfer_Listen.cpp): a course, tee, game type or
  // tournament created, renamed or deleted, and the database file taken over, show in its
  // lists and in the card shown, each box keeping what the user typed. Connected by the
  // load handler.
  void FolgeAenderungen();
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void FolgeListen(Datensatzart art, const QString& alterName = {}, const QString& neuerName = {});
  void FolgeLoeschung(Datensatzart art, const QString& idn);
  void FolgeGolfplatzDerKarte(const QString& idn);
  void FolgeDateiwechsel();
  void SetzeHistorienKopf();
  void SeiteGewechselt(int seite);
  void ZeigeSeite(int seite);
  void SchalteKartenrahmen(bool an);
  void SchalteAnalysefelder(bool an);
  bool StammdatenEreignis(QObject* obj, QEvent* ev);
  void PruefeHeimatclub();
  int m_seite = 0;
  std::optional<PlatzDaten> m_lochvorgaben;
  bool m_seiteIntern = false;
  bool m_heimatclubPruefung = false;

  struct Zelle {
    Lochfeld feld;
    int loch;
  };
  void BaueStammdaten(QWidget* seite);
  void BaueScorekarte(QWidget* seite);
  void BaueAnalyse(QWidget* seite);
  void BaueKartenkopf(QGridLayout* g);
  // The rows of the card page: the hole numbers, par and stroke index; the entry rows;
  // the rows the recalculation fills.
  class Kartenraster;
  void BaueKartenraster(QGridLayout* g);
  void BaueKopfzeilen(Kartenraster& r);
  void BaueEingabezeilen(Kartenraster& r);
  void BaueRechenzeilen(Kartenraster& r);
  void LostFocus(Lochfeld feld, int index);
  // Highlights the cell with the focus (the window's, or `fokus` as it gets it).
  void MarkiereFokus(QWidget* fokus = nullptr);
  void Ruhefarben(QWidget* zelle);
  void Nachholen();
  // Scorecard page (Golfer_Scorekarte.cpp): key and focus handling of header and cells.
  void VerbindeScorekarte();
  void ChipPitchRegel(bool chip, int index);
  // A header number box is being left: what it takes is taken at once, anything else is
  // told once the focus change is complete. False unless taken.
  bool KopfzahlVerlassen(QLineEdit* feld, const Zahlbereich& bereich);
  // The playing handicap at once, the recalculation once the focus change is complete.
  void SpielvorgabeUndNeuberechnung();
  bool m_kopfPruefung = false;

  QHash<QObject*, Zelle> m_zellen;
  // The entry arrays, registered under their family names as the rows are built, and by
  // the entry of the table.
  QHash<QString, Steuerfeld<QLineEdit>*> m_textfelder;
  QHash<QString, Steuerfeld<QCheckBox>*> m_kaestchen;
  std::array<const Steuerfeld<QLineEdit>*, LOCHFELDER> m_textreihe{};
  std::array<const Steuerfeld<QCheckBox>*, LOCHFELDER> m_kaestchenreihe{};
  QList<Zelle> m_wartend;        // lost-focus handlers held back during a recalculation
  QPointer<QWidget> m_markiert;  // the cell shown with the focus colours
  Kartendatensatz m_karte;
  Eintragsbinder* m_binder = nullptr;
  QPointer<QWidget> m_abgelehnt;  // the box the card's rules refused last
  // The boxes bound to the card's entries.
  QList<QWidget*> m_kartenboxen;
  void BindeKarte();
  bool m_inBerechnung = false;
};

// The window's single instance, created and loaded on first use.
Golfer& GolferForm();

// Empties the golfer fields of page 0 (name, home club, key, both handicaps); the history
// and the scorecard stay as they are.
void LoescheGolferFelder();

// ---- The golfer page and its records (Golfer_Datensatz.cpp) ----
// AktiverGolfer is the golfer read last; its Stammvorgabe and Handicap hold the numbers
// as text in the user's number format, its AktuellerGolfer "1" or "0".
//
// Saves the golfer shown, creates a golfer (asking message 34 unless OhneFrage) and
// shows it. A golfer whose store was refused for an entry stays to be corrected. True
// unless an error stopped it (also when the answer was No).
bool NeuGolfer(bool OhneFrage);
// After message 35: deletes the golfer with its scorecards and history rows, then shows
// the last golfer; after the last one a new golfer follows. True unless an error stopped
// it (also when the answer was No).
bool DeleteGolfer(const QString& Golferidn);
// Writes page 0 into the golfer's row, flags the golfer active and stores the history
// grid, all in one action (all stored or nothing, one box saying why). False when the
// home club is not in its list (messages 153 and 36), a number box or cell holds no
// number, a stored history row's date cell no date (told naming the cell; as the program
// ends the rest is stored and the cell noted), there is no such row, or after an error.
bool WriteGolferdaten(const QString& Golferidn);
// Whether the last WriteGolferdaten stored nothing though there was a golfer to store (a
// number that is no number, a database error): closing the window must not lose it.
bool GolferNichtGespeichert();
// Reads the golfer into AktiverGolfer and page 0 with its home-club list and history;
// false when there is no such row (nothing changes).
bool ReadGolferdaten(const QString& Golferidn);
// Shows a golfer found by key, else by name, or the last golfer for the name "LAST"
// (the name found is written back). Message 47 when there is none of that key or name.
void GotoGolfer(QString& Golfername, const QString& Golferidn);
// Fills the history grid with the golfer's rows, newest first; row 1 stays the empty
// entry row.
void FuelleHdcpListbox(const QString& Golferidn);
// The cells of a history row as the grid shows them: date, course, remark, game type, net
// points, handicap after the round.
QStringList Historienzellen(const Handicapeintrag& e);
// The rows of the history grid below its caption row as values, the entry row first, each
// as storing it takes it: a date or number it cannot take is none.
QList<Handicapeintrag> LiesHistorienzeilen();
// Stores every grid row with a date that is new or was changed (only the changed cells)
// for the active golfer, all or none, then refills the grid. `NeueZeileIdn` receives the
// key given to the entry row (empty when it held no entry). After a failure the grid keeps
// what was typed.
bool WriteHdcphistorie(QString* NeueZeileIdn = nullptr);
