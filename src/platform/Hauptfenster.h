// How a working window reaches the main window without knowing it: the main window
// registers itself here when it is created (and unregisters when it goes), and windows
// switch toolbar buttons and menu items, read and toggle the two-state buttons and set
// the main caption through this interface. Without a registered main window (tests of a
// single window) every call does nothing and reads give 0.
//
// The window in front also writes its name and the routing words that tell the main
// window's commands (New, Delete, Find, Back, Forward, Preview, Print) what they act on.
#pragma once

#include <QString>

class QWidget;

class Hauptfenster {
 public:
  virtual ~Hauptfenster() = default;
  // Toolbar code: "1".."9" and "A".."I" switch buttons 1 to 18 off (all on first).
  virtual void SetzeButtonBar(const QString& Code) = 0;
  // Menu code: "J".."Z" and "a" switch the eighteen command menu items off (all on first).
  virtual void SetzeMenues(const QString& Code) = 0;
  // State of a two-state toolbar button: 1 pressed, 0 released.
  virtual int LeseButton(int Index) const = 0;
  // Toggles a two-state toolbar button without running its command.
  virtual void SchalteButton(int Index) = 0;
  // The main window's caption.
  virtual void SetzeTitel(const QString& Titel) = 0;
  virtual QString Titel() const = 0;
  // Switches the menu bar and the toolbar off (while a computation runs) and on again.
  virtual void SchalteBefehle(bool an) = 0;
  // The main window as a parent for dialogs.
  virtual QWidget* Widget() = 0;
};

// Registers the main window (nullptr unregisters).
void SetzeHauptfenster(Hauptfenster* h);
// The registered main window, or nullptr.
Hauptfenster* HF();

// Null-safe shorthands for the windows.
void HF_SetzeButtonBar(const QString& Code);
void HF_SetzeMenues(const QString& Code);
int HF_LeseButton(int Index);
void HF_SchalteButton(int Index);
void HF_SetzeTitel(const QString& Titel);
void HF_SchalteBefehle(bool an);

// Routing words of the window in front.
extern QString AktiveForm;
extern QString KontextNeu;
extern QString KontextLoeschen;
extern QString KontextSuchen;
extern QString KontextZurueck;
extern QString KontextWeiter;
extern QString KontextSeitenansicht;
extern QString KontextDrucken;
// Clears the window name and every routing word.
void RoutingZuruecksetzen();
