#include "platform/Hauptfenster.h"

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
