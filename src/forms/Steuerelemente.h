// Building blocks of the entry windows: controls created with their control name (and,
// for captions, their translation number).
#pragma once

#include <QString>
#include <functional>

class QComboBox;
class QFocusEvent;
class QLabel;
class QLineEdit;
class QObject;
class QWidget;

// The main window's caption while a window shows a golfer: the product title first, then
// the word "Golfer" and the name.
QString Golfertitel(const QString& name);
// The object name of element `index` of a control array ("ScoreLoch_7").
QString Feldname(const QString& name, int index);
// A caption; `tag` 0 carries no translation number.
QLabel* NeuesLabel(QWidget* eltern, const QString& name, const QString& text, int tag = 0);
QLineEdit* NeuesTextfeld(QWidget* eltern, const QString& name);
// Lets the user type at most `zeichen` characters into the box. Unlike the box's own
// maximum length, a text the program puts there (a stored value) is shown whole, in a
// smaller type where it is wider than the box, and the user may shorten it.
void BegrenzeEingabe(QLineEdit* t, int zeichen);
// Shows `text` in the label, cut with an ellipsis where it is wider than the label; the
// tooltip keeps the whole text.
void SetzeGekuerzt(QLabel* l, const QString& text);
// The whole text of a label set by SetzeGekuerzt (its own text otherwise).
QString VollerText(const QLabel* l);
// An editable list that only takes its own items. Its list drops down when the user
// moves into it; Tab, Shift+Tab and Enter move on from the open list too.
QComboBox* NeueListe(QWidget* eltern, const QString& name);
// Whether a focus event of `feld` is the user (or the program) moving between fields: not
// one that comes from a pop-up (a combo box's own list included), a menu or another
// window, nor one of a window that is closing, nor the leaving of a field by
// SetzeFokusOhnePruefung.
bool IstFeldwechsel(const QObject* feld, const QFocusEvent* e);
// Moves the focus for the program where the user did not leave the field that had it
// (onto the first field of a record New has just shown, off a field a page change put
// the focus on): that field's leave check does not run.
void SetzeFokusOhnePruefung(QWidget* feld);
// Calls `f` with the field that has just got the focus whenever the focus moves to a field
// of `fenster`, also when it came there unannounced (moved while a message box held the
// activation, or without the leave events of SetzeFokusOhnePruefung). For the windows that
// show the field with the focus in colours of their own.
void BeiFokuswechsel(QWidget* fenster, std::function<void(QWidget*)> f);
// True while SetzeFokusOhnePruefung moves the focus: for a leave handler that does not
// ask IstFeldwechsel.
bool FokusOhnePruefung();
