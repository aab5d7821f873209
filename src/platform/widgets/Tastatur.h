// Keys as the windows' handlers compare them, and the type-ahead completion of the
// editable combo boxes.
#pragma once

#include <QList>
#include <QString>

class QComboBox;
class QKeyEvent;

// Completes the entry of a combo box from its list (case-blind, first match wins) when
// the caret stands at the end of the text.
void VervollstaendigeComboBox(QComboBox* Liste);
// A key came up in a combo box: a typing key (codes 45 to 127, and any letter or digit
// beyond them, umlauts included) completes its entry.
void ComboTastatur(QComboBox* Liste, int KeyCode);
// Makes the type-ahead completion the box's only completion: Qt's own completer goes,
// and every key released in the box's edit field runs the filter above on it. Typing
// while the list is open goes into the edit field as well (TippenInsFeld).
void MitVervollstaendigung(QComboBox* Liste);
// While the list of an editable box is open, the keys of its edit field go there, as they
// do with the list closed (GehoertInsFeld), and the open list follows the completion.
void TippenInsFeld(QComboBox* Liste);
// Whether a key pressed over the open list of an editable box belongs to its edit field:
// typing (replacing a selection), Backspace and Delete, Home, End, Left and Right (with
// Shift or Ctrl), and the field's Ctrl+A, copy, cut, paste, undo and redo. Up, Down, Page
// Up and Page Down stay with the list; Enter, Tab and Escape take the entry or close it.
bool GehoertInsFeld(const QKeyEvent* k);

// Tells typing keys from shortcuts: a key pressed with Ctrl, Alt or Meta held (Ctrl+A
// selecting the text) is no typing when it comes up, even after Ctrl came up first.
class Tastenmerker {
 public:
  void Gedrueckt(const QKeyEvent* k);
  // The code of a released key for the key-up handlers (Tastencode); 0 for a shortcut.
  int Losgelassen(const QKeyEvent* k);

 private:
  QList<int> m_kurzbefehle;
};
// A Qt key as the key code the handlers compare (letters, digits and punctuation as
// their character code; Enter 13, Backspace 8, Delete 46, arrows 37-40).
int Tastencode(int qtTaste);
// The typed part of the entry, kept between keystrokes.
extern QString ComboEingabe;
