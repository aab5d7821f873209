#include "forms/Eingabefehler.h"

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"

namespace {
constexpr int MELDUNG_KEINE_ZAHL = 4751;
}

void MeldeKeineZahl(int feld, const QString& text) {
  const QString meldung = SPU().Meldungstext(MELDUNG_KEINE_ZAHL).arg(SPU().GibTranslation(feld), ZitierterEintrag(text));
  MsgAntwort = DLG().Meldung(meldung, STIL_INFO, PRODUKTTITEL);
}
