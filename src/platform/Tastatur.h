// Keys as the windows' handlers compare them, and the type-ahead completion of the
// editable combo boxes.
#pragma once

#include <QString>

class QComboBox;

// Completes the entry of a combo box from its list (case-blind, first match wins).
void VervollstaendigeComboBox(QComboBox* Liste);
// A key came up in a combo box: a typing key (codes 45 to 127) completes its entry.
void ComboTastatur(QComboBox* Liste, int KeyCode);
// Makes the type-ahead completion the box's only completion: Qt's own completer goes,
// and every key released in the box's edit field runs the filter above on it.
void MitVervollstaendigung(QComboBox* Liste);
// A Qt key as the key code the handlers compare (letters, digits and punctuation as
// their character code; Enter 13, Backspace 8, Delete 46, arrows 37-40).
int Tastencode(int qtTaste);
// The typed part of the entry, kept between keystrokes.
extern QString ComboEingabe;
