// The course editor and its records: the course fields and the tee grid loaded from and
// copied back into values, and the course commands over them.
#include <cmath>
#include <iterator>

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
#include "data/Lochfelder.h"
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

// The text fields of a course, the controls that show them and the table's fields.
struct Textfeld {
  QString Golfplatzdaten::*wert;
  QLineEdit* Golfplaetze::*control;
  const char* spalte;
};
const Textfeld TEXTFELDER[] = {
    {&Golfplatzdaten::Golfplatzname, &Golfplaetze::Golfplatzname, "Golfplatzname"},
    {&Golfplatzdaten::Golfplatzstrasse, &Golfplaetze::Golfplatzstrasse, "Golfplatzstraße"},
    {&Golfplatzdaten::Golfplatzplz, &Golfplaetze::Golfplatzplz, "Golfplatzplz"},
    {&Golfplatzdaten::Golfplatzort, &Golfplaetze::Golfplatzort, "Golfplatzort"},
    {&Golfplatzdaten::Golfplatztelefon, &Golfplaetze::Golfplatztelefon, "Golfplatztelefon"},
    {&Golfplatzdaten::Golfplatzfax, &Golfplaetze::Golfplatzfax, "Golfplatzfax"},
    {&Golfplatzdaten::Golfplatzland, &Golfplaetze::Golfplatzland, "Golfplatzland"},
    {&Golfplatzdaten::GolfplatzInternet, &Golfplaetze::URL, "GolfplatzInternet"},
    {&Golfplatzdaten::Greenfee, &Golfplaetze::Greenfee, "Greenfee"},
    {&Golfplatzdaten::Handicap, &Golfplaetze::Handicap, "Handicap"},
};
static_assert(std::size(TEXTFELDER) == 10);

// The fields of a tee cell (name, slope, course rating).
const char* const TEESPALTEN[] = {"Abschlagbezeichnung", "Slopewert", "CourseRating"};

// A rating as the cell shows it: the regional format (72,5 under German settings).
QString Bewertungstext(const Zahlbereich& bereich, const std::optional<double>& z) {
  return z ? Zahlanzeige(bereich, *z) : QString();
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

// A hole box: a whole number or none.
std::optional<int> Lochwert(const QString& text) {
  const Feldwert w = LeseFeldwert(1, text);
  return w.Gueltig ? std::optional<int>(w.ZahlWert) : std::nullopt;
}

// Every par 3 to 6 and every stroke index 1 to 18 (or empty) the user typed. The first box
// that is not is told in one box naming its hole and gets the focus, its text kept; false
// then. As the program ends each such box keeps the value stored and is noted instead
// (true), its field put into `behalten`. A box nobody typed into is not judged: another
// program may have stored a value this one would not take, and it stays as it is.
bool PruefeLochfelder(Golfplaetze& f, QStringList& behalten) {
  const bool endet = Schlussart() != Programmschluss::Keiner;
  for (int i = 1; i <= 18; ++i) {
    for (const bool par : {true, false}) {
      QLineEdit* feld = par ? f.ParLoch[i] : f.VorgabeLoch[i];
      const Eintrag& e = f.Locheintrag(par, i);
      if (!e.ZuSchreiben() || e.Text().trimmed().isEmpty() || LochwertGueltig(e.Text(), par)) continue;
      if (endet) {
        behalten << (par ? Parspalte(i) : Vorgabespalte(i));
        MerkeNichtGespeichert(
            SPU().GibTranslation(par ? SCHLUSS_PAR : SCHLUSS_VORGABE).arg(i).arg(ZitierterEintrag(e.Text())));
        continue;
      }
      const QString text = SPU().Meldungstext(par ? MELDUNG_PAR : MELDUNG_VORGABE).arg(i).arg(e.Text().trimmed());
      MsgAntwort = DLG().Meldung(text, STIL_KRITISCH, PRODUKTTITEL);
      feld->setFocus(Qt::OtherFocusReason);
      return false;
    }
  }
  return true;
}

// The named rows of the tee grid the user typed into, as tees, with the grid rows they
// come from and, per tee, the fields typed (a new tee: all). A stored tee nobody typed
// into is not written; nor is a cell of it left as loaded. A typed cell that is empty
// clears its number; one that is no number is told and nothing is stored (false). As the
// program ends such a cell keeps the tee's stored number (none for a new tee) and is
// noted; the rest is stored.
bool SammleAbschlaege(QList<Abschlag>& abschlaege, QList<int>& zeilen, QList<QStringList>& spalten) {
  Golfplaetze& f = GolfplaetzeForm();
  QTableWidget* t = f.Slope;
  abschlaege.clear();
  zeilen.clear();
  spalten.clear();
  const bool endet = Schlussart() != Programmschluss::Keiner;
  for (int r = 1; r < t->rowCount(); ++r) {
    const QString name = Zelle(t, r, AbschlagEditor::SPALTE_NAME);
    if (IstLeer(name)) continue;
    Abschlag a;
    a.Slopeidn = Zelle(t, r, AbschlagEditor::SPALTE_ID);
    a.Abschlagbezeichnung = name;
    // A cell without an entry (a row the grid did not get from its fill) counts as typed.
    auto getippt = [&](int c) {
      const Eintrag* e = f.Teeeintrag(r, c);
      return !e || e->ZuSchreiben();
    };
    const bool neu = a.Slopeidn.isEmpty();
    QStringList felder;
    for (int c = 0; c < 3; ++c)
      if (neu || getippt(c)) felder << QString::fromUtf8(TEESPALTEN[c]);
    if (felder.isEmpty()) continue;
    const struct {
      int spalte;
      std::optional<double> Abschlag::*feld;
      Zahlbereich bereich;
    } ZAHLEN[] = {{AbschlagEditor::SPALTE_SLOPE, &Abschlag::Slopewert, BEREICH_SLOPE},
                  {AbschlagEditor::SPALTE_CR, &Abschlag::CourseRating, BEREICH_COURSE_RATING}};
    for (const auto& z : ZAHLEN) {
      const QString spalte = QString::fromUtf8(TEESPALTEN[z.spalte]);
      if (!felder.contains(spalte)) continue;
      const QString zelle = Zelle(t, r, z.spalte);
      double wert = 0;
      switch (PruefeZahl(z.bereich, zelle, &wert, true)) {
        case Zahlbefund::Leer: continue;
        case Zahlbefund::Gut: a.*(z.feld) = wert; continue;
        case Zahlbefund::OhneBewertung: a.*(z.feld) = 0.0; continue;
        default: break;
      }
      if (endet) {
        // The stored number stays: the field is not written.
        felder.removeAll(spalte);
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
    spalten << felder;
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

void Golfplaetze::BindeEintraege() {
  for (size_t i = 0; i < std::size(TEXTFELDER); ++i) m_binder.Binde(this->*(TEXTFELDER[i].control), &m_texte[i]);
  for (int i = 1; i <= 18; ++i) {
    m_binder.Binde(ParLoch[i], &m_par[i - 1]);
    m_binder.Binde(VorgabeLoch[i], &m_vorgabe[i - 1]);
  }
}

bool Golfplaetze::HatNamen() const { return !IstLeer(Golfplatzname->text()); }

void Golfplaetze::NimmEintraege() {
  for (const Textfeld& t : TEXTFELDER) m_binder.Nimm(this->*(t.control));
  for (int i = 1; i <= 18; ++i) {
    m_binder.Nimm(ParLoch[i]);
    m_binder.Nimm(VorgabeLoch[i]);
  }
  // The course info is a box of several lines the binder does not know: its text is taken
  // as typed when it is not what the entry holds.
  if (Golfplatzinfo->toPlainText() != m_info.Text()) m_info.Tippe(Golfplatzinfo->toPlainText());
}

Eintrag& Golfplaetze::Locheintrag(bool par, int Index) {
  QLineEdit* feld = par ? ParLoch[Index] : VorgabeLoch[Index];
  m_binder.Nimm(feld);
  return (par ? m_par : m_vorgabe)[Index - 1];
}

Eintrag* Golfplaetze::Teeeintrag(int r, int c) {
  Eintrag* e = m_binder.EintragVon(Slope, r, c);
  if (!e) return nullptr;
  const QString text = Zelle(Slope, r, c);
  if (text != e->Text()) e->Tippe(text);
  return e;
}

std::optional<QString> Golfplaetze::GewaehlterAbschlag() const {
  const int r = Slope->currentRow();
  if (r < 2) return std::nullopt;
  return Zelle(Slope, r, AbschlagEditor::SPALTE_ID);
}

void Golfplaetze::LeereGolfplatz() {
  m_platz = Golfplatzdaten{};
  GolfplatzNo->clear();
  for (const Textfeld& t : TEXTFELDER) m_binder.Lade(this->*(t.control), QVariant(), QString());
  m_info.Lade(QVariant(), QString());
  Golfplatzinfo->clear();
  Teetimes->setChecked(false);
  GolfplatzAnzeigen->setChecked(false);
  for (const auto& [i, o] : Option) SetzeOption(o, false);
  for (const auto& [i, o] : Option1) SetzeOption(o, false);
  for (int i = 1; i <= 18; ++i) {
    m_binder.Lade(ParLoch[i], QVariant(), QString());
    m_binder.Lade(VorgabeLoch[i], QVariant(), QString());
  }
}

namespace {
QVariant Lochvariant(const std::optional<int>& z) { return z ? QVariant(*z) : QVariant(); }
QString Lochtext(const std::optional<int>& z) { return z ? QString::number(*z) : QString(); }
}  // namespace

void Golfplaetze::ZeigeGolfplatz(const Golfplatzdaten& p) {
  LeereGolfplatz();
  m_platz = p;
  GolfplatzNo->setText(p.Golfplatzidn);
  for (const Textfeld& t : TEXTFELDER) m_binder.Lade(this->*(t.control), p.*(t.wert), p.*(t.wert));
  m_info.Lade(p.Golfplatzinfo, p.Golfplatzinfo);
  Golfplatzinfo->setPlainText(p.Golfplatzinfo);
  Teetimes->setChecked(p.Teetimes);
  GolfplatzAnzeigen->setChecked(p.GolfplatzAnzeigen);
  const int lochzahl = p.Lochzahl.value_or(0), bewertung = p.Bewertung.value_or(0);
  if (lochzahl > 0 && lochzahl < 4) SetzeOption(Option[lochzahl], true);
  if (bewertung > 0 && bewertung < 6) SetzeOption(Option1[bewertung + 3], true);
  int vorne = 0, hinten = 0;
  for (int i = 1; i <= 18; ++i) {
    const std::optional<int> par = p.Par[i - 1];
    m_binder.Lade(ParLoch[i], Lochvariant(par), Lochtext(par));
    if (par && *par >= 3 && *par <= 6) (i <= 9 ? vorne : hinten) += *par;
    m_binder.Lade(VorgabeLoch[i], Lochvariant(p.Vorgabe[i - 1]), Lochtext(p.Vorgabe[i - 1]));
  }
  ParSumme[19]->setText(QString::number(vorne));
  ParSumme[20]->setText(QString::number(hinten));
}

QStringList Golfplaetze::LiesGolfplatz(Golfplatzdaten& p) {
  NimmEintraege();
  QStringList spalten;
  for (size_t i = 0; i < std::size(TEXTFELDER); ++i) {
    if (!m_texte[i].ZuSchreiben()) continue;
    p.*(TEXTFELDER[i].wert) = m_texte[i].Text();
    spalten << QString::fromUtf8(TEXTFELDER[i].spalte);
  }
  if (m_info.ZuSchreiben()) {
    p.Golfplatzinfo = m_info.Text();
    spalten << QStringLiteral("Golfplatzinfo");
  }
  // The boxes and buttons: what shows otherwise than as loaded.
  if (Teetimes->isChecked() != m_platz.Teetimes) {
    p.Teetimes = Teetimes->isChecked();
    spalten << QStringLiteral("Teetimes");
  }
  if (GolfplatzAnzeigen->isChecked() != m_platz.GolfplatzAnzeigen) {
    p.GolfplatzAnzeigen = GolfplatzAnzeigen->isChecked();
    spalten << QStringLiteral("GolfplatzAnzeigen");
  }
  for (int i = 1; i <= 3; ++i)
    if (Option[i]->isChecked() && m_platz.Lochzahl != i) {
      p.Lochzahl = i;
      spalten << QStringLiteral("Golfplatzlochzahl");
    }
  for (int i = 1; i <= 5; ++i)
    if (Option1[i + 3]->isChecked() && m_platz.Bewertung != i) {
      p.Bewertung = i;
      spalten << QStringLiteral("Bewertung");
    }
  for (int i = 1; i <= 18; ++i) {
    if (m_par[i - 1].ZuSchreiben()) {
      p.Par[i - 1] = Lochwert(m_par[i - 1].Text());
      spalten << Parspalte(i);
    }
    if (m_vorgabe[i - 1].ZuSchreiben()) {
      p.Vorgabe[i - 1] = Lochwert(m_vorgabe[i - 1].Text());
      spalten << Vorgabespalte(i);
    }
  }
  return spalten;
}

Golfplatzdaten Golfplaetze::GezeigterGolfplatz() {
  Golfplatzdaten platz = m_platz;
  LiesGolfplatz(platz);
  // A hole box the editor would refuse shows, after its check, what it held before the
  // typing.
  for (int i = 1; i <= 18; ++i)
    for (const bool par : {true, false}) {
      const Eintrag& e = (par ? m_par : m_vorgabe)[i - 1];
      if (!e.ZuSchreiben() || e.Text().trimmed().isEmpty() || LochwertGueltig(e.Text(), par)) continue;
      std::optional<int>& wert = (par ? platz.Par : platz.Vorgabe)[i - 1];
      wert = e.TextVorEingabe() == e.TextWieGeladen() ? (par ? m_platz.Par : m_platz.Vorgabe)[i - 1]
                                                      : Lochwert(e.TextVorEingabe());
    }
  return platz;
}

void Golfplaetze::GolfplatzGespeichert(const Golfplatzdaten& p) {
  m_platz = p;
  // What is stored now is what the boxes show: the next store writes what is typed after.
  for (size_t i = 0; i < std::size(TEXTFELDER); ++i)
    if (m_texte[i].ZuSchreiben()) m_texte[i].Gespeichert(p.*(TEXTFELDER[i].wert), m_texte[i].Text());
  if (m_info.ZuSchreiben()) m_info.Gespeichert(p.Golfplatzinfo, m_info.Text());
  for (int i = 1; i <= 18; ++i) {
    Eintrag& par = m_par[i - 1];
    Eintrag& vorgabe = m_vorgabe[i - 1];
    if (par.ZuSchreiben()) par.Gespeichert(Lochvariant(p.Par[i - 1]), par.Text());
    if (vorgabe.ZuSchreiben()) vorgabe.Gespeichert(Lochvariant(p.Vorgabe[i - 1]), vorgabe.Text());
  }
}

void Golfplaetze::FolgeDateiwechsel() {
  if (IstLeer(Idn())) return;
  const std::optional<Golfplatzdaten> neu = DBG().ReadGolfplatzdaten(Idn());
  // Not in that file: the store names what was typed.
  if (!neu) return;
  NimmEintraege();
  QList<std::pair<QLineEdit*, QString>> getippt;
  for (size_t i = 0; i < std::size(TEXTFELDER); ++i)
    if (m_texte[i].IstGetippt()) getippt << std::pair{this->*(TEXTFELDER[i].control), m_texte[i].Text()};
  for (int i = 1; i <= 18; ++i) {
    if (m_par[i - 1].IstGetippt()) getippt << std::pair{ParLoch[i], m_par[i - 1].Text()};
    if (m_vorgabe[i - 1].IstGetippt()) getippt << std::pair{VorgabeLoch[i], m_vorgabe[i - 1].Text()};
  }
  const std::optional<QString> info = m_info.IstGetippt() ? std::optional<QString>(m_info.Text()) : std::nullopt;
  // The boxes and buttons the user changed.
  Golfplatzdaten geaendert = m_platz;
  const QStringList knoepfe = LiesGolfplatz(geaendert);
  bool teeGetippt = false;
  for (int r = 1; r < Slope->rowCount() && !teeGetippt; ++r)
    for (int c = 0; c < AbschlagEditor::SPALTE_ID; ++c)
      if (const Eintrag* e = Teeeintrag(r, c); e && e->IstGetippt()) teeGetippt = true;

  ZeigeGolfplatz(*neu);
  for (const auto& [feld, text] : getippt) {
    feld->setText(text);
    m_binder.Nimm(feld);
  }
  if (info) Golfplatzinfo->setPlainText(*info);
  if (knoepfe.contains(QStringLiteral("Teetimes"))) Teetimes->setChecked(geaendert.Teetimes);
  if (knoepfe.contains(QStringLiteral("GolfplatzAnzeigen"))) GolfplatzAnzeigen->setChecked(geaendert.GolfplatzAnzeigen);
  if (knoepfe.contains(QStringLiteral("Golfplatzlochzahl")) && geaendert.Lochzahl)
    SetzeOption(Option[*geaendert.Lochzahl], true);
  if (knoepfe.contains(QStringLiteral("Bewertung")) && geaendert.Bewertung)
    SetzeOption(Option1[*geaendert.Bewertung + 3], true);
  NimmEintraege();
  BerechneParSumme();
  if (!teeGetippt) ZeigeAbschlaege(DBG().LiesAbschlaege(Idn()));
}

void Golfplaetze::ZeigeAbschlaege(const QList<Abschlag>& abschlaege) {
  m_abschlaege = abschlaege;
  m_binder.LoeseZellen(Slope);
  m_teezellen.clear();
  for (int c = 0; c < Slope->columnCount(); ++c) SetzeZelle(Slope, 1, c, QString());
  if (Slope->rowCount() > 2) Slope->setRowCount(2);
  // The new-tee row: nothing loaded.
  m_teezellen.emplace_back();
  for (int c = 0; c < 3; ++c) m_binder.BindeZelle(Slope, 1, c, &m_teezellen.back()[size_t(c)]);
  for (const Abschlag& a : abschlaege) {
    const int r = Slope->rowCount();
    Slope->insertRow(r);
    const QVariant werte[] = {a.Abschlagbezeichnung, a.Slopewert ? QVariant(*a.Slopewert) : QVariant(),
                              a.CourseRating ? QVariant(*a.CourseRating) : QVariant()};
    const QString zellen[] = {a.Abschlagbezeichnung, Bewertungstext(BEREICH_SLOPE, a.Slopewert),
                              Bewertungstext(BEREICH_COURSE_RATING, a.CourseRating), a.Slopeidn};
    m_teezellen.emplace_back();
    for (int c = 0; c < Slope->columnCount(); ++c) {
      SetzeZelle(Slope, r, c, c < 4 ? zellen[c] : QString());
      if (c >= 3) continue;
      Eintrag& e = m_teezellen.back()[size_t(c)];
      e.Lade(werte[c], zellen[c]);
      m_binder.BindeZelle(Slope, r, c, &e);
    }
  }
}

// ---------------------------------------------------------------------------------------
// Courses

QString NeuGolfplatz(const QString& Name) {
  Golfplaetze& f = GolfplaetzeForm();
  // A course that could not be stored stays on screen to be corrected.
  if (!IstLeer(f.Idn()) && !WriteGolfplatzdaten(f.Idn()) && GolfplatzNichtGespeichert()) return FALSCH;
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

// Whether nothing is typed into the course shown or its tees, nor stored with it.
bool NichtsEingetragen(Golfplaetze& f, const Golfplatzdaten& gespeichert) {
  Golfplatzdaten leer;
  leer.Golfplatzidn = gespeichert.Golfplatzidn;
  Golfplatzdaten eingetragen = leer;
  if (!f.LiesGolfplatz(eingetragen).isEmpty() || !(gespeichert == leer)) return false;
  for (int r = 1; r < f.Slope->rowCount(); ++r)
    for (int c = 0; c < AbschlagEditor::SPALTE_ID; ++c) {
      const Eintrag* e = f.Teeeintrag(r, c);
      if (e ? e->ZuSchreiben() : !IstLeer(Zelle(f.Slope, r, c))) return false;
    }
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
  QStringList behalten;
  if (!PruefeLochfelder(f, behalten)) {
    platzNichtGespeichert = true;
    return false;
  }
  // What was typed, over the row as it stands; a hole box kept as stored is not written.
  QStringList spalten = f.LiesGolfplatz(*p);
  for (const QString& s : behalten) spalten.removeAll(s);
  QList<Abschlag> abschlaege;
  QList<int> zeilen;
  QList<QStringList> teespalten;
  const bool mitAbschlaegen = !IstLeer(f.Idn());
  if (mitAbschlaegen && !SammleAbschlaege(abschlaege, zeilen, teespalten)) {
    platzNichtGespeichert = true;
    return false;
  }
  // Nobody typed into the course or its tees: nothing is written.
  if (spalten.isEmpty() && abschlaege.isEmpty()) return true;
  // The course with its tees: one action.
  const bool ok = AlsEineAktion([&] {
    return (spalten.isEmpty() || DBG().WriteGolfplatzdaten(*p, &spalten)) &&
           (abschlaege.isEmpty() || DBG().WriteSlope(f.Idn(), abschlaege, &teespalten));
  });
  if (!ok) {
    // Nothing was stored; everything typed stays on screen.
    platzNichtGespeichert = true;
    return false;
  }
  f.GolfplatzGespeichert(*p);
  if (!abschlaege.isEmpty()) FuelleSlopeListbox(f.Idn());
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
  const QString id = f.Idn();
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
  const QString aktuell = GolfplaetzeForm().Idn();
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
  const QString platz = f.Idn();
  // Tees belong to a course: with no course shown nothing is written.
  if (IstLeer(platz)) return false;

  QList<Abschlag> abschlaege;
  QList<int> zeilen;
  QList<QStringList> spalten;
  if (!SammleAbschlaege(abschlaege, zeilen, spalten)) return false;
  // All tees or none; after a failure the grid keeps what was typed.
  if (!abschlaege.isEmpty() && !AlsEineAktion([&] { return DBG().WriteSlope(platz, abschlaege, &spalten); }))
    return false;
  for (int i = 0; i < zeilen.size(); ++i)
    if (zeilen[i] == 1 && NeueZeileIdn && Zelle(t, 1, AbschlagEditor::SPALTE_ID).isEmpty())
      *NeueZeileIdn = abschlaege[i].Slopeidn;
  FuelleSlopeListbox(platz);
  return true;
}
