// Courses and tees: Tab_Golfplatz and tab_Slope to and from the course editor.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableWidget>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {

const QString FALSCH = QStringLiteral("False");

QVariant NullText() { return QVariant(QMetaType::fromType<QString>()); }
QVariant NullZahl() { return QVariant(QMetaType::fromType<int>()); }
QVariant NullDouble() { return QVariant(QMetaType::fromType<double>()); }

// An empty text is stored as Null.
QVariant TextOderNull(const QString& t) { return IstLeer(t) ? NullText() : QVariant(t); }

// The text fields of a course and the controls that show them.
struct Textfeld {
  const char* feld;
  QLineEdit* Golfplaetze::*control;
};
const Textfeld TEXTFELDER[] = {
    {"Golfplatzname", &Golfplaetze::Golfplatzname},
    {"Golfplatzstraße", &Golfplaetze::Golfplatzstrasse},
    {"Golfplatzplz", &Golfplaetze::Golfplatzplz},
    {"Golfplatzort", &Golfplaetze::Golfplatzort},
    {"Golfplatztelefon", &Golfplaetze::Golfplatztelefon},
    {"Golfplatzfax", &Golfplaetze::Golfplatzfax},
    {"Golfplatzland", &Golfplaetze::Golfplatzland},
    {"GolfplatzInternet", &Golfplaetze::URL},
    {"Greenfee", &Golfplaetze::Greenfee},
    {"Handicap", &Golfplaetze::Handicap},
};

// A decimal value as the cell shows it: the locale's form (72,5 under German settings).
QString DezimalText(const QVariant& v) {
  if (v.isNull()) return QString();
  bool ok = false;
  const double d = v.toDouble(&ok);
  return ok ? QLocale().toString(d, 'g', QLocale::FloatingPointShortest) : v.toString();
}

QString Zelle(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  return i ? i->text() : QString();
}

void SetzeZelle(QTableWidget* t, int r, int c, const QString& text) {
  QTableWidgetItem* i = t->item(r, c);
  if (!i) {
    i = new QTableWidgetItem;
    t->setItem(r, c, i);
  }
  i->setText(text);
}

// Appends a grid row from a text whose cells are separated by tab characters.
void HaengeZeileAn(QTableWidget* t, const QString& zeile) {
  const int r = t->rowCount();
  t->insertRow(r);
  const QStringList zellen = zeile.split(QLatin1Char('\t'));
  for (int c = 0; c < t->columnCount(); ++c) SetzeZelle(t, r, c, c < zellen.size() ? zellen[c] : QString());
}

// The ids of a table in the order of a statement, for LAST and scrolling.
bool LeseIds(DBGKlasse& db, const QString& sql, QStringList& ids) {
  QSqlQuery q;
  if (!db.Ausfuehren(q, sql)) return false;
  while (q.next()) ids << (q.value(0).isNull() ? QString() : q.value(0).toString());
  return true;
}

// Position of `aktuell` in `ids` and the neighbour in the direction (1 previous, other
// next); messages 31 and 32 at the ends. Empty when there is no target.
QString Nachbar(const QStringList& ids, const QString& aktuell, int Richtung) {
  if (aktuell.isEmpty()) return QString();
  const int p = ids.indexOf(aktuell);
  if (p < 0) return QString();
  if (Richtung != 1) {
    if (p < ids.size() - 1) return ids[p + 1];
    SPU().Zantro_Msg(32, STIL_INFO);
  } else {
    if (p > 0) return ids[p - 1];
    SPU().Zantro_Msg(31, STIL_INFO);
  }
  return QString();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Courses

QString DBGKlasse::NeuGolfplatz(const QString& Name) {
  Golfplaetze& f = GolfplaetzeForm();
  if (!IstLeer(f.GolfplatzNo->text())) WriteGolfplatzdaten(f.GolfplatzNo->text());
  LoescheGolfplatzFelder();
  const QString id = GibId(QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzidn"));
  if (id.isEmpty()) return FALSCH;
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("INSERT INTO Tab_Golfplatz (Golfplatzidn, Golfplatzname) VALUES (?, ?)"),
                  {id, TextOderNull(Name)}))
    return FALSCH;
  GotoGolfplatz(id);
  return id;
}

bool DBGKlasse::ReadGolfplatzdaten(const QString& Golfplatzidn) {
  Golfplaetze& f = GolfplaetzeForm();
  LoescheGolfplatzFelder();
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzidn = ?"), {Golfplatzidn})) return false;
  if (!q.next()) {
    // No such course: nothing of another course may stay in view, its tees included.
    f.ParSumme[19]->setText(QStringLiteral("0"));
    f.ParSumme[20]->setText(QStringLiteral("0"));
    FuelleSlopeListbox(QString());
    return false;
  }
  m_Anzahl = 1;
  const QSqlRecord r = q.record();
  auto wert = [&](const QString& feld) { return q.value(r.indexOf(feld)); };
  auto text = [&](const QString& feld) {
    const QVariant v = wert(feld);
    return v.isNull() ? QString() : v.toString();
  };
  f.GolfplatzNo->setText(text(QStringLiteral("Golfplatzidn")));
  for (const Textfeld& t : TEXTFELDER) (f.*(t.control))->setText(text(QString::fromUtf8(t.feld)));
  f.Golfplatzinfo->setPlainText(text(QStringLiteral("Golfplatzinfo")));
  f.Teetimes->setChecked(wert(QStringLiteral("Teetimes")).toInt() != 0);
  f.GolfplatzAnzeigen->setChecked(wert(QStringLiteral("GolfplatzAnzeigen")).toInt() != 0);

  const QVariant lochzahl = wert(QStringLiteral("Golfplatzlochzahl"));
  if (!lochzahl.isNull() && lochzahl.toInt() > 0 && lochzahl.toInt() < 4)
    Golfplaetze::SetzeOption(f.Option[lochzahl.toInt()], true);
  const QVariant bewertung = wert(QStringLiteral("Bewertung"));
  if (!bewertung.isNull() && bewertung.toInt() > 0 && bewertung.toInt() < 6)
    Golfplaetze::SetzeOption(f.Option1[bewertung.toInt() + 3], true);

  int vorne = 0, hinten = 0;
  for (int i = 1; i <= 18; ++i) {
    const QVariant par = wert(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Par"));
    if (!par.isNull()) {
      f.ParLoch[i]->setText(par.toString());
      const int p = GibScore(par.toString());
      if (p >= 3 && p <= 6) (i <= 9 ? vorne : hinten) += p;
    }
    const QVariant vorgabe = wert(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Vorgabe"));
    if (!vorgabe.isNull()) f.VorgabeLoch[i]->setText(vorgabe.toString());
  }
  f.ParSumme[19]->setText(QString::number(vorne));
  f.ParSumme[20]->setText(QString::number(hinten));
  q.finish();
  FuelleSlopeListbox(Golfplatzidn);
  return true;
}

QString DBGKlasse::GotoGolfplatz(const QString& Golfplatzidn) {
  QString id = Golfplatzidn;
  QStringList ids;
  // Without ORDER BY the table's own order: the order of insertion, the same for LAST
  // and for scrolling.
  if (!LeseIds(*this, QStringLiteral("SELECT Golfplatzidn FROM Tab_Golfplatz ORDER BY rowid"), ids)) return id;
  m_Anzahl = ids.size();
  if (ids.isEmpty()) {
    GolfplaetzeForm().Zeige();
    id = NeuGolfplatz(QString());
  } else {
    if (id == QLatin1String("LAST")) id = ids.last();
    ReadGolfplatzdaten(id);
    GolfplaetzeForm().Zeige();
  }
  // The two editors are never open together.
  if (FormExistiert<Turnier>()) TurnierForm().Schliessen();
  return id;
}

bool DBGKlasse::WriteGolfplatzdaten(const QString& Golfplatzidn) {
  QSqlQuery q;
  if (!Ausfuehren(q, QStringLiteral("SELECT Golfplatzidn FROM Tab_Golfplatz WHERE Golfplatzidn = ?"), {Golfplatzidn}))
    return false;
  if (!q.next()) return false;
  q.finish();

  Golfplaetze& f = GolfplaetzeForm();
  QStringList spalten;
  QVariantList werte;
  auto setze = [&](const QString& feld, const QVariant& v) {
    spalten << Bezeichner(feld) + QStringLiteral(" = ?");
    werte << v;
  };
  for (const Textfeld& t : TEXTFELDER) setze(QString::fromUtf8(t.feld), TextOderNull((f.*(t.control))->text()));
  setze(QStringLiteral("Golfplatzinfo"), TextOderNull(f.Golfplatzinfo->toPlainText()));
  setze(QStringLiteral("Teetimes"), f.Teetimes->isChecked() ? 1 : 0);
  setze(QStringLiteral("GolfplatzAnzeigen"), f.GolfplatzAnzeigen->isChecked() ? 1 : 0);
  // With no button chosen the stored value stays.
  for (int i = 1; i <= 3; ++i)
    if (f.Option[i]->isChecked()) setze(QStringLiteral("Golfplatzlochzahl"), i);
  for (int i = 1; i <= 5; ++i)
    if (f.Option1[i + 3]->isChecked()) setze(QStringLiteral("Bewertung"), i);
  for (int i = 1; i <= 18; ++i) {
    const Feldwert par = LeseFeldwert(1, f.ParLoch[i]->text());
    setze(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Par"), par.Gueltig ? QVariant(par.ZahlWert) : NullZahl());
    const Feldwert vorgabe = LeseFeldwert(1, f.VorgabeLoch[i]->text());
    setze(FeldnameNr(QStringLiteral("Loch"), i) + QStringLiteral("Vorgabe"),
          vorgabe.Gueltig ? QVariant(vorgabe.ZahlWert) : NullZahl());
  }
  werte << Golfplatzidn;
  QSqlQuery u;
  if (!Ausfuehren(u, QStringLiteral("UPDATE Tab_Golfplatz SET ") + spalten.join(QStringLiteral(", ")) +
                         QStringLiteral(" WHERE Golfplatzidn = ?"),
                  werte))
    return false;
  WriteSlope();
  return true;
}

void DBGKlasse::ScrollGolfplatz(int Richtung) {
  const QString aktuell = GolfplaetzeForm().GolfplatzNo->text();
  WriteGolfplatzdaten(aktuell);
  QStringList ids;
  if (!LeseIds(*this, QStringLiteral("SELECT Golfplatzidn FROM Tab_Golfplatz ORDER BY rowid"), ids)) return;
  m_Anzahl = ids.size();
  if (ids.isEmpty()) {
    SPU().Zantro_Msg(30, STIL_INFO);
    return;
  }
  const QString ziel = Nachbar(ids, aktuell, Richtung);
  if (!ziel.isEmpty()) GotoGolfplatz(ziel);
}

bool DBGKlasse::LoescheGolfplatzMitAbschlaegen(const QString& Golfplatzidn) {
  const bool ok = InTransaktion([&] {
    QSqlQuery q;
    return Ausfuehren(q, QStringLiteral("DELETE FROM Tab_Golfplatz WHERE Golfplatzidn = ?"), {Golfplatzidn}) &&
           Ausfuehren(q, QStringLiteral("DELETE FROM tab_Slope WHERE Golfplatzidn = ?"), {Golfplatzidn});
  });
  // Like every row deletion, the next operation works on a fresh connection.
  m_neuOeffnen = true;
  return ok;
}

// ---------------------------------------------------------------------------------------
// Tees

void DBGKlasse::FuelleSlopeListbox(const QString& Golfplatzidn) {
  QTableWidget* t = GolfplaetzeForm().Slope;
  for (int c = 0; c < t->columnCount(); ++c) SetzeZelle(t, 1, c, QString());
  if (t->rowCount() > 2) t->setRowCount(2);
  QSqlQuery q;
  // In the order of the ids, so that a tee stored last comes last.
  if (!Ausfuehren(q,
                  QStringLiteral("SELECT Abschlagbezeichnung, Slopewert, CourseRating, Slopeidn FROM tab_Slope "
                                 "WHERE Golfplatzidn = ? ORDER BY CAST(Slopeidn AS INTEGER), rowid"),
                  {Golfplatzidn}))
    return;
  long n = 0;
  while (q.next()) {
    const QString name = q.value(0).isNull() ? QString() : q.value(0).toString();
    const QString id = q.value(3).isNull() ? QString() : q.value(3).toString();
    HaengeZeileAn(t, QStringList({name, DezimalText(q.value(1)), DezimalText(q.value(2)), id}).join(QLatin1Char('\t')));
    ++n;
  }
  m_Anzahl = n;
}

bool DBGKlasse::WriteSlope(QString* NeueZeileIdn) {
  if (NeueZeileIdn) NeueZeileIdn->clear();
  Golfplaetze& f = GolfplaetzeForm();
  QTableWidget* t = f.Slope;
  const QString platz = f.GolfplatzNo->text();
  // Tees belong to a course: with no course shown nothing is written.
  if (IstLeer(platz)) return false;

  PruefeVerbindung();
  QSqlDatabase db = Db();
  if (!db.transaction()) {
    Fehlerbox(db.lastError().text());
    return false;
  }
  bool ok = true;
  for (int r = 1; r < t->rowCount() && ok; ++r) {
    const QString name = Zelle(t, r, AbschlagEditor::SPALTE_NAME);
    if (IstLeer(name)) continue;
    QString id = Zelle(t, r, AbschlagEditor::SPALTE_ID);
    if (IstLeer(id)) {
      id = GibId(QStringLiteral("tab_Slope"), QStringLiteral("Slopeidn"));
      if (id.isEmpty()) {
        ok = false;
        break;
      }
      SetzeZelle(t, r, AbschlagEditor::SPALTE_ID, id);
      if (r == 1 && NeueZeileIdn) *NeueZeileIdn = id;
    }
    QSqlQuery q;
    if (!Ausfuehren(q, QStringLiteral("SELECT Slopeidn FROM tab_Slope WHERE Slopeidn = ?"), {id})) {
      ok = false;
      break;
    }
    const bool vorhanden = q.next();
    q.finish();
    // A cell that is empty clears the value; one that is not a number leaves it as stored.
    QStringList spalten{QStringLiteral("Abschlagbezeichnung"), QStringLiteral("Golfplatzidn")};
    QVariantList werte{name, platz};
    const int zahlspalten[] = {AbschlagEditor::SPALTE_SLOPE, AbschlagEditor::SPALTE_CR};
    const char* zahlfelder[] = {"Slopewert", "CourseRating"};
    for (int k = 0; k < 2; ++k) {
      const QString zelle = Zelle(t, r, zahlspalten[k]);
      const Feldwert w = LeseFeldwert(4, zelle);
      if (w.Gueltig) {
        spalten << QString::fromLatin1(zahlfelder[k]);
        werte << w.DoubleWert;
      } else if (IstLeer(zelle) || !vorhanden) {
        spalten << QString::fromLatin1(zahlfelder[k]);
        werte << NullDouble();
      }
    }
    QSqlQuery s;
    if (vorhanden) {
      QStringList zuweisungen;
      for (const QString& sp : spalten) zuweisungen << sp + QStringLiteral(" = ?");
      werte << id;
      ok = Ausfuehren(s, QStringLiteral("UPDATE tab_Slope SET ") + zuweisungen.join(QStringLiteral(", ")) +
                             QStringLiteral(" WHERE Slopeidn = ?"),
                      werte);
    } else {
      spalten.prepend(QStringLiteral("Slopeidn"));
      werte.prepend(id);
      QStringList fragen;
      for (int i = 0; i < spalten.size(); ++i) fragen << QStringLiteral("?");
      ok = Ausfuehren(s,
                      QStringLiteral("INSERT INTO tab_Slope (%1) VALUES (%2)")
                          .arg(spalten.join(QStringLiteral(", ")), fragen.join(QStringLiteral(", "))),
                      werte);
    }
  }
  if (ok && !db.commit()) {
    Fehlerbox(db.lastError().text());
    ok = false;
  }
  if (!ok) {
    db.rollback();
    if (NeueZeileIdn) NeueZeileIdn->clear();
    return false;
  }
  FuelleSlopeListbox(platz);
  return true;
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
