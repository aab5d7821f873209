// The two implementations of the dialog door (platform/Dialoge.h): the Qt dialogs of the
// running program, and the scripted answers of the tests.
#pragma once

#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Dialoge.h"

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
  std::deque<int> antworten;        // for Meldung
  std::deque<QString> dateien;      // for DateiOeffnen and DateiSpeichern ("" = cancel)
  std::deque<QColor> farben;        // for FarbeWaehlen
  std::deque<bool> bestaetigungen;  // for Bestaetigen
  std::vector<Box> gezeigt;         // every message box shown, in order
  QList<QUrl> geoeffnet;            // addresses handed to the desktop
  bool programmDa = true;           // false: the desktop has no program to open them
  QStringList dateiDialoge;         // titles of file dialogs shown
  QStringList vorschlaege;          // the paths the save-file dialogs proposed
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
  QStringList druckDialoge;       // "SeiteEinrichten" / "DruckerWaehlen", in order
  QStringList angeboteneDrucker;  // the printer list the last of them offered, as shown

  int Meldung(const QString& text, int stil, const QString& titel) override;
  // A box due while the session ended is recorded in `gezeigt` as well.
  void Ungezeigt(const QString& text, int stil, const QString& titel) override {
    gezeigt.push_back({text, stil, titel});
  }
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
