#include "forms/Analyseseite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <QTimer>

#include "data/Allgemein.h"
#include "data/DBGKlasse.h"
#include "data/Global.h"
#include "forms/Auswertungsrechnung.h"
#include "forms/Listen.h"
#include "forms/Steuerelemente.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Formular.h"

namespace {

constexpr int TEXT_ALLE_GOLFPLAETZE = 213;
const int ANZAHL[7] = {0, 5, 10, 20, 25, 50, 100};
const char* const MONATE[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const char* const KRITERIEN[5] = {"Score", "Bruttopunkte", "Putts", "Fairwaytreffer", "Abschlaglänge"};

void alleAus(const Steuerfeld<QCheckBox>& feld, int ausser = 0) {
  for (const auto& [i, k] : feld)
    if (i != ausser) k->setChecked(false);
}

int ersterAn(const Steuerfeld<QCheckBox>& feld) {
  for (const auto& [i, k] : feld)
    if (k->isChecked()) return i;
  return 0;
}

int letzterAn(const Steuerfeld<QCheckBox>& feld) {
  int n = 0;
  for (const auto& [i, k] : feld)
    if (k->isChecked()) n = i;
  return n;
}

}  // namespace

bool IstAlleGolfplaetze(const QString& text) {
  return text == QStringLiteral("< All golfcourses >") || text == QStringLiteral("< Alle Golfplätze >") ||
         text == QStringLiteral("< All golf courses >");
}

QDate& Analyseseite::Heute() {
  static QDate heute;
  return heute;
}

namespace {
QDate heute() { return Analyseseite::Heute().isValid() ? Analyseseite::Heute() : QDate::currentDate(); }
}  // namespace

Analyseseite::Analyseseite(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Analyseseite"));
  auto* g = new QGridLayout(this);
  auto box = [&](Steuerfeld<QCheckBox>& feld, const QString& name, int i, const QString& text, int tag) {
    auto* k = new QCheckBox(text, this);
    k->setObjectName(Feldname(name, i));
    if (tag) setzeTag(k, tag);
    k->installEventFilter(this);
    feld.Setze(i, k);
    return k;
  };
  auto zeile = [&](int r, const QString& text, int tag) {
    QLabel* l = NeuesLabel(this, QStringLiteral("LabelZeile%1").arg(r), text);
    if (tag) setzeTag(l, tag);
    g->addWidget(l, r, 0);
    return l;
  };

  AuswahlGolfplatz = NeueListe(this, QStringLiteral("AuswahlGolfplatz"));
  AuswahlGolfplatz->setEditText(QStringLiteral("< Alle Golfplätze >"));
  AuswahlGolfplatz->setToolTip(QStringLiteral("Golfplatz zur Analyse auswählen"));
  AuswahlGolfplatz->installEventFilter(this);
  g->addWidget(AuswahlGolfplatz, 0, 0, 1, 3);
  VW = new QCheckBox(this);
  VW->setObjectName(QStringLiteral("VW"));
  g->addWidget(zeile(1, QStringLiteral("Nur vorgabewirksame Runden"), 1201), 1, 0);
  g->addWidget(VW, 1, 1, Qt::AlignLeft);

  zeile(2, QStringLiteral("Auswahl nach Datum "), 1202);
  auto* daten = new QHBoxLayout;
  daten->addWidget(NeuesLabel(this, QStringLiteral("LabelStart"), QStringLiteral("Startdatum "), 1203));
  Startdatum = NeuesTextfeld(this, QStringLiteral("Startdatum"));
  Startdatum->installEventFilter(this);
  daten->addWidget(Startdatum);
  daten->addWidget(NeuesLabel(this, QStringLiteral("LabelEnde"), QStringLiteral("Enddatum "), 1204));
  Enddatum = NeuesTextfeld(this, QStringLiteral("Enddatum"));
  Enddatum->installEventFilter(this);
  daten->addWidget(Enddatum);
  daten->addWidget(NeuesLabel(this, QStringLiteral("LabelAlle"), QStringLiteral("Alle Runden"), 1205));
  AlleDatum = new QCheckBox(QStringLiteral("   "), this);
  AlleDatum->setObjectName(QStringLiteral("AlleDatum"));
  connect(AlleDatum, &QCheckBox::clicked, this, [this] { AlleDatum_Click(); });
  daten->addWidget(AlleDatum);
  daten->addStretch(1);
  g->addLayout(daten, 2, 1, 1, 2);

  auto reihe = [&](int r, Steuerfeld<QCheckBox>& feld, const QString& name, int anzahl,
                   const std::function<QString(int)>& text, int ersterTag) {
    auto* h = new QHBoxLayout;
    for (int i = 1; i <= anzahl; ++i) h->addWidget(box(feld, name, i, text(i), ersterTag ? ersterTag + i - 1 : 0));
    h->addStretch(1);
    g->addLayout(h, r, 1, 1, 2);
  };
  zeile(3, QStringLiteral("Runden der letzten Wochen"), 1206);
  reihe(
      3, Woche, QStringLiteral("Woche"), 8, [](int i) { return QString::number(i); }, 0);
  zeile(4, QStringLiteral("Runden der letzten Monate"), 1207);
  reihe(
      4, Monat, QStringLiteral("Monat"), 12, [](int i) { return QString::number(i); }, 0);
  zeile(5, QStringLiteral("Monats-Jahresauswertung :"), 1208);
  auto* mj = new QHBoxLayout;
  box(MonJahr, QStringLiteral("MonJahr"), 1, QStringLiteral("Monatsauswertung"), 1209);
  box(MonJahr, QStringLiteral("MonJahr"), 2, QStringLiteral("Jahresauswertung"), 1210);
  mj->addWidget(MonJahr[1]);
  mj->addWidget(MonJahr[2]);
  AuswertungLabel = NeuesLabel(this, QStringLiteral("AuswertungLabel"), QString());
  LabelAJ = NeuesLabel(this, QStringLiteral("LabelAJ"), QString());
  LabelAJ->setVisible(false);
  JahrAuswertung = NeuesTextfeld(this, QStringLiteral("JahrAuswertung"));
  JahrAuswertung->setEnabled(false);
  JahrAuswertung->setMaximumWidth(70);
  mj->addWidget(AuswertungLabel);
  mj->addWidget(LabelAJ);
  mj->addWidget(JahrAuswertung);
  mj->addStretch(1);
  g->addLayout(mj, 5, 1, 1, 2);
  auto* monate = new QGridLayout;
  for (int i = 1; i <= 12; ++i)
    monate->addWidget(box(MonatName, QStringLiteral("MonatName"), i, QString::fromUtf8(MONATE[i - 1]), 1210 + i),
                      (i - 1) / 6, (i - 1) % 6);
  g->addLayout(monate, 6, 1, 1, 2);

  zeile(7, QStringLiteral("Top Scores :"), 1223);
  reihe(
      7, Best, QStringLiteral("Best"), 6, [](int i) { return QStringLiteral("Beste %1").arg(ANZAHL[i]); }, 1224);
  reihe(
      8, BestWhat, QStringLiteral("BestWhat"), 5, [](int i) { return QString::fromUtf8(KRITERIEN[i - 1]); }, 1230);
  reihe(
      9, Last, QStringLiteral("Last"), 6, [](int i) { return QStringLiteral("Letzte %1").arg(ANZAHL[i]); }, 1235);
  TopEingabe = NeuesTextfeld(this, QStringLiteral("TopEingabe"));
  LastEingabe = NeuesTextfeld(this, QStringLiteral("LastEingabe"));
  TopEingabe->setMaximumWidth(60);
  LastEingabe->setMaximumWidth(60);
  g->addWidget(TopEingabe, 7, 3);
  g->addWidget(LastEingabe, 9, 3);

  Calc = new QPushButton(QStringLiteral("Berechne"), this);
  Calc->setObjectName(QStringLiteral("Calc"));
  setzeTag(Calc, 1241);
  connect(Calc, &QPushButton::clicked, this, [this] { Calc_Click(); });
  g->addWidget(Calc, 10, 1);
  g->setColumnStretch(2, 1);
  g->setRowStretch(11, 1);
}

bool Analyseseite::eventFilter(QObject* obj, QEvent* ev) {
  if (ev->type() == QEvent::FocusOut) {
    // Only the user leaving a box inside the window leaves it: not another window coming
    // to the front, a menu opening, or the course box's own list dropping down. Checked
    // after the focus change is complete, so that a message can be shown.
    if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) return false;
    if (obj == Startdatum) NachFokuswechsel(this, [this] { Startdatum_LostFocus(); });
    if (obj == Enddatum) NachFokuswechsel(this, [this] { Enddatum_LostFocus(); });
    if (obj == AuswahlGolfplatz) NachFokuswechsel(this, [this] { AuswahlGolfplatz_LostFocus(); });
    return false;
  }
  const bool maus = ev->type() == QEvent::MouseButtonPress;
  const bool doppelt = ev->type() == QEvent::MouseButtonDblClick;
  const bool leer = ev->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ev)->key() == Qt::Key_Space &&
                    !static_cast<QKeyEvent*>(ev)->isAutoRepeat();
  if (!maus && !leer && !doppelt) return false;
  auto* k = qobject_cast<QCheckBox*>(obj);
  if (!k) return false;
  auto index = [k](const Steuerfeld<QCheckBox>& feld) {
    for (const auto& [i, x] : feld)
      if (x == k) return i;
    return 0;
  };
  // The criterion of the best rounds is a radio group proper: a press on the ticked one
  // keeps it ticked, so that best n always has its order.
  if (const int i = index(BestWhat); i && k->isChecked()) {
    if (!doppelt) BestWhat_Druck(i);
    return true;
  }
  if (doppelt) return false;
  if (int i = index(Woche))
    Woche_Druck(i);
  else if (int i = index(Monat))
    Monat_Druck(i);
  else if (int i = index(MonatName))
    MonatName_Druck(i);
  else if (int i = index(MonJahr))
    MonJahr_Druck(i);
  else if (int i = index(Best))
    Best_Druck(i, leer);
  else if (int i = index(Last))
    Last_Druck(i);
  else if (int i = index(BestWhat))
    BestWhat_Druck(i);
  return false;  // the box then toggles as usual
}

void Analyseseite::JahrAus() {
  LabelAJ->setVisible(false);
  JahrAuswertung->setEnabled(false);
}

void Analyseseite::Woche_Druck(int i) {
  alleAus(Woche, i);
  for (auto* f : {&Monat, &MonatName, &Last, &MonJahr}) alleAus(*f);
  AlleDatum->setChecked(false);
  Startdatum->setText(DatumFuerAnzeige(heute().addDays(-7 * i)));
  Enddatum->setText(DatumFuerAnzeige(heute()));
  JahrAus();
}

void Analyseseite::Monat_Druck(int i) {
  alleAus(Monat, i);
  for (auto* f : {&Woche, &MonatName, &Last, &MonJahr}) alleAus(*f);
  AlleDatum->setChecked(false);
  // A month back keeps the day, or takes the last day of a shorter month.
  Startdatum->setText(DatumFuerAnzeige(heute().addMonths(-i)));
  Enddatum->setText(DatumFuerAnzeige(heute()));
  JahrAus();
}

void Analyseseite::MonatName_Druck(int i) {
  alleAus(MonatName, i);
  for (auto* f : {&BestWhat, &Woche, &Monat, &Best, &Last}) alleAus(*f);
  AlleDatum->setChecked(false);
  Startdatum->clear();
  Enddatum->clear();
}

void Analyseseite::MonJahr_Druck(int i) {
  alleAus(MonJahr, i);
  for (auto* f : {&Woche, &Monat, &Best, &Last, &BestWhat, &MonatName}) alleAus(*f);
  AlleDatum->setChecked(false);
  // The month before this one, in its own year (in January: December of last year).
  const QDate vormonat = heute().addMonths(-1);
  MonatName[vormonat.month()]->setChecked(true);
  Startdatum->clear();
  Enddatum->clear();
  AuswertungLabel->setText(SPU().GibTranslation(i == 1 ? 156 : 157));
  LabelAJ->setText(SPU().GibTranslation(155));
  LabelAJ->setVisible(true);
  JahrAuswertung->setEnabled(true);
  JahrAuswertung->setText(QString::number(vormonat.year()));
}

void Analyseseite::Best_Druck(int i, bool leertaste) {
  alleAus(Best, i);
  for (auto* f : {&MonJahr, &Last}) alleAus(*f);
  AlleDatum->setChecked(false);
  alleAus(leertaste ? Monat : MonatName);
  TopEingabe->setText(QString::number(ANZAHL[i]));
  if (!ersterAn(BestWhat)) BestWhat[1]->setChecked(true);
  JahrAus();
}

void Analyseseite::Last_Druck(int i) {
  alleAus(Last, i);
  for (auto* f : {&Woche, &Monat, &MonatName, &MonJahr, &BestWhat, &Best}) alleAus(*f);
  LastEingabe->setText(QString::number(ANZAHL[i]));
  JahrAus();
}

void Analyseseite::BestWhat_Druck(int i) {
  alleAus(BestWhat, i);
  for (auto* f : {&MonatName, &MonJahr, &Last}) alleAus(*f);
  AlleDatum->setChecked(false);
  JahrAus();
}

void Analyseseite::AlleDatum_Click() {
  for (auto* f : {&Woche, &Monat, &MonatName, &MonJahr, &Best, &Last}) alleAus(*f);
  if (AlleDatum->isChecked()) {
    Startdatum->clear();
    Enddatum->clear();
  } else {
    Enddatum->setText(DatumFuerAnzeige(heute()));
  }
  JahrAus();
}

void Analyseseite::PruefeDatumsfeld(QLineEdit* feld) {
  const DatumTeile t = PruefeDatum(feld->text());
  if (t.Tag == QLatin1String("0") || feld->text().trimmed().isEmpty()) {
    SPU().Zantro_Msg(MELDUNG_DATUM, STIL_INFO);
    feld->clear();
    return;
  }
  feld->setText(DatumAlsText(t));
}

void Analyseseite::Startdatum_LostFocus() { PruefeDatumsfeld(Startdatum); }
void Analyseseite::Enddatum_LostFocus() { PruefeDatumsfeld(Enddatum); }

void Analyseseite::AuswahlGolfplatz_LostFocus() {
  if (SucheListeneintrag(AuswahlGolfplatz, AuswahlGolfplatz->currentText()) >= 0) return;
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_NICHT_IN_LISTE, STIL_INFO);
  AuswahlGolfplatz->setEditText(QString());
  AuswahlGolfplatz->setFocus(Qt::OtherFocusReason);
}

void Analyseseite::Calc_Click() { ErstelleAnalyse(); }

void Analyseseite::FuelleGolfplatzliste(const QString& alterName, const QString& neuerName) {
  QString gezeigt = AuswahlGolfplatz->currentText();
  if (!alterName.isEmpty() && gezeigt == alterName) gezeigt = neuerName;
  ComboQuelle kurse;
  kurse.ErsterEintrag = SPU().GibTranslation(TEXT_ALLE_GOLFPLAETZE);
  kurse.Tabelle = QStringLiteral("tab_golfplatz");
  kurse.Anzeigefeld = QStringLiteral("Golfplatzname");
  kurse.Sortierung = 1;
  const QSignalBlocker sperre(AuswahlGolfplatz);
  FuelleComboBox(AuswahlGolfplatz, kurse);
  // Filling empties the box. A course no longer listed (deleted) gives all courses.
  const int i = gezeigt.isEmpty() ? -1 : AuswahlGolfplatz->findText(gezeigt, Qt::MatchExactly);
  AuswahlGolfplatz->setCurrentIndex(i);
  AuswahlGolfplatz->setEditText(i >= 0 ? gezeigt : kurse.ErsterEintrag);
}

bool Analyseseite::LiesAuswahl(Analyseauswahl& a) {
  auto meldung = [](int nummer) {
    MsgAntwort = SPU().Zantro_Msg(nummer, STIL_INFO);
    return false;
  };
  a = Analyseauswahl();
  a.Golferidn = AktiverGolfer.Golferidn;
  const QString platz = AuswahlGolfplatz->currentText();
  if (!IstAlleGolfplaetze(platz) && platz != SPU().GibTranslation(TEXT_ALLE_GOLFPLAETZE)) {
    a.Golfplatzidn = GolfplatzidnZumNamen(DBG().Db(), platz);
    if (a.Golfplatzidn.isEmpty()) return meldung(MELDUNG_KEINE_RUNDE);
  }
  a.NurVorgabewirksam = VW->isChecked();
  a.Periode = letzterAn(MonJahr);
  if (a.Periode != 0) {
    a.Monat = ersterAn(MonatName);
    if (a.Monat == 0) return meldung(MELDUNG_KEIN_MONAT);
    bool ok = false;
    a.Jahr = JahrAuswertung->text().trimmed().toInt(&ok);
    if (!ok || a.Jahr < 1900 || a.Jahr > 9999) return meldung(MELDUNG_DATUM);
  } else {
    for (auto [feld, ziel] : {std::pair{Startdatum, &a.Start}, std::pair{Enddatum, &a.Ende}}) {
      if (IstLeer(feld->text())) continue;
      *ziel = GibDatumswert(feld->text());
      if (!ziel->isValid()) return meldung(MELDUNG_DATUM);
    }
  }
  for (int i = 1; i <= 6 && a.Zaehlart == 0; ++i) {
    if (Last[i]->isChecked())
      a.Zaehlart = 1;
    else if (Best[i]->isChecked())
      a.Zaehlart = 2;
  }
  if (a.Zaehlart != 0) {
    // Only a whole number from 1 to 9999 reaches the query.
    if (!LiesRundenanzahl(a.Zaehlart == 1 ? LastEingabe->text() : TopEingabe->text(), a.Anzahl))
      return meldung(MELDUNG_RUNDENANZAHL);
    if (a.Zaehlart == 2) a.Kriterium = letzterAn(BestWhat);
  }
  return true;
}

void Analyseseite::ErstelleAnalyse() {
  Analyseauswahl a;
  if (!LiesAuswahl(a)) return;
  const Analyseabfrage q = BaueAnalyseabfrage(a, heute());
  if (q.Meldung) {
    MsgAntwort = SPU().Zantro_Msg(q.Meldung, STIL_INFO);
    return;
  }
  QSqlQuery probe(DBG().Db());
  if (!probe.exec(q.Vorhanden) || !probe.next()) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_KEINE_RUNDE, STIL_INFO);
    return;
  }
  probe.finish();
  if (!DBG().SetSQL(QStringLiteral("qryAnalyseTemp"), q.Sql)) return;
  AuswertungTitel = SPU().GibTranslation(q.TitelNummer) + QLatin1Char(' ') + q.TitelZusatz;
  const QString start = q.Start.toString(Qt::ISODate), ende = q.Ende.toString(Qt::ISODate);
  const Analysewahl wahl{AuswahlGolfplatz->currentText(), a.NurVorgabewirksam};
  if (a.Golfplatzidn.isEmpty())
    CalcRunden(q.Sql, QString(), q.MonatOderJahr, q.Wann, start, ende, a.Golferidn, wahl);
  else
    CalcGP(q.Sql, a.Golfplatzidn, q.MonatOderJahr, q.Wann, start, ende, a.Golferidn, wahl);
}
