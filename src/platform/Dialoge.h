// The program's one door to modal boxes and file/colour dialogs. The running program
// uses the Qt dialogs; tests install a scripted implementation that answers from a queue.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <deque>

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

class Dialoge {
 public:
  virtual ~Dialoge() = default;
  // Shows a message box; returns the button pressed (1, 6 or 7).
  virtual int Meldung(const QString& text, int stil, const QString& titel) = 0;
  // Open-file dialog listing only files named `muster` (case-blind). Empty result: cancelled.
  virtual QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                               const QString& startOrdner) = 0;
  // Colour dialog; invalid colour: cancelled.
  virtual QColor FarbeWaehlen(const QColor& start, const QString& titel) = 0;
  // Generic confirmation for platform dialogs the scripted layer must stand in for
  // (printer and page set-up): true when the user confirmed.
  virtual bool Bestaetigen(const QString& welcherDialog) = 0;
  // Hands a file or web address to the desktop (browser, associated program).
  virtual bool OeffneAdresse(const QUrl& adresse) = 0;
  // Page set-up of `drucker` (printer, paper, orientation) with the margins left, top,
  // right, bottom in hundredths of a millimetre; true on OK, which may change both.
  virtual bool SeiteEinrichten(QPrinter& drucker, std::array<long, 4>& raender) = 0;
  // Printer choice; on OK `nurAuswahl` tells whether the selection was chosen as the
  // print range. False: cancelled, nothing changed.
  virtual bool DruckerWaehlen(QPrinter& drucker, bool& nurAuswahl) = 0;
};

// The current implementation (the Qt one unless a test installed another).
Dialoge& DLG();
void SetzeDialoge(std::unique_ptr<Dialoge> d);

class QtDialoge : public Dialoge {
 public:
  int Meldung(const QString& text, int stil, const QString& titel) override;
  QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                       const QString& startOrdner) override;
  QColor FarbeWaehlen(const QColor& start, const QString& titel) override;
  bool Bestaetigen(const QString& welcherDialog) override;
  bool OeffneAdresse(const QUrl& adresse) override;
  bool SeiteEinrichten(QPrinter& drucker, std::array<long, 4>& raender) override;
  bool DruckerWaehlen(QPrinter& drucker, bool& nurAuswahl) override;
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
  std::deque<QString> dateien;         // for DateiOeffnen ("" = cancel)
  std::deque<QColor> farben;           // for FarbeWaehlen
  std::deque<bool> bestaetigungen;     // for Bestaetigen
  std::vector<Box> gezeigt;            // every message box shown, in order
  QList<QUrl> geoeffnet;               // addresses handed to the desktop
  bool programmDa = true;              // false: the desktop has no program to open them
  QStringList dateiDialoge;            // titles of file dialogs shown
  std::function<void(const QString&)> unbeantwortet;
  // Answers of the page set-up and the printer choice; an orientation of 1 or 2 is set
  // on the printer as the user would have chosen it.
  struct SeitenAntwort {
    bool ok = true;
    std::array<long, 4> raender{1000, 1000, 1000, 1000};
    int ausrichtung = 0;
  };
  struct DruckerAntwort {
    bool ok = true;
    bool nurAuswahl = false;
    int ausrichtung = 0;
  };
  std::deque<SeitenAntwort> seiten;
  std::deque<DruckerAntwort> druckerwahl;
  QStringList druckDialoge;  // "SeiteEinrichten" / "DruckerWaehlen", in order

  int Meldung(const QString& text, int stil, const QString& titel) override;
  QString DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                       const QString& startOrdner) override;
  QColor FarbeWaehlen(const QColor& start, const QString& titel) override;
  bool Bestaetigen(const QString& welcherDialog) override;
  bool OeffneAdresse(const QUrl& adresse) override;
  bool SeiteEinrichten(QPrinter& drucker, std::array<long, 4>& raender) override;
  bool DruckerWaehlen(QPrinter& drucker, bool& nurAuswahl) override;
};
