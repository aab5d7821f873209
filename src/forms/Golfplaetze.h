// The course editor "Golfplätze": one golf course at a time with its address, notes,
// number of holes, rating, par and stroke index of the 18 holes, and the grid of its
// tees. The data-access object reads and writes the controls directly, so they are
// public members named like the fields they show.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "forms/ZellenEditor.h"
#include "platform/Formular.h"
#include "platform/Steuerfeld.h"

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

 protected:
  void EditfeldGeoeffnet() override;
  void EditfeldBetreten(bool vomBenutzer) override;

 private:
  void ZumRaster();
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

  QList<QWidget*> m_kursfelder;  // fields whose focus hides the tee editor
  bool m_pruefungLaeuft = false;
};

// The window's single instance, created and loaded on first use.
Golfplaetze& GolfplaetzeForm();

// Clears the course fields of the editor (not the par sums and the tee grid).
void LoescheGolfplatzFelder();
// Arrow keys in the hole boxes: "ParLoch" or "VorgabeLoch", the hole, and the key code
// 37 left, 38 up, 39 right, 40 down.
void NavigiereGolfplatzRaster(const QString& Feldname, int Index, int KeyCode);
