#include "platform/Drucker.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QWidget>

namespace {
std::unique_ptr<QPrinter>& drucker() {
  static std::unique_ptr<QPrinter> d;
  return d;
}
int& laufend() {
  static int n = 0;
  return n;
}
constexpr double TWIPS_PRO_ZOLL = 1440.0;
}  // namespace

QPrinter& AktuellerDrucker() {
  if (!drucker()) {
    drucker() = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printouts place everything themselves; the page set-up keeps its margins apart.
    drucker()->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
  return *drucker();
}

void DruckerFreigeben() { drucker().reset(); }

int DruckerAusrichtung() {
  return AktuellerDrucker().pageLayout().orientation() == QPageLayout::Landscape ? QUERFORMAT : HOCHFORMAT;
}

void SetzeDruckerAusrichtung(int ausrichtung) {
  if (ausrichtung != HOCHFORMAT && ausrichtung != QUERFORMAT) return;
  AktuellerDrucker().setPageOrientation(ausrichtung == QUERFORMAT ? QPageLayout::Landscape : QPageLayout::Portrait);
}

DruckerDaten DruckerEigenschaften() {
  QPrinter& p = AktuellerDrucker();
  return {p.outputFormat() == QPrinter::NativeFormat ? p.printerName() : QString(),
          DruckerAusrichtung(),
          p.pageLayout().pageSize().name(),
          p.copyCount(),
          p.duplex() != QPrinter::DuplexNone,
          p.colorMode() == QPrinter::Color};
}

bool DruckLaeuft() { return laufend() > 0; }

std::function<bool(int)>& SeitenHaken() {
  static std::function<bool(int)> h;
  return h;
}

// ---------------------------------------------------------------------------------------

Druckauftrag::Druckauftrag(int ausrichtung) {
  if ((ausrichtung == HOCHFORMAT || ausrichtung == QUERFORMAT) && ausrichtung != DruckerAusrichtung()) {
    m_alteAusrichtung = DruckerAusrichtung();
    SetzeDruckerAusrichtung(ausrichtung);
  }
}

Druckauftrag::~Druckauftrag() {
  if (m_offen && !m_beendet) Beende();
  Aufraeumen();
}

void Druckauftrag::Aufraeumen() {
  // The orientation chosen before the job is the printer's again.
  if (m_alteAusrichtung) {
    SetzeDruckerAusrichtung(m_alteAusrichtung);
    m_alteAusrichtung = 0;
  }
}

bool Druckauftrag::Beginne() {
  QPrinter& p = AktuellerDrucker();
  if (p.outputFormat() == QPrinter::PdfFormat && p.outputFileName().isEmpty()) {
    m_ergebnis = DruckErgebnis::KeinDrucker;
    return false;
  }
  if (p.outputFormat() == QPrinter::NativeFormat && (!p.isValid() || p.printerName().isEmpty())) {
    m_ergebnis = DruckErgebnis::KeinDrucker;
    return false;
  }
  if (!m_maler.begin(&p)) {
    m_ergebnis = p.outputFormat() == QPrinter::PdfFormat ? DruckErgebnis::DateiNichtSchreibbar
                                                         : DruckErgebnis::Fehlgeschlagen;
    return false;
  }
  m_offen = true;
  ++laufend();
  m_seitennummer = 1;
  const double aufloesung = p.resolution();
  const double faktor = aufloesung / TWIPS_PRO_ZOLL;
  m_maler.scale(faktor, faktor);
  const QRectF pixel = p.pageRect(QPrinter::DevicePixel);
  m_seite = QRectF(0, 0, pixel.width() / faktor, pixel.height() / faktor);
  return true;
}

bool Druckauftrag::SeiteFertig() {
  if (!m_offen) return false;
  if (SeitenHaken() && !SeitenHaken()(m_seitennummer)) {
    AktuellerDrucker().abort();
    m_ergebnis = DruckErgebnis::Abgebrochen;
    return false;
  }
  if (AktuellerDrucker().printerState() == QPrinter::Aborted) {
    m_ergebnis = DruckErgebnis::Abgebrochen;
    return false;
  }
  if (AktuellerDrucker().printerState() == QPrinter::Error) {
    m_ergebnis = DruckErgebnis::Fehlgeschlagen;
    return false;
  }
  return true;
}

bool Druckauftrag::NeueSeite() {
  if (!SeiteFertig()) return false;
  if (!AktuellerDrucker().newPage()) {
    m_ergebnis = DruckErgebnis::Fehlgeschlagen;
    return false;
  }
  ++m_seitennummer;
  return true;
}

DruckErgebnis Druckauftrag::Beende() {
  if (!m_offen || m_beendet) return m_ergebnis;
  m_beendet = true;
  if (m_ergebnis == DruckErgebnis::Gedruckt) SeiteFertig();
  const bool ok = m_maler.end();
  --laufend();
  QPrinter& p = AktuellerDrucker();
  if (m_ergebnis == DruckErgebnis::Gedruckt && (!ok || p.printerState() == QPrinter::Error))
    m_ergebnis = p.outputFormat() == QPrinter::PdfFormat ? DruckErgebnis::DateiNichtSchreibbar
                                                         : DruckErgebnis::Fehlgeschlagen;
  // A cancelled job leaves no half-written file behind.
  if (m_ergebnis == DruckErgebnis::Abgebrochen && p.outputFormat() == QPrinter::PdfFormat)
    QFile::remove(p.outputFileName());
  Aufraeumen();
  return m_ergebnis;
}

DruckErgebnis DruckeWidgetGanz(QWidget* w, int ausrichtung) {
  if (!w) return DruckErgebnis::Fehlgeschlagen;
  Druckauftrag auftrag(ausrichtung);
  if (!auftrag.Beginne()) return auftrag.Ergebnis();
  QPainter& m = auftrag.Maler();
  const QSize groesse = w->size();
  if (groesse.width() > 0 && groesse.height() > 0) {
    // Widget pixels are 15 twips at 96 dpi; shrink the whole widget to the page if needed.
    constexpr double TWIPS_PRO_PIXEL = 15.0;
    const QRectF seite = auftrag.Seite();
    const double natuerlich = TWIPS_PRO_PIXEL;
    const double passend = std::min(seite.width() / groesse.width(), seite.height() / groesse.height());
    const double massstab = std::min(natuerlich, passend);
    m.save();
    m.translate((seite.width() - groesse.width() * massstab) / 2.0, 0);
    m.scale(massstab, massstab);
    w->render(&m);
    m.restore();
  }
  return auftrag.Beende();
}
