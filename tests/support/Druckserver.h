// Printing in the tests never reaches a printer of the machine. Before the application
// starts, AbgeschirmterDruck() points the CUPS client of the test process at a socket and
// a configuration folder of the process's own, where nothing answers: the tests see no
// printer and print into PDF files. A test that needs an installed printer starts a CUPS
// server of its own on exactly that socket (Druckserver), with queues that write every
// job into a folder, and stops it again; without cupsd on the machine it is skipped.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Sets CUPS_SERVER and CUPS_SERVERROOT to folders of this process and clears the
// variables that name a default printer. Called once, before the application object.
void AbgeschirmterDruck();

class Druckserver {
 public:
  // A job as the queue received it: the document and the name it was sent under.
  struct Auftrag {
    QString datei;
    QString name;
  };

  ~Druckserver();
  // True when cupsd is installed.
  static bool Verfuegbar();
  // Starts the server with the named queues (the first one the default printer when
  // `standard` is set); each takes PDF, knows A4 and Letter and prints on both sides.
  // False, with the reason in Fehler(), when it did not come up.
  bool Starte(const QStringList& warteschlangen, bool standard);
  QString Fehler() const { return m_fehler; }
  // The jobs received whole so far, oldest first; waits up to `sekunden` for at least
  // `mindestens` of them.
  QList<Auftrag> Auftraege(int mindestens = 0, int sekunden = 10) const;
  // The jobs the server took, done or not yet.
  int Auftragszahl() const;

 private:
  bool lpadmin(const QStringList& argumente);
  void Stoppe();
  std::unique_ptr<QTemporaryDir> m_ordner;
  QProcess m_cupsd;
  QString m_ausgabe;
  QString m_fehler;
};
