// Filling the windows' combo boxes from the database: the entries come from
// DBGKlasse::Listenzeilen; these put them into the box and select the chosen one.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

#include "data/DBGKlasse.h"

class QComboBox;

// Fills `Liste` with the entries of `q` (the box is left as it is when the query
// fails). `IdWerte`, when given and `q.IdFeld` is set, receives the keys: element 0
// unused, then one per row with a key, one empty element after the last. The selected
// entry is set with the box's signals on, as a click would. False when no rows were read.
bool FuelleComboBox(QComboBox* Liste, ComboQuelle& q, QStringList* IdWerte = nullptr);
// FuelleComboBox for a list shown again and again, such as those of the scorecard: a box
// last filled here from the same statement and values keeps its entries and only has the
// entry of `q.Auswahlwert` selected, as the fill would select it, until the notifier tells
// of a change to `q.Tabelle` or of the file taken over, or another connection changed the
// database. The entries read for each source are kept as long: a box that shows the tees of
// another course takes them without a read. Without ids or a leading entry.
bool FuelleComboBoxBeiBedarf(QComboBox* Liste, ComboQuelle& q);
// Whether the box holds what FuelleComboBoxBeiBedarf filled it with from `q` (its selection
// aside) with an entry for the key `wert`.
bool HaeltSchluessel(const QComboBox* Liste, const ComboQuelle& q, const QString& wert);
// The usual list: the names of a table in ascending order, the row whose `Auswahlfeld`
// equals `Auswahlwert` selected.
bool FuelleListe(QComboBox* Liste, const QString& Tabelle, const QString& Anzeigefeld, const QString& Auswahlfeld = {},
                 const QVariant& Auswahlwert = {});
// Fills a list box again with `fuellen` and has it show what it showed (a name renamed
// from `alterName` as `neuerName`): the entry of that text selected, or the text alone when
// no entry has it. The program sets the box, its signals held: nothing counts as typed.
void FuelleUndZeigeWeiter(QComboBox* Liste, const std::function<void()>& fuellen, const QString& alterName = {},
                          const QString& neuerName = {});
