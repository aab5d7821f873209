// The two toggles of the statistics windows (toolbar buttons 13 and 14 and their menu
// items), and the main window as the statistics windows reach it.
#include <QToolBar>

#include "forms/Auswertungsrechnung.h"
#include "platform/Hauptfenster.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

void BefehlRekordergebnisse() {
  ProtokolliereBefehl(QStringLiteral("BefehlRekordergebnisse"));
  SchalteRekordansicht();
}

void BefehlAufZahlen() {
  ProtokolliereBefehl(QStringLiteral("BefehlAufZahlen"));
  SchalteZaehlansicht();
}

namespace {

// The main window's toolbar, menus and caption behind the interface of the windows.
class StartAlsHauptfenster : public Hauptfenster {
 public:
  void SetzeButtonBar(const QString& Code) override { ::SetzeButtonBar(Hauptleiste(), Code); }
  void SetzeMenues(const QString& Code) override { ::SetzeMenues(Code); }
  int LeseButton(int Index) const override { return Hauptleiste() ? ::LeseButton(Hauptleiste(), Index) : 0; }
  void SchalteButton(int Index) override {
    if (Hauptleiste()) ::SchalteButton(Hauptleiste(), Index);
  }
  void SetzeTitel(const QString& Titel) override {
    if (Start* s = StartFensterFallsDa()) s->setWindowTitle(Titel);
  }
  QString Titel() const override {
    Start* s = StartFensterFallsDa();
    return s ? s->windowTitle() : QString();
  }
  QWidget* Widget() override { return StartFensterFallsDa(); }
};

}  // namespace

void MeldeHauptfensterAn() {
  static StartAlsHauptfenster adapter;
  if (!HF()) SetzeHauptfenster(&adapter);
}
