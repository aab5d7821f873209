// In-place editing of a grid: an edit box laid over the current cell, what is typed
// mirrored into the cell at once, Escape back to the text the cell had when it was
// entered, and the cursor never resting on the grid's key column. Row 0 of the grid holds
// the column captions (hidden; the header shows them), row 1 is the entry row for a new
// record, stored rows start at row 2. The tee grid and the handicap-history grid add
// their own rules. Works on any grid and edit box, so the rules can be exercised on their
// own.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

#include "forms/Eingabefehler.h"

class Eintragsbinder;
class QKeyEvent;
class QLineEdit;
class QTableWidget;

class ZellenEditor : public QObject {
  Q_OBJECT
 public:
  static constexpr int ZEILE_NEU = 1;

  // Stores the grid and refills it; `neueIdn` receives the key of the record made from
  // the entry row.
  std::function<bool(QString& neueIdn)> Speichern;
  // Tells which record Delete means now: the grid's word while the grid or its edit box
  // has the focus, the window's word when both lost it.
  std::function<void(const QString&)> KontextGeaendert;
  // The key-column rule acts only once the window has finished loading.
  bool Aktiv = true;

  int Row() const;
  int Col() const;
  int Rows() const;
  // Makes a cell current; the caption row and cells outside the grid are refused.
  void SetzeZelle(int row, int col);
  QString Zelltext(int row, int col) const;
  void SetzeZelltext(int row, int col, const QString& text);
  bool Bearbeitet() const;

  // Lays the edit box over the current cell with the cell's text, caret at the end, and
  // gives it the focus.
  void PositioniereEditFeld();
  // Empties and hides the edit box.
  void LeereEditFeld();
  // One cell on: the next column, or the next row after the last column. From the key
  // column the cursor goes on to the first column of the next row.
  void NaechsteZelle();

  // The rules behind the events (the event filter calls them); true when the event is
  // used up.
  virtual bool RasterTaste(QKeyEvent* e);
  virtual bool EditfeldTaste(QKeyEvent* e);
  // A mouse button pressed over a cell (`zeile` 0: the header) of column `spalte`.
  bool MausDruck(Qt::MouseButton knopf, int zeile, int spalte);
  void MausLos();

  // The column holds numbers of that range. What the user typed into one of its cells is
  // taken when the cell is left, and shown again in the regional format; anything else is
  // told, and the cell gets back the text it had, with the cursor on it.
  void SetzeZahlspalte(int spalte, const Zahlbereich& bereich) { m_zahlspalten.insert(spalte, bereich); }

  // The entries of the grid's cells (Eintragsbinder::BindeZelle): the editor tells the
  // binder as a cell is entered and as the user types into it, and a cell refused gets
  // back what its entry gives.
  void SetzeBinder(Eintragsbinder* binder) { m_binder = binder; }

 protected:
  // `spalteSchluessel` is the column of the row's key, which the cursor never rests on;
  // `kontextRaster` and `kontextAussen` are the words KontextGeaendert reports.
  ZellenEditor(QTableWidget* raster, QLineEdit* editfeld, int spalteSchluessel, const QString& kontextRaster,
               const QString& kontextAussen, QObject* parent);

  // Whether the edit box may be opened on the cell.
  virtual bool Editierbar(int zeile, int spalte) const;
  // The edit box has just been opened and given the focus.
  virtual void EditfeldGeoeffnet() {}
  // The focus came into the edit box; `vomBenutzer` when the user moved it there.
  virtual void EditfeldBetreten(bool vomBenutzer) { Q_UNUSED(vomBenutzer); }
  // The user moved the focus out of the edit box.
  virtual void EditfeldVerlassen() {}

  bool eventFilter(QObject* obj, QEvent* ev) override;

  // Hides the edit box; its focus goes to the grid rather than on along the tab order.
  void VerbergeEditFeld();
  void RasterFokus();
  // Hands the focus on from the grid to the next (or previous) field of the window's tab
  // order, as Tab does in any other field.
  void VerlasseRaster(bool vor);
  bool CaretAmEnde() const;
  void MeldeRasterKontext();
  // The cell was refused: it shows what its entry held before the typing.
  void ZelleAbgelehnt(int row, int col);
  // The first stored row whose key is `idn`, or -1.
  int ZeileMitSchluessel(const QString& idn) const;

  // Runs `f` as the editor's own doing: the focus moves it makes are not the user's.
  template <class F>
  void Intern(F&& f) {
    const bool vorher = m_intern;
    m_intern = true;
    f();
    m_intern = vorher;
  }

  QTableWidget* m_raster;
  QLineEdit* m_edit;
  Eintragsbinder* m_binder = nullptr;
  // The cell the edit box was opened on.
  int m_editZeile = -1;
  int m_editSpalte = -1;
  bool m_intern = false;

 private:
  void Zellwechsel(int row, int col, int vorherZeile, int vorherSpalte);
  void MeldeKontext(const QString& kontext);
  // The user changed the text of the cell.
  void MerkeAenderung(int row, int col);
  // The cell the user changed is left: the number check of its column.
  void PruefeGeaenderteZelle();

  int m_spalteSchluessel;
  QString m_kontextRaster;
  QString m_kontextAussen;
  // The text the current cell had when it was entered (Escape restores it).
  QString m_eintrittstext;
  bool m_imWechsel = false;
  QHash<int, Zahlbereich> m_zahlspalten;
  // The cell the user changed since it was entered, and its text before (a grid without
  // entries).
  int m_geaendertZeile = -1;
  int m_geaendertSpalte = -1;
  QString m_geaendertVorher;
};
