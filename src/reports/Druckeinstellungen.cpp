#include "reports/Druckeinstellungen.h"

#include <cmath>

#include "data/Global.h"
#include "platform/Registry.h"

std::array<long, 4> Seitenraender{0, 0, 0, 0};
std::array<long, 4> Druckraender{0, 0, 0, 0};
bool DruckAuswahl = false;

long SkaliereRand(long rand) { return long(std::floor(double(rand) / 1.8)); }

namespace {
enum { LINKS = 0, OBEN = 1, RECHTS = 2, UNTEN = 3 };
}

void LadeDruckEinstellungen() {
  const std::pair<const char*, int> werte[] = {
      {"MarginTop", OBEN}, {"MarginBottom", UNTEN}, {"MarginLeft", LINKS}, {"MarginRight", RECHTS}};
  for (const auto& [name, index] : werte) {
    const QString t = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, QString::fromLatin1(name));
    if (t == NOT_FOUND) {
      Seitenraender[index] = 1000;
      continue;
    }
    bool ok = false;
    const long v = t.trimmed().toLong(&ok);
    if (!ok) {
      // The margins read so far stay; the others keep their values.
      Fehlerbox(QStringLiteral("Type mismatch: %1 = %2").arg(QString::fromLatin1(name), t));
      return;
    }
    Seitenraender[index] = v;
  }
  for (int i : {LINKS, OBEN, RECHTS, UNTEN}) Druckraender[i] = SkaliereRand(Seitenraender[i]);
}

void SpeicherDruckEinstellungen() {
  const std::pair<const char*, int> werte[] = {
      {"MarginTop", OBEN}, {"MarginBottom", UNTEN}, {"MarginLeft", LINKS}, {"MarginRight", RECHTS}};
  for (const auto& [name, index] : werte)
    SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_DRUCKSCHLUESSEL, QString::fromLatin1(name),
                         QString::number(Seitenraender[index]));
}
