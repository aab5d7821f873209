#include "pdf.h"

#include "platform/widgets/Dialoge.h"
#include "platform/widgets/Drucker.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

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

QRectF PdfZeichnungMm(const QString& datei, QSizeF* papier) {
  const QString bild = QFileInfo(datei).absolutePath() + QStringLiteral("/seite1");
  lauf(QStringLiteral("pdftoppm"), {"-r", "150", "-f", "1", "-l", "1", "-png", "-singlefile", datei, bild});
  const QImage b(bild + QStringLiteral(".png"));
  QFile::remove(bild + QStringLiteral(".png"));
  const double mm = 25.4 / 150;
  if (papier) *papier = QSizeF(b.width() * mm, b.height() * mm);
  QRect r;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if ((b.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) r |= QRect(x, y, 1, 1);
  return QRectF(r.x() * mm, r.y() * mm, r.width() * mm, r.height() * mm);
}
