#include "platform/Dialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
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
// Page set-up and printer choice

namespace {
QWidget* dialogBesitzer() { return QApplication::activeWindow(); }
}  // namespace

bool QtDialoge::SeiteEinrichten(QPrinter& drucker, std::array<long, 4>& raender) {
  const QPageLayout vorher = drucker.pageLayout();
  drucker.setPageMargins(QMarginsF(raender[0] / 100.0, raender[1] / 100.0, raender[2] / 100.0, raender[3] / 100.0),
                         QPageLayout::Millimeter);
  QPageSetupDialog dlg(&drucker, dialogBesitzer());
  if (dlg.exec() != QDialog::Accepted) {
    drucker.setPageLayout(vorher);
    return false;
  }
  const QMarginsF m = drucker.pageLayout().margins(QPageLayout::Millimeter);
  raender = {std::lround(m.left() * 100), std::lround(m.top() * 100), std::lround(m.right() * 100),
             std::lround(m.bottom() * 100)};
  // The printouts place their content themselves inside the stored margins.
  drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  return true;
}

bool QtDialoge::DruckerWaehlen(QPrinter& drucker, bool& nurAuswahl) {
  nurAuswahl = false;
  QPrintDialog dlg(&drucker, dialogBesitzer());
  dlg.setOption(QAbstractPrintDialog::PrintSelection, true);
  dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dlg.exec() != QDialog::Accepted) return false;
  nurAuswahl = drucker.printRange() == QPrinter::Selection;
  return true;
}

namespace {
void setzeAusrichtung(QPrinter& drucker, int ausrichtung) {
  if (ausrichtung == 1) drucker.setPageOrientation(QPageLayout::Portrait);
  if (ausrichtung == 2) drucker.setPageOrientation(QPageLayout::Landscape);
}
}  // namespace

bool SkriptDialoge::SeiteEinrichten(QPrinter& drucker, std::array<long, 4>& raender) {
  druckDialoge << QStringLiteral("SeiteEinrichten");
  if (seiten.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered page set-up"));
    return false;
  }
  const SeitenAntwort a = seiten.front();
  seiten.pop_front();
  if (!a.ok) return false;
  raender = a.raender;
  setzeAusrichtung(drucker, a.ausrichtung);
  return true;
}

bool SkriptDialoge::DruckerWaehlen(QPrinter& drucker, bool& nurAuswahl) {
  druckDialoge << QStringLiteral("DruckerWaehlen");
  nurAuswahl = false;
  if (druckerwahl.empty()) {
    if (unbeantwortet) unbeantwortet(QStringLiteral("unanswered printer dialog"));
    return false;
  }
  const DruckerAntwort a = druckerwahl.front();
  druckerwahl.pop_front();
  if (!a.ok) return false;
  nurAuswahl = a.nurAuswahl;
  setzeAusrichtung(drucker, a.ausrichtung);
  return true;
}
