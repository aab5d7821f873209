#include "language/widgets/Fenstertexte.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "language/Sprachumschaltung.h"

void SpeachChange(QWidget* formular) {
  Sprachumschaltung& spu = SPU();
  if (!formular) return;
  if (!spu.HatDatenbank()) return;  // windows keep their German layout texts
  QList<QObject*> controls;
  controls << formular;
  for (QObject* o : formular->findChildren<QObject*>()) controls << o;
  for (QObject* o : controls) {
    const QVariant tag = o->property("Tag");
    if (!tag.isValid() || tag.isNull() || tag.toString().isEmpty()) continue;
    bool ok = false;
    const int nummer = tag.toString().toInt(&ok);
    if (!ok) continue;
    bool gefunden = false;
    if (auto* tabs = qobject_cast<QTabWidget*>(o)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const QString t = spu.Text(QStringLiteral("SpracheTabGroups"), nummer, i, gefunden);
        if (gefunden && !t.isNull()) tabs->setTabText(i, t);
      }
      continue;
    }
    // Labels, command buttons, frames and check boxes; option buttons, text and combo
    // boxes keep their texts.
    const bool uebersetzbar = qobject_cast<QLabel*>(o) || qobject_cast<QPushButton*>(o) ||
                              qobject_cast<QGroupBox*>(o) || qobject_cast<QCheckBox*>(o) ||
                              (qobject_cast<QToolButton*>(o) && !qobject_cast<QToolBar*>(o->parent()));
    if (!uebersetzbar) continue;
    const QString t = spu.Text(QStringLiteral("Sprache"), nummer, -1, gefunden);
    if (!gefunden || t.isNull()) continue;
    if (auto* l = qobject_cast<QLabel*>(o))
      l->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
      b->setText(t);
    else if (auto* g = qobject_cast<QGroupBox*>(o))
      g->setTitle(t);
  }
}

void MenueChange(QWidget* formular) {
  Sprachumschaltung& spu = SPU();
  if (!formular || !spu.HatDatenbank()) return;
  for (QAction* a : formular->findChildren<QAction*>()) {
    const QVariant id = a->property("HelpContextID");
    if (!id.isValid() || id.isNull()) continue;
    bool gefunden = false;
    const QString t = spu.Text(QStringLiteral("Menuesprache"), id.toInt(), -1, gefunden);
    if (gefunden && !t.isNull()) a->setText(t);
  }
}

void ButtonBarChange(QToolBar* leiste) {
  Sprachumschaltung& spu = SPU();
  if (!leiste || leiste->objectName() != QLatin1String("GolferBar1")) return;
  const QList<QAction*> knoepfe = leiste->actions();
  auto setze = [&](int knopf, const QString& text) {
    if (knopf - 1 < knoepfe.size()) knoepfe[knopf - 1]->setToolTip(text);
  };
  setze(1, spu.GibTranslation(131));
  setze(2, spu.GibTranslation(132));
  setze(3, spu.GibTranslation(133));
  setze(4, spu.GibTranslation(134));
  setze(6, spu.GibTranslation(135));
  setze(7, spu.GibTranslation(136));
  setze(9, spu.GibTranslation(137));
  setze(10, spu.GibTranslation(138));
  setze(11, spu.GibTranslation(139));
  setze(13, spu.GibTranslation(140));
  setze(14, spu.GibTranslation(141));
  setze(15, spu.GibTranslation(142));
  setze(17, spu.GibTranslation(143));
  setze(18, spu.GibTranslation(144));
}
