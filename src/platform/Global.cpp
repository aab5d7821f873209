#include "platform/Global.h"

#include "platform/Dialoge.h"

int MsgAntwort = 0;
int Sprachnummer = 0;
long Hintergrundfarbe = 0;
long Vordergrundfarbe = 0;

namespace {
TextFunktion g_text = nullptr;
TextFunktion g_meldungstext = nullptr;

QStringList& protokoll() {
  static QStringList p;
  return p;
}
}  // namespace

void Fehlerbox(const QString& beschreibung) { MsgAntwort = DLG().Meldung(beschreibung, STIL_KRITISCH, PRODUKTTITEL); }

QString Fehlerbeschreibung(int nummer, const QString& detail) {
  QString t = NummerText(nummer);
  // Without the language service (a program of the platform layer alone) the English
  // stand-in; with it, a missing row gives the text the program carries.
  if (t.isEmpty()) {
    switch (nummer) {
      case TEXT_TYPFEHLER: t = QStringLiteral("Type mismatch"); break;
      case TEXT_NICHT_IN_AUFLISTUNG: t = QStringLiteral("Item not found in this collection"); break;
      case TEXT_KEINE_VERBINDUNG: t = QStringLiteral("No database connection."); break;
      case TEXT_UNGUELTIGES_DATUM: t = QStringLiteral("Invalid date"); break;
      case TEXT_DATENBANKDATEI_FEHLT: t = QStringLiteral("Database file not found"); break;
      case TEXT_DIVISION_DURCH_NULL: t = QStringLiteral("Division by zero"); break;
      case TEXT_INDEX_AUSSERHALB: t = QStringLiteral("Index out of bounds"); break;
      default: t = QStringLiteral("Error %1").arg(nummer);
    }
  }
  return detail.isEmpty() ? t : t + QStringLiteral(": ") + detail;
}

QString ZitierterEintrag(const QString& eintrag) {
  constexpr int LAENGE = 60;
  const QString t = eintrag.trimmed();
  if (t.size() <= LAENGE) return t;
  int n = LAENGE;
  if (t.at(n - 1).isHighSurrogate()) --n;  // never half a character
  return t.left(n).trimmed() + QChar(0x2026);
}

void SetzeTextquelle(TextFunktion text, TextFunktion meldungstext) {
  g_text = text;
  g_meldungstext = meldungstext;
}

bool HatTextquelle() { return g_text && g_meldungstext; }

QString NummerText(int nummer) { return g_text ? g_text(nummer) : QString(); }

QString NummerMeldungstext(int nummer, const QString& ersatz) {
  return g_meldungstext ? g_meldungstext(nummer) : ersatz;
}

void ProtokolliereBefehl(const QString& befehl) {
  QStringList& p = protokoll();
  p.append(befehl);
  if (p.size() > 500) p.removeFirst();
}
const QStringList& Befehlsprotokoll() { return protokoll(); }
QString LetzterBefehl() { return protokoll().isEmpty() ? QString() : protokoll().last(); }
void LoescheBefehlsprotokoll() { protokoll().clear(); }

bool GleicherName(const QString& a, const QString& b) { return a.toCaseFolded() == b.toCaseFolded(); }

void PlattformwerteZuruecksetzen() {
  MsgAntwort = 0;
  Sprachnummer = 0;
  Hintergrundfarbe = 0;
  Vordergrundfarbe = 0;
}
