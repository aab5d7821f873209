// The course editor "Golfplätze": one golf course at a time with its address, notes,
// number of holes, rating, par and stroke index of the 18 holes, and the grid of its
// tees. Its controls are public members named like the fields they show.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <deque>
#include <functional>
#include <optional>

#include "data/Stammdaten.h"
#include "forms/ZellenEditor.h"
#include "platform/Eintrag.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"

class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

// The in-place editing of the tee grid: besides the common cell editing, the keys that
// commit and leave an edit, and the new-tee row (row 1), which is stored as soon as its
// name is committed. Speichern stores every named row and refills the grid, giving the id
// of the tee made from the new-tee row. KontextGeaendert reports "Slope" when the focus
// enters the grid or its edit box, "Golfplatz" when it leaves both.
class AbschlagEditor : public ZellenEditor {
  Q_OBJECT
 public:
  static constexpr int SPALTE_NAME = 0;
  static constexpr int SPALTE_SLOPE = 1;
  static constexpr int SPALTE_CR = 2;
  static constexpr int SPALTE_ID = 3;

  AbschlagEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent = nullptr);

  // Empties and hides the edit box.
  void VersteckeEditFeld() { LeereEditFeld(); }
  // Commits the edit box into row 1, stores the grid and goes to the new tee's slope cell.
  void NeuenAbschlagUebernehmen();

  bool RasterTaste(QKeyEvent* e) override;
  bool EditfeldTaste(QKeyEvent* e) override;

  // The cell after (`vor`) or before r, c when Tab walks the grid: the name, slope and
  // course rating of the row, the new-tee row by its name only. False past either end of
  // the row: Tab then leaves the grid.
  bool Nachbarzelle(int& r, int& c, bool vor) const;

 protected:
  void EditfeldGeoeffnet() override;
  void EditfeldBetreten(bool vomBenutzer) override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void ZumRaster();
  // Tab or Shift+Tab: on to the next or previous cell of the row, out of the grid past its
  // ends.
  void Tabschritt(bool vor);
};

class Golfplaetze : public Formular {
  Q_OBJECT
 public:
  Golfplaetze();

  QLabel* GolfplatzNo = nullptr;  // caption: id of the course shown
  QLineEdit* Golfplatzname = nullptr;
  QLineEdit* Golfplatzstrasse = nullptr;  // object name "Golfplatzstraße"
  QLineEdit* Golfplatzplz = nullptr;
  QLineEdit* Golfplatzort = nullptr;
  QLineEdit* Golfplatztelefon = nullptr;
  QLineEdit* Golfplatzfax = nullptr;
  QLineEdit* Golfplatzland = nullptr;
  QLineEdit* URL = nullptr;
  QLineEdit* Greenfee = nullptr;
  QLineEdit* Handicap = nullptr;
  QPlainTextEdit* Golfplatzinfo = nullptr;
  QCheckBox* Teetimes = nullptr;
  QCheckBox* GolfplatzAnzeigen = nullptr;
  QGroupBox* Golfplatzlochzahl = nullptr;  // frame of Option
  QGroupBox* Bewertung = nullptr;          // frame of Option1
  Steuerfeld<QRadioButton> Option;         // 1-3: "9", "18", "27" holes
  Steuerfeld<QRadioButton> Option1;        // 4-8: rating "1" to "5"
  Steuerfeld<QLineEdit> ParLoch;           // 1-18
  Steuerfeld<QLineEdit> VorgabeLoch;       // 1-18, the stroke index
  Steuerfeld<QLineEdit> ParSumme;          // 19: holes 1-9, 20: holes 10-18
  QTableWidget* Slope = nullptr;           // the tee grid
  QLineEdit* T1 = nullptr;                 // its in-place editor
  AbschlagEditor* Abschlaege = nullptr;

  bool LadenBeendet = false;

  // The key of the course shown; empty while the editor shows none.
  const QString& Idn() const { return m_platz.Golfplatzidn; }
  // The course as it was loaded or last stored.
  const Golfplatzdaten& GeladenerGolfplatz() const { return m_platz; }
  // Whether the course shown has a name, as its box shows it.
  bool HatNamen() const;

  // Shows the course: its record as loaded, every entry as stored (the fields are cleared
  // first), the option buttons and the par sums.
  void ZeigeGolfplatz(const Golfplatzdaten& Platz);
  // Clears the record and the course fields (not the par sums and the tee grid).
  void LeereGolfplatz();
  // Puts into the course what the user typed or changed since it was loaded or stored: a
  // typed field, a hole box as it reads (no number: none), a check box or option button
  // changed (with no button chosen the number of holes or the rating stays). Gives the
  // table's fields put, which a store writes; the others keep what the row holds.
  QStringList LiesGolfplatz(Golfplatzdaten& Platz);
  // The course after the editor's rules, as it is shown after its checks and stored: the
  // course as loaded with what was typed over it, a hole box the editor would refuse with
  // the value it held before the typing. Neither a message nor a box changes.
  Golfplatzdaten GezeigterGolfplatz();
  // The course is stored with what `Platz` holds: that is what it now holds as loaded.
  void GolfplatzGespeichert(const Golfplatzdaten& Platz);
  // The database file was taken over: the course and its tees as that file holds them,
  // what the user typed or changed kept over them (to be stored there); the tee grid stays
  // as it is while a cell of it is typed.
  void FolgeDateiwechsel();
  // The entry of a hole box (1-18), taken up with the box's text.
  Eintrag& Locheintrag(bool par, int Index);

  // Fills the tee grid from row 2 on; row 1 stays the empty new-tee row. Each cell's entry
  // holds the tee as loaded.
  void ZeigeAbschlaege(const QList<Abschlag>& Abschlaege);
  // The tees loaded into the grid.
  const QList<Abschlag>& GeladeneAbschlaege() const { return m_abschlaege; }
  // The key of the tee in the grid's current row (empty when that row has none); none
  // while the current row is not one of the tees.
  std::optional<QString> GewaehlterAbschlag() const;
  // The entry of a tee cell (name, slope or course rating) of grid row r, taken up with
  // the cell's text; nullptr for a cell without one.
  Eintrag* Teeeintrag(int r, int c);

  // Par sums of holes 1-9 and 10-18 into ParSumme(19) and (20).
  bool BerechneParSumme();
  void PositioniereEditFeld();
  void VersteckeEditFeld();
  void NaechsteZelle();

  // Handlers of the hole boxes.
  void ParLoch_GotFocus(int Index);
  void VorgabeLoch_GotFocus(int Index);
  void ParLoch_LostFocus(int Index);
  void VorgabeLoch_LostFocus(int Index);

  // Sets one option button on or off; off leaves the group with none chosen.
  static void SetzeOption(QRadioButton* knopf, bool an);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void SetzeKontexte();
  bool Form_Unload() override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void BaueAnschrift(QWidget* seite);
  void BaueLoecher(QWidget* seite);
  void BaueAbschlaege(QWidget* seite);
  void SetzeTabfolge();
  void SetzeRasterKopf();
  void LochFeldFokus(QLineEdit* feld, bool hat);
  void PruefeLochFeld(bool par, int Index);

  void BindeEintraege();
  // The boxes' texts taken into their entries.
  void NimmEintraege();

  QList<QWidget*> m_kursfelder;     // fields whose focus hides the tee editor
  QLineEdit* m_markiert = nullptr;  // the hole box shown with the focus colours
  bool m_pruefungLaeuft = false;

  // The course's record: as loaded, its tees, and one entry per field the user types into.
  Golfplatzdaten m_platz;
  QList<Abschlag> m_abschlaege;
  std::array<Eintrag, 10> m_texte;  // the address fields, name to handicap
  Eintrag m_info;
  std::array<Eintrag, 18> m_par;
  std::array<Eintrag, 18> m_vorgabe;
  // Per grid row from the new-tee row on: name, slope and course rating.
  std::deque<std::array<Eintrag, 3>> m_teezellen;
  Eintragsbinder m_binder;
};

// The window's single instance, created and loaded on first use.
Golfplaetze& GolfplaetzeForm();

// Clears the course fields of the editor (not the par sums and the tee grid).
void LoescheGolfplatzFelder();
// ---- The course editor and its records (Golfplatz_Datensatz.cpp) ----
// Creates a course (after saving the one shown) and shows it; the new id, or "False"
// when an error stopped it.
QString NeuGolfplatz(const QString& Name);
// Loads one course into the editor (cleared first); false when there is no such row.
bool ReadGolfplatzdaten(const QString& Golfplatzidn);
// Shows the editor at that course, or at the last one for "LAST"; on an empty table a
// first course is created. Closes the tournament editor. Gives the id shown.
QString GotoGolfplatz(const QString& Golfplatzidn);
// Writes the editor into the row of that id and the tee grid, as one action (all stored
// or nothing, one box saying why); false when no row, when a hole box or a tee number
// cannot be stored, or after an error. As the program ends such a box or number keeps its
// stored value and is noted for the end's box; everything else is stored.
bool WriteGolfplatzdaten(const QString& Golfplatzidn);
// Whether the last WriteGolfplatzdaten stored nothing though there was a course to store:
// closing the editor must not lose it.
bool GolfplatzNichtGespeichert();
// As the session ends nobody can name the course shown without a name, nor once the user
// has confirmed the end (the language switch): a new course with
// nothing entered goes (true); one with anything entered takes the interface language's
// text for a course without a name (numbered when taken) into its name box, and a stored
// course its stored name, to be stored as the editor closes (false).
bool GolfplatzOhneNamenZumSitzungsende();
// Saves the course shown, then steps to the previous (1) or next (any other) course.
void ScrollGolfplatz(int Richtung);
// The key after (any Richtung but 1) or before (1) `aktuell` in `ids`, for scrolling the
// editors; messages 32 and 31 at the ends. Empty when there is no target.
QString NaechsterSchluessel(const QStringList& ids, const QString& aktuell, int Richtung);
// Fills the tee grid "Slope" with the tees of the course.
void FuelleSlopeListbox(const QString& Golfplatzidn);
// Writes every named grid row from row 1 on, all or none, then refills the grid. A cell
// that is empty clears its number; one that is no number is told and nothing is stored
// (the grid keeps what was typed; as the program ends it keeps its stored number and is
// noted, and the rest is stored). `NeueZeileIdn`
// receives the id given to the tee typed into the new-tee row (empty when none).
bool WriteSlope(QString* NeueZeileIdn = nullptr);

// Whether a hole box holds a par (a whole number 3 to 6, `par`) or a stroke index (1 to
// 18); an empty box holds neither.
bool LochwertGueltig(const QString& text, bool par);

// Arrow keys in the hole boxes: "ParLoch" or "VorgabeLoch", the hole, and the key code
// 37 left, 38 up, 39 right, 40 down.
void NavigiereGolfplatzRaster(const QString& Feldname, int Index, int KeyCode);
