// Showing a window modally: the dialogs of the shell (question dialog, information box,
// colour settings) are windows like the others, loaded on first use and unloaded when
// they close, but while one is shown nothing else takes input.
#pragma once

#include <functional>

class Formular;

// Shows the loaded window `f` as a modal dialog over the main window and returns when it
// has been closed (unloaded). A window that only hides keeps its instance.
void ZeigeModal(Formular& f);

// Test hook: called with the window right after it is shown, before waiting. A test
// answers the dialog from here (clicks a button); when the window is closed by then,
// ZeigeModal returns at once.
std::function<void(Formular&)>& ModalHaken();
