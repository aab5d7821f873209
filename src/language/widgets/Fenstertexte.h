// The texts of a window in the interface language, from the language service's tables:
// the captions of the controls that carry a translation number, the menu items and the
// main toolbar's tooltips. A window without the language database keeps its German
// layout texts.
#pragma once

class QToolBar;
class QWidget;

// Captions of labels, buttons, group boxes, check boxes and tab pages of a window.
void SpeachChange(QWidget* formular);
// Menu item texts of a window.
void MenueChange(QWidget* formular);
// Tooltips of the toolbar "GolferBar1".
void ButtonBarChange(QToolBar* leiste);
