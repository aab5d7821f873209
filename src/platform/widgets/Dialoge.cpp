#include "platform/widgets/Dialoge.h"

#include <QApplication>
#include <QBoxLayout>
#include <QColorDialog>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <cmath>

#include "platform/widgets/Drucker.h"

namespace {
int zeigeMeldung(QWidget* owner, const QString& text, int stil, const QString& titel) {
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
}  // namespace

int QtDialoge::Meldung(const QString& text, int stil, const QString& titel) {
  const OffenerDialog offen;
  QPointer<QWidget> owner = QApplication::activeWindow();
  const int antwort = zeigeMeldung(owner, text, stil, titel);
  // The window the box stood over is in front again, with its focus, as a window manager
  // does it; without one the keys would reach that window while it does not know it.
  if (owner && owner->isVisible() && !owner->isActiveWindow()) owner->activateWindow();
  return antwort;
}

QString QtDialoge::DateiOeffnen(const QString& titel, const QString& filterText, const QString& muster,
                                const QString& startOrdner) {
  const OffenerDialog offen;
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
  const OffenerDialog offen;
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
  const OffenerDialog offen;
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
// The stored margins shown on the printer's page; they are ours, not the printer's, so a
// printer's unprintable edge does not limit them.
void zeigeRaender(QPrinter& p, const std::array<long, 4>& r) {
  p.setFullPage(true);
  p.setPageMargins(QMarginsF(r[0] / 100.0, r[1] / 100.0, r[2] / 100.0, r[3] / 100.0), QPageLayout::Millimeter);
}

// The printouts place everything themselves: the printer keeps the margins it had.
void raenderZurueck(QPrinter& p, const QPageLayout& vorher) {
  p.setFullPage(true);
  p.setPageMargins(vorher.margins(QPageLayout::Millimeter), QPageLayout::Millimeter);
  p.setFullPage(vorher.mode() == QPageLayout::FullPageMode);
}

constexpr QPageSize::PageSizeId PAPIERE[] = {QPageSize::A4, QPageSize::A5, QPageSize::A3, QPageSize::Letter,
                                             QPageSize::Legal};

// The page set-up of the PDF file, which the system's dialog does not offer: paper,
// orientation and margins, written to the printer on OK.
std::unique_ptr<QDialog> pdfSeite(QPrinter& p, const DruckdialogTexte& t) {
  auto dlg = std::make_unique<QDialog>(QApplication::activeWindow());
  auto* form = new QFormLayout(dlg.get());
  auto* papier = new QComboBox(dlg.get());
  papier->setObjectName(QStringLiteral("Papier"));
  const QPageSize::PageSizeId jetzt = p.pageLayout().pageSize().id();
  for (QPageSize::PageSizeId id : PAPIERE) papier->addItem(QPageSize::name(id), int(id));
  if (papier->findData(int(jetzt)) < 0) papier->addItem(QPageSize::name(jetzt), int(jetzt));
  papier->setCurrentIndex(papier->findData(int(jetzt)));
  form->addRow(t.papier, papier);

  auto* hoch = new QRadioButton(t.hochformat, dlg.get());
  auto* quer = new QRadioButton(t.querformat, dlg.get());
  (p.pageLayout().orientation() == QPageLayout::Landscape ? quer : hoch)->setChecked(true);
  auto* lage = new QHBoxLayout;
  lage->addWidget(hoch);
  lage->addWidget(quer);
  lage->addStretch(1);
  form->addRow(t.ausrichtung, lage);

  auto* raster = new QGridLayout;
  const QString namen[] = {t.links, t.oben, t.rechts, t.unten};
  const QMarginsF m = p.pageLayout().margins(QPageLayout::Millimeter);
  const double werte[] = {m.left(), m.top(), m.right(), m.bottom()};
  std::array<QDoubleSpinBox*, 4> rand{};
  for (int i = 0; i < 4; ++i) {
    rand[i] = new QDoubleSpinBox(dlg.get());
    rand[i]->setRange(0, 100);
    rand[i]->setDecimals(1);
    rand[i]->setValue(werte[i]);
    raster->addWidget(new QLabel(namen[i], dlg.get()), i / 2, (i % 2) * 2);
    raster->addWidget(rand[i], i / 2, (i % 2) * 2 + 1);
  }
  form->addRow(t.raender, raster);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dlg.get());
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, dlg.get(), &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, dlg.get(), &QDialog::reject);
  form->addRow(knoepfe);
  QObject::connect(dlg.get(), &QDialog::accepted, dlg.get(), [&p, papier, quer, rand] {
    p.setPageSize(QPageSize(QPageSize::PageSizeId(papier->currentData().toInt())));
    p.setPageOrientation(quer->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    p.setPageMargins(QMarginsF(rand[0]->value(), rand[1]->value(), rand[2]->value(), rand[3]->value()),
                     QPageLayout::Millimeter);
  });
  return dlg;
}
}  // namespace

// The system's page set-up dialog on an installed printer, ours on the PDF file, with the
// printer to choose above it. Another printer chosen there takes over what the dialog
// shows so far (the dialog is taken as confirmed for the old printer, which then
// changes) and the dialog opens again for it.
bool QtDialoge::SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) {
  const OffenerDialog offen;
  const Druckerstand vorher = MerkeDrucker(p);
  zeigeRaender(p, e.raender);
  for (;;) {
    const bool pdf = p.outputFormat() == QPrinter::PdfFormat;
    std::unique_ptr<QDialog> dlg =
        pdf ? pdfSeite(p, t) : std::make_unique<QPageSetupDialog>(&p, QApplication::activeWindow());
    dlg->setWindowTitle(t.titel);
    auto* wahl = new QComboBox(dlg.get());
    wahl->setObjectName(QStringLiteral("Drucker"));
    for (const QString& n : e.drucker) wahl->addItem(n, n);
    wahl->addItem(t.pdfDatei, QString());
    wahl->setCurrentIndex(std::max(0, pdf ? wahl->count() - 1 : wahl->findData(p.printerName())));
    auto* beschriftung = new QLabel(t.drucker, dlg.get());
    beschriftung->setBuddy(wahl);
    if (auto* form = qobject_cast<QFormLayout*>(dlg->layout())) {
      form->insertRow(0, beschriftung, wahl);
    } else if (auto* spalte = qobject_cast<QBoxLayout*>(dlg->layout())) {
      auto* zeile = new QHBoxLayout;
      zeile->addWidget(beschriftung);
      zeile->addWidget(wahl, 1);
      spalte->insertLayout(0, zeile);
    }
    std::optional<QString> anderer;
    QObject::connect(wahl, &QComboBox::currentIndexChanged, dlg.get(), [&] {
      anderer = wahl->currentData().toString();
      dlg->accept();
    });
    if (dlg->exec() != QDialog::Accepted) {
      StelleDruckerWiederHer(p, vorher);
      return false;
    }
    if (!anderer) break;
    WaehleDrucker(*anderer, p);
  }
  const QMarginsF m = p.pageLayout().margins(QPageLayout::Millimeter);
  e.raender = {std::lround(m.left() * 100), std::lround(m.top() * 100), std::lround(m.right() * 100),
               std::lround(m.bottom() * 100)};
  raenderZurueck(p, vorher.lage);
  return true;
}

// The system's printer dialog: printer or a PDF file, copies, duplex, colour, paper and
// the rest in its properties; the selection is offered as print range.
bool QtDialoge::DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) {
  const OffenerDialog offen;
  const Druckerstand vorher = MerkeDrucker(p);
  const bool pdf = p.outputFormat() == QPrinter::PdfFormat;
  QPrintDialog dlg(&p, QApplication::activeWindow());
  if (pdf) {
    // Qt's dialog puts the system's default printer on the printer it is given. The PDF
    // file stays the current printer, as it was set up: the dialog opens on its entry
    // with the file proposed, and what the user leaves unchanged stays.
    StelleDruckerWiederHer(p, vorher);
    if (!e.datei.isEmpty()) p.setOutputFileName(e.datei);
  }
  // Printing to a file proposes the printout's own file, also while a printer is chosen.
  if (auto* datei = dlg.findChild<QLineEdit*>(QStringLiteral("filename")); datei && !e.datei.isEmpty())
    datei->setText(e.datei);
  dlg.setWindowTitle(t.titel);
  dlg.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintSelection |
                 QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
  dlg.setPrintRange(e.nurAuswahl ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
  if (dlg.exec() != QDialog::Accepted) {
    StelleDruckerWiederHer(p, vorher);
    return false;
  }
  e.nurAuswahl = dlg.printRange() == QAbstractPrintDialog::Selection;
  e.datei = p.outputFormat() == QPrinter::PdfFormat ? p.outputFileName() : QString();
  raenderZurueck(p, vorher.lage);
  return true;
}

QString SkriptDialoge::DateiSpeichern(const QString& titel, const QString& filterText, const QString& muster,
                                      const QString& vorschlag) {
  vorschlaege << vorschlag;
  return DateiOeffnen(titel, filterText, muster, QString());
}

namespace {
// The printer as the scripted user picked it from the list shown: false when that list
// does not hold it. The PDF file is picked by its label; no name keeps the printer.
bool waehleAusListe(SkriptDialoge& s, QPrinter& p, const Druckeinrichtung& e, const DruckdialogTexte& t,
                    const std::optional<QString>& name) {
  s.angeboteneDrucker = e.drucker;
  s.angeboteneDrucker << t.pdfDatei;
  if (!name) return true;
  if (*name != t.pdfDatei && !e.drucker.contains(*name)) {
    if (s.unbeantwortet) s.unbeantwortet(QStringLiteral("printer not offered: ") + *name);
    return false;
  }
  WaehleDrucker(*name == t.pdfDatei ? QString() : *name, p);
  return true;
}

// Paper, source and orientation as the scripted user set them.
void stelleSeiteEin(QPrinter& p, int ausrichtung, const std::optional<QPageSize::PageSizeId>& papier,
                    const std::optional<int>& quelle) {
  if (papier) p.setPageSize(QPageSize(*papier));
  if (quelle) p.setPaperSource(QPrinter::PaperSource(*quelle));
  if (ausrichtung == 1 || ausrichtung == 2)
    p.setPageOrientation(ausrichtung == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

template <class A>
bool naechsteAntwort(SkriptDialoge& s, std::deque<A>& antworten, const QString& dialog, A& a) {
  s.druckDialoge << dialog;
  if (antworten.empty()) {
    if (s.unbeantwortet) s.unbeantwortet(QStringLiteral("unanswered ") + dialog);
    return false;
  }
  a = antworten.front();
  antworten.pop_front();
  return true;
}
}  // namespace

bool SkriptDialoge::SeiteEinrichten(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) {
  SeitenAntwort a;
  if (!naechsteAntwort(*this, seiten, QStringLiteral("SeiteEinrichten"), a) || !a.ok) return false;
  const Druckerstand vorher = MerkeDrucker(p);
  if (!waehleAusListe(*this, p, e, t, a.drucker)) {
    StelleDruckerWiederHer(p, vorher);
    return false;
  }
  stelleSeiteEin(p, a.ausrichtung, a.papier, a.quelle);
  e.raender = a.raender;
  return true;
}

bool SkriptDialoge::DruckerWaehlen(QPrinter& p, Druckeinrichtung& e, const DruckdialogTexte& t) {
  DruckerAntwort a;
  if (!naechsteAntwort(*this, druckerwahl, QStringLiteral("DruckerWaehlen"), a) || !a.ok) return false;
  const Druckerstand vorher = MerkeDrucker(p);
  if (!waehleAusListe(*this, p, e, t, a.datei.isEmpty() ? a.drucker : t.pdfDatei)) {
    StelleDruckerWiederHer(p, vorher);
    return false;
  }
  stelleSeiteEin(p, a.ausrichtung, a.papier, a.quelle);
  if (a.kopien > 0) p.setCopyCount(a.kopien);
  if (a.duplex) p.setDuplex(*a.duplex ? QPrinter::DuplexLongSide : QPrinter::DuplexNone);
  if (a.farbe) p.setColorMode(*a.farbe ? QPrinter::Color : QPrinter::GrayScale);
  e.nurAuswahl = a.nurAuswahl;
  e.datei = a.datei;
  return true;
}
