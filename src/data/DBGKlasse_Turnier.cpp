// Tournaments: Tab_Turnier as values.
#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"

namespace {

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }
QString Text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

bool LeseIds(DBGKlasse& db, const QString& sql, QStringList& ids) {
  ids.clear();
  QSqlQuery q;
  if (!db.Ausfuehren(q, sql)) return false;
  while (q.next()) ids << Text(q.value(0));
  return true;
}

}  // namespace

bool DBGKlasse::TurnierschluesselNachDatum(QStringList& ids) {
  // The key keeps tournaments of one day in a fixed order.
  if (!LeseIds(*this, QStringLiteral("SELECT Turniernummer FROM Tab_Turnier ORDER BY Datum ASC, rowid ASC"), ids))
    return false;
  m_Anzahl = ids.size();
  return true;
}

bool DBGKlasse::Turnierschluessel(QStringList& ids) {
  if (!LeseIds(*this, QStringLiteral("SELECT Turniernummer FROM Tab_Turnier ORDER BY Turniernummer"), ids))
    return false;
  m_Anzahl = ids.size();
  return true;
}

QString DBGKlasse::LegeTurnierAn(const QString& Name) {
  const QString nummer = GibId(QStringLiteral("tab_turnier"), QStringLiteral("Turniernummer"));
  if (nummer.isEmpty()) return QString();
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("INSERT INTO Tab_Turnier (Turniernummer, Datum, LochOption, Turniername) "
                                 "VALUES (?, ?, 1, ?)"),
                  {nummer, QDate::currentDate().toString(Qt::ISODate), TextOderNull(Name)}))
    return QString();
  Melde([nummer, Name] { emit Aenderungen().Angelegt(Datensatzart::Turnier, nummer, Name); });
  return nummer;
}

std::optional<Turnierdaten> DBGKlasse::ReadTurnierdaten(const QString& Turniernummer) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT * FROM Tab_Turnier WHERE Turniernummer = ?"), {Turniernummer}))
    return std::nullopt;
  if (!q.next()) return std::nullopt;
  m_Anzahl = 1;
  const QSqlRecord r = q.record();
  auto wert = [&](const char* feld) { return q.value(r.indexOf(QString::fromLatin1(feld))); };
  auto text = [&](const char* feld) { return Text(wert(feld)); };
  Turnierdaten t;
  t.Turniernummer = text("Turniernummer");
  t.Turniername = text("Turniername");
  const QString datum = text("Datum");
  t.Datum = GespeichertesDatum(datum);
  if (!t.Datum.isValid() && !IstLeer(datum)) t.UnlesbaresDatum = datum;
  t.GolfplatzNo = text("GolfplatzNo");
  t.SpielartNo = text("SpielartNo");
  t.TurnierHandicap = text("TurnierHandicap");
  t.TurnierBemerkung = text("TurnierBemerkung");
  const QVariant option = wert("LochOption");
  bool ok = false;
  const int o = option.toInt(&ok);
  if (!option.isNull() && ok) t.LochOption = o;
  t.SonstigeLochOption = text("SonstigeLochOption");
  return t;
}

bool DBGKlasse::WriteTurnier(const Turnierdaten& t, const QStringList* nur) {
  const QString alterName = gib_tab_eintrag(QStringLiteral("Tab_Turnier"), QStringLiteral("Turniernummer"),
                                            t.Turniernummer, QStringLiteral("Turniername"));
  auto mit = [&](const QString& feld) { return !nur || nur->contains(feld, Qt::CaseInsensitive); };
  QStringList spalten;
  QVariantList werte;
  auto setze = [&](const QString& feld, const QVariant& v) {
    if (!mit(feld)) return;
    spalten << feld + QStringLiteral(" = ?");
    werte << v;
  };
  setze(QStringLiteral("GolfplatzNo"), TextOderNull(t.GolfplatzNo));
  setze(QStringLiteral("SpielartNo"), TextOderNull(t.SpielartNo));
  setze(QStringLiteral("Turniername"), TextOderNull(t.Turniername));
  setze(QStringLiteral("TurnierHandicap"), TextOderNull(t.TurnierHandicap));
  setze(QStringLiteral("TurnierBemerkung"), TextOderNull(t.TurnierBemerkung));
  setze(QStringLiteral("SonstigeLochOption"), TextOderNull(t.SonstigeLochOption));
  // No number of holes chosen: the row keeps what it holds, also a value the program
  // cannot read.
  if (t.LochOption) setze(QStringLiteral("LochOption"), *t.LochOption);
  setze(QStringLiteral("Datum"), t.Datum.isValid() ? QVariant(t.Datum.toString(Qt::ISODate)) : NullText());
  // Nothing to write still finds the row.
  if (spalten.isEmpty()) spalten << QStringLiteral("Turniernummer = Turniernummer");
  werte << t.Turniernummer;
  QSqlQuery u;
  if (!Ausfuehren(u,
                  QStringLiteral("UPDATE Tab_Turnier SET ") + spalten.join(QStringLiteral(", ")) +
                      QStringLiteral(" WHERE Turniernummer = ?"),
                  werte) ||
      u.numRowsAffected() <= 0)
    return false;
  const QString neuerName = mit(QStringLiteral("Turniername")) ? t.Turniername : alterName;
  Melde([id = t.Turniernummer, alterName, neuerName] {
    if (alterName != neuerName) emit Aenderungen().Umbenannt(Datensatzart::Turnier, id, alterName, neuerName);
    emit Aenderungen().Geaendert(Datensatzart::Turnier, id);
  });
  return true;
}

Loeschergebnis DBGKlasse::LoescheTurnierMitVerweisen(const QString& Turniernummer) {
  bool geloescht = false;
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("DELETE FROM Tab_Turnier WHERE Turniernummer = ?"), {Turniernummer}))
      return false;
    geloescht = q.numRowsAffected() > 0;
    // The scorecards stay; they no longer name the tournament.
    return Ausfuehren(q, QStringLiteral("UPDATE Greenlogs SET TurnierNameKarte = NULL WHERE TurnierNameKarte = ?"),
                      {Turniernummer});
  });
  m_neuOeffnen = true;
  if (!ok) return Loeschergebnis::Fehler;
  if (geloescht) Melde([Turniernummer] { emit Aenderungen().Geloescht(Datensatzart::Turnier, Turniernummer); });
  return geloescht ? Loeschergebnis::Geloescht : Loeschergebnis::NichtGefunden;
}
