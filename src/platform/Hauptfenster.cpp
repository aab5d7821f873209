#include "platform/Hauptfenster.h"

QString AktiveForm;
QString KontextNeu;
QString KontextLoeschen;
QString KontextSuchen;
QString KontextZurueck;
QString KontextWeiter;
QString KontextSeitenansicht;
QString KontextDrucken;

namespace {
Hauptfenster* g_hauptfenster = nullptr;
}

void SetzeHauptfenster(Hauptfenster* h) { g_hauptfenster = h; }
Hauptfenster* HF() { return g_hauptfenster; }

void HF_SetzeButtonBar(const QString& Code) {
  if (g_hauptfenster) g_hauptfenster->SetzeButtonBar(Code);
}
void HF_SetzeMenues(const QString& Code) {
  if (g_hauptfenster) g_hauptfenster->SetzeMenues(Code);
}
int HF_LeseButton(int Index) { return g_hauptfenster ? g_hauptfenster->LeseButton(Index) : 0; }
void HF_SchalteButton(int Index) {
  if (g_hauptfenster) g_hauptfenster->SchalteButton(Index);
}
void HF_SetzeTitel(const QString& Titel) {
  if (g_hauptfenster) g_hauptfenster->SetzeTitel(Titel);
}
void HF_SchalteBefehle(bool an) {
  if (g_hauptfenster) g_hauptfenster->SchalteBefehle(an);
}

void RoutingZuruecksetzen() {
  AktiveForm.clear();
  KontextNeu.clear();
  KontextLoeschen.clear();
  KontextSuchen.clear();
  KontextZurueck.clear();
  KontextWeiter.clear();
  KontextSeitenansicht.clear();
  KontextDrucken.clear();
}
