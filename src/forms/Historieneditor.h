// The in-place editing of the handicap-history grid on the golfer page: an edit box laid
// over the current cell, the keys and clicks that start, commit and leave an edit, the
// date check of the date column, and the entry row (row 1), which is stored as a new
// history row as soon as its date is committed. Row 0 of the grid holds the column
// captions (hidden; the header shows them), the stored rows start at row 2, and the
// narrow last column holds the row's key, which the cursor never rests on.
// Works on any grid and edit box, so the rules can be exercised on their own.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QKeyEvent;
class QLineEdit;
class QTableWidget;

class HistorienEditor : public QObject {
  Q_OBJECT
 public:
  static constexpr int SPALTE_DATUM = 0;
  static constexpr int SPALTE_GOLFCLUB = 1;
  static constexpr int SPALTE_BEMERKUNG = 2;
  static constexpr int SPALTE_SPIELART = 3;
  static constexpr int SPALTE_NETTOPUNKTE = 4;
  static constexpr int SPALTE_STAMMVORGABE = 5;  // the last column the cursor visits
  static constexpr int SPALTE_ID = 6;
  static constexpr int ZEILE_NEU = 1;

  HistorienEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent = nullptr);

  // Stores the grid and refills it; `neueIdn` receives the key of the history row made
  // from the entry row.
  std::function<bool(QString& neueIdn)> Speichern;
  // "Historie" while the grid or its edit box has the focus, "Golfer" when both lost it.
  std::function<void(const QString&)> KontextGeaendert;
  // The key-column rule acts only once the window has finished loading.
  bool Aktiv = true;

  int Row() const;
  int Col() const;
  int Rows() const;
  void SetzeZelle(int row, int col);
  QString Zelltext(int row, int col) const;
  void SetzeZelltext(int row, int col, const QString& text);
  // The text the current cell had when it was entered (Escape restores it).
  QString Eintrittstext() const { return m_eintrittstext; }
  // The cell the edit box was opened on.
  int EditZeile() const { return m_editZeile; }
  int EditSpalte() const { return m_editSpalte; }
  bool Bearbeitet() const;

  // Lays the edit box over the current cell with the cell's text, caret at the end, and
  // gives it the focus.
  void PositioniereEditFeld();
  // Empties and hides the edit box.
  void LeereEditFeld();
  // One cell on: the next column, or the next row after the last column.
  void NaechsteZelle();
  // Puts `datum` into the date cell of the entry row, stores the grid and moves the cursor
  // to the course column of the new row.
  void NeuenEintragUebernehmen(const QString& datum);

  // The date check of the date column: the text as a date in the language's form, or the
  // empty text when it is not a valid date.
  static QString GeprueftesDatum(const QString& text);

  // The rules behind the events (the event filter calls them); true when the event is
  // used up.
  bool RasterTaste(QKeyEvent* e);
  bool EditfeldTaste(QKeyEvent* e);
  // A mouse button pressed over a cell (`zeile` 0: the header) of column `spalte`.
  bool MausDruck(Qt::MouseButton knopf, int zeile, int spalte);
  void MausLos();

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void Zellwechsel(int row, int col);
  void EditfeldFokus();
  void EditfeldVerlassen();
  bool DatumAmEditfeld();
  void RasterFokus();
  void VerbergeEditFeld();
  bool CaretAmEnde() const;

  QTableWidget* m_raster;
  QLineEdit* m_edit;
  QString m_eintrittstext;
  int m_editZeile = -1;
  int m_editSpalte = -1;
  bool m_imWechsel = false;
  bool m_intern = false;          // the editor itself moves the focus
};
