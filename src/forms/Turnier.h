// The tournament editor "Turnier": one tournament at a time with its name, date, course,
// game type, handicap limit, number of holes and a remark. Its controls are public
// members named like the fields.
#pragma once

#include <QString>

#include "data/Stammdaten.h"
#include "platform/Eintrag.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// A game type typed into the tournament editor that is none of its list.
inline constexpr int MELDUNG_TURNIERSPIELART_NICHT_IN_LISTE = 215;

class Turnier : public Formular {
  Q_OBJECT
 public:
  Turnier();

  QLineEdit* Turniernummer = nullptr;  // hidden, shows the key of the tournament shown
  QLineEdit* Turniername = nullptr;
  QLineEdit* Datum = nullptr;  // the date in the language's form
  QComboBox* GolfplatzNo = nullptr;
  QComboBox* SpielartNo = nullptr;
  QLineEdit* TurnierHandicap = nullptr;
  Steuerfeld<QCheckBox> OptionLoch18;  // 1-5: " 18", "36", "54", "72", "Sonstige"
  QLineEdit* LochzahlSonstige = nullptr;
  QPlainTextEdit* TurnierBemerkung = nullptr;

  // Keeps the hole-count boxes from reacting to their own changes.
  bool Sperre = false;

  // The number of the tournament shown; empty while the editor shows none.
  const QString& Nummer() const { return m_turnier.Turniernummer; }
  // The tournament as it was loaded or last stored.
  const Turnierdaten& GeladenesTurnier() const { return m_turnier; }

  // Shows the tournament: its record as loaded, every entry as stored, the course and
  // game-type lists included.
  void ZeigeTurnier(const Turnierdaten& Turnier);
  // Clears the record and the fields.
  void LeereTurnier();
  // Puts into the tournament what the user typed or changed since it was loaded or
  // stored, and gives the table's fields put (the others keep what the row holds). A
  // course or game type not in its list shows message 153 or 215 and gets back what it
  // held before the typing (as the program ends it is noted instead); it stays as stored,
  // as the number of holes does while no box is ticked. The date is not put here: the
  // store judges it.
  QStringList LiesTurnier(Turnierdaten& Turnier);
  // The tournament after the editor's rules, as it is shown after its checks and stored:
  // the tournament as loaded with what was typed over it; a course or game type not in its
  // list and a date that is no date stay as loaded. Neither a message nor a box changes.
  Turnierdaten GezeigtesTurnier();
  // The entry of the date, taken up with the box's text.
  Eintrag& Datumseintrag();
  // The tournament is stored with what `Turnier` holds; a date refused (`mitDatum` false)
  // stays typed.
  void TurnierGespeichert(const Turnierdaten& Turnier, bool mitDatum);
  // Whether the user typed or changed anything since the tournament was loaded or stored.
  bool HatEingaben();
  // The database file was taken over: the tournament and the lists as that file holds
  // them, what the user typed or changed kept over them (to be stored there).
  void FolgeDateiwechsel();

  // The hole-count boxes act as one choice: ticking one unticks the others, and the
  // other number of holes can be typed only while "Sonstige" is ticked.
  void OptionLoch18_Click(int Index);
  // Checks on leaving a field: the date is rewritten in the language's form (message 178
  // when it is no date); a course or game type that is not in its list gets back
  // what its box held before the typing (messages 153 and 215; an empty game type passes).
  void Datum_LostFocus();
  void GolfplatzNo_LostFocus();
  void SpielartNo_LostFocus();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;
  bool eventFilter(QObject* obj, QEvent* ev) override;

 private:
  void SetzeKontexte();
  // The boxes' texts taken into their entries.
  void NimmEintraege();
  // The name, handicap, remark and the number of holes (ticked and other) typed or changed
  // into `t`; the fields put into `spalten`.
  void LiesTextfelder(Turnierdaten& t, QStringList& spalten);
  bool m_pruefungLaeuft = false;

  // The tournament's record: as loaded, and one entry per field the user types into.
  Turnierdaten m_turnier;
  Eintrag m_name;
  Eintrag m_datum{Eintrag::BeiAblehnung::TextBleibt};
  Eintrag m_platz;
  Eintrag m_spielart;
  Eintrag m_handicap;
  Eintrag m_sonstige;
  Eintrag m_bemerkung;
  Eintragsbinder m_binder;
};

// The window's single instance, created and loaded on first use.
Turnier& TurnierForm();

// Clears the tournament fields of the editor.
void LoescheTurnierFelder();

// ---- The tournament editor and its records (Turnier_Datensatz.cpp) ----
// Saves the tournament shown, creates the next one (today, 18 holes) and shows it.
bool NeuTurnier(const QString& Name);
// Loads one tournament into the editor; message 50 and false when it does not exist.
bool ReadTurnierdaten(const QString& Turniernummer);
// Shows the editor at that tournament, or at the latest by date for "LAST"; on an empty
// table a first one is created. Asks the course editor to close. Gives the number shown.
QString GotoTurnier(const QString& Turniernummer);
// Writes the editor into the row of that number; false when no row, when the date is no
// date (message 178; the stored date stays) or after an error (one box saying why).
bool WriteTurnier(const QString& Turniernummer);
// The same as the editor closes, which a date it cannot take does not stop: the stored
// date stays, the rest is stored and one box names the date (as the program ends, the
// end's box). False when nothing could be stored.
bool WriteTurnierBeimSchliessen(const QString& Turniernummer);
// Whether the last WriteTurnier stored nothing though there was a tournament to store:
// closing the editor must not lose it.
bool TurnierNichtGespeichert();
// Saves the tournament shown, then steps to the previous (1) or next (any other) one in
// the order of the numbers.
void ScrollTurnier(int Richtung);
