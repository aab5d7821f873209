// Golfers and handicap history: tab_golfer and tab_HdcpHistorie as values.
#include <QSqlQuery>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"

namespace {

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant NullDouble() { return QVariant(QMetaType::fromType<double>()); }
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }
QVariant ZahlOderNull(const std::optional<double>& z) { return z ? QVariant(*z) : NullDouble(); }

QString Text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }
std::optional<double> Zahl(const QVariant& v) {
  if (v.isNull()) return std::nullopt;
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? std::optional<double>(d) : std::nullopt;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The active golfer

QString DBGKlasse::Gib_AktivenGolfer() {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE \"Aktueller Golfer\" <> 0 "
                                    "ORDER BY rowid LIMIT 1")))
    return QString();
  if (!q.next() || q.value(0).isNull()) return QString();
  return q.value(0).toString();
}

void DBGKlasse::Set_AktivenGolfer(const QString& Golferidn) {
  // Only the flags that say otherwise are written: the golfer flagged already keeps the
  // flag, and nothing is written when nothing differs. The flag is no change of the user's:
  // a read-only database keeps the one it has, and nothing is said about it.
  if (NurLesen()) return;
  const QString anders = QStringLiteral(
      "Golferidn IS NOT NULL AND CASE WHEN Golferidn = ? COLLATE BINARY THEN COALESCE(\"Aktueller Golfer\", 0) = 0 "
      "ELSE COALESCE(\"Aktueller Golfer\", 0) <> 0 END");
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT EXISTS (SELECT 1 FROM tab_golfer WHERE %1)").arg(anders), {Golferidn}) ||
      !q.next() || !q.value(0).toBool())
    return;
  Ausfuehren(q,
             QStringLiteral("UPDATE tab_golfer SET \"Aktueller Golfer\" = CASE WHEN Golferidn = ? COLLATE BINARY "
                            "THEN 1 ELSE 0 END WHERE %1")
                 .arg(anders),
             {Golferidn, Golferidn});
}

// ---------------------------------------------------------------------------------------
// Golfers

long DBGKlasse::AnzahlGolfer() {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT COUNT(*) FROM tab_golfer")) || !q.next()) return -1;
  return long(q.value(0).toLongLong());
}

QString DBGKlasse::SucheGolfer(const QString& Golfername) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer WHERE Golfername = ? ORDER BY rowid LIMIT 1"),
                  {Golfername}) ||
      !q.next())
    return QString();
  return Text(q.value(0));
}

QString DBGKlasse::LetzterGolfer() {
  QSqlQuery q;
  // The last row itself, whatever its name.
  if (!Ausfuehren(q, QStringLiteral("SELECT Golferidn FROM tab_golfer ORDER BY rowid DESC LIMIT 1")) || !q.next())
    return QString();
  return Text(q.value(0));
}

QString DBGKlasse::LegeGolferAn() {
  const QString id = GibId(QStringLiteral("Tab_Golfer"), QStringLiteral("Golferidn"));
  if (id.isEmpty()) return QString();
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("INSERT INTO tab_golfer (Golferidn) VALUES (?)"), {id})) return QString();
  Melde([id] { emit Aenderungen().Angelegt(Datensatzart::Golfer, id, QString()); });
  return id;
}

std::optional<Golferdatensatz> DBGKlasse::ReadGolferdaten(const QString& Golferidn) {
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Golferidn, Golfername, Stammvorgabe, Handicap, Heimatclub, "
                                 "\"Aktueller Golfer\", \"NächsterFreitag\" FROM tab_golfer WHERE Golferidn = ?"),
                  {Golferidn}))
    return std::nullopt;
  if (!q.next()) return std::nullopt;
  Golferdatensatz g;
  g.Golferidn = Text(q.value(0));
  g.Golfername = Text(q.value(1));
  g.Stammvorgabe = Zahl(q.value(2));
  g.Handicap = Zahl(q.value(3));
  g.Heimatclub = Text(q.value(4));
  g.AktuellerGolfer = !q.value(5).isNull() && q.value(5).toLongLong() != 0;
  g.NaechsterFreitag = Text(q.value(6));
  return g;
}

bool DBGKlasse::WriteGolferdaten(const Golferdatensatz& g, unsigned Felder) {
  QStringList setze, gleich;
  QVariantList werte;
  const auto feld = [&](unsigned f, const char* name, const char* vergleich, const QVariant& wert) {
    if (!(Felder & f)) return;
    setze << QString::fromLatin1(name) + QStringLiteral(" = ?");
    gleich << QString::fromLatin1(name) + QLatin1String(vergleich);
    werte << wert;
  };
  feld(GF_NAME, "Golfername", " IS ? COLLATE BINARY", TextOderNull(g.Golfername));
  feld(GF_STAMMVORGABE, "Stammvorgabe", " IS ?", ZahlOderNull(g.Stammvorgabe));
  feld(GF_HANDICAP, "Handicap", " IS ?", ZahlOderNull(g.Handicap));
  if (!g.Heimatclub.isEmpty()) feld(GF_HEIMATCLUB, "Heimatclub", " IS ? COLLATE BINARY", g.Heimatclub);
  if (setze.isEmpty()) return true;
  QString sql = QStringLiteral("UPDATE tab_golfer SET ") + setze.join(QStringLiteral(", "));
  const std::optional<bool> abweichend =
      WeichtAb(QStringLiteral("tab_golfer"), QStringLiteral("Golferidn"), g.Golferidn, gleich, werte);
  if (!abweichend) return false;
  if (!*abweichend) return true;
  const QString alterName = gib_tab_eintrag(QStringLiteral("tab_golfer"), QStringLiteral("Golferidn"), g.Golferidn,
                                            QStringLiteral("Golfername"));
  sql += QStringLiteral(" WHERE Golferidn = ?");
  werte << g.Golferidn;
  QSqlQuery u;
  if (!Ausfuehren(u, sql, werte) || u.numRowsAffected() <= 0) return false;
  Melde([id = g.Golferidn, alterName, neuerName = (Felder & GF_NAME) ? g.Golfername : alterName] {
    if (alterName != neuerName) emit Aenderungen().Umbenannt(Datensatzart::Golfer, id, alterName, neuerName);
    emit Aenderungen().Geaendert(Datensatzart::Golfer, id);
  });
  return true;
}

bool DBGKlasse::LoescheGolferMitKarten(const QString& Golferidn) {
  // The golfer's scorecards and history rows go with it, or nothing goes.
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    return Ausfuehren(q, QStringLiteral("DELETE FROM Greenlogs WHERE Golfernummer = ?"), {Golferidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_HdcpHistorie WHERE Golfernummer = ?"), {Golferidn}) &&
           // Personal records carry the golfer's key at the end of their scope key.
           Ausfuehren(
               q, QStringLiteral("DELETE FROM tab_Records WHERE substr(MonatOderJahr, -(length(?) + 3)) = ' - ' || ?"),
               {Golferidn, Golferidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_golfer WHERE Golferidn = ?"), {Golferidn});
  });
  if (ok) Melde([Golferidn] { emit Aenderungen().Geloescht(Datensatzart::Golfer, Golferidn); });
  // Like every row deletion, the next operation works on a fresh connection.
  m_neuOeffnen = true;
  return ok;
}

// ---------------------------------------------------------------------------------------
// Handicap history

QList<Handicapeintrag> DBGKlasse::LiesHdcpHistorie(const QString& Golferidn) {
  QList<Handicapeintrag> zeilen;
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Satznr, Golfernummer, Datum, Golfplatzbez, Bemerkungen, Spielart, "
                                 "GewNettoStable, Stammvorgabe, Handicap FROM tab_HdcpHistorie WHERE Golfernummer = ? "
                                 "ORDER BY Datum DESC, CAST(Satznr AS INTEGER) DESC, Satznr DESC"),
                  {Golferidn}))
    return zeilen;
  while (q.next()) {
    Handicapeintrag e;
    e.Satznr = Text(q.value(0));
    e.Golfernummer = Text(q.value(1));
    e.Datum = GespeichertesDatum(Text(q.value(2)));
    e.Golfplatzbez = Text(q.value(3));
    e.Bemerkungen = Text(q.value(4));
    e.Spielart = Text(q.value(5));
    e.GewNettoStable = Zahl(q.value(6));
    e.Stammvorgabe = Zahl(q.value(7));
    e.Handicap = Zahl(q.value(8));
    zeilen << e;
  }
  return zeilen;
}

bool DBGKlasse::WriteHdcphistorie(Handicapeintrag& e, unsigned Felder) {
  const bool neu = e.Satznr.isEmpty();
  if (neu) {
    e.Satznr = GibId(QStringLiteral("tab_HdcpHistorie"), QStringLiteral("Satznr"));
    if (e.Satznr.isEmpty()) return false;
  }
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT COUNT(*) FROM tab_HdcpHistorie WHERE Satznr = ?"), {e.Satznr}) || !q.next())
    return false;
  const bool vorhanden = q.value(0).toLongLong() > 0;
  // A row not stored yet is stored whole.
  if (!vorhanden) Felder = HF_ALLE;

  QStringList felder;
  QVariantList werte;
  auto setze = [&](unsigned feld, const char* name, const QVariant& wert) {
    if (!(Felder & feld)) return;
    felder << QString::fromLatin1(name);
    werte << wert;
  };
  setze(HF_DATUM, "Datum", e.Datum.isValid() ? QVariant(e.Datum.toString(Qt::ISODate)) : NullText());
  setze(HF_GOLFPLATZ, "Golfplatzbez", TextOderNull(e.Golfplatzbez));
  setze(HF_BEMERKUNG, "Bemerkungen", TextOderNull(e.Bemerkungen));
  setze(HF_SPIELART, "Spielart", TextOderNull(e.Spielart));
  setze(HF_NETTOPUNKTE, "GewNettoStable", ZahlOderNull(e.GewNettoStable));
  setze(HF_STAMMVORGABE, "Stammvorgabe", ZahlOderNull(e.Stammvorgabe));
  setze(HF_STAMMVORGABE, "Handicap", ZahlOderNull(e.Handicap));
  felder << QStringLiteral("Golfernummer");
  werte << TextOderNull(e.Golfernummer);

  QSqlQuery u;
  if (vorhanden) {
    QStringList zuweisungen;
    for (const QString& f : felder) zuweisungen << f + QStringLiteral(" = ?");
    werte << e.Satznr;
    return Ausfuehren(
        u,
        QStringLiteral("UPDATE tab_HdcpHistorie SET %1 WHERE Satznr = ?").arg(zuweisungen.join(QStringLiteral(", "))),
        werte);
  }
  QStringList platz(felder.size() + 1, QStringLiteral("?"));
  werte.prepend(e.Satznr);
  return Ausfuehren(u,
                    QStringLiteral("INSERT INTO tab_HdcpHistorie (Satznr, %1) VALUES (%2)")
                        .arg(felder.join(QStringLiteral(", ")), platz.join(QStringLiteral(", "))),
                    werte);
}

bool DBGKlasse::LoescheHistorieneintrag(const QString& Satznr) {
  return DelDS(QStringLiteral("tab_HdcpHistorie"), QStringLiteral("Satznr"), Satznr);
}
