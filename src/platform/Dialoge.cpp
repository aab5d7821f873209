#include "platform/Dialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

namespace {
std::unique_ptr<Dialoge>& aktuelle() {
  static std::unique_ptr<Dialoge> d;
  return d;
}
}  // namespace

Dialoge& DLG() {
  if (!aktuelle()) aktuelle() = std::make_unique<QtDialoge>();
  return *aktuelle();
}

void SetzeDialoge(std::unique_ptr<Dialoge> d) { aktuelle() = std::move(d); }

int QtDialoge::Meldung(const QString& text, int stil, const QString& titel) {
  QWidget* owner = QApplication::activeWindow();
  if (stil == STIL_FRAGE) {
    auto r = QMessageBox::question(owner, titel, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return r == QMessageBox::Yes ? ANTWORT_JA : ANTWORT_NEIN;
  }
  if (stil == 0) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Ok, owner);
    box.exec();
  } else if (stil == STIL_KRITISCH)
    QMessageBox::critical(owner, titel, text);
  else
    QMessageBox::information(owner, titel, text);
  return ANTWORT_OK;
}

QString QtDialoge::DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                                const QString& startOrdner) {
  QFileDialog dlg(QApplication::activeWindow(), titel, startOrdner.isEmpty() ? QDir::homePath() : startOrdner);
  dlg.setFileMode(QFileDialog::ExistingFile);
  dlg.setOption(QFileDialog::DontUseNativeDialog, true);
  // Linux file names are case-sensitive; the database files are matched case-blind.
  dlg.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::CaseSensitive);
  QString caseBlind;
  for (QChar c : muster) {
    if (c.isLetter())
      caseBlind += QStringLiteral("[%1%2]").arg(c.toLower()).arg(c.toUpper());
    else
      caseBlind += c;
  }
  dlg.setNameFilter(QStringLiteral("%1 (%2)").arg(filterText, caseBlind));
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
  return dlg.selectedFiles().first();
}

QColor QtDialoge::FarbeWaehlen(const QColor& start, const QString& titel) {
  return QColorDialog::getColor(start, QApplication::activeWindow(), titel);
}

bool QtDialoge::Bestaetigen(const QString&) { return true; }

bool QtDialoge::OeffneAdresse(const QUrl& adresse) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = QDesktopServices::openUrl(adresse);
  QApplication::restoreOverrideCursor();
  return ok;
}

int SkriptDialoge::Meldung(const QString& text, int stil, const QString& titel) {
  gezeigt.push_back({text, stil, titel});
  if (waehrendMeldung) waehrendMeldung();
  if (antworten.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered message box: ") + text);
    return stil == STIL_FRAGE ? ANTWORT_NEIN : ANTWORT_OK;
  }
  int a = antworten.front();
  antworten.pop_front();
  return a;
}

QString SkriptDialoge::DateiOeffnen(const QString& titel, const QString&, const QString&, const QString&) {
  dateiDialoge << titel;
  if (dateien.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered file dialog: ") + titel);
    return QString();
  }
  QString f = dateien.front();
  dateien.pop_front();
  return f;
}

QColor SkriptDialoge::FarbeWaehlen(const QColor&, const QString& titel) {
  if (farben.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered colour dialog: ") + titel);
    return QColor();
  }
  QColor c = farben.front();
  farben.pop_front();
  return c;
}

bool SkriptDialoge::Bestaetigen(const QString& welcherDialog) {
  if (bestaetigungen.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered dialog: ") + welcherDialog);
    return false;
  }
  bool b = bestaetigungen.front();
  bestaetigungen.pop_front();
  return b;
}

bool SkriptDialoge::OeffneAdresse(const QUrl& adresse) {
  geoeffnet << adresse;
  return programmDa;
}

// ---------------------------------------------------------------------------------------
// Saving a file, page set-up and printer choice

QString QtDialoge::DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                                  const QString& vorschlag) {
  QFileDialog dlg(QApplication::activeWindow(), titel);
  dlg.setAcceptMode(QFileDialog::AcceptSave);
  dlg.setFileMode(QFileDialog::AnyFile);
  dlg.setOption(QFileDialog::DontUseNativeDialog, true);
  dlg.setNameFilter(QStringLiteral("%1 (%2)").arg(filterText, muster));
  const QString endung = QFileInfo(muster).suffix();
  if (!endung.isEmpty() && !endung.contains(QLatin1Char('*'))) dlg.setDefaultSuffix(endung);
  const QFileInfo v(vorschlag);
  if (v.dir().exists()) dlg.setDirectory(v.absolutePath());
  dlg.selectFile(v.fileName());
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
  return dlg.selectedFiles().first();
}

namespace {
constexpr QPageSize::PageSizeId PAPIERE[] = {QPageSize::A4, QPageSize::A5, QPageSize::A3, QPageSize::Letter,
                                             QPageSize::Legal};

// The one small dialog behind both: printer (every installed one and the PDF file),
// paper and orientation, then the margins (page set-up) or the print range (printer choice).
bool druckdialog(Druckeinrichtung& e, const DruckdialogTexte& t, bool mitRaendern) {
  QDialog dlg(QApplication::activeWindow());
  dlg.setWindowTitle(t.titel);
  auto* form = new QFormLayout(&dlg);
  auto* drucker = new QComboBox(&dlg);
  drucker->setObjectName(QStringLiteral("Drucker"));
  for (const QString& n : e.drucker) drucker->addItem(n, n);
  drucker->addItem(t.pdfDatei, QString());
  drucker->setCurrentIndex(std::max(0, drucker->findData(e.gewaehlt)));
  if (e.gewaehlt.isEmpty()) drucker->setCurrentIndex(drucker->count() - 1);
  form->addRow(t.drucker, drucker);

  auto* papier = new QComboBox(&dlg);
  papier->setObjectName(QStringLiteral("Papier"));
  for (QPageSize::PageSizeId id : PAPIERE) papier->addItem(QPageSize::name(id), int(id));
  if (papier->findData(int(e.papier)) < 0) papier->addItem(QPageSize::name(e.papier), int(e.papier));
  papier->setCurrentIndex(papier->findData(int(e.papier)));
  form->addRow(t.papier, papier);

  auto* hoch = new QRadioButton(t.hochformat, &dlg);
  auto* quer = new QRadioButton(t.querformat, &dlg);
  // Each pair a group of its own: all radio buttons of the dialog share its parent.
  auto* lagen = new QButtonGroup(&dlg);
  lagen->addButton(hoch);
  lagen->addButton(quer);
  (e.ausrichtung == 2 ? quer : hoch)->setChecked(true);
  auto* lage = new QHBoxLayout;
  lage->addWidget(hoch);
  lage->addWidget(quer);
  lage->addStretch(1);
  form->addRow(t.ausrichtung, lage);

  std::array<QDoubleSpinBox*, 4> rand{};
  QRadioButton* auswahl = nullptr;
  if (mitRaendern) {
    auto* raster = new QGridLayout;
    const QString namen[] = {t.links, t.oben, t.rechts, t.unten};
    for (int i = 0; i < 4; ++i) {
      rand[i] = new QDoubleSpinBox(&dlg);
      rand[i]->setRange(0, 100);
      rand[i]->setDecimals(1);
      rand[i]->setValue(e.raender[i] / 100.0);
      raster->addWidget(new QLabel(namen[i], &dlg), i / 2, (i % 2) * 2);
      raster->addWidget(rand[i], i / 2, (i % 2) * 2 + 1);
    }
    form->addRow(t.raender, raster);
  } else {
    auto* alles = new QRadioButton(t.alles, &dlg);
    auswahl = new QRadioButton(t.auswahl, &dlg);
    auto* bereiche = new QButtonGroup(&dlg);
    bereiche->addButton(alles);
    bereiche->addButton(auswahl);
    (e.nurAuswahl ? auswahl : alles)->setChecked(true);
    auto* bereich = new QHBoxLayout;
    bereich->addWidget(alles);
    bereich->addWidget(auswahl);
    bereich->addStretch(1);
    form->addRow(t.bereich, bereich);
  }
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
  form->addRow(knoepfe);
  if (dlg.exec() != QDialog::Accepted) return false;

  e.gewaehlt = drucker->currentData().toString();
  e.papier = QPageSize::PageSizeId(papier->currentData().toInt());
  e.ausrichtung = quer->isChecked() ? 2 : 1;
  if (mitRaendern)
    for (int i = 0; i < 4; ++i) e.raender[i] = std::lround(rand[i]->value() * 100);
  else
    e.nurAuswahl = auswahl->isChecked();
  return true;
}
}  // namespace

bool QtDialoge::SeiteEinrichten(Druckeinrichtung& e, const DruckdialogTexte& t) { return druckdialog(e, t, true); }

bool QtDialoge::DruckerWaehlen(Druckeinrichtung& e, const DruckdialogTexte& t) { return druckdialog(e, t, false); }

QString SkriptDialoge::DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                                      const QString& vorschlag) {
  vorschlaege << vorschlag;
  return DateiOeffnen(titel, filterText, muster, QString());
}

namespace {
// The printer as the scripted user picked it from the list shown: false when that list
// does not hold it.
bool waehleAusListe(SkriptDialoge& s, Druckeinrichtung& e, const DruckdialogTexte& t,
                    const std::optional<QString>& name) {
  s.angeboteneDrucker = e.drucker;
  s.angeboteneDrucker << t.pdfDatei;
  if (!name) return true;
  if (*name == t.pdfDatei) {
    e.gewaehlt.clear();
    return true;
  }
  if (!e.drucker.contains(*name)) {
    if (s.unbeantwortet) s.unbeantwortet(QStringLiteral("printer not offered: ") + *name);
    return false;
  }
  e.gewaehlt = *name;
  return true;
}
}  // namespace

bool SkriptDialoge::SeiteEinrichten(Druckeinrichtung& e, const DruckdialogTexte& t) {
  druckDialoge << QStringLiteral("SeiteEinrichten");
  if (seiten.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered page set-up"));
    return false;
  }
  const SeitenAntwort a = seiten.front();
  seiten.pop_front();
  Druckeinrichtung neu = e;
  if (!waehleAusListe(*this, neu, t, a.drucker) || !a.ok) return false;
  neu.raender = a.raender;
  if (a.ausrichtung == 1 || a.ausrichtung == 2) neu.ausrichtung = a.ausrichtung;
  if (a.papier) neu.papier = *a.papier;
  e = neu;
  return true;
}

bool SkriptDialoge::DruckerWaehlen(Druckeinrichtung& e, const DruckdialogTexte& t) {
  druckDialoge << QStringLiteral("DruckerWaehlen");
  if (druckerwahl.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered printer dialog"));
    return false;
  }
  const DruckerAntwort a = druckerwahl.front();
  druckerwahl.pop_front();
  Druckeinrichtung neu = e;
  if (!waehleAusListe(*this, neu, t, a.drucker) || !a.ok) return false;
  neu.nurAuswahl = a.nurAuswahl;
  if (a.ausrichtung == 1 || a.ausrichtung == 2) neu.ausrichtung = a.ausrichtung;
  e = neu;
  return true;
}
