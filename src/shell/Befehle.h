// The command layer of the main window: the enabling codes that switch toolbar buttons
// and menu items off, the three two-state toolbar buttons, the dispatch of a toolbar
// click, and the command procedures that the menu items and buttons run.
//
// Toolbar buttons are addressed by their index 1 to 18 (separators included): button i
// is GolferBar1->actions()[i - 1].
#pragma once

#include <QString>
#include <QStringList>

#include "data/Global.h"
#include "forms/Fensterbefehle.h"

class QAction;
class QToolBar;

// Course printout: false when the preview asked for it, true when it is to be printed.
extern bool Ausdrucken;

// The toolbar GolferBar1 of the main window, or nullptr while there is no main window.
// The main window passes it to SetzeButtonBar, LeseButton and SchalteButton; windows
// reach these through platform/Hauptfenster.h.
QToolBar* Hauptleiste();

// Toolbar code: "1".."9" and "A".."I" switch buttons 1 to 18 off; every button is made
// visible and enabled first. Any other character is an error: the error box is shown and
// the rest of the code is not applied. A null toolbar does nothing.
void SetzeButtonBar(QToolBar* Leiste, const QString& Code);
// Menu code: "J".."Z" and "a" switch the eighteen command menu items of the main window
// off; all eighteen are enabled first; other characters are ignored. The first form acts
// on the given items (in the order of the code).
void SetzeMenues(const QList<QAction*>& Punkte, const QString& Code);
void SetzeMenues(const QString& Code);
// State of a two-state button: 1 pressed, 0 released.
int LeseButton(QToolBar* Leiste, int Index);
// Toggles the state of a two-state button; runs no command.
void SchalteButton(QToolBar* Leiste, int Index);
// Runs the command of toolbar button `Index` (1..18); separators and other indices do
// nothing. Nothing runs while a computation shows the progress window.
void ToolbarButtonClick(int Index);

// Record commands.
void BefehlNeu();
void BefehlLoeschen();
void BefehlSuchen();
void ZeigeDetails();
void BefehlZurueck();
void BefehlWeiter();
void ZeigeGrafik();
void ZeigeGolfplatz();
void ZeigeTurnier();
void ZeigeEinstellungenScorekarte();
// Print commands.
void BefehlSeiteEinrichten();
void BefehlSeitenansicht();
void BefehlDrucken();
// Statistics view toggles (read the state of toolbar buttons 13 and 14).
void BefehlRekordergebnisse();
void BefehlAufZahlen();
// Exit, language, help, web links, information.
void BefehlBeenden();
void WechsleZuDeutsch();
void WechsleZuEnglisch();
void ZeigeHilfe();
void OeffneZantroWebseite();
void OeffnePuttwiseWebseite();
// Closes the working windows through their close handlers and ends the program; false
// when a window refused to close (the program then stays open).
bool ProgrammBeenden(bool RaenderSpeichern = false);
// Opens a file or web address on the desktop.
void OeffneURL(const QString& Adresse);
void OeffneDatei(const QString& Datei);
void ZeigeInfo();
// The colour settings dialog, shown modally.
void ZeigeFarbeinstellung();
// Database compaction from the settings menu; says when it is done, or that there is no
// database file to compact.
void BefehlDatenbankKomprimieren();
// The course printouts chosen in the question dialog: shown for the preview, or printed
// in the given orientation (1 portrait, 2 landscape) and closed again.
void ZeigeKartenausdruck(const QString& Bericht);
void DruckeKartenausdruck(const QString& Bericht, int Ausrichtung);
// The command log (ProtokolliereBefehl, Befehlsprotokoll) and the error trap
// MitFehlerfalle are in platform/Global.h; NeuGolferOhneFrage in forms/Fensterbefehle.h.
