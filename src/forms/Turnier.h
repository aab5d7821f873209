// The tournament editor "Turnier": one tournament at a time with its name, date, course,
// game type, handicap limit, number of holes and a remark. Its controls are public
// members named like the fields.
#pragma once

#include <QString>

#include "data/Stammdaten.h"
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

  QLineEdit* Turniernummer = nullptr;  // hidden key of the tournament shown
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
  // The date box as the tournament was loaded (or its date last stored): while it holds
  // that text the date is neither checked nor written, whatever the row holds.
  QString DatumWieGeladen;

  // Loads the fields from the tournament, the course and game-type lists included.
  void ZeigeTurnier(const Turnierdaten& Turnier);
  // Copies the fields into the tournament. A course or game type not in its list shows
  // message 153 or 215, is emptied, and leaves the value's key as it is; so does the
  // number of holes while no box is ticked, and a list or the date box that shows what it
  // showed as the tournament was loaded (a key or date the program cannot read stays).
  void LiesTurnier(Turnierdaten& Turnier);
  // The tournament as the editor holds it, without a check or a box: the stored tournament
  // with the fields as typed over it; a course or game type not in its list, and a date
  // that is no date, stay as stored.
  Turnierdaten GezeigtesTurnier() const;
  // Takes the fields as they show now for the fields as loaded.
  void MerkeWieGeladen();

  // The hole-count boxes act as one choice: ticking one unticks the others, and the
  // other number of holes can be typed only while "Sonstige" is ticked.
  void OptionLoch18_Click(int Index);
  // Checks on leaving a field: the date is rewritten in the language's form (message 178
  // when it is no date); a course or game type that is not in its list is emptied
  // (messages 153 and 215; an empty game type passes).
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
  // The name, handicap, remark and the number of holes (ticked and other) into `t`.
  void LiesTextfelder(Turnierdaten& t) const;
  bool m_pruefungLaeuft = false;
  QString m_platzWieGeladen, m_spielartWieGeladen;
  bool m_platzOhneEintrag = false;  // the stored course is none of the list
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
