// The two statistics windows share this base: the header, the selection of the analysis
// it shows, one boxed label per cell of each statistic line, and the three views of the
// computed table (values, stored records, counts). Closing switches back to the values
// and offers to save the new records.
#pragma once

#include <QFont>
#include <QHash>
#include <QVector>

#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"
#include "records/Rekorde.h"
#include "statistics/Anzeige.h"
#include "statistics/Statistiktabelle.h"

#include <exception>

#include "data/Global.h"

class QCheckBox;
class QLabel;

// The selection a statistics window shows: the query of its rounds, the course, the kind
// of period ("DontSave" when its records are not kept) and which one, and the period's
// dates as the analysis page gave them.
struct Auswertungsauswahl {
  QString SQL;
  QString GolfplatzIdn;
  QString MonatOderJahr;
  QString Wann;
  QString Startdatum;
  QString Enddatum;
};

// The header of a statistics window as values: the whole names, the number of rounds
// evaluated ("" before the first computation) and whether only handicap rounds count.
struct Auswertungskopf {
  QString Golfername;
  QString Platzname;
  QString Runden;
  bool Vorgabewirksam = false;
};

class Auswertungsfenster : public Formular {
  Q_OBJECT
 public:
  enum class Ansicht { Werte, Rekorde, Zahlen };

  Auswertungsfenster(const QString& name, Statistikart art);

  // The golfer whose rounds the window shows: its records are compared, shown and saved
  // under this golfer whoever is active when that happens.
  QString Golferidn;

  // The selection shown, as the analysis gave it.
  const Auswertungsauswahl& Auswahl() const { return m_auswahl; }
  void SetzeAuswahl(const Auswertungsauswahl& a) { m_auswahl = a; }
  // The header shown, and what sets it.
  const Auswertungskopf& Kopf() const { return m_kopf; }
  void SetzeVorgabewirksam(bool an);
  void SetzeRundenzahl(int runden);

  // Shows a computed table in the values view.
  void ZeigeTabelle(const Statistiktabelle& t);
  const Statistiktabelle& Tabelle() const { return m_tabelle; }
  // Every cell as the view on screen shows it (text, colour, shown or not).
  const Anzeige& Angezeigt() const { return m_anzeige; }
  Ansicht AktuelleAnsicht() const { return m_ansicht; }
  // The stored records of this window's selection on or off (back to the values).
  void ZeigeRekorde(bool an);
  // The result-class lines as counts on or off.
  void ZeigeZahlen(bool an);
  // The scope key of this window's records: period kind, course and the golfer shown.
  QString Schluessel() const;
  bool IstDontSave() const;
  // Golfer and course in the header, cut with an ellipsis where they do not fit (the
  // tooltip keeps the whole name).
  void SetzeNamen(const QString& golfer, const QString& platz);

 protected:
  // The header follows the notifier: the golfer or course of the analysis renamed shows
  // under the new name. Connected by the load handlers.
  void FolgeAenderungen();
  // Header.
  QLabel* Golfername = nullptr;
  QLabel* PlatzName = nullptr;
  QLabel* Rundenzahl = nullptr;  // "AnzahlRunden" or "Runden"
  QCheckBox* VW_chek = nullptr;
  QLabel* Label29 = nullptr;  // caption of VW_chek
  QLabel* Label30 = nullptr;  // caption of the rounds count
  // The cells of a line by its control-array name.
  const Steuerfeld<QLabel>& Zellen(const QString& name) const;
  // The "%" signs of the nine result-class lines (1..9).
  Steuerfeld<QLabel> Einheiten;

  QLabel* NeueZelle(const QString& name, int index, int links, int oben, int breite);
  QLabel* NeueUeberschrift(const QString& name, const QString& text, int tag, int links, int oben, int breite,
                           int hoehe = 285);
  QLabel* NeuesZeichen(const QString& name, const QString& text, int links, int oben, bool durchschnitt);
  // After the captions are translated: the rounds count and the check box follow their
  // captions, and the frame grows until the last line of cells is inside it.
  void OrdneKopfUndRahmen();
  // Common first steps of closing: both views off, then the question whether to save.
  void SchliesseAnsichtenUndFrage();
  void Zeichne(const Anzeige& a);

  Statistikart m_art;
  Auswertungsauswahl m_auswahl;
  Auswertungskopf m_kopf;
  Statistiktabelle m_tabelle;
  Anzeige m_anzeige;
  Ansicht m_ansicht = Ansicht::Werte;
  QHash<QString, Steuerfeld<QLabel>> m_zellen;
  QFont m_zellenschrift;
  int m_schmalsteZelle = 0;
};

// Asks message 25 when the window holds cells that beat a record and saves them on Yes.
void FrageSpeichernAuswertung(Auswertungsfenster& f);

// Runs a handler of a statistics window under the common error trap.
template <class F>
void MitFehlerfalleFenster(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    Fehlerbox(QString::fromUtf8(e.what()));
  }
}
