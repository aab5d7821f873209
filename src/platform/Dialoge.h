// The program's one door to modal boxes and file/colour dialogs. The running program
// uses the Qt dialogs; tests install a scripted implementation that answers from a queue.
#pragma once

#include <QColor>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <deque>
#include <optional>

class QPrinter;
class QWidget;

// Message box styles and answers, as numbers: 16 critical, 36 yes/no question,
// 64 information; 1 OK, 6 yes, 7 no.
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
  QStringList drucker;  // the installed printers offered, by name
  std::array<long, 4> raender{1000, 1000, 1000, 1000};  // left, top, right, bottom; 1/100 mm
  bool nurAuswahl = false;  // printer choice: the selection as print range
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

// The current implementation (the Qt one unless a test installed another).
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

class QtDialoge : public Dialoge {
 public:
  int Meldung(const QString& text, int stil, const QString& titel) override;
  QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                       const QString& startOrdner) override;
  QString DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                         const QString& vorschlag) override;
  QColor FarbeWaehlen(const QColor& start, const QString& titel) override;
  bool Bestaetigen(const QString& welcherDialog) override;
  bool OeffneAdresse(const QUrl& adresse) override;
  bool SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override;
  bool DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override;
};

// Scripted answers for tests. Every box shown is recorded; an answer is taken from the
// queue, and a box with no queued answer is reported through `unbeantwortet` and
// answered with OK/No so that nothing waits.
class SkriptDialoge : public Dialoge {
 public:
  struct Box {
    QString text;
    int stil;
    QString titel;
  };
  std::deque<int> antworten;           // for Meldung
  std::deque<QString> dateien;         // for DateiOeffnen and DateiSpeichern ("" = cancel)
  std::deque<QColor> farben;           // for FarbeWaehlen
  std::deque<bool> bestaetigungen;     // for Bestaetigen
  std::vector<Box> gezeigt;            // every message box shown, in order
  QList<QUrl> geoeffnet;               // addresses handed to the desktop
  bool programmDa = true;              // false: the desktop has no program to open them
  QStringList dateiDialoge;            // titles of file dialogs shown
  QStringList vorschlaege;             // the paths the save-file dialogs proposed
  std::function<void(const QString&)> unbeantwortet;
  // Runs while a message box is up, as its window would (taking the activation).
  std::function<void()> waehrendMeldung;
  // Answers of the page set-up and the printer choice: an orientation of 1 or 2, a
  // printer named as the list shows it (the PDF file by its label), a paper size, a paper
  // source (QPrinter::PaperSource), copies, duplex on the long side and colour are chosen
  // as the user would; 0 / nothing keeps what the dialog showed.
  struct SeitenAntwort {
    bool ok = true;
    std::array<long, 4> raender{1000, 1000, 1000, 1000};
    int ausrichtung = 0;
    std::optional<QString> drucker;
    std::optional<QPageSize::PageSizeId> papier;
    std::optional<int> quelle;
  };
  struct DruckerAntwort {
    bool ok = true;
    bool nurAuswahl = false;
    int ausrichtung = 0;
    std::optional<QString> drucker;
    int kopien = 0;
    std::optional<bool> duplex;
    std::optional<bool> farbe;
    std::optional<QPageSize::PageSizeId> papier;
    std::optional<int> quelle;
    QString datei;  // printing to a file: the file named in the dialog
  };
  std::deque<SeitenAntwort> seiten;
  std::deque<DruckerAntwort> druckerwahl;
  QStringList druckDialoge;  // "SeiteEinrichten" / "DruckerWaehlen", in order
  QStringList angeboteneDrucker;  // the printer list the last of them offered, as shown

  int Meldung(const QString& text, int stil, const QString& titel) override;
  QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                       const QString& startOrdner) override;
  QString DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                         const QString& vorschlag) override;
  QColor FarbeWaehlen(const QColor& start, const QString& titel) override;
  bool Bestaetigen(const QString& welcherDialog) override;
  bool OeffneAdresse(const QUrl& adresse) override;
  bool SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override;
  bool DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) override;
};
