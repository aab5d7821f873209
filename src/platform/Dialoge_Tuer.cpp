#include "platform/Dialoge.h"

#include <cstdio>
#include <utility>

namespace {
// The door of a program without windows (and of any before one is installed): a box is
// written to the standard error output and answered as nobody could, every dialog is
// cancelled.
class OhneFenster : public Dialoge {
 public:
  int Meldung(const QString& text, int stil, const QString& titel) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(titel.trimmed()), qPrintable(text));
    return stil == STIL_FRAGE ? ANTWORT_NEIN : ANTWORT_OK;
  }
  QString DateiOeffnen(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  QString DateiSpeichern(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  QColor FarbeWaehlen(const QColor&, const QString&) override { return {}; }
  bool Bestaetigen(const QString&) override { return false; }
  bool OeffneAdresse(const QUrl&) override { return false; }
  bool SeiteEinrichten(QPrinter&, Druckeinrichtung&, const DruckdialogTexte&) override { return false; }
  bool DruckerWaehlen(QPrinter&, Druckeinrichtung&, const DruckdialogTexte&) override { return false; }
};

std::unique_ptr<Dialoge>& aktuelle() {
  static std::unique_ptr<Dialoge> d;
  return d;
}

// The door while the session ends: nobody is asked or told; the installed door learns of
// each box all the same.
class ZumSitzungsende : public OhneFenster {
 public:
  int Meldung(const QString& text, int stil, const QString& titel) override {
    if (aktuelle()) aktuelle()->Ungezeigt(text, stil, titel);
    return OhneFenster::Meldung(text, stil, titel);
  }
};
int g_offeneDialoge = 0;
Programmschluss g_schluss = Programmschluss::Keiner;
bool g_bestaetigt = false;
Schlussentscheid g_entscheid = Schlussentscheid::Offen;
QStringList g_nichtGespeichert;
}  // namespace

Programmschluss Schlussart() { return g_schluss; }
bool SchlussBestaetigt() { return g_bestaetigt; }

Schluss::Schluss(Programmschluss art, bool bestaetigt) : m_vorher(g_schluss), m_vorherBestaetigt(g_bestaetigt) {
  if (g_schluss != Programmschluss::Sitzung) g_schluss = art;
  g_bestaetigt = g_bestaetigt || bestaetigt;
}

Schluss::~Schluss() {
  g_schluss = m_vorher;
  g_bestaetigt = m_vorherBestaetigt;
  // The end is over: the next one asks anew.
  if (g_schluss == Programmschluss::Keiner) g_entscheid = Schlussentscheid::Offen;
}

Schlussentscheid Schlussentscheidung() { return g_entscheid; }
void EntscheideSchluss(Schlussentscheid entscheid) { g_entscheid = entscheid; }

void MerkeNichtGespeichert(const QString& zeile) {
  if (g_schluss == Programmschluss::Sitzung)
    std::fprintf(stderr, "%s\n", qPrintable(zeile));
  else
    g_nichtGespeichert << zeile;
}

QStringList NimmNichtGespeichertes() { return std::exchange(g_nichtGespeichert, {}); }

OffenerDialog::OffenerDialog() { ++g_offeneDialoge; }
OffenerDialog::~OffenerDialog() { --g_offeneDialoge; }
bool DialogOffen() { return g_offeneDialoge > 0; }

Dialoge& DLG() {
  if (g_schluss == Programmschluss::Sitzung) {
    static ZumSitzungsende niemand;
    return niemand;
  }
  if (!aktuelle()) aktuelle() = std::make_unique<OhneFenster>();
  return *aktuelle();
}

void SetzeDialoge(std::unique_ptr<Dialoge> d) { aktuelle() = std::move(d); }
