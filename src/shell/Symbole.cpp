#include "shell/Symbole.h"

#include <QApplication>
#include <QStyle>

// The symbols are compiled into the shell library; a static library must register them.
static void registriereSymbole() {
  static const bool fertig = [] {
    Q_INIT_RESOURCE(symbole);
    return true;
  }();
  (void)fertig;
}

namespace {
QIcon symbol(const QString& datei, QStyle::StandardPixmap ersatz) {
  registriereSymbole();
  QIcon i(QStringLiteral(":/symbole/") + datei);
  if (i.pixmap(24, 24).isNull())  // no SVG support in this installation
    return QApplication::style()->standardIcon(ersatz);
  return i;
}
}  // namespace

QIcon Knopfsymbol(int index) {
  switch (index) {
    case 1: return symbol(QStringLiteral("beenden.svg"), QStyle::SP_DialogCloseButton);
    case 2: return symbol(QStringLiteral("neu.svg"), QStyle::SP_FileIcon);
    case 3: return symbol(QStringLiteral("loeschen.svg"), QStyle::SP_TrashIcon);
    case 4: return symbol(QStringLiteral("suchen.svg"), QStyle::SP_FileDialogContentsView);
    case 6: return symbol(QStringLiteral("seitenansicht.svg"), QStyle::SP_FileDialogInfoView);
    case 7: return symbol(QStringLiteral("drucken.svg"), QStyle::SP_DialogSaveButton);
    case 9: return symbol(QStringLiteral("details.svg"), QStyle::SP_FileDialogDetailedView);
    case 10: return symbol(QStringLiteral("zurueck.svg"), QStyle::SP_ArrowBack);
    case 11: return symbol(QStringLiteral("weiter.svg"), QStyle::SP_ArrowForward);
    case 13: return symbol(QStringLiteral("rekorde.svg"), QStyle::SP_DialogApplyButton);
    case 14: return symbol(QStringLiteral("zahlen.svg"), QStyle::SP_FileDialogListView);
    case 15: return symbol(QStringLiteral("grafik.svg"), QStyle::SP_ComputerIcon);
    case 17: return symbol(QStringLiteral("golfplatz.svg"), QStyle::SP_DirHomeIcon);
    case 18: return symbol(QStringLiteral("turnier.svg"), QStyle::SP_DirIcon);
    default: return QIcon();
  }
}

QIcon Programmsymbol() { return symbol(QStringLiteral("puttwise.svg"), QStyle::SP_DesktopIcon); }
