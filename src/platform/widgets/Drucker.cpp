#include "platform/widgets/Drucker.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QWidget>

#include "platform/Dialoge.h"

#include <cerrno>
#include <csignal>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace {
std::unique_ptr<QPrinter>& drucker() {
  static std::unique_ptr<QPrinter> d;
  return d;
}
// The PDF file is the current printer when the printer writes PDF; a job on an installed
// printer never switches it.
bool aufPdf() { return drucker() && drucker()->outputFormat() == QPrinter::PdfFormat; }
QString& naechsteDatei() {
  static QString d;
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
    // The system's default printer when there is one, else the PDF file.
    if (QPrinterInfo::defaultPrinter().isNull()) drucker()->setOutputFormat(QPrinter::PdfFormat);
    // The printouts place everything themselves; the page set-up keeps its margins apart.
    drucker()->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  }
  return *drucker();
}

void DruckerFreigeben() {
  drucker().reset();
  naechsteDatei().clear();
}

QStringList InstallierteDrucker() { return QPrinterInfo::availablePrinterNames(); }

bool DruckerIstPdfDatei() {
  AktuellerDrucker();
  return aufPdf();
}

void WaehleDrucker(const QString& name, QPrinter& p) {
  const QPageLayout lage = p.pageLayout();
  if (name.isEmpty() || !InstallierteDrucker().contains(name)) {
    p.setOutputFormat(QPrinter::PdfFormat);
  } else {
    p.setOutputFileName(QString());
    p.setOutputFormat(QPrinter::NativeFormat);
    p.setPrinterName(name);
  }
  // Paper, orientation and margins stay as they were chosen.
  p.setPageLayout(lage);
}

void SetzeDruckdatei(const QString& pfad) { naechsteDatei() = pfad; }

Druckerstand MerkeDrucker(const QPrinter& p) {
  return {p.outputFormat() == QPrinter::PdfFormat ? QString() : p.printerName(),
          p.pageLayout(),
          p.copyCount(),
          int(p.duplex()),
          int(p.colorMode()),
          int(p.paperSource()),
          p.resolution()};
}

void StelleDruckerWiederHer(QPrinter& p, const Druckerstand& s) {
  WaehleDrucker(s.name, p);
  p.setPageLayout(s.lage);
  p.setCopyCount(s.kopien);
  p.setDuplex(QPrinter::DuplexMode(s.duplex));
  p.setColorMode(QPrinter::ColorMode(s.farbe));
  p.setPaperSource(QPrinter::PaperSource(s.quelle));
  if (s.aufloesung > 0) p.setResolution(s.aufloesung);
}

int DruckerAusrichtung() {
  return AktuellerDrucker().pageLayout().orientation() == QPageLayout::Landscape ? QUERFORMAT : HOCHFORMAT;
}

void SetzeDruckerAusrichtung(int ausrichtung) {
  if (ausrichtung != HOCHFORMAT && ausrichtung != QUERFORMAT) return;
  AktuellerDrucker().setPageOrientation(ausrichtung == QUERFORMAT ? QPageLayout::Landscape : QPageLayout::Portrait);
}

DruckerDaten DruckerEigenschaften() {
  QPrinter& p = AktuellerDrucker();
  return {aufPdf() ? QString() : p.printerName(), DruckerAusrichtung(),
          p.pageLayout().pageSize().name(),       p.copyCount(),
          p.duplex() != QPrinter::DuplexNone,     p.colorMode() == QPrinter::Color};
}

bool DruckLaeuft() { return laufend() > 0; }

std::function<bool(int)>& SeitenHaken() {
  static std::function<bool(int)> h;
  return h;
}

namespace {
// Removes the part files in `ordner` that no running program writes: those of a printout
// killed while writing (and those of older versions, which named no program).
void raeumeTeileAuf(const QDir& ordner) {
  static const QRegularExpression schreiber(QStringLiteral("\\.(\\d+)\\.teil\\.pdf$"));
  for (const QString& name : ordner.entryList({QStringLiteral(".*.teil.pdf")}, QDir::Files | QDir::Hidden)) {
    const auto m = schreiber.match(name);
    bool ok = false;
    const qint64 pid = m.hasMatch() ? m.captured(1).toLongLong(&ok) : 0;
    const bool laeuft =
        ok && pid > 0 && pid <= std::numeric_limits<pid_t>::max() && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    if (!laeuft) QFile::remove(ordner.filePath(name));
  }
}
}  // namespace

// ---------------------------------------------------------------------------------------

Druckauftrag::Druckauftrag(int ausrichtung, const QString& name) : m_name(name) {
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
  if (aufPdf()) {
    // The file given for this job, and only for it.
    m_ziel = naechsteDatei();
    naechsteDatei().clear();
    if (m_ziel.isEmpty()) {
      m_ergebnis = DruckErgebnis::KeinDrucker;
      return false;
    }
    const QFileInfo ziel(m_ziel);
    if (!ziel.absoluteDir().exists() || (ziel.exists() && (!ziel.isFile() || !ziel.isWritable()))) {
      m_ergebnis = DruckErgebnis::DateiNichtSchreibbar;
      return false;
    }
    // Written beside the file and put in its place once whole, so that a job that fails
    // leaves neither half a file nor a lost old one. The part file names the program
    // writing it: what a killed printout left there goes now.
    raeumeTeileAuf(ziel.absoluteDir());
    m_teil = ziel.absoluteDir().filePath(QStringLiteral(".%1.%2.teil.pdf").arg(ziel.fileName()).arg(::getpid()));
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(m_teil);
  } else if (!p.isValid() || p.printerName().isEmpty()) {
    m_ergebnis = DruckErgebnis::KeinDrucker;
    return false;
  }
  // The queue's name of the job, and the PDF's title.
  p.setDocName(m_name);
  if (!m_maler.begin(&p)) {
    m_ergebnis = aufPdf() ? DruckErgebnis::DateiNichtSchreibbar : DruckErgebnis::Fehlgeschlagen;
    LegeDateiAb();
    return false;
  }
  m_offen = true;
  ++laufend();
  m_seitennummer = 1;
  const double aufloesung = p.resolution();
  const double faktor = aufloesung / TWIPS_PRO_ZOLL;
  m_maler.scale(faktor, faktor);
  const QRectF pixel = p.pageRect(QPrinter::DevicePixel);
  const QRectF papier = p.paperRect(QPrinter::DevicePixel);
  m_seite = QRectF(0, 0, pixel.width() / faktor, pixel.height() / faktor);
  m_papier = QRectF((papier.x() - pixel.x()) / faktor, (papier.y() - pixel.y()) / faktor, papier.width() / faktor,
                    papier.height() / faktor);
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
    m_ergebnis = aufPdf() ? DruckErgebnis::DateiNichtSchreibbar : DruckErgebnis::Fehlgeschlagen;
  LegeDateiAb();
  Aufraeumen();
  return m_ergebnis;
}

namespace {
// The PDF writer reports no failed write (a full disk, a file size limit): the file is whole
// when it ends with the end mark and the cross-reference table stands at the offset its
// trailer names, so that every byte before it reached the file. It is then flushed to the
// disk before it may replace anything.
bool pdfGanzAufDerPlatte(const QString& pfad) {
  QFile f(pfad);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray inhalt = f.readAll();
  if (!inhalt.trimmed().endsWith("%%EOF")) return false;
  const qsizetype marke = inhalt.lastIndexOf("startxref");
  if (marke < 0) return false;
  bool ok = false;
  const qint64 xref = inhalt.mid(marke + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
  if (!ok || xref <= 0 || xref >= marke || inhalt.mid(xref, 4) != "xref") return false;
  return ::fsync(f.handle()) == 0;
}

// The folder's entry of a file just renamed reaches the disk too.
void ordnerAufDiePlatte(const QString& ordner) {
  const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

void Druckauftrag::LegeDateiAb() {
  if (m_teil.isEmpty()) return;
  if (m_ergebnis == DruckErgebnis::Gedruckt) {
    if (!pdfGanzAufDerPlatte(m_teil)) m_ergebnis = DruckErgebnis::DateiNichtSchreibbar;
    // One step: the old file is there until the new one takes its place.
    else if (::rename(QFile::encodeName(m_teil).constData(), QFile::encodeName(m_ziel).constData()) != 0)
      m_ergebnis = DruckErgebnis::DateiNichtSchreibbar;
    else
      ordnerAufDiePlatte(QFileInfo(m_ziel).absolutePath());
  }
  QFile::remove(m_teil);
  m_teil.clear();
}

namespace {
constexpr double TWIPS_PRO_PIXEL = 15.0;

QRectF twips(const QRect& r) {
  return QRectF(r.x() * TWIPS_PRO_PIXEL, r.y() * TWIPS_PRO_PIXEL, r.width() * TWIPS_PRO_PIXEL,
                r.height() * TWIPS_PRO_PIXEL);
}

// A widget's font with its size in the painter's units (twips).
QFont druckschrift(const QWidget* w) {
  QFont f = w->font();
  const double punkte = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75;
  f.setPixelSize(std::max(1, int(std::lround(punkte * 20))));
  return f;
}

QColor farbe(const QWidget* w, QPalette::ColorRole rolle) { return w->palette().color(rolle); }

void zeichneWidget(QPainter& m, QWidget* w, const QPointF& ursprung);

void zeichneKinder(QPainter& m, QWidget* w, const QPointF& ursprung) {
  for (QObject* o : w->children()) {
    auto* kind = qobject_cast<QWidget*>(o);
    if (kind && !kind->isWindow() && !kind->isHidden()) zeichneWidget(m, kind, ursprung);
  }
}

// Texts, boxes and rules are drawn as such, so that they print sharp and stay text;
// anything else is drawn as its picture.
void zeichneWidget(QPainter& m, QWidget* w, const QPointF& ursprung) {
  const QRectF r = twips(w->geometry()).translated(ursprung);
  if (w->autoFillBackground()) m.fillRect(r, farbe(w, w->backgroundRole()));
  if (auto* l = qobject_cast<QLabel*>(w)) {
    m.save();
    if (l->frameShape() == QFrame::Box) {
      QPen stift(farbe(l, QPalette::WindowText).value() > 200 ? Qt::black : QColor(Qt::black));
      stift.setWidthF(TWIPS_PRO_PIXEL);
      m.setPen(stift);
      m.drawRect(r.adjusted(TWIPS_PRO_PIXEL / 2, TWIPS_PRO_PIXEL / 2, -TWIPS_PRO_PIXEL / 2, -TWIPS_PRO_PIXEL / 2));
    }
    m.setFont(druckschrift(l));
    m.setPen(farbe(l, l->foregroundRole()));
    int flags = int(l->alignment());
    if (l->wordWrap()) flags |= Qt::TextWordWrap;
    m.drawText(r, flags, l->text());
    m.restore();
    return;
  }
  if (auto* c = qobject_cast<QCheckBox*>(w)) {
    m.save();
    const double seite = 13 * TWIPS_PRO_PIXEL;
    const QRectF kasten(r.left() + TWIPS_PRO_PIXEL, r.center().y() - seite / 2, seite, seite);
    QPen stift(Qt::black);
    stift.setWidthF(TWIPS_PRO_PIXEL);
    m.setPen(stift);
    if (c->checkState() == Qt::PartiallyChecked) m.fillRect(kasten, QColor(0xC0, 0xC0, 0xC0));
    m.drawRect(kasten);
    if (c->checkState() != Qt::Unchecked) {
      stift.setWidthF(2 * TWIPS_PRO_PIXEL);
      m.setPen(stift);
      const QPointF a(kasten.left() + seite * 0.2, kasten.top() + seite * 0.55);
      const QPointF b(kasten.left() + seite * 0.42, kasten.top() + seite * 0.78);
      const QPointF e(kasten.left() + seite * 0.82, kasten.top() + seite * 0.22);
      m.drawLine(a, b);
      m.drawLine(b, e);
    }
    m.setFont(druckschrift(c));
    m.setPen(farbe(c, c->foregroundRole()));
    m.drawText(QRectF(kasten.right() + 5 * TWIPS_PRO_PIXEL, r.top(), r.right() - kasten.right(), r.height()),
               Qt::AlignLeft | Qt::AlignVCenter, c->text());
    m.restore();
    return;
  }
  if (w->metaObject() == &QWidget::staticMetaObject || w->metaObject() == &QFrame::staticMetaObject) {
    zeichneKinder(m, w, r.topLeft());
    return;
  }
  // Three times the screen's resolution keeps charts and the like readable on paper.
  constexpr int FEIN = 3;
  QPixmap bild(w->size() * FEIN);
  bild.setDevicePixelRatio(FEIN);
  bild.fill(Qt::white);
  w->render(&bild);
  m.drawPixmap(r, bild, QRectF(0, 0, bild.width(), bild.height()));
}
}  // namespace

void ZeichneWidgetbaum(QPainter& m, QWidget* w) {
  if (!w) return;
  m.fillRect(QRectF(0, 0, w->width() * TWIPS_PRO_PIXEL, w->height() * TWIPS_PRO_PIXEL), Qt::white);
  if (w->metaObject() == &QWidget::staticMetaObject)
    zeichneKinder(m, w, QPointF(0, 0));
  else
    zeichneWidget(m, w, -twips(w->geometry()).topLeft());
}

namespace {
// The widget whole on one page: without margins as laid out, shrunk to the printable
// area when it is larger and centred across; with margins as large as fits inside them,
// centred there.
DruckErgebnis druckeWidget(QWidget* w, int ausrichtung, const QString& name, const QMarginsF* rand) {
  if (!w) return DruckErgebnis::Fehlgeschlagen;
  Druckauftrag auftrag(ausrichtung, name);
  if (!auftrag.Beginne()) return auftrag.Ergebnis();
  QPainter& m = auftrag.Maler();
  const QSizeF groesse(w->width() * TWIPS_PRO_PIXEL, w->height() * TWIPS_PRO_PIXEL);
  const QRectF seite = auftrag.Seite();
  const QRectF flaeche = rand ? auftrag.Papier().marginsRemoved(*rand).intersected(seite) : seite;
  if (groesse.width() > 0 && groesse.height() > 0 && flaeche.width() > 0 && flaeche.height() > 0) {
    double massstab = std::min(flaeche.width() / groesse.width(), flaeche.height() / groesse.height());
    if (!rand) massstab = std::min(1.0, massstab);
    const QSizeF gedruckt = groesse * massstab;
    const double oben = rand ? flaeche.top() + (flaeche.height() - gedruckt.height()) / 2.0 : flaeche.top();
    m.save();
    m.translate(flaeche.left() + (flaeche.width() - gedruckt.width()) / 2.0, oben);
    m.scale(massstab, massstab);
    ZeichneWidgetbaum(m, w);
    m.restore();
  }
  return auftrag.Beende();
}
}  // namespace

DruckErgebnis DruckeWidgetGanz(QWidget* w, int ausrichtung, const QString& name) {
  return druckeWidget(w, ausrichtung, name, nullptr);
}

DruckErgebnis DruckeWidgetImRand(QWidget* w, const QMarginsF& randTwips, int ausrichtung, const QString& name) {
  return druckeWidget(w, ausrichtung, name, &randTwips);
}
