// The tournament editor and its records: the fields loaded from and copied back into a
// value, and the tournament commands over it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Dateiwechsel.h"
#include "data/Global.h"
#include "data/Speicherfehler.h"
#include "forms/Eingabefehler.h"
#include "forms/Golfplaetze.h"
#include "forms/Listen.h"
#include "forms/Turnier.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/Global.h"

namespace {

constexpr int MELDUNG_TURNIER_NICHT_GEFUNDEN = 50;

// Looks the entry's text up among the items of `liste` (case-blind) and puts the key of
// the row with that item's name into `schluessel` (empty for an empty text). An entry not
// typed over leaves the stored key: it may name no row of the table. False for a text not
// in the list, which leaves `schluessel` as it is.
bool SchluesselDerListe(const QComboBox* liste, const Eintrag& e, const QString& tabelle, const QString& namensfeld,
                        const QString& schluesselfeld, QString& schluessel) {
  if (!e.ZuSchreiben()) return true;
  if (IstLeer(e.Text())) {
    schluessel.clear();
    return true;
  }
  const int i = SucheListeneintrag(liste, e.Text());
  if (i < 0) return false;
  // The item's own text: the list may differ from what was typed in letter case.
  schluessel = DBG().gib_tab_eintrag(tabelle, namensfeld, liste->itemText(i), schluesselfeld);
  return true;
}

// The last store of the tournament failed or was refused: the editor stays.
bool turnierNichtGespeichert = false;

QVariant Auswahl(const QString& schluessel) { return schluessel.isEmpty() ? QVariant() : QVariant(schluessel); }

}  // namespace

// ---------------------------------------------------------------------------------------
// The editor's fields

void Turnier::LeereTurnier() {
  m_turnier = Turnierdaten{};
  Turniernummer->clear();
  for (QWidget* t :
       std::initializer_list<QWidget*>{Turniername, Datum, TurnierHandicap, LochzahlSonstige, GolfplatzNo, SpielartNo})
    m_binder.Lade(t, QVariant(), QString());
  m_bemerkung.Lade(QVariant(), QString());
  TurnierBemerkung->clear();
  for (int i = 1; i <= 5; ++i) OptionLoch18[i]->setChecked(false);
}

void Turnier::ZeigeTurnier(const Turnierdaten& t) {
  m_turnier = t;
  Turniernummer->setText(t.Turniernummer);
  m_binder.Lade(Turniername, t.Turniername, t.Turniername);
  const QString datum = Turnierdatum(t);
  m_binder.Lade(Datum, t.Datum.isValid() ? QVariant(t.Datum) : QVariant(t.UnlesbaresDatum), datum);
  m_binder.Lade(TurnierHandicap, t.TurnierHandicap, t.TurnierHandicap);
  m_bemerkung.Lade(t.TurnierBemerkung, t.TurnierBemerkung);
  TurnierBemerkung->setPlainText(t.TurnierBemerkung);
  if (!t.SonstigeLochOption.isEmpty()) {
    OptionLoch18[5]->setChecked(true);
    LochzahlSonstige->setEnabled(true);
  }
  m_binder.Lade(LochzahlSonstige, t.SonstigeLochOption, t.SonstigeLochOption);
  // 5 ticks nothing here: "Sonstige" comes from the other number of holes above.
  const int option = t.LochOption.value_or(0);
  if (option > 0 && option < 5) OptionLoch18[option]->setChecked(true);
  FuelleListe(GolfplatzNo, QStringLiteral("tab_Golfplatz"), QStringLiteral("Golfplatzname"),
              QStringLiteral("Golfplatzidn"), Auswahl(t.GolfplatzNo));
  FuelleListe(SpielartNo, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
              QStringLiteral("Spielartenidn"), Auswahl(t.SpielartNo));
  // The lists show the name of the stored key, or nothing where none of them has it.
  m_platz.Lade(t.GolfplatzNo, GolfplatzNo->currentText());
  m_spielart.Lade(t.SpielartNo, SpielartNo->currentText());
}

void Turnier::NimmEintraege() {
  for (QWidget* t :
       std::initializer_list<QWidget*>{Turniername, Datum, TurnierHandicap, LochzahlSonstige, GolfplatzNo, SpielartNo})
    m_binder.Nimm(t);
  // The remark is a box of several lines the binder does not know: its text is taken as
  // typed when it is not what the entry holds.
  if (TurnierBemerkung->toPlainText() != m_bemerkung.Text()) m_bemerkung.Tippe(TurnierBemerkung->toPlainText());
}

Eintrag& Turnier::Datumseintrag() {
  m_binder.Nimm(Datum);
  return m_datum;
}

QStringList Turnier::LiesTurnier(Turnierdaten& t) {
  NimmEintraege();
  QStringList spalten;
  const bool endet = Schlussart() != Programmschluss::Keiner;
  const struct {
    QComboBox* liste;
    Eintrag* eintrag;
    const char *tabelle, *namensfeld, *schluesselfeld, *spalte;
    int meldung, feld;
    QString Turnierdaten::*wert;
  } LISTEN[] = {{GolfplatzNo, &m_platz, "Tab_Golfplatz", "Golfplatzname", "Golfplatzidn", "GolfplatzNo",
                 MELDUNG_NICHT_IN_LISTE, FELD_TURNIERPLATZ, &Turnierdaten::GolfplatzNo},
                {SpielartNo, &m_spielart, "SpielartGolf", "Spielartname", "Spielartenidn", "SpielartNo",
                 MELDUNG_TURNIERSPIELART_NICHT_IN_LISTE, FELD_TURNIERSPIELART, &Turnierdaten::SpielartNo}};
  for (const auto& l : LISTEN) {
    if (!l.eintrag->ZuSchreiben()) continue;
    if (SchluesselDerListe(l.liste, *l.eintrag, QString::fromLatin1(l.tabelle), QString::fromLatin1(l.namensfeld),
                           QString::fromLatin1(l.schluesselfeld), t.*(l.wert))) {
      spalten << QString::fromLatin1(l.spalte);
      continue;
    }
    // Not in the list: the stored key stays.
    if (endet) {
      MerkeEintragsfehler(SCHLUSS_NICHT_IN_LISTE, l.feld, l.eintrag->Text());
      continue;
    }
    MsgAntwort = SPU().Zantro_Msg(l.meldung, STIL_INFO);
    m_binder.Ablehnen(l.liste);
  }
  LiesTextfelder(t, spalten);
  return spalten;
}

void Turnier::LiesTextfelder(Turnierdaten& t, QStringList& spalten) {
  NimmEintraege();
  for (int i = 1; i <= 5; ++i)
    if (OptionLoch18[i]->isChecked() && m_turnier.LochOption != i) {
      t.LochOption = i;
      spalten << QStringLiteral("LochOption");
    }
  const struct {
    const Eintrag* eintrag;
    QString Turnierdaten::*wert;
    const char* spalte;
  } TEXTE[] = {{&m_name, &Turnierdaten::Turniername, "Turniername"},
               {&m_handicap, &Turnierdaten::TurnierHandicap, "TurnierHandicap"},
               {&m_bemerkung, &Turnierdaten::TurnierBemerkung, "TurnierBemerkung"},
               {&m_sonstige, &Turnierdaten::SonstigeLochOption, "SonstigeLochOption"}};
  for (const auto& f : TEXTE)
    if (f.eintrag->ZuSchreiben()) {
      t.*(f.wert) = f.eintrag->Text();
      spalten << QString::fromLatin1(f.spalte);
    }
}

Turnierdaten Turnier::GezeigtesTurnier() {
  NimmEintraege();
  Turnierdaten t = m_turnier;
  SchluesselDerListe(GolfplatzNo, m_platz, QStringLiteral("Tab_Golfplatz"), QStringLiteral("Golfplatzname"),
                     QStringLiteral("Golfplatzidn"), t.GolfplatzNo);
  SchluesselDerListe(SpielartNo, m_spielart, QStringLiteral("SpielartGolf"), QStringLiteral("Spielartname"),
                     QStringLiteral("Spielartenidn"), t.SpielartNo);
  QStringList spalten;
  LiesTextfelder(t, spalten);
  const QDate datum = GibDatumswert(m_datum.Text());
  if (m_datum.ZuSchreiben() && (datum.isValid() || IstLeer(m_datum.Text()))) {
    t.Datum = datum;
    t.UnlesbaresDatum.clear();
  }
  return t;
}

void Turnier::TurnierGespeichert(const Turnierdaten& t, bool mitDatum) {
  m_turnier = t;
  // What is stored now is what the fields show; a date refused is not.
  const std::pair<Eintrag*, QString> eintraege[] = {
      {&m_name, t.Turniername},         {&m_platz, t.GolfplatzNo},           {&m_spielart, t.SpielartNo},
      {&m_handicap, t.TurnierHandicap}, {&m_sonstige, t.SonstigeLochOption}, {&m_bemerkung, t.TurnierBemerkung}};
  for (const auto& [e, wert] : eintraege)
    if (e->ZuSchreiben()) e->Gespeichert(wert, e->Text());
  if (mitDatum && m_datum.ZuSchreiben()) m_datum.Gespeichert(t.Datum, m_datum.Text());
}

bool Turnier::HatEingaben() {
  NimmEintraege();
  Turnierdaten t = m_turnier;
  QStringList spalten;
  LiesTextfelder(t, spalten);
  return !spalten.isEmpty() || m_datum.ZuSchreiben() || m_platz.ZuSchreiben() || m_spielart.ZuSchreiben();
}

void Turnier::FolgeDateiwechsel() {
  if (IstLeer(Nummer())) return;
  const std::optional<Turnierdaten> neu = DBG().ReadTurnierdaten(Nummer());
  // Not in that file: the store names what was typed.
  if (!neu) return;
  NimmEintraege();
  std::optional<int> option;
  for (int i = 1; i <= 5; ++i)
    if (OptionLoch18[i]->isChecked() && m_turnier.LochOption != i) option = i;
  const std::pair<QWidget*, Eintrag*> felder[] = {{Turniername, &m_name},         {Datum, &m_datum},
                                                  {GolfplatzNo, &m_platz},        {SpielartNo, &m_spielart},
                                                  {TurnierHandicap, &m_handicap}, {LochzahlSonstige, &m_sonstige}};
  QList<std::pair<QWidget*, QString>> getippt;
  for (const auto& [box, e] : felder)
    if (e->IstGetippt()) getippt << std::pair{box, e->Text()};
  const std::optional<QString> bemerkung =
      m_bemerkung.IstGetippt() ? std::optional<QString>(m_bemerkung.Text()) : std::nullopt;
  LeereTurnier();
  ZeigeTurnier(*neu);
  for (const auto& [box, text] : getippt) {
    if (auto* liste = qobject_cast<QComboBox*>(box)) {
      liste->setCurrentIndex(liste->findText(text, Qt::MatchFixedString));
      liste->setEditText(text);
    } else if (auto* feld = qobject_cast<QLineEdit*>(box)) {
      feld->setText(text);
    }
    m_binder.Nimm(box);
  }
  if (bemerkung) TurnierBemerkung->setPlainText(*bemerkung);
  if (option) OptionLoch18[*option]->setChecked(true);
  NimmEintraege();
}

// ---------------------------------------------------------------------------------------
// Tournaments

bool NeuTurnier(const QString& Name) {
  Turnier& f = TurnierForm();
  // A tournament that could not be stored stays on screen to be corrected.
  if (!WriteTurnier(f.Nummer()) && TurnierNichtGespeichert()) return false;
  LoescheTurnierFelder();
  const QString nummer = DBG().LegeTurnierAn(Name);
  if (nummer.isEmpty()) return false;
  GotoTurnier(nummer);
  return true;
}

bool ReadTurnierdaten(const QString& Turniernummer) {
  Turnier& f = TurnierForm();
  LoescheTurnierFelder();
  const std::optional<Turnierdaten> t = DBG().ReadTurnierdaten(Turniernummer);
  if (!t) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_TURNIER_NICHT_GEFUNDEN, STIL_KRITISCH);
    return false;
  }
  f.ZeigeTurnier(*t);
  return true;
}

QString GotoTurnier(const QString& Turniernummer) {
  QString nummer = Turniernummer;
  QStringList ids;
  // The latest date last.
  if (!DBG().TurnierschluesselNachDatum(ids)) return nummer;
  if (ids.isEmpty()) {
    TurnierForm().Zeige();
    NeuTurnier(QString());
    nummer = TurnierForm().Nummer();
  } else {
    if (nummer == QLatin1String("LAST")) nummer = ids.last();
    ReadTurnierdaten(nummer);
    TurnierForm().Zeige();
  }
  // The course editor saves its course on closing; it refuses while its name is empty.
  if (FormExistiert<Golfplaetze>()) GolfplaetzeForm().Schliessen();
  return nummer;
}

namespace {
constexpr int MELDUNG_DATUM_BEIM_SCHLIESSEN = 4810;
constexpr int MELDUNG_TURNIER_OHNE_ZEILE = 4841;
constexpr int SCHLUSS_TURNIER_OHNE_ZEILE = 4842;

// The tournament shown has no row to store it into (not in a file taken over): what was
// typed is named as not stored (noted as the program ends), and the editor shows a
// tournament that has one, or none. Nothing to say when nothing was typed.
void KeineZeileZumSpeichern(Turnier& f) {
  if (!f.HatEingaben()) return;
  const QString name = ZitierterEintrag(IstLeer(f.Turniername->text()) ? f.Nummer() : f.Turniername->text());
  if (Schlussart() != Programmschluss::Keiner) {
    MerkeNichtGespeichert(SPU().GibTranslation(SCHLUSS_TURNIER_OHNE_ZEILE).arg(name));
    return;
  }
  turnierNichtGespeichert = true;
  const QPointer<Turnier> fenster(&f);
  MsgAntwort = DLG().Meldung(SPU().Meldungstext(MELDUNG_TURNIER_OHNE_ZEILE).arg(name), STIL_INFO, PRODUKTTITEL);
  if (!fenster) return;
  // Nothing typed may go into another tournament: the fields are cleared first.
  LoescheTurnierFelder();
  QStringList ids;
  if (DBG().TurnierschluesselNachDatum(ids) && !ids.isEmpty()) ReadTurnierdaten(ids.last());
}

// `schliessen`: the editor closes, which a date it cannot take does not stop.
bool schreibeTurnier(const QString& Turniernummer, bool schliessen) {
  turnierNichtGespeichert = false;
  Turnier& f = TurnierForm();
  std::optional<Turnierdaten> t = DBG().ReadTurnierdaten(Turniernummer);
  if (!t) {
    // A failed read has told its box; only a tournament with no row is named here.
    QStringList ids;
    if (!IstLeer(Turniernummer) && DBG().Turnierschluessel(ids) && !ids.contains(Turniernummer))
      KeineZeileZumSpeichern(f);
    return false;
  }
  const QPointer<Turnier> fenster(&f);
  // As the program ends, a date that cannot be stored is noted, and the stored one stays
  // while the rest is stored.
  const bool endet = Schlussart() != Programmschluss::Keiner;
  // A date that is no date is refused; the stored date is never replaced by none. A date
  // nobody typed over is not judged.
  const Eintrag& datum = f.Datumseintrag();
  const QString datumText = datum.Text();
  const bool datumFalsch =
      datum.ZuSchreiben() && !IstLeer(datumText) && PruefeDatum(datumText).Tag == QLatin1String("0");
  if (datumFalsch && endet) {
    MerkeEintragsfehler(SCHLUSS_KEIN_DATUM, FELD_TURNIERDATUM, datumText);
  } else if (datumFalsch && !schliessen) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
    turnierNichtGespeichert = true;
    // The editor may have closed under the box, as the program ended.
    if (!fenster) return false;
    f.Datum->setFocus(Qt::OtherFocusReason);
    f.Datum->selectAll();
    return false;
  }
  QStringList spalten = f.LiesTurnier(*t);
  if (datum.ZuSchreiben() && !datumFalsch) {
    t->Datum = GibDatumswert(datumText);
    t->UnlesbaresDatum.clear();
    spalten << QStringLiteral("Datum");
  }
  // Nobody typed into the tournament (but a date refused): nothing is written.
  if (!spalten.isEmpty() && !AlsEineAktion([&] { return DBG().WriteTurnier(*t, &spalten); })) {
    turnierNichtGespeichert = true;
    return false;
  }
  if (!fenster) return true;
  f.TurnierGespeichert(*t, !datumFalsch);
  if (!datumFalsch) return true;
  if (!endet)
    MsgAntwort = DLG().Meldung(SPU()
                                   .Meldungstext(MELDUNG_DATUM_BEIM_SCHLIESSEN)
                                   .arg(SPU().GibTranslation(FELD_TURNIERDATUM), ZitierterEintrag(datumText)),
                               STIL_INFO, PRODUKTTITEL);
  return true;
}

bool schreibe(const QString& Turniernummer, bool schliessen) {
  // A file renamed over the database is taken over as the card's is: one question.
  return SpeichereDatensatzInDieDatei([&] { return schreibeTurnier(Turniernummer, schliessen); },
                                      turnierNichtGespeichert, [&] { ReadTurnierdaten(Turniernummer); });
}
}  // namespace

bool WriteTurnier(const QString& Turniernummer) { return schreibe(Turniernummer, false); }
bool WriteTurnierBeimSchliessen(const QString& Turniernummer) { return schreibe(Turniernummer, true); }

bool TurnierNichtGespeichert() { return turnierNichtGespeichert; }

void ScrollTurnier(int Richtung) {
  const QString aktuell = TurnierForm().Nummer();
  if (!WriteTurnier(aktuell) && TurnierNichtGespeichert()) return;
  QStringList ids;
  // The numbers are texts and scroll in text order (10 before 2).
  if (!DBG().Turnierschluessel(ids)) return;
  if (ids.isEmpty()) {
    SPU().Zantro_Msg(MELDUNG_KEIN_DATENSATZ, STIL_INFO);
    return;
  }
  const QString ziel = NaechsterSchluessel(ids, aktuell, Richtung);
  if (!ziel.isEmpty()) GotoTurnier(ziel);
}
