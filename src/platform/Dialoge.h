// The program's one door to modal boxes and file/colour dialogs. Every layer shows its
// boxes through it, and none needs a widget for it: the running program installs the Qt
// dialogs, tests a scripted implementation that answers from a queue (both in
// platform/widgets/Dialoge.h).
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <memory>

class QPrinter;
class QWidget;

// Message box styles and answers, as numbers: 0 plain, 16 critical, 36 yes/no question,
// 64 information; 1 OK, 6 yes, 7 no.
inline constexpr int STIL_SCHLICHT = 0;
inline constexpr int STIL_KRITISCH = 16;
inline constexpr int STIL_FRAGE = 36;
inline constexpr int STIL_INFO = 64;
inline constexpr int ANTWORT_OK = 1;
inline constexpr int ANTWORT_JA = 6;
inline constexpr int ANTWORT_NEIN = 7;

// What the page set-up and the printer choice show and give back besides the printer
// itself, on which both work: the printer's own choices (printer, copies, duplex, colour,
// paper, source, orientation) are made on it and hold for every later printout.
struct Druckeinrichtung {
  QStringList drucker;                                  // the installed printers offered, by name
  std::array<long, 4> raender{1000, 1000, 1000, 1000};  // left, top, right, bottom; 1/100 mm
  bool nurAuswahl = false;                              // printer choice: the selection as print range
  // Printer choice: the file proposed for printing to a file, and the one chosen there
  // (empty: none chosen in the dialog).
  QString datei;
};

// Texts of those two dialogs besides the system's own, in the interface language: the
// printer choice, and the page set-up of the PDF file, which the system's dialog does not
// offer.
struct DruckdialogTexte {
  QString titel, drucker, pdfDatei, papier, ausrichtung, hochformat, querformat, raender, links, oben, rechts, unten;
};

class Dialoge {
 public:
  virtual ~Dialoge() = default;
  // Shows a message box; returns the button pressed (1, 6 or 7).
  virtual int Meldung(const QString& text, int stil, const QString& titel) = 0;
  // A box the program had to show while the session ended, when it shows none: it went to
  // the standard error output instead. A door that records its boxes records it too.
  virtual void Ungezeigt(const QString& /*text*/, int /*stil*/, const QString& /*titel*/) {}
  // Open-file dialog listing only files named `muster` (case-blind). Empty result: cancelled.
  virtual QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                               const QString& startOrdner) = 0;
  // Save-file dialog proposing `vorschlag` (a full path); an existing file is chosen only
  // after the dialog's confirmation. Empty result: cancelled.
  virtual QString DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                                 const QString& vorschlag) = 0;
  // Colour dialog; invalid colour: cancelled.
  virtual QColor FarbeWaehlen(const QColor& start, const QString& titel) = 0;
  // Generic confirmation for platform dialogs the scripted layer must stand in for
  // (printer and page set-up): true when the user confirmed.
  virtual bool Bestaetigen(const QString& welcherDialog) = 0;
  // Hands a file or web address to the desktop (browser, associated program).
  virtual bool OeffneAdresse(const QUrl& adresse) = 0;
  // Page set-up of printer `p`: the printer (or the PDF file), its paper, source and
  // orientation, and the margins; true on OK, which leaves the choice on `p` and the
  // margins in `e`. False: cancelled, `p` and `e` as they were.
  virtual bool SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) = 0;
  // Printer choice for one printout: printer or a file, copies, duplex, colour, paper,
  // source, orientation and the print range; as above.
  virtual bool DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) = 0;
};

// The current implementation, installed by the program when it starts (and by a test).
// Until one is, and after it is taken away (nullptr), boxes go to the standard error
// output as a program without windows shows them: a message is answered OK, a question
// No, and every dialog is cancelled.
Dialoge& DLG();
void SetzeDialoge(std::unique_ptr<Dialoge> d);

// A box or dialog runs an event loop of its own until it is answered, and the code that
// showed it goes on afterwards in its window. Each one of the program's counts as open
// while it lives (also after it was closed, until its answer is back).
class OffenerDialog {
 public:
  OffenerDialog();
  ~OffenerDialog();
  OffenerDialog(const OffenerDialog&) = delete;
  OffenerDialog& operator=(const OffenerDialog&) = delete;
};
// True while a box or dialog of the program waits for its answer.
bool DialogOffen();

// How the program is being ended, if it is: by the user (the Exit that ends it, the main
// window's close) or by the end of the desktop session (a logout, a shutdown, a signal).
// While it ends, the windows store what they can without refusing their close: an entry
// they cannot take is left out (the stored value stays) and noted, and told once at the
// end. While the session ends nobody is asked or told: every box goes to the standard
// error output as the door of a program without windows shows it.
enum class Programmschluss { Keiner, Benutzer, Sitzung };
Programmschluss Schlussart();
// Marks the program as ending while the object lives; a user's close inside the end of
// the session stays the session's.
// `bestaetigt`: the user has confirmed this end beforehand (the language switch), so no
// window stops it to ask for what its record lacks.
class Schluss {
 public:
  explicit Schluss(Programmschluss art, bool bestaetigt = false);
  ~Schluss();
  Schluss(const Schluss&) = delete;
  Schluss& operator=(const Schluss&) = delete;

 private:
  Programmschluss m_vorher;
  bool m_vorherBestaetigt;
};
// Whether the end under way was confirmed by the user beforehand.
bool SchlussBestaetigt();
// The user's answer when a store failed as he ended the program (a full disk, a folder
// made read-only while the program ran): back to the program, which stops the end with
// every window open as it was, or end without storing. Asked once per end, at the user's
// end only (at the session's end nobody can answer); it holds until that end is over.
enum class Schlussentscheid { Offen, Zurueck, OhneSpeichern };
Schlussentscheid Schlussentscheidung();
void EntscheideSchluss(Schlussentscheid entscheid);
// Notes an entry that is not stored as the program ends (one line, in the interface
// language); at the end of the session it goes to the standard error output at once.
void MerkeNichtGespeichert(const QString& zeile);
// The entries noted so far, and forgets them.
QStringList NimmNichtGespeichertes();
