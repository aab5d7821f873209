// The main window: a multiple-document frame with the menu bar and the toolbar
// GolferBar1, inside which the working windows open. It registers itself as the
// main-window interface (platform/Hauptfenster.h) through which the windows reach it.
#pragma once

#include <QMainWindow>

#include "platform/Hauptfenster.h"

class QAction;
class QMdiArea;
class QMenu;
class QToolBar;

class Start : public QMainWindow, public Hauptfenster {
  Q_OBJECT
 public:
  Start();
  ~Start() override;

  // The main-window interface; the enabling codes are those of shell/Befehle.h.
  void SetzeButtonBar(const QString& Code) override;
  void SetzeMenues(const QString& Code) override;
  int LeseButton(int Index) const override;
  void SchalteButton(int Index) override;
  void SetzeTitel(const QString& Titel) override;
  QString Titel() const override;
  void SchalteBefehle(bool an) override;
  QWidget* Widget() override { return this; }

  // Load handler: translates the menus and toolbar, opens the golfer window, fills its
  // course selection, reads the statistics settings and handles an empty database.
  void MDIForm_Load();
  // Unload handler: stores the print margins.
  void MDIForm_Unload();

  QMdiArea* Mdi = nullptr;
  // False while a language switch ends the program: the margins are not stored then.
  bool RaenderSpeichern = true;
  QToolBar* GolferBar1 = nullptr;

  // Menu items, named as the controls of the layout. Datei, Navigation, Analyse,
  // Einstellungen, SprachMenue (control name "Sprachumschaltung") and Fragezeichen are
  // the actions of their menus; Strich1, Strich2 and Frage are separators.
  QAction* Datei = nullptr;
  QAction* New = nullptr;
  QAction* Del = nullptr;
  QAction* Strich1 = nullptr;
  QAction* PrintPreview = nullptr;
  QAction* PrintIt = nullptr;
  QAction* PageSetup = nullptr;
  QAction* Strich2 = nullptr;
  QAction* Exit = nullptr;
  QAction* Find = nullptr;
  QAction* Navigation = nullptr;
  QAction* Details = nullptr;
  QAction* Back = nullptr;
  QAction* Forward = nullptr;
  QAction* Analyse = nullptr;
  QAction* BestScore = nullptr;
  QAction* ChangeToNumber = nullptr;
  QAction* Grafik = nullptr;
  QAction* Golfplatz = nullptr;
  QAction* Turnier = nullptr;
  QAction* Einstellungen = nullptr;
  QAction* EinstellungenScorekarte = nullptr;
  QAction* SprachMenue = nullptr;
  QAction* SpracheDeutsch = nullptr;
  QAction* SpracheEnglisch = nullptr;
  QAction* Colour = nullptr;
  QAction* Datenbankkomprimieren = nullptr;
  QAction* Fragezeichen = nullptr;
  QAction* Inhalt = nullptr;
  QAction* Info = nullptr;
  QAction* Frage = nullptr;
  QAction* ZantroInternet = nullptr;
  QAction* PuttwiseInternet = nullptr;

  // A menu item by its control name; nullptr when there is none.
  QAction* Menuepunkt(const QString& name) const;
  // The eighteen command menu items in the order of the menu code "J".."Z", "a".
  QList<QAction*> Befehlsmenues() const;
  // Toolbar button 1..18; nullptr outside.
  QAction* Knopf(int index) const;

  // Menu and toolbar handlers.
  void New_Click();
  void Del_Click();
  void PrintPreview_Click();
  void PrintIt_Click();
  void PageSetup_Click();
  void Exit_Click();
  void Find_Click();
  void Details_Click();
  void Back_Click();
  void Forward_Click();
  void BestScore_Click();
  void ChangeToNumber_Click();
  void Grafik_Click();
  void Golfplatz_Click();
  void Turnier_Click();
  void EinstellungenScorekarte_Click();
  void SpracheDeutsch_Click();
  void SpracheEnglisch_Click();
  void Colour_Click();
  void Datenbankkomprimieren_Click();
  void Inhalt_Click();
  void Info_Click();
  void ZantroInternet_Click();
  void PuttwiseInternet_Click();
  void GolferBar1_ButtonClick(QAction* knopf);

 protected:
  // Closes every working window through its own close handler first; one that refuses
  // keeps the main window open. Then MDIForm_Unload.
  void closeEvent(QCloseEvent* e) override;

 private:
  void BaueMenues();
  void BaueLeiste();
  QAction* Punkt(QMenu* menue, QAction*& ziel, const QString& name, const QString& text, int nummer,
                 void (Start::*handler)());
};

// The main window, created and loaded (MDIForm_Load) on first use. The caller shows it.
// A Start constructed directly (the tests) becomes the main window without loading.
Start& StartFenster();
// The main window if it exists, without creating it.
Start* StartFensterFallsDa();
