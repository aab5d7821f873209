#include "pdf.h"

#include "platform/widgets/Dialoge.h"
#include "platform/widgets/Drucker.h"

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
