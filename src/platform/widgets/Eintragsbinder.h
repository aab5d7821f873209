// Ties the entries of a window's record (Eintrag) to the boxes that show them: a line
// edit, an editable list box, a check box or a cell of a grid. The box gets the focus: the entry's text
// before the typing is what it shows. The user types or picks from the list: the entry
// follows. The program shows a value: entry and box together (Lade, Zeige). A check
// refuses the entry: Ablehnen gives the box what the entry's rule says (the text before
// the typing, or the text typed kept for correction), so that every window keeps that
// rule once, here.
//
// The entries belong to the window's record and must outlive the binding; a box destroyed
// is forgotten by itself.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "platform/Eintrag.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QWidget;

class Eintragsbinder : public QObject {
  Q_OBJECT
 public:
  explicit Eintragsbinder(QObject* eltern = nullptr) : QObject(eltern) {}

  void Binde(QLineEdit* feld, Eintrag* eintrag);
  void Binde(QComboBox* liste, Eintrag* eintrag);
  // A check box: its text is "1" ticked, "0" not; a click is the user's typing.
  void Binde(QCheckBox* kaestchen, Eintrag* eintrag);
  // A grid cell: its in-place editor tells the binder as it opens (ZelleBeginnt) and as
  // the user types (ZelleGetippt); the cell's item shows the entry's text.
  void BindeZelle(QTableWidget* raster, int zeile, int spalte, Eintrag* eintrag);
  void ZelleBeginnt(QTableWidget* raster, int zeile, int spalte);
  void ZelleGetippt(QTableWidget* raster, int zeile, int spalte, const QString& text);
  // Forgets the cells of a grid (it is filled anew).
  void LoeseZellen(QTableWidget* raster);

  // The entry of a box or cell; nullptr when it is not bound.
  Eintrag* EintragVon(const QWidget* box) const;
  Eintrag* EintragVon(const QTableWidget* raster, int zeile, int spalte) const;

  // The program sets the entry and its box (a record loaded or stored).
  void Lade(QWidget* box, const QVariant& gespeichert, const QString& text);
  // The program shows another text in the box, not typed by the user.
  void Zeige(QWidget* box, const QString& text);
  // The box's text as the user left it is the entry's (a list's completion, which runs
  // after the key, included). Called by the checks before they judge the entry.
  Eintrag* Nimm(QWidget* box);
  // The same for a grid cell: the text its item shows is the entry's.
  Eintrag* NimmZelle(const QTableWidget* raster, int zeile, int spalte);
  // The check took the entry.
  void Annehmen(QWidget* box);
  // The check refused the entry: the box shows what the entry's rule gives back.
  void Ablehnen(QWidget* box);
  void AblehnenZelle(QTableWidget* raster, int zeile, int spalte);

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  static QString TextVon(const QWidget* box);
  static void SetzeText(QWidget* box, const QString& text);
  static quint64 Zellschluessel(int zeile, int spalte) { return (quint64(quint32(zeile)) << 32) | quint32(spalte); }
  QWidget* BoxVon(QObject* obj) const;

  QHash<const QWidget*, Eintrag*> m_boxen;
  QHash<const QTableWidget*, QHash<quint64, Eintrag*>> m_zellen;
};
