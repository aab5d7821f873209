// The course editor and its records: the course fields and the tee grid loaded from and
// copied back into values, and the course commands over them.
#include <cmath>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTableWidget>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfplaetze.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"

namespace {

const QString FALSCH = QStringLiteral("False");
// A par or a stroke index that cannot be stored, with the hole and the text.
constexpr int MELDUNG_PAR = 4772;
constexpr int MELDUNG_VORGABE = 4773;
// The same as the program ends, for its box.
constexpr int SCHLUSS_PAR = 4775;
constexpr int SCHLUSS_VORGABE = 4776;

// The last store of the course failed or was refused for a number: the editor stays.
bool platzNichtGespeichert = false;

// The text fields of a course and the controls that show them.
struct Textfeld {
  QString Golfplatzdaten::*wert;
  QLineEdit* Golfplaetze::*control;
};
const Textfeld TEXTFELDER[] = {
    {&Golfplatzdaten::Golfplatzname, &Golfplaetze::Golfplatzname},
    {&Golfplatzdaten::Golfplatzstrasse, &Golfplaetze::Golfplatzstrasse},
    {&Golfplatzdaten::Golfplatzplz, &Golfplaetze::Golfplatzplz},
    {&Golfplatzdaten::Golfplatzort, &Golfplaetze::Golfplatzort},
    {&Golfplatzdaten::Golfplatztelefon, &Golfplaetze::Golfplatztelefon},
    {&Golfplatzdaten::Golfplatzfax, &Golfplaetze::Golfplatzfax},
    {&Golfplatzdaten::Golfplatzland, &Golfplaetze::Golfplatzland},
    {&Golfplatzdaten::GolfplatzInternet, &Golfplaetze::URL},
    {&Golfplatzdaten::Greenfee, &Golfplaetze::Greenfee},
    {&Golfplatzdaten::Handicap, &Golfplaetze::Handicap},
};

// A rating as the cell shows it: the regional format (72,5 under German settings).
QString Bewertungstext(const Zahlbereich& bereich, const std::optional<double>& z) {
  return z ? Zahlanzeige(bereich, *z) : QString();
}

// The text a tee cell showed when the grid was filled; the entry row has none.
constexpr int ROLLE_GELADEN = Qt::UserRole + 1;

QString Zelle(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  return i ? i->text() : QString();
}

// Whether the cell holds what the user typed or changed, not what it was filled with.
bool Getippt(const QTableWidget* t, int r, int c) {
  const QTableWidgetItem* i = t->item(r, c);
  if (!i) return true;
  const QVariant geladen = i->data(ROLLE_GELADEN);
  return !geladen.isValid() || geladen.toString() != i->text();
}

void SetzeZelle(QTableWidget* t, int r, int c, const QString& text, bool geladen = false) {
  QTableWidgetItem* i = t->item(r, c);
  if (!i) {
    i = new QTableWidgetItem;
    t->setItem(r, c, i);
  }
  i->setText(text);
  i->setData(ROLLE_GELADEN, geladen ? QVariant(text) : QVariant());
}

// A hole box: a whole number or none.
std::optional<int> Lochwert(const QString& text) {
  const Feldwert w = LeseFeldwert(1, text);
  return w.Gueltig ? std::optional<int>(w.ZahlWert) : std::nullopt;
}

// Every par 3 to 6 and every stroke index 1 to 18 (or empty). The first box that is not
// is told in one box naming its hole and gets the focus, its text kept; false then. As the
// program ends each such box keeps the value stored in `p` and is noted instead (true).
// A box that shows the value as stored is not judged: another program may have stored a
// value this one would not take, and it stays as it is.
bool PruefeLochfelder(Golfplaetze& f, Golfplatzdaten& p, const Golfplatzdaten& gespeichert) {
  const bool endet = Schlussart() != Programmschluss::Keiner;
  for (int i = 1; i <= 18; ++i) {
    for (const bool par : {true, false}) {
      QLineEdit* feld = par ? f.ParLoch[i] : f.VorgabeLoch[i];
      const auto wert = par ? &Golfplatzdaten::Par : &Golfplatzdaten::Vorgabe;
      const std::optional<int> stand = (gespeichert.*wert)[i - 1];
      if (stand && feld->text() == QString::number(*stand)) continue;
      if (feld->text().trimmed().isEmpty() || LochwertGueltig(feld->text(), par)) continue;
      if (endet) {
        (p.*wert)[i - 1] = (gespeichert.*wert)[i - 1];
        MerkeNichtGespeichert(
            SPU().GibTranslation(par ? SCHLUSS_PAR : SCHLUSS_VORGABE).arg(i).arg(ZitierterEintrag(feld->text())));
        continue;
      }
      const QString text = SPU().Meldungstext(par ? MELDUNG_PAR : MELDUNG_VORGABE).arg(i).arg(feld->text().trimmed());
      MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
      feld->setFocus(Qt::OtherFocusReason);
      return false;
    }
  }
  return true;
}

// The named rows of the tee grid as tees, with the grid rows they come from. A cell that
// is empty clears its number; one that is no number is told and nothing is stored (false).
// As the program ends such a cell keeps the tee's stored number (none for a new tee) and
// is noted; the rest is stored.
bool SammleAbschlaege(QList<Abschlag>& abschlaege, QList<int>& zeilen) {
  Golfplaetze& f = GolfplaetzeForm();
  QTableWidget* t = f.Slope;
  abschlaege.clear();
  zeilen.clear();
  const bool endet = Schlussart() != Programmschluss::Keiner;
  std::optional<QList<Abschlag>> gespeichert;
  for (int r = 1; r < t->rowCount(); ++r) {
    const QString name = Zelle(t, r, AbschlagEditor::SPALTE_NAME);
    if (IstLeer(name)) continue;
    Abschlag a;
    a.Slopeidn = Zelle(t, r, AbschlagEditor::SPALTE_ID);
    a.Abschlagbezeichnung = name;
    const struct {
      int spalte;
      std::optional<double> Abschlag::*feld;
      Zahlbereich bereich;
    } ZAHLEN[] = {{AbschlagEditor::SPALTE_SLOPE, &Abschlag::Slopewert, BEREICH_SLOPE},
                  {AbschlagEditor::SPALTE_CR, &Abschlag::CourseRating, BEREICH_COURSE_RATING}};
    for (const auto& z : ZAHLEN) {
      const QString zelle = Zelle(t, r, z.spalte);
      double wert = 0;
      // A rating as it was loaded is stored back as it is.
      switch (PruefeZahl(z.bereich, zelle, &wert, Getippt(t, r, z.spalte))) {
        case Zahlbefund::Leer: continue;
        case Zahlbefund::Gut: a.*(z.feld) = wert; continue;
        case Zahlbefund::OhneBewertung: a.*(z.feld) = 0.0; continue;
        default: break;
      }
      if (endet) {
        if (!gespeichert) gespeichert = DBG().LiesAbschlaege(f.GolfplatzNo->text());
        for (const Abschlag& g : *gespeichert)
          if (!a.Slopeidn.isEmpty() && g.Slopeidn == a.Slopeidn) a.*(z.feld) = g.*(z.feld);
        MerkeZahlfehler(z.bereich, zelle,
                        QStringLiteral("%1, %2").arg(name.trimmed(), SPU().GibTranslation(z.bereich.Feld)));
        continue;
      }
      MeldeZahlfehler(z.bereich, zelle);
      t->setCurrentCell(r, z.spalte);
      return false;
    }
    abschlaege << a;
    zeilen << r;
  }
  return true;
}

}  // namespace

// The neighbour of `aktuell` in `ids` in the direction (1 previous, other next);
// messages 31 and 32 at the ends. Empty when there is no target.
QString NaechsterSchluessel(const QStringList& ids, const QString& aktuell, int Richtung) {
  if (aktuell.isEmpty()) return QString();
  const int p = ids.indexOf(aktuell);
  if (p < 0) return QString();
  if (Richtung != 1) {
    if (p < ids.size() - 1) return ids[p + 1];
    SPU().Zantro_Msg(MELDUNG_LETZTER_DATENSATZ, STIL_INFO);
  } else {
    if (p > 0) return ids[p - 1];
    SPU().Zantro_Msg(MELDUNG_ERSTER_DATENSATZ, STIL_INFO);
  }
  return QString();
}

bool LochwertGueltig(const QString& text, bool par) {
  double d = 0;
  if (!TextZuDouble(text.trimmed(), d) || d != std::floor(d)) return false;
  return par ? d >= 3 && d <= 6 : d >= 1 && d <= 18;
}

// ---------------------------------------------------------------------------------------
// The editor's fields

void Golfplaetze::ZeigeGolfplatz(const Golfplatzdaten& p) {
  LoescheGolfplatzFelder();
  GolfplatzNo->setText(p.Golfplatzidn);
  for (const Textfeld& t : TEXTFELDER) (this->*(t.control))->setText(p.*(t.wert));
  Golfplatzinfo->setPlainText(p.Golfplatzinfo);
  Teetimes->setChecked(p.Teetimes);
  GolfplatzAnzeigen->setChecked(p.GolfplatzAnzeigen);
  const int lochzahl = p.Lochzahl.value_or(0), bewertung = p.Bewertung.value_or(0);
  if (lochzahl > 0 && lochzahl < 4) SetzeOption(Option[lochzahl], true);
  if (bewertung > 0 && bewertung < 6) SetzeOption(Option1[bewertung + 3], true);
  int vorne = 0, hinten = 0;
  for (int i = 1; i <= 18; ++i) {
    if (const std::optional<int> par = p.Par[i - 1]) {
      ParLoch[i]->setText(QString::number(*par));
      if (*par >= 3 && *par <= 6) (i <= 9 ? vorne : hinten) += *par;
    }
    if (const std::optional<int> vorgabe = p.Vorgabe[i - 1]) VorgabeLoch[i]->setText(QString::number(*vorgabe));
  }
  ParSumme[19]->setText(QString::number(vorne));
  ParSumme[20]->setText(QString::number(hinten));
  MerkeLochwerte();
}

void Golfplaetze::LiesGolfplatz(Golfplatzdaten& p) const {
  for (const Textfeld& t : TEXTFELDER) p.*(t.wert) = (this->*(t.control))->text();
  p.Golfplatzinfo = Golfplatzinfo->toPlainText();
  p.Teetimes = Teetimes->isChecked();
  p.GolfplatzAnzeigen = GolfplatzAnzeigen->isChecked();
  for (int i = 1; i <= 3; ++i)
    if (Option[i]->isChecked()) p.Lochzahl = i;
  for (int i = 1; i <= 5; ++i)
    if (Option1[i + 3]->isChecked()) p.Bewertung = i;
  for (int i = 1; i <= 18; ++i) {
    p.Par[i - 1] = Lochwert(ParLoch[i]->text());
    p.Vorgabe[i - 1] = Lochwert(VorgabeLoch[i]->text());
  }
}

Golfplatzdaten Golfplaetze::GezeigterGolfplatz() const {
  std::optional<Golfplatzdaten> p;
  if (!IstLeer(GolfplatzNo->text())) p = DBG().ReadGolfplatzdaten(GolfplatzNo->text());
  Golfplatzdaten platz = p.value_or(Golfplatzdaten{});
  LiesGolfplatz(platz);
  return platz;
}

void Golfplaetze::ZeigeAbschlaege(const QList<Abschlag>& abschlaege) {
  for (int c = 0; c < Slope->columnCount(); ++c) SetzeZelle(Slope, 1, c, QString());
  if (Slope->rowCount() > 2) Slope->setRowCount(2);
  for (const Abschlag& a : abschlaege) {
    const int r = Slope->rowCount();
    Slope->insertRow(r);
    const QString zellen[] = {a.Abschlagbezeichnung, Bewertungstext(BEREICH_SLOPE, a.Slopewert),
                              Bewertungstext(BEREICH_COURSE_RATING, a.CourseRating), a.Slopeidn};
    for (int c = 0; c < Slope->columnCount(); ++c) SetzeZelle(Slope, r, c, c < 4 ? zellen[c] : QString(), true);
  }
}

// ---------------------------------------------------------------------------------------
// Courses

QString NeuGolfplatz(const QString& Name) {
  Golfplaetze& f = GolfplaetzeForm();
  // A course that could not be stored stays on screen to be corrected.
  if (!IstLeer(f.GolfplatzNo->text()) && !WriteGolfplatzdaten(f.GolfplatzNo->text()) && GolfplatzNichtGespeichert())
    return FALSCH;
  // The editor is cleared once the new course has its row: a course that could not be
  // made leaves the one shown in place.
  const QString id = DBG().LegeGolfplatzAn(Name);
  if (id.isEmpty()) return FALSCH;
  LoescheGolfplatzFelder();
  GotoGolfplatz(id);
  return id;
}

bool ReadGolfplatzdaten(const QString& Golfplatzidn) {
  Golfplaetze& f = GolfplaetzeForm();
  const std::optional<Golfplatzdaten> p = DBG().ReadGolfplatzdaten(Golfplatzidn);
  if (!p) {
    // No such course: nothing of another course may stay in view, its tees included.
    LoescheGolfplatzFelder();
    f.ParSumme[19]->setText(QStringLiteral("0"));
    f.ParSumme[20]->setText(QStringLiteral("0"));
    FuelleSlopeListbox(QString());
    return false;
  }
  f.ZeigeGolfplatz(*p);
  FuelleSlopeListbox(Golfplatzidn);
  return true;
}

namespace {
// The course to show for `id`: itself, or, when it has no row (deleted since a list named
// it, or not in a file taken over), the next course by number, else the last one.
QString VorhandenerGolfplatz(const QStringList& ids, const QString& id) {
  if (id == QLatin1String("LAST") || id.isEmpty()) return ids.last();
  if (ids.contains(id)) return id;
  bool ok = false;
  const qlonglong nummer = id.toLongLong(&ok);
  for (const QString& k : ids)
    if (ok && k.toLongLong() > nummer) return k;
  return ids.last();
}
}  // namespace

QString GotoGolfplatz(const QString& Golfplatzidn) {
  QString id = Golfplatzidn;
  QStringList ids;
  if (!DBG().Golfplatzschluessel(ids)) return id;
  if (ids.isEmpty()) {
    GolfplaetzeForm().Zeige();
    id = NeuGolfplatz(QString());
  } else {
    // The editor never shows a key without its row.
    id = VorhandenerGolfplatz(ids, id);
    ReadGolfplatzdaten(id);
    GolfplaetzeForm().Zeige();
  }
  // The two editors are never open together.
  if (FormExistiert<Turnier>()) TurnierForm().Schliessen();
  return id;
}

namespace {
constexpr int TEXT_GOLFPLATZ_OHNE_NAMEN = 4762;

// Whether nothing is entered into the course shown, nor stored with it.
bool NichtsEingetragen(Golfplaetze& f, const Golfplatzdaten& gespeichert) {
  Golfplatzdaten leer;
  leer.Golfplatzidn = gespeichert.Golfplatzidn;
  Golfplatzdaten eingetragen = leer;
  f.LiesGolfplatz(eingetragen);
  if (!(eingetragen == leer) || !(gespeichert == leer)) return false;
  // A hole box that holds no number is something typed too.
  for (int i = 1; i <= 18; ++i)
    if (!IstLeer(f.ParLoch[i]->text()) || !IstLeer(f.VorgabeLoch[i]->text())) return false;
  for (int r = 1; r < f.Slope->rowCount(); ++r)
    for (int c = 0; c < AbschlagEditor::SPALTE_ID; ++c)
      if (!IstLeer(Zelle(f.Slope, r, c))) return false;
  return DBG().LiesAbschlaege(gespeichert.Golfplatzidn).isEmpty();
}

// The text for a course without a name, numbered from 2 while another course has it.
QString NameOhneNamen(const QString& Golfplatzidn) {
  const QString text = SPU().GibTranslation(TEXT_GOLFPLATZ_OHNE_NAMEN);
  for (int n = 1;; ++n) {
    const QString name = n == 1 ? text : QStringLiteral("%1 %2").arg(text).arg(n);
    if (DBT().Anzahl(QStringLiteral("SELECT * FROM Tab_Golfplatz WHERE Golfplatzname = ? COLLATE NOCASE AND "
                                    "Golfplatzidn <> ?"),
                     {name, Golfplatzidn}) <= 0)
      return name;
  }
}
}  // namespace

namespace {
constexpr int MELDUNG_GOLFPLATZ_OHNE_ZEILE = 4811;
constexpr int SCHLUSS_GOLFPLATZ_OHNE_ZEILE = 4812;

// The course shown has no row to store it into: what was entered is named as not stored
// (noted as the program ends), and the editor shows a course that has one. Nothing to say
// when nothing was entered.
void KeineZeileZumSpeichern(Golfplaetze& f, const QString& Golfplatzidn) {
  Golfplatzdaten leer;
  leer.Golfplatzidn = Golfplatzidn;
  if (NichtsEingetragen(f, leer)) return;
  const QString name = IstLeer(f.Golfplatzname->text()) ? SPU().GibTranslation(TEXT_GOLFPLATZ_OHNE_NAMEN)
                                                        : ZitierterEintrag(f.Golfplatzname->text());
  if (Schlussart() != Programmschluss::Keiner) {
    MerkeNichtGespeichert(SPU().GibTranslation(SCHLUSS_GOLFPLATZ_OHNE_ZEILE).arg(name));
    return;
  }
  platzNichtGespeichert = true;
  const QPointer<Golfplaetze> fenster(&f);
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_GOLFPLATZ_OHNE_ZEILE).arg(name), STIL_INFO, PRODUKTTITEL);
  if (!fenster) return;
  // Nothing of the course typed may go elsewhere: the fields are cleared before the next
  // course is shown (or a new one made).
  LoescheGolfplatzFelder();
  GotoGolfplatz(Golfplatzidn);
}

bool schreibeGolfplatz(const QString& Golfplatzidn) {
  platzNichtGespeichert = false;
  Golfplaetze& f = GolfplaetzeForm();
  std::optional<Golfplatzdaten> p = DBG().ReadGolfplatzdaten(Golfplatzidn);
  if (!p) {
    // A failed read has told its box; only a course with no row is named here.
    QStringList ids;
    if (DBG().Golfplatzschluessel(ids) && !ids.contains(Golfplatzidn)) KeineZeileZumSpeichern(f, Golfplatzidn);
    return false;
  }
  const Golfplatzdaten gespeichert = *p;
  f.LiesGolfplatz(*p);
  if (!PruefeLochfelder(f, *p, gespeichert)) {
    platzNichtGespeichert = true;
    return false;
  }
  QList<Abschlag> abschlaege;
  QList<int> zeilen;
  const bool mitAbschlaegen = !IstLeer(f.GolfplatzNo->text());
  if (mitAbschlaegen && !SammleAbschlaege(abschlaege, zeilen)) {
    platzNichtGespeichert = true;
    return false;
  }
  // The course with its tees: one action.
  const bool ok = AlsEineAktion([&] {
    return DBG().WriteGolfplatzdaten(*p) && (!mitAbschlaegen || DBG().WriteSlope(f.GolfplatzNo->text(), abschlaege));
  });
  if (!ok) {
    // Nothing was stored; everything typed stays on screen.
    platzNichtGespeichert = true;
    return false;
  }
  if (mitAbschlaegen) FuelleSlopeListbox(f.GolfplatzNo->text());
  return true;
}
}  // namespace

bool WriteGolfplatzdaten(const QString& Golfplatzidn) {
  // A file renamed over the database is taken over as the card's is: one question.
  // Not stored into the file taken over: the course as that file holds it, or another one
  // where it has none.
  return SpeichereDatensatzInDieDatei([&] { return schreibeGolfplatz(Golfplatzidn); }, platzNichtGespeichert,
                                      [&] {
                                        if (!ReadGolfplatzdaten(Golfplatzidn)) GotoGolfplatz(Golfplatzidn);
                                      });
}

bool GolfplatzNichtGespeichert() { return platzNichtGespeichert; }

bool GolfplatzOhneNamenZumSitzungsende() {
  Golfplaetze& f = GolfplaetzeForm();
  const QString id = f.GolfplatzNo->text();
  const std::optional<Golfplatzdaten> gespeichert = IstLeer(id) ? std::nullopt : DBG().ReadGolfplatzdaten(id);
  if (!gespeichert) return true;
  if (!IstLeer(gespeichert->Golfplatzname)) {
    f.Golfplatzname->setText(gespeichert->Golfplatzname);
    return false;
  }
  if (NichtsEingetragen(f, *gespeichert) && DBG().GolfplatzVerwendung(id) == 0) {
    AlsEineAktion([&] { return DBG().LoescheGolfplatzMitAbschlaegen(id); });
    return true;
  }
  f.Golfplatzname->setText(NameOhneNamen(id));
  return false;
}

void ScrollGolfplatz(int Richtung) {
  const QString aktuell = GolfplaetzeForm().GolfplatzNo->text();
  if (!WriteGolfplatzdaten(aktuell) && GolfplatzNichtGespeichert()) return;
  QStringList ids;
  if (!DBG().Golfplatzschluessel(ids)) return;
  if (ids.isEmpty()) {
    SPU().Zantro_Msg(MELDUNG_KEIN_DATENSATZ, STIL_INFO);
    return;
  }
  const QString ziel = NaechsterSchluessel(ids, aktuell, Richtung);
  if (!ziel.isEmpty()) GotoGolfplatz(ziel);
}

// ---------------------------------------------------------------------------------------
// Tees

void FuelleSlopeListbox(const QString& Golfplatzidn) {
  GolfplaetzeForm().ZeigeAbschlaege(DBG().LiesAbschlaege(Golfplatzidn));
}

bool WriteSlope(QString* NeueZeileIdn) {
  if (NeueZeileIdn) NeueZeileIdn->clear();
  Golfplaetze& f = GolfplaetzeForm();
  QTableWidget* t = f.Slope;
  const QString platz = f.GolfplatzNo->text();
  // Tees belong to a course: with no course shown nothing is written.
  if (IstLeer(platz)) return false;

  QList<Abschlag> abschlaege;
  QList<int> zeilen;
  if (!SammleAbschlaege(abschlaege, zeilen)) return false;
  // All tees or none; after a failure the grid keeps what was typed.
  if (!AlsEineAktion([&] { return DBG().WriteSlope(platz, abschlaege); })) return false;
  for (int i = 0; i < zeilen.size(); ++i)
    if (zeilen[i] == 1 && NeueZeileIdn && Zelle(t, 1, AbschlagEditor::SPALTE_ID).isEmpty())
      *NeueZeileIdn = abschlaege[i].Slopeidn;
  FuelleSlopeListbox(platz);
  return true;
}
