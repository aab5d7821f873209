// Exit, the end of the program and of the session, the language switch, help and the web
// links.
#include "shell/Programmende.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <csignal>
#include <optional>

#include "data/Allgemein.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "forms/Golfer.h"
#include "forms/Golfplaetze.h"
#include "forms/Scorekartenablauf.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/QtSprache.h"
#include "platform/Registry.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Fortschritt.h"
#include "reports/Druckeinstellungen.h"
#include "shell/Befehle.h"
#include "shell/Main.h"
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
  if (MsgAntwort != ANTWORT_JA) return;
  // Answered Yes, the program ends: a new course not yet named does not hold it open.
  const Schluss bestaetigt(Programmschluss::Benutzer, true);
  ProgrammBeenden(false);
}
}  // namespace

namespace {
constexpr int MELDUNG_NICHT_GESPEICHERT_BEIM_ENDE = 4781;
}  // namespace

void MeldeNichtGespeichertes() {
  const QStringList zeilen = NimmNichtGespeichertes();
  // A store of this end failed, and the user went back to the program (where the boxes
  // still show what he typed, and the next end notes anew), or ended without storing.
  if (zeilen.isEmpty() || Schlussentscheidung() != Schlussentscheid::Offen) return;
  MsgAntwort =
      DLG().Meldung(SPU().GibTranslation(MELDUNG_NICHT_GESPEICHERT_BEIM_ENDE).arg(zeilen.join(QLatin1Char('\n'))),
                    STIL_INFO, PRODUKTTITEL);
}

bool ProgrammBeenden(bool RaenderSpeichern) {
  // The windows store what they can and close; what they could not store is told once.
  const Schluss schluss(Programmschluss::Benutzer);
  const auto abgelehnt = [] {
    MeldeNichtGespeichertes();
    return false;
  };
  if (!AktiveForm.isEmpty()) {
    // The window that comes to the front next may write its own name meanwhile.
    const QString zuletzt = AktiveForm;
    EntladeForm(zuletzt);
    if (IstFormGeladen(zuletzt)) return abgelehnt();
    AktiveForm.clear();
  }
  for (const char* name : {"AuswertungAllgemein", "AuswertungGolfplatz", "Golfer"}) {
    EntladeForm(QString::fromLatin1(name));
    if (IstFormGeladen(QString::fromLatin1(name))) return abgelehnt();
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
    if (GeladeneFormulare().contains(offen[i]) && !offen[i]->Schliessen()) return abgelehnt();
  MeldeNichtGespeichertes();
  return true;
}

// ---------------------------------------------------------------------------------------
// The end of the session

namespace {
bool g_sitzungEndet = false;
int g_rohr[2] = {-1, -1};

// Only what a signal handler may do: the byte wakes the event loop, which does the rest.
extern "C" void signalAngekommen(int nummer) {
  const int fehler = errno;
  const char c = static_cast<char>(nummer);
  (void)!::write(g_rohr[1], &c, 1);
  errno = fehler;
}

class Sitzungsende : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* ziel, QEvent* e) override {
    if (e->type() != QEvent::Quit || ziel != qApp) return false;
    const Start* s = StartFensterFallsDa();
    if (!s || !s->isVisible()) return false;
    BeendeSitzung();
    return true;
  }
};

void schliesseSitzung() {
  // A box, dialog or computation first: once it is closed, the code that opened it goes on
  // (unasked from now on) and returns to the main loop; then the windows close.
  if (DialogOffen() || FortschrittPumpt()) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* f = qobject_cast<Formular*>(modal)) {
        f->Schliessen();
      } else if (auto* d = qobject_cast<QDialog*>(modal)) {
        d->reject();
      } else {
        modal->close();
      }
    }
    QTimer::singleShot(20, qApp, schliesseSitzung);
    return;
  }
  // The windows store their records as they close; the program ends all the same.
  if (Start* s = StartFensterFallsDa()) s->close();
  QCoreApplication::exit(0);
}
}  // namespace

void SichereZumSitzungsende() {
  // A box open waits for the user: its code stores once it is answered, or as the session
  // really ends.
  if (g_sitzungEndet || DialogOffen() || FortschrittPumpt()) return;
  const Schluss sitzung(Programmschluss::Sitzung);
  if (FormExistiert<Golfer>()) {
    Golfer& g = GolferForm();
    SpeichereInDieDatei(
        [&] {
          WriteGolferdaten(g.GezeigterGolfer());
          if (!IstLeer(g.Kartenschluessel())) WriteScorekarte(g.Kartenschluessel());
          return true;
        },
        [] {});
  }
  // A course without a name is left to the editor's own close.
  if (FormExistiert<Golfplaetze>() && GolfplaetzeForm().HatNamen()) WriteGolfplatzdaten(GolfplaetzeForm().Idn());
  if (FormExistiert<Turnier>()) WriteTurnier(TurnierForm().Nummer());
}

void BeendeSitzung() {
  if (g_sitzungEndet) return;
  g_sitzungEndet = true;
  static std::optional<Schluss> sitzung;
  sitzung.emplace(Programmschluss::Sitzung);
  schliesseSitzung();
}

void FangeSitzungsendeAb() {
  if (g_rohr[0] >= 0 || ::pipe2(g_rohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* melder = new QSocketNotifier(g_rohr[0], QSocketNotifier::Read, qApp);
  QObject::connect(melder, &QSocketNotifier::activated, melder, [] {
    char puffer[16];
    while (::read(g_rohr[0], puffer, sizeof puffer) > 0) {
    }
    BeendeSitzung();
  });
  struct sigaction aktion {};
  aktion.sa_handler = signalAngekommen;
  sigemptyset(&aktion.sa_mask);
  aktion.sa_flags = SA_RESTART;
  for (const int nummer : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(nummer, &aktion, nullptr);
  // The session manager asks the program to store its data before the session ends; the
  // program must not end there (another program may still cancel the logout).
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager&) { SichereZumSitzungsende(); });
  // The session manager ends the session with a quit event while the main window is open
  // (the program ends itself only with its windows closed).
  qApp->installEventFilter(new Sitzungsende(qApp));
  // Ended from outside while the main window is still open: the windows store first.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] {
    if (Start* s = StartFensterFallsDa(); s && s->isVisible()) BeendeSitzung();
  });
}

int Programmlauf(const std::function<void()>& gestartet) {
  FangeSitzungsendeAb();
  int ergebnis = 0;
  if (Main()) {
    if (gestartet) gestartet();
    // A session that ended while the program started: the windows close at once.
    if (!g_sitzungEndet)
      ergebnis = QApplication::exec();
    else if (Start* s = StartFensterFallsDa())
      s->close();
  }
  // The connections are closed while the application still exists.
  ProgrammAufraeumen();
  return ergebnis;
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
