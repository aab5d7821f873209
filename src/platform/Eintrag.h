// One entry of a record as a window holds it: the value stored as loaded (also one the
// program cannot read, kept as it is), the text shown, the text before the typing, whether
// the user typed since the program set it, and whether the last check refused it.
//
// The one rule for a refused entry lives here: it gets back what it held before the typing
// (VorherigerText), so that a typo never leaves less than was there; an entry whose refused
// text stays for correction (TextBleibt: a header number, a date) keeps what was typed and
// stays refused until it is taken or the program sets it anew. A store writes an entry only
// when the user typed into it and it no longer shows the text it had as loaded or stored
// (ZuSchreiben); a value the program cannot read is then neither judged nor rewritten.
#pragma once

#include <QString>
#include <QVariant>

class Eintrag {
 public:
  enum class BeiAblehnung {
    VorherigerText,  // the text before the typing comes back
    TextBleibt,      // the text typed stays, to be corrected
  };

  explicit Eintrag(BeiAblehnung politik = BeiAblehnung::VorherigerText) : m_politik(politik) {}

  // The program sets the entry: a record loaded, or stored with this value. `text` is what
  // the box shows of `gespeichert`. Nothing is typed, nothing refused.
  void Lade(const QVariant& gespeichert, const QString& text);
  // The program shows another text without the user typing (a value the card's rules
  // derive, a list's entry renamed): the text as loaded stays, so it counts as typed only
  // when the user types.
  void Zeige(const QString& text);
  // The user begins to type into the entry (its box got the focus): the text shown now is
  // the text before the typing, unless what was typed before has not been judged yet (the
  // focus came back before the check ran).
  void BeginneEingabe();
  // The user typed (or picked from the box's list): the text the box shows now.
  void Tippe(const QString& text);
  // The check took what was typed: it is the text before the next typing.
  void Angenommen();
  // The check refused it. Returns the text the box is to show: by the entry's policy the
  // text before the typing, or the text typed.
  const QString& Abgelehnt();
  // The record was stored: the entry's value as it stands in the row now, shown as `text`.
  void Gespeichert(const QVariant& wert, const QString& text) { Lade(wert, text); }

  const QVariant& WieGeladen() const { return m_geladen; }
  const QString& TextWieGeladen() const { return m_textGeladen; }
  const QString& Text() const { return m_text; }
  const QString& TextVorEingabe() const { return m_vorher; }
  bool IstGetippt() const { return m_getippt; }
  bool IstAbgelehnt() const { return m_abgelehnt; }
  BeiAblehnung Politik() const { return m_politik; }
  // What a store writes: the user typed into it, and it shows another text than as loaded.
  bool ZuSchreiben() const { return m_getippt && m_text != m_textGeladen; }

 private:
  BeiAblehnung m_politik;
  QVariant m_geladen;
  QString m_textGeladen;
  QString m_text;
  QString m_vorher;
  bool m_getippt = false;
  bool m_abgelehnt = false;
  bool m_offen = false;  // typed since the last check
};
