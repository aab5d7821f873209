#include "reports/Druckeinstellungen.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"

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
constexpr int MELDUNG_KEINE_DATEI = 1854;
constexpr int TEXT_DATEI_TITEL = 1855;
constexpr int TEXT_DATEI_FILTER = 1856;
constexpr int TEXT_SEITE_TITEL = 1857;
constexpr int TEXT_DRUCKEN_TITEL = 1858;
constexpr int TEXT_DRUCKER = 1859;  // 1859-1869: the labels of the two dialogs

DruckdialogTexte dialogTexte(int titel) {
  auto t = [](int n) { return SPU().GibTranslation(n); };
  DruckdialogTexte d;
  d.titel = t(titel);
  QString* felder[] = {&d.drucker, &d.pdfDatei, &d.papier, &d.ausrichtung, &d.hochformat, &d.querformat,
                       &d.raender, &d.links,    &d.oben,   &d.rechts,      &d.unten};
  int n = TEXT_DRUCKER;
  for (QString* f : felder) *f = t(n++);
  return d;
}

// The printer dialog's file for the printout it was shown for: that printout asks for
// no other.
struct DialogDatei {
  QString name;
  QString pfad;
};
DialogDatei& dialogDatei() {
  static DialogDatei d;
  return d;
}

// The PDF file proposed for a printout: its name in the user's documents folder.
QString vorschlag(const QString& druckname) {
  QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (ordner.isEmpty() || !QDir(ordner).exists()) ordner = QDir::homePath();
  QString datei = druckname;
  for (QChar& c : datei)
    if (c == QLatin1Char('/') || c.category() == QChar::Other_Control) c = QLatin1Char('-');
  while (datei.startsWith(QLatin1Char('.'))) datei.remove(0, 1);
  return QDir(ordner).filePath(datei + QStringLiteral(".pdf"));
}

// The room the margins leave on the paper, each way (hundredths of a millimetre): the
// printouts need it for their headings and a few lines.
constexpr long MINDESTFLAECHE = 5000;

// Margins that leave less than that on the paper, on its shorter side (so that either
// orientation has it), are no margins: that pair takes the defaults, as a margin that is
// no number does.
void pruefeFlaeche(std::array<long, 4>& r, const QPageSize& papier) {
  const QSizeF mm = papier.size(QPageSize::Millimeter);
  long kurz = long(std::min(mm.width(), mm.height()) * 100);
  if (kurz <= 0) kurz = 21000;  // no paper known: A4
  for (const auto& [a, b] : {std::pair{LINKS, RECHTS}, std::pair{OBEN, UNTEN}})
    if (r[a] > kurz || r[b] > kurz || r[a] + r[b] > kurz - MINDESTFLAECHE) r[a] = r[b] = STANDARDRAND;
}

void skaliereAlle() {
  for (int i : {LINKS, OBEN, RECHTS, UNTEN}) Druckraender[i] = SkaliereRand(Seitenraender[i]);
}
}  // namespace

QString Druckname(int name, const QString& inhalt) {
  const QString was = inhalt.simplified();
  return QStringLiteral("Puttwise - ") + SPU().GibTranslation(name) +
         (was.isEmpty() ? QString() : QLatin1Char(' ') + was);
}

std::array<long, 4> StandardDruckraender() {
  const long r = SkaliereRand(STANDARDRAND);
  return {r, r, r, r};
}

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
  // (Read at start, before a printer is chosen: measured on A4, which every paper of the
  // program's page set-up reaches on its shorter side or nearly; a printout on a smaller
  // paper takes the defaults for itself.)
  pruefeFlaeche(Seitenraender, QPageSize(QPageSize::A4));
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
  Druckeinrichtung e;
  e.drucker = InstallierteDrucker();
  e.raender = Seitenraender;
  if (!DLG().SeiteEinrichten(AktuellerDrucker(), e, dialogTexte(TEXT_SEITE_TITEL))) return false;
  for (long& r : e.raender)
    if (r < 0) r = STANDARDRAND;
  pruefeFlaeche(e.raender, AktuellerDrucker().pageLayout().pageSize());
  Seitenraender = e.raender;
  skaliereAlle();
  return true;
}

bool DruckerAuswaehlen(int name, const QString& inhalt) {
  DruckAuswahl = false;
  dialogDatei() = {};
  const QString druckname = Druckname(name, inhalt);
  Druckeinrichtung e;
  e.drucker = InstallierteDrucker();
  e.raender = Seitenraender;
  e.datei = vorschlag(druckname);
  if (!DLG().DruckerWaehlen(AktuellerDrucker(), e, dialogTexte(TEXT_DRUCKEN_TITEL))) return false;
  DruckAuswahl = e.nurAuswahl;
  if (DruckerIstPdfDatei() && !e.datei.isEmpty()) dialogDatei() = {druckname, e.datei};
  return true;
}

bool WaehleDruckdatei(int name, const QString& inhalt) {
  if (!DruckerIstPdfDatei()) return true;
  const QString druckname = Druckname(name, inhalt);
  const DialogDatei ausDialog = std::exchange(dialogDatei(), {});
  QString datei = ausDialog.name == druckname ? ausDialog.pfad : QString();
  if (datei.isEmpty())
    datei = DLG().DateiSpeichern(SPU().GibTranslation(TEXT_DATEI_TITEL), SPU().GibTranslation(TEXT_DATEI_FILTER),
                                 QStringLiteral("*.pdf"), vorschlag(druckname));
  if (datei.isEmpty()) return MeldeDruckergebnis(DruckErgebnis::KeineDatei);
  SetzeDruckdatei(datei);
  return true;
}

namespace {
bool druckeGanz(QWidget* w, int ausrichtung, int name, const QString& inhalt, bool imRand) {
  // While the file dialog is open the program goes on: the window may be closed meanwhile.
  const QPointer<QWidget> blatt(w);
  if (!WaehleDruckdatei(name, inhalt)) return false;
  if (!blatt) {
    SetzeDruckdatei(QString());
    return MeldeDruckergebnis(DruckErgebnis::Abgebrochen);
  }
  if (!imRand) return MeldeDruckergebnis(DruckeWidgetGanz(blatt, ausrichtung, Druckname(name, inhalt)));
  // Hundredths of a millimetre as twips (1440 to the inch of 2540).
  auto twips = [](long rand) { return double(rand) * 1440.0 / 2540.0; };
  const QMarginsF rand(twips(Seitenraender[LINKS]), twips(Seitenraender[OBEN]), twips(Seitenraender[RECHTS]),
                       twips(Seitenraender[UNTEN]));
  return MeldeDruckergebnis(DruckeWidgetImRand(blatt, rand, ausrichtung, Druckname(name, inhalt)));
}
}  // namespace

bool DruckeGanz(QWidget* w, int ausrichtung, int name, const QString& inhalt) {
  return druckeGanz(w, ausrichtung, name, inhalt, false);
}

bool DruckeGanzImRand(QWidget* w, int ausrichtung, int name, const QString& inhalt) {
  return druckeGanz(w, ausrichtung, name, inhalt, true);
}

bool MeldeDruckergebnis(DruckErgebnis e) {
  switch (e) {
    case DruckErgebnis::Gedruckt: return true;
    case DruckErgebnis::KeinDrucker: SPU().Zantro_Msg(MELDUNG_KEIN_DRUCKER, STIL_KRITISCH); break;
    case DruckErgebnis::KeineDatei: SPU().Zantro_Msg(MELDUNG_KEINE_DATEI, STIL_KRITISCH); break;
    case DruckErgebnis::DateiNichtSchreibbar: SPU().Zantro_Msg(MELDUNG_DATEI_NICHT_SCHREIBBAR, STIL_KRITISCH); break;
    case DruckErgebnis::Abgebrochen: SPU().Zantro_Msg(MELDUNG_DRUCK_ABGEBROCHEN, STIL_KRITISCH); break;
    case DruckErgebnis::Fehlgeschlagen: SPU().Zantro_Msg(MELDUNG_DRUCK_FEHLGESCHLAGEN, STIL_KRITISCH); break;
  }
  return false;
}
