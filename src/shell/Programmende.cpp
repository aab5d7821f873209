// Exit, the language switch, help and the web links.
#include <QApplication>
#include <QDir>
#include <QUrl>

#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/QtSprache.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"
#include "shell/Start.h"

namespace {
constexpr int MELDUNG_SPRACHE_SCHON_EINGESTELLT = 29;
constexpr int MELDUNG_SPRACHE_NACH_NEUSTART = 28;
const QString ZANTRO_ADRESSE = QStringLiteral("https://www.zantro-software.de");
const QString PUTTWISE_ADRESSE = QStringLiteral("https://www.puttwise.de");

void wechsleSprache(int nummer) {
  if (Sprachnummer == nummer) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_SPRACHE_SCHON_EINGESTELLT, STIL_INFO);
    return;
  }
  const QString geschrieben =
      SchreibeRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Sprache"), QString::number(nummer));
  bool ok = false;
  const int neu = geschrieben.toInt(&ok);
  if (!ok) {
    Fehlerbox(Fehlerbeschreibung(TEXT_TYPFEHLER));
    return;
  }
  Sprachnummer = neu;
  // The question comes in the new language: its buttons too.
  LadeQtUebersetzung(Sprachnummer);
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_SPRACHE_NACH_NEUSTART, STIL_FRAGE);
  if (MsgAntwort == ANTWORT_JA) ProgrammBeenden(false);
}
}  // namespace

bool ProgrammBeenden(bool RaenderSpeichern) {
  if (!AktiveForm.isEmpty()) {
    // The window that comes to the front next may write its own name meanwhile.
    const QString zuletzt = AktiveForm;
    EntladeForm(zuletzt);
    if (IstFormGeladen(zuletzt)) return false;
    AktiveForm.clear();
  }
  for (const char* name : {"AuswertungAllgemein", "AuswertungGolfplatz", "Golfer"}) {
    EntladeForm(QString::fromLatin1(name));
    if (IstFormGeladen(QString::fromLatin1(name))) return false;
  }
  // Every other open window closes through its own handler too, so that an open course
  // or tournament editor saves its record; one that refuses keeps the program open.
  if (Start* s = StartFensterFallsDa()) {
    s->RaenderSpeichern = RaenderSpeichern;
    if (!s->close()) {
      s->RaenderSpeichern = true;
      return false;
    }
    return true;
  }
  const QList<Formular*> offen = GeladeneFormulare();
  for (int i = offen.size() - 1; i >= 0; --i)
    if (GeladeneFormulare().contains(offen[i]) && !offen[i]->Schliessen()) return false;
  return true;
}

void BefehlBeenden() {
  ProtokolliereBefehl(QStringLiteral("BefehlBeenden"));
  SpeicherDruckEinstellungen();
  // The name of a window that has closed since it wrote it (the window in front now, such as
  // the course statistics, writes none) aims at nothing: Exit closes one level from there.
  if (!AktiveForm.isEmpty() && !IstFormGeladen(AktiveForm)) AktiveForm.clear();
  if (AktiveForm == Kontext::Grafik) {
    EntladeForm(AktiveForm);
    AktiveForm.clear();
    return;
  }
  if (AktiveForm.isEmpty()) {
    if (IstFormGeladen(QStringLiteral("AuswertungAllgemein")))
      EntladeForm(QStringLiteral("AuswertungAllgemein"));
    else if (IstFormGeladen(QStringLiteral("AuswertungGolfplatz")))
      EntladeForm(QStringLiteral("AuswertungGolfplatz"));
    else
      ProgrammBeenden(true);
    return;
  }
  EntladeForm(AktiveForm);
}

void WechsleZuDeutsch() {
  ProtokolliereBefehl(QStringLiteral("WechsleZuDeutsch"));
  wechsleSprache(1);
}

void WechsleZuEnglisch() {
  ProtokolliereBefehl(QStringLiteral("WechsleZuEnglisch"));
  wechsleSprache(2);
}

void ZeigeHilfe() {
  ProtokolliereBefehl(QStringLiteral("ZeigeHilfe"));
  const QString ordner = LeseRegistryWert(HKEY_LOCAL_MACHINE, PW_SCHLUESSEL, QStringLiteral("Programmverzeichniss"));
  if (ordner == NOT_FOUND) {
    // Fixed text: the language database may be what is missing.
    DLG().Meldung(QStringLiteral("Hilfedatei nicht gefunden"), STIL_SCHLICHT, QApplication::applicationDisplayName());
    return;
  }
  if (Sprachnummer == 1)
    OeffneDatei(ordner + QStringLiteral("/Hilfe/puttwise_ger.htm"));
  else if (Sprachnummer == 2)
    OeffneDatei(ordner + QStringLiteral("/Hilfe/puttwise_eng.htm"));
}

namespace {
constexpr int MELDUNG_KEIN_PROGRAMM = 4801;

// Hands a file or address to the desktop; when no program there opens it, the user is
// told so instead of seeing nothing happen.
void oeffne(const QUrl& adresse, const QString& name) {
  if (DLG().OeffneAdresse(adresse)) return;
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_KEIN_PROGRAMM).arg(QDir::toNativeSeparators(name)), STIL_INFO,
                             PRODUKTTITEL);
}
}  // namespace

void OeffneDatei(const QString& Datei) { oeffne(QUrl::fromLocalFile(Datei), Datei); }
void OeffneURL(const QString& Adresse) { oeffne(QUrl(Adresse), Adresse); }

void OeffneZantroWebseite() {
  ProtokolliereBefehl(QStringLiteral("OeffneZantroWebseite"));
  OeffneURL(ZANTRO_ADRESSE);
}

void OeffnePuttwiseWebseite() {
  ProtokolliereBefehl(QStringLiteral("OeffnePuttwiseWebseite"));
  OeffneURL(PUTTWISE_ADRESSE);
}
