#include "reports/Druckeinstellungen.h"

#include <cmath>

#include "data/Global.h"
#include "platform/Registry.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

std::array<long, 4> Seitenraender{0, 0, 0, 0};
std::array<long, 4> Druckraender{0, 0, 0, 0};
bool DruckAuswahl = false;

long SkaliereRand(long rand) { return long(std::floor(double(rand) / 1.8)); }

namespace {
enum { LINKS = 0, OBEN = 1, RECHTS = 2, UNTEN = 3 };
constexpr long STANDARDRAND = 1000;

constexpr int MELDUNG_KEIN_DRUCKER = 1850;
constexpr int MELDUNG_DATEI_NICHT_SCHREIBBAR = 1851;
constexpr int MELDUNG_DRUCK_ABGEBROCHEN = 1852;
constexpr int MELDUNG_DRUCK_FEHLGESCHLAGEN = 1853;

void skaliereAlle() {
  for (int i : {LINKS, OBEN, RECHTS, UNTEN}) Druckraender[i] = SkaliereRand(Seitenraender[i]);
}
}  // namespace

long RandAusText(const QString& text) {
  bool ok = false;
  const long v = text.trimmed().toLong(&ok);
  return ok && v >= 0 ? v : STANDARDRAND;
}

void LadeDruckEinstellungen() {
  const std::pair<const char*, int> werte[] = {
      {"MarginTop", OBEN}, {"MarginBottom", UNTEN}, {"MarginLeft", LINKS}, {"MarginRight", RECHTS}};
  for (const auto& [name, index] : werte) {
    const QString t = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, QString::fromLatin1(name));
    Seitenraender[index] = t == NOT_FOUND ? STANDARDRAND : RandAusText(t);
  }
  skaliereAlle();
}

void SpeicherDruckEinstellungen() {
  const std::pair<const char*, int> werte[] = {
      {"MarginTop", OBEN}, {"MarginBottom", UNTEN}, {"MarginLeft", LINKS}, {"MarginRight", RECHTS}};
  for (const auto& [name, index] : werte)
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, QString::fromLatin1(name),
                         QString::number(Seitenraender[index]));
}

bool SeiteEinrichten() {
  std::array<long, 4> raender = Seitenraender;
  if (!DLG().SeiteEinrichten(AktuellerDrucker(), raender)) return false;
  for (long& r : raender)
    if (r < 0) r = STANDARDRAND;
  Seitenraender = raender;
  skaliereAlle();
  return true;
}

bool DruckerAuswaehlen() {
  DruckAuswahl = false;
  bool nurAuswahl = false;
  if (!DLG().DruckerWaehlen(AktuellerDrucker(), nurAuswahl)) return false;
  DruckAuswahl = nurAuswahl;
  return true;
}

bool MeldeDruckergebnis(DruckErgebnis e) {
  switch (e) {
    case DruckErgebnis::Gedruckt: return true;
    case DruckErgebnis::KeinDrucker: SPU().Zantro_Msg(MELDUNG_KEIN_DRUCKER, STIL_KRITISCH); break;
    case DruckErgebnis::DateiNichtSchreibbar: SPU().Zantro_Msg(MELDUNG_DATEI_NICHT_SCHREIBBAR, STIL_KRITISCH); break;
    case DruckErgebnis::Abgebrochen: SPU().Zantro_Msg(MELDUNG_DRUCK_ABGEBROCHEN, STIL_KRITISCH); break;
    case DruckErgebnis::Fehlgeschlagen: SPU().Zantro_Msg(MELDUNG_DRUCK_FEHLGESCHLAGEN, STIL_KRITISCH); break;
  }
  return false;
}
