// Program-wide values every layer may read: the product title, the answer of the last
// message box, the interface language, the window colours; the common error handler and
// its trap; the door through which the layers below the language service show numbered
// texts and messages; and the log of the commands run.
#pragma once

#include <QString>
#include <QStringList>
#include <exception>

inline const QString PRODUKTTITEL = QStringLiteral("Zantro Puttwise!  - 2.02  ");

extern int MsgAntwort;         // 1 OK, 6 yes, 7 no
extern int Sprachnummer;       // 1 German, 2 English
extern long Hintergrundfarbe;  // 0x00BBGGRR
extern long Vordergrundfarbe;

// The common error handler: a critical box with the error's description and the
// product title; the answer goes into MsgAntwort.
void Fehlerbox(const QString& beschreibung);

// Descriptions of the run-time errors the program raises itself, for the common error
// handler. Like every text the user sees, each has a German and an English text in the
// language sources, so that the box speaks the interface language.
inline constexpr int TEXT_TYPFEHLER = 5201;
inline constexpr int TEXT_NICHT_IN_AUFLISTUNG = 5202;
inline constexpr int TEXT_KEINE_VERBINDUNG = 5203;
inline constexpr int TEXT_UNGUELTIGES_DATUM = 5204;
inline constexpr int TEXT_DATENBANKDATEI_FEHLT = 5205;
inline constexpr int TEXT_DIVISION_DURCH_NULL = 5206;
inline constexpr int TEXT_INDEX_AUSSERHALB = 5207;
// Description `nummer` (one of the above) in the interface language, followed by
// ": detail" when a detail is given. Without the language database the description
// stays readable: it comes in English, as the rest of the program's own words do then.
QString Fehlerbeschreibung(int nummer, const QString& detail = QString());

// An entry quoted in a message: at most about sixty characters, a longer one cut with
// "…", so that a long paste does not make a box as wide as the screen.
QString ZitierterEintrag(const QString& eintrag);

// Runs `f` under the common error trap: a run-time error ends it with the error box.
template <class F>
void MitFehlerfalle(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    Fehlerbox(QString::fromUtf8(e.what()));
  }
}

// Numbered texts and messages. The language service sits above this layer and registers
// itself here: `text` gives a run-time text (empty when it has none), `meldungstext` the
// text of a message box, never empty. Until it has, texts are empty and a message shows
// the stand-in text its caller gives.
using TextFunktion = QString (*)(int nummer);
void SetzeTextquelle(TextFunktion text, TextFunktion meldungstext);
bool HatTextquelle();
QString NummerText(int nummer);
QString NummerMeldungstext(int nummer, const QString& ersatz);

// Names of the commands run so far (most recent last; the oldest are dropped after a
// few hundred). Lets the tests see which command a click reached.
void ProtokolliereBefehl(const QString& befehl);
const QStringList& Befehlsprotokoll();
QString LetzterBefehl();
void LoescheBefehlsprotokoll();

// True when two names are the same without regard to letter case, for every letter
// (Unicode case folding: "überlingen" is "Überlingen"). Names typed by the user are
// compared with this wherever they are looked up.
bool GleicherName(const QString& a, const QString& b);

// Puts the values above back to their start values (between tests).
void PlattformwerteZuruecksetzen();
