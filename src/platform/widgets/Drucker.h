// The program's one current printer and the print jobs on it. The current printer is an
// installed printer or the PDF file (the start when none is installed); the page set-up
// and the printer choice change it, and every printout runs on it. A job on the PDF file
// writes the file given for that one job, and the file appears only when the job came
// out whole. A job that switches the orientation puts the orientation back when it ends,
// and a job that fails says why instead of passing for done.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Orientation codes: 1 portrait, 2 landscape.
inline constexpr int HOCHFORMAT = 1;
inline constexpr int QUERFORMAT = 2;

enum class DruckErgebnis {
  Gedruckt,
  KeinDrucker,           // no printer set up (and no file to print to)
  KeineDatei,            // printing to a file, and no file was chosen
  DateiNichtSchreibbar,  // printing to a file that cannot be written
  Abgebrochen,           // the job was cancelled
  Fehlgeschlagen,        // the printer refused the job
};

// The current printer, created on first use.
QPrinter& AktuellerDrucker();
// Drops the current printer; the next use creates a fresh one (tests).
void DruckerFreigeben();

// The printers installed on this system, by name.
QStringList InstallierteDrucker();
// True when the current printer is the PDF file.
bool DruckerIstPdfDatei();
// Makes the named printer the one `p` prints on (the current printer unless given); an
// empty name or one not installed: the PDF file. Paper, orientation and margins stay.
void WaehleDrucker(const QString& name, QPrinter& p = AktuellerDrucker());
// The file the next job on the PDF file writes; that job takes it, and the job after
// it needs a file of its own.
void SetzeDruckdatei(const QString& pfad);

// What the dialogs may change on a printer, kept to put it back when they are cancelled.
struct Druckerstand {
  QString name;  // empty: the PDF file
  QPageLayout lage;
  int kopien = 1;
  int duplex = 0;
  int farbe = 0;
  int quelle = 0;
  int aufloesung = 0;
};
Druckerstand MerkeDrucker(const QPrinter& p);
void StelleDruckerWiederHer(QPrinter& p, const Druckerstand& s);

struct DruckerDaten {
  QString name;     // empty: printing to a file
  int ausrichtung;  // 1 or 2
  QString papier;   // paper size name
  int kopien;
  bool duplex;
  bool farbe;
};
DruckerDaten DruckerEigenschaften();
int DruckerAusrichtung();
void SetzeDruckerAusrichtung(int ausrichtung);

// True while a print job runs.
bool DruckLaeuft();
// Test hook: called after each page is drawn with the page number; returning false
// cancels the job there, as a user cancelling it in the print queue would.
std::function<bool(int)>& SeitenHaken();

// One print job on the current printer. The painter works in twips (1/1440 inch) with
// the origin at the top left of the printable area.
class Druckauftrag {
 public:
  // ausrichtung 0 prints in the printer's orientation; 1 or 2 switches to it for this job.
  // The name is the job's in the print queue and the PDF's title.
  explicit Druckauftrag(int ausrichtung = 0, const QString& name = QString());
  ~Druckauftrag();
  Druckauftrag(const Druckauftrag&) = delete;
  Druckauftrag& operator=(const Druckauftrag&) = delete;

  // Opens the document; false when it cannot be printed (Ergebnis() says why).
  bool Beginne();
  QPainter& Maler() { return m_maler; }
  // The printable area in twips.
  QRectF Seite() const { return m_seite; }
  // The whole sheet of paper in the same coordinates (it starts above and left of the
  // printable area where the printer cannot print up to the edges).
  QRectF Papier() const { return m_papier; }
  // Ends the page drawn so far and starts the next; false when the job stopped.
  bool NeueSeite();
  // Ends the document so that the printer receives it.
  DruckErgebnis Beende();
  DruckErgebnis Ergebnis() const { return m_ergebnis; }

 private:
  bool SeiteFertig();
  void Aufraeumen();
  void LegeDateiAb();
  QPainter m_maler;
  QString m_name;
  QString m_ziel;  // the PDF file chosen for this job
  QString m_teil;  // what the job writes until it came out whole
  QRectF m_seite;
  QRectF m_papier;
  int m_alteAusrichtung = 0;
  int m_seitennummer = 0;
  bool m_offen = false;
  bool m_beendet = false;
  DruckErgebnis m_ergebnis = DruckErgebnis::Gedruckt;
};

// Prints a widget rendered whole onto one page of the current printer, scaled to fit
// (never enlarged beyond the page), in the given orientation (0: the printer's own), as
// a job of the given name.
DruckErgebnis DruckeWidgetGanz(QWidget* w, int ausrichtung = 0, const QString& name = QString());
// Prints a widget whole onto one page inside the page's margins (left, top, right, bottom:
// twips from the paper's edges), as large as fits there on the widget's proportions,
// centred; never beyond the printable area.
DruckErgebnis DruckeWidgetImRand(QWidget* w, const QMarginsF& randTwips, int ausrichtung = 0,
                                 const QString& name = QString());
// Draws a widget and its children at the painter's origin in twips (15 per pixel), on
// white: labels, check boxes and rules as text and lines, other widgets as pictures.
void ZeichneWidgetbaum(QPainter& m, QWidget* w);
