// Courses and tees: Tab_Golfplatz and tab_Slope as values.
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "data/Aenderungen.h"
#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Lochfelder.h"

namespace {

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant NullZahl() { return QVariant(QMetaType::fromType<int>()); }
QVariant NullDouble() { return QVariant(QMetaType::fromType<double>()); }

// An empty text is stored as Null.
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }
QVariant ZahlOderNull(const std::optional<int>& z) { return z ? QVariant(*z) : NullZahl(); }
QVariant ZahlOderNull(const std::optional<double>& z) { return z ? QVariant(*z) : NullDouble(); }
QString Text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

// The text fields of a course and the members that hold them.
struct Textfeld {
  const char* feld;
  QString Golfplatzdaten::*wert;
};
const Textfeld TEXTFELDER[] = {
    {"Golfplatzname", &Golfplatzdaten::Golfplatzname},
    {"Golfplatzstraße", &Golfplatzdaten::Golfplatzstrasse},
    {"Golfplatzplz", &Golfplatzdaten::Golfplatzplz},
    {"Golfplatzort", &Golfplatzdaten::Golfplatzort},
    {"Golfplatztelefon", &Golfplatzdaten::Golfplatztelefon},
    {"Golfplatzfax", &Golfplatzdaten::Golfplatzfax},
    {"Golfplatzland", &Golfplatzdaten::Golfplatzland},
    {"GolfplatzInternet", &Golfplatzdaten::GolfplatzInternet},
    {"Greenfee", &Golfplatzdaten::Greenfee},
    {"Handicap", &Golfplatzdaten::Handicap},
    {"Golfplatzinfo", &Golfplatzdaten::Golfplatzinfo},
};

std::optional<int> Ganzzahl(const QVariant& v) {
  if (v.isNull()) return std::nullopt;
  bool ok = false;
  const int i = v.toInt(&ok);
  return ok ? std::optional<int>(i) : std::nullopt;
}
std::optional<double> Zahl(const QVariant& v) {
  if (v.isNull()) return std::nullopt;
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? std::optional<double>(d) : std::nullopt;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Courses

bool DBGKlasse::Golfplatzschluessel(QStringList& ids) {
  ids.clear();
  QSqlQuery q;
  // Without ORDER BY the table's own order: the order of insertion, the same for LAST
  // and for scrolling.
  if (!Ausfuehren(q, QStringLiteral("SELECT Golfplatzidn FROM Tab_Golfplatz ORDER BY rowid"))) return false;
  while (q.next()) ids << Text(q.value(0));
  m_Anzahl = ids.size();
  return true;
}

QString DBGKlasse::LegeGolfplatzAn(const QString& Name) {
  const QString id = GibId(QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzidn"));
  if (id.isEmpty()) return QString();
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES (?, ?)"),
                  {id, TextOderNull(Name)}))
    return QString();
  Melde([id, Name] { emit Aenderungen().Angelegt(Datensatzart::Golfplatz, id, Name); });
  return id;
}

std::optional<Golfplatzdaten> DBGKlasse::ReadGolfplatzdaten(const QString& Golfplatzidn) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ?"), {Golfplatzidn}))
    return std::nullopt;
  if (!q.next()) return std::nullopt;
  m_Anzahl = 1;
  const QSqlRecord r = q.record();
  auto wert = [&](const QString& feld) { return q.value(r.indexOf(feld)); };
  Golfplatzdaten p;
  p.Golfplatzidn = Text(wert(QStringLiteral("Golfplatzidn")));
  for (const Textfeld& t : TEXTFELDER) p.*(t.wert) = Text(wert(QString::fromUtf8(t.feld)));
  p.Teetimes = wert(QStringLiteral("Teetimes")).toInt() != 0;
  p.GolfplatzAnzeigen = wert(QStringLiteral("GolfplatzAnzeigen")).toInt() != 0;
  p.Lochzahl = Ganzzahl(wert(QStringLiteral("Golfplatzlochzahl")));
  p.Bewertung = Ganzzahl(wert(QStringLiteral("Bewertung")));
  for (int i = 1; i <= 18; ++i) {
    p.Par[i - 1] = Ganzzahl(wert(Parspalte(i)));
    p.Vorgabe[i - 1] = Ganzzahl(wert(Vorgabespalte(i)));
  }
  return p;
}

bool DBGKlasse::WriteGolfplatzdaten(const Golfplatzdaten& p, const QStringList* nur) {
  const QString alterName = gib_tab_eintrag(QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzidn"),
                                            p.Golfplatzidn, QStringLiteral("Golfplatzname"));
  QStringList spalten;
  QVariantList werte;
  auto setze = [&](const QString& feld, const QVariant& v) {
    if (nur && !nur->contains(feld, Qt::CaseInsensitive)) return;
    spalten << Bezeichner(feld) + QStringLiteral(" = ?");
    werte << v;
  };
  for (const Textfeld& t : TEXTFELDER) setze(QString::fromUtf8(t.feld), TextOderNull(p.*(t.wert)));
  setze(QStringLiteral("Teetimes"), p.Teetimes ? 1 : 0);
  setze(QStringLiteral("GolfplatzAnzeigen"), p.GolfplatzAnzeigen ? 1 : 0);
  setze(QStringLiteral("Golfplatzlochzahl"), ZahlOderNull(p.Lochzahl));
  setze(QStringLiteral("Bewertung"), ZahlOderNull(p.Bewertung));
  for (int i = 1; i <= 18; ++i) {
    setze(Parspalte(i), ZahlOderNull(p.Par[i - 1]));
    setze(Vorgabespalte(i), ZahlOderNull(p.Vorgabe[i - 1]));
  }
  werte << p.Golfplatzidn;
  // Nothing to write still finds the row.
  if (spalten.isEmpty()) spalten << QStringLiteral("Golfplatzidn = Golfplatzidn");
  const QString neuerName =
      nur && !nur->contains(QStringLiteral("Golfplatzname"), Qt::CaseInsensitive) ? alterName : p.Golfplatzname;
  QSqlQuery u;
  if (!Ausfuehren(u,
                  QStringLiteral("UPDATE Tab_Golfplatz SET ") + spalten.join(QStringLiteral(", ")) +
                      QStringLiteral(" WHERE Golfplatzidn = ?"),
                  werte) ||
      u.numRowsAffected() <= 0)
    return false;
  Melde([id = p.Golfplatzidn, alterName, neuerName] {
    if (alterName != neuerName) emit Aenderungen().Umbenannt(Datensatzart::Golfplatz, id, alterName, neuerName);
    emit Aenderungen().Geaendert(Datensatzart::Golfplatz, id);
  });
  return true;
}

int DBGKlasse::GolfplatzVerwendung(const QString& Golfplatzidn) {
  // The first use found is named.
  const struct {
    const char* sql;
    int meldung;
  } verwendungen[] = {
      {"SELECT * FROM Tab_Golfer WHERE Heimatclub = ?", MELDUNG_GOLFPLATZ_IST_HEIMATCLUB},
      {"SELECT * FROM Greenlogs WHERE Golfplatznummer = ?", MELDUNG_GOLFPLATZ_HAT_KARTEN},
      {"SELECT * FROM Tab_Turnier WHERE GolfplatzNo = ?", MELDUNG_GOLFPLATZ_HAT_TURNIERE},
  };
  for (const auto& v : verwendungen)
    if (DBT().Anzahl(QString::fromLatin1(v.sql), {Golfplatzidn}) > 0) return v.meldung;
  return 0;
}

bool DBGKlasse::LoescheGolfplatzMitAbschlaegen(const QString& Golfplatzidn) {
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    return Ausfuehren(q, QStringLiteral("DELETE FROM Tab_Golfplatz WHERE Golfplatzidn = ?"), {Golfplatzidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_Slope WHERE Golfplatzidn = ?"), {Golfplatzidn});
  });
  if (ok) Melde([Golfplatzidn] { emit Aenderungen().Geloescht(Datensatzart::Golfplatz, Golfplatzidn); });
  // Like every row deletion, the next operation works on a fresh connection.
  m_neuOeffnen = true;
  return ok;
}

// ---------------------------------------------------------------------------------------
// Tees

QList<Abschlag> DBGKlasse::LiesAbschlaege(const QString& Golfplatzidn) {
  QList<Abschlag> liste;
  QSqlQuery q;
  // In the order of the ids, so that a tee stored last comes last.
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Slopeidn, Golfplatzidn, Abschlagbezeichnung, Slopewert, CourseRating "
                                 "FROM tab_Slope WHERE Golfplatzidn = ? ORDER BY CAST(Slopeidn AS INTEGER), rowid"),
                  {Golfplatzidn}))
    return liste;
  while (q.next())
    liste << Abschlag{Text(q.value(0)), Text(q.value(1)), Text(q.value(2)), Zahl(q.value(3)), Zahl(q.value(4))};
  m_Anzahl = liste.size();
  return liste;
}

bool DBGKlasse::WriteSlope(const QString& Golfplatzidn, QList<Abschlag>& Abschlaege, const QList<QStringList>* nur) {
  // Tees belong to a course.
  if (IstLeer(Golfplatzidn)) return false;
  QList<int> neue;  // the tees given a key here
  const bool ok = InTransaktion([&] {
    for (int i = 0; i < Abschlaege.size(); ++i) {
      Abschlag& a = Abschlaege[i];
      a.Golfplatzidn = Golfplatzidn;
      if (IstLeer(a.Slopeidn)) {
        a.Slopeidn = GibId(QStringLiteral("tab_Slope"), QStringLiteral("Slopeidn"));
        if (a.Slopeidn.isEmpty()) return false;
        neue << i;
      }
      QSqlQuery q;
      if (!Ausfuehren(q, QStringLiteral("SELECT Abschlagbezeichnung FROM tab_Slope WHERE Slopeidn = ?"), {a.Slopeidn}))
        return false;
      const bool vorhanden = q.next();
      const QString alterName = vorhanden ? Text(q.value(0)) : QString();
      q.finish();
      QSqlQuery s;
      if (!vorhanden) {
        if (!Ausfuehren(s,
                        QStringLiteral("INSERT INTO tab_Slope (Abschlagbezeichnung, Golfplatzidn, Slopewert, "
                                       "CourseRating, Slopeidn) VALUES (?, ?, ?, ?, ?)"),
                        {TextOderNull(a.Abschlagbezeichnung), Golfplatzidn, ZahlOderNull(a.Slopewert),
                         ZahlOderNull(a.CourseRating), a.Slopeidn}))
          return false;
      } else {
        // A stored tee: the fields named, the others as the row holds them.
        const QStringList* felder = nur && i < nur->size() ? &(*nur)[i] : nullptr;
        auto mit = [&](const QString& feld) { return !felder || felder->contains(feld, Qt::CaseInsensitive); };
        QStringList spalten{QStringLiteral("Golfplatzidn = ?")};
        QVariantList werte{Golfplatzidn};
        if (mit(QStringLiteral("Abschlagbezeichnung"))) {
          spalten << QStringLiteral("Abschlagbezeichnung = ?");
          werte << TextOderNull(a.Abschlagbezeichnung);
        }
        if (mit(QStringLiteral("Slopewert"))) {
          spalten << QStringLiteral("Slopewert = ?");
          werte << ZahlOderNull(a.Slopewert);
        }
        if (mit(QStringLiteral("CourseRating"))) {
          spalten << QStringLiteral("CourseRating = ?");
          werte << ZahlOderNull(a.CourseRating);
        }
        werte << a.Slopeidn;
        if (!Ausfuehren(s,
                        QStringLiteral("UPDATE tab_Slope SET ") + spalten.join(QStringLiteral(", ")) +
                            QStringLiteral(" WHERE Slopeidn = ?"),
                        werte))
          return false;
      }
      const QString neuerName = vorhanden && nur && i < nur->size() &&
                                        !(*nur)[i].contains(QStringLiteral("Abschlagbezeichnung"), Qt::CaseInsensitive)
                                    ? alterName
                                    : a.Abschlagbezeichnung;
      Melde([vorhanden, alterName, neuerName, id = a.Slopeidn] {
        if (!vorhanden)
          emit Aenderungen().Angelegt(Datensatzart::Abschlag, id, neuerName);
        else if (alterName != neuerName)
          emit Aenderungen().Umbenannt(Datensatzart::Abschlag, id, alterName, neuerName);
      });
    }
    return true;
  });
  // Keys of a rolled-back write name nothing.
  if (!ok)
    for (int i : neue) Abschlaege[i].Slopeidn.clear();
  return ok;
}

bool DBGKlasse::GibSlopeCR(const QString& Abschlagbezeichnung, const QString& Golfplatzidn, double& Slope,
                           double& CourseRating, QString& Slopeidn) {
  QSqlQuery q;
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Slopewert, CourseRating, Slopeidn FROM tab_Slope "
                                 "WHERE Abschlagbezeichnung = ? AND Golfplatzidn = ? ORDER BY rowid LIMIT 1"),
                  {Abschlagbezeichnung, Golfplatzidn}))
    return false;
  if (!q.next()) {
    Slope = 0;
    CourseRating = 0;
    return false;
  }
  Slope = q.value(0).isNull() ? 0.0 : q.value(0).toDouble();
  CourseRating = q.value(1).isNull() ? 0.0 : q.value(1).toDouble();
  Slopeidn = q.value(2).toString();
  return true;
}

bool DBGKlasse::LoescheAbschlag(const QString& Slopeidn) {
  if (!DelDS(QStringLiteral("tab_Slope"), QStringLiteral("Slopeidn"), Slopeidn)) return false;
  Melde([Slopeidn] { emit Aenderungen().Geloescht(Datensatzart::Abschlag, Slopeidn); });
  return true;
}
