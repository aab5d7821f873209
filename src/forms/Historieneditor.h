// The in-place editing of the handicap-history grid on the golfer page: besides the
// common cell editing, the keys that commit and leave an edit, the date check of the date
// column, and the entry row (row 1), which is stored as a new history row as soon as its
// date is committed. The narrow last column holds the row's key.
#pragma once

#include <QString>

#include "forms/ZellenEditor.h"

class HistorienEditor : public ZellenEditor {
  Q_OBJECT
 public:
  static constexpr int SPALTE_DATUM = 0;
  static constexpr int SPALTE_GOLFCLUB = 1;
  static constexpr int SPALTE_BEMERKUNG = 2;
  static constexpr int SPALTE_SPIELART = 3;
  static constexpr int SPALTE_NETTOPUNKTE = 4;
  static constexpr int SPALTE_STAMMVORGABE = 5;  // the last column the cursor visits
  static constexpr int SPALTE_ID = 6;
  // The cell of a value the row does not have shows one blank; its edit box starts empty.
  static inline const QString OHNE_WERT = QStringLiteral(" ");

  // Speichern stores the grid and refills it, giving the key of the history row made
  // from the entry row. KontextGeaendert reports "Historie" when the grid takes the
  // focus, "Golfer" when the grid and its edit box both lost it.
  HistorienEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent = nullptr);

  // Puts `datum` into the date cell of the entry row, stores the grid and moves the cursor
  // to the course column of the new row.
  void NeuenEintragUebernehmen(const QString& datum);

  // The date check of the date column: the text as a date in the language's form, or the
  // empty text when it is not a valid date.
  static QString GeprueftesDatum(const QString& text);

  bool EditfeldTaste(QKeyEvent* e) override;

 protected:
  bool Editierbar(int zeile, int spalte) const override;
  void EditfeldGeoeffnet() override;
  void EditfeldBetreten(bool vomBenutzer) override;
  void EditfeldVerlassen() override;

 private:
  void EditfeldFokus();
  bool DatumAmEditfeld();
  // The message of a refused date (its cell holds again what it held before the typing),
  // then the edit box emptied and the cursor back on the date cell of `zeile`.
  void DatumAbgelehnt(int zeile);
};
