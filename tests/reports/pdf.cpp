#include "pdf.h"

#include "platform/widgets/Dialoge.h"
#include "platform/widgets/Drucker.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {
QString lauf(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(30000)) return QString();
  return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

QStringList PdfSeiten(const QString& datei) {
  QStringList seiten = lauf(QStringLiteral("pdftotext"), {"-layout", datei, "-"}).split(QLatin1Char('\f'));
  // pdftotext ends the last page with a form feed too.
  if (!seiten.isEmpty() && seiten.last().trimmed().isEmpty()) seiten.removeLast();
  return seiten;
}

bool PdfQuer(const QString& datei) {
  const QString info = lauf(QStringLiteral("pdfinfo"), {datei});
  const auto m = QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))")).match(info);
  return m.hasMatch() && m.captured(1).toDouble() > m.captured(2).toDouble();
}

QString PdfTitel(const QString& datei) {
  const QString info = lauf(QStringLiteral("pdfinfo"), {datei});
  const auto m =
      QRegularExpression(QStringLiteral(R"(^Title:\s*(.*)$)"), QRegularExpression::MultilineOption).match(info);
  return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

QString PdfZiel(const QString& ordner, const QString& name) {
  const QString pfad = ordner + "/" + name;
  dynamic_cast<SkriptDialoge&>(DLG()).dateien.push_back(pfad);
  return pfad;
}

QRectF PdfZeichnungMm(const QString& datei, QSizeF* papier, QImage* seite) {
  const QString bild = QFileInfo(datei).absolutePath() + QStringLiteral("/seite1");
  lauf(QStringLiteral("pdftoppm"), {"-r", "150", "-f", "1", "-l", "1", "-png", "-singlefile", datei, bild});
  const QImage b(bild + QStringLiteral(".png"));
  QFile::remove(bild + QStringLiteral(".png"));
  if (seite) *seite = b;
  const double mm = 25.4 / 150;
  if (papier) *papier = QSizeF(b.width() * mm, b.height() * mm);
  QRect r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if ((b.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) r |= QRect(x, y, 1, 1);
  return QRectF(r.x() * mm, r.y() * mm, r.width() * mm, r.height() * mm);
}

QList<QList<PdfWort>> PdfWoerter(const QString& datei) {
  const QString html = lauf(QStringLiteral("pdftotext"), {"-bbox", datei, "-"});
  QList<QList<PdfWort>> seiten;
  static const QRegularExpression seite(
      QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                     "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = seite.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0).startsWith(QLatin1String("<page"))) {
      seiten.append(QList<PdfWort>());
      continue;
    }
    if (seiten.isEmpty()) continue;
    PdfWort w;
    w.x0 = m.captured(1).toDouble();
    w.y0 = m.captured(2).toDouble();
    w.x1 = m.captured(3).toDouble();
    w.y1 = m.captured(4).toDouble();
    w.text = m.captured(5)
                 .replace(QLatin1String("&lt;"), QLatin1String("<"))
                 .replace(QLatin1String("&gt;"), QLatin1String(">"))
                 .replace(QLatin1String("&quot;"), QLatin1String("\""))
                 .replace(QLatin1String("&#39;"), QLatin1String("'"))
                 .replace(QLatin1String("&amp;"), QLatin1String("&"));
    seiten.last().append(w);
  }
  return seiten;
}

QList<PdfWort> PdfZeile(const QList<PdfWort>& seite, const QString& text) {
  QList<PdfWort> zeile;
  auto kopf = std::find_if(seite.begin(), seite.end(), [&](const PdfWort& w) { return w.text == text; });
  if (kopf == seite.end()) return zeile;
  for (const PdfWort& w : seite)
    if (std::abs(w.mitteY() - kopf->mitteY()) < (kopf->y1 - kopf->y0) / 2) zeile << w;
  std::sort(zeile.begin(), zeile.end(), [](const PdfWort& a, const PdfWort& b) { return a.x0 < b.x0; });
  return zeile;
}

PdfTabelle::PdfTabelle(const QList<PdfWort>& seite, const PdfWort& kopf, const QList<double>& spalten, int zeilen)
    : m_spalten(spalten) {
  m_toleranz = 1e9;
  for (int i = 1; i < spalten.size(); ++i) m_toleranz = std::min(m_toleranz, (spalten[i] - spalten[i - 1]) / 2);
  // The lines: the captions left of the first column below the heading, grouped by height.
  QList<double> hoehen;
  const double links = spalten.first() - m_toleranz;
  QList<PdfWort> beschriftungen;
  for (const PdfWort& w : seite)
    if (w.x1 < links && w.mitteY() > kopf.y1) beschriftungen << w;
  std::sort(beschriftungen.begin(), beschriftungen.end(),
            [](const PdfWort& a, const PdfWort& b) { return a.mitteY() < b.mitteY(); });
  const double zeilenhoehe = kopf.y1 - kopf.y0;
  for (const PdfWort& w : beschriftungen)
    if (hoehen.isEmpty() || w.mitteY() - hoehen.last() > zeilenhoehe / 2) hoehen << w.mitteY();
  hoehen = hoehen.mid(0, zeilen);
  m_zeilen.resize(hoehen.size());
  for (const PdfWort& w : seite)
    for (int z = 0; z < hoehen.size(); ++z)
      if (std::abs(w.mitteY() - hoehen[z]) < zeilenhoehe / 2) m_zeilen[z] << w;
  for (QList<PdfWort>& z : m_zeilen)
    std::sort(z.begin(), z.end(), [](const PdfWort& a, const PdfWort& b) { return a.x0 < b.x0; });
}

QString PdfTabelle::Beschriftung(int z) const {
  QStringList t;
  for (const PdfWort& w : m_zeilen.value(z))
    if (w.x1 < m_spalten.first() - m_toleranz) t << w.text;
  return t.join(QLatin1Char(' '));
}

QString PdfTabelle::Zelle(int z, int s) const {
  QStringList t;
  for (const PdfWort& w : m_zeilen.value(z))
    if (std::abs(w.mitteX() - m_spalten[s]) < m_toleranz) t << w.text;
  return t.join(QLatin1Char(' '));
}
