#include "forms/ZellenEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>

#include "forms/Steuerelemente.h"
#include "platform/widgets/Eintragsbinder.h"
#include "platform/widgets/Formular.h"

ZellenEditor::ZellenEditor(QTableWidget* raster, QLineEdit* editfeld, int spalteSchluessel,
                           const QString& kontextRaster, const QString& kontextAussen, QObject* parent)
    : QObject(parent),
      m_raster(raster),
      m_edit(editfeld),
      m_spalteSchluessel(spalteSchluessel),
      m_kontextRaster(kontextRaster),
      m_kontextAussen(kontextAussen) {
  m_edit->hide();
  m_raster->installEventFilter(this);
  m_raster->viewport()->installEventFilter(this);
  // A right click on a caption picks a cell to edit.
  m_raster->horizontalHeader()->viewport()->installEventFilter(this);
  m_edit->installEventFilter(this);
  connect(m_raster, &QTableWidget::currentCellChanged, this,
          [this](int row, int col, int vorherZeile, int vorherSpalte) {
            Zellwechsel(row, col, vorherZeile, vorherSpalte);
          });
  // What is typed into the edit box shows in its cell at once.
  connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (!m_edit->isVisible() || m_editZeile < ZEILE_NEU || m_editSpalte < 0) return;
    MerkeAenderung(m_editZeile, m_editSpalte);
    SetzeZelltext(m_editZeile, m_editSpalte, t);
  });
}

int ZellenEditor::Row() const { return m_raster->currentRow(); }
int ZellenEditor::Col() const { return m_raster->currentColumn(); }
int ZellenEditor::Rows() const { return m_raster->rowCount(); }

void ZellenEditor::SetzeZelle(int row, int col) {
  if (row < ZEILE_NEU || row >= Rows() || col < 0 || col >= m_raster->columnCount()) return;
  m_raster->setCurrentCell(row, col);
}

QString ZellenEditor::Zelltext(int row, int col) const {
  const QTableWidgetItem* i = m_raster->item(row, col);
  return i ? i->text() : QString();
}

void ZellenEditor::SetzeZelltext(int row, int col, const QString& text) {
  QTableWidgetItem* i = m_raster->item(row, col);
  if (!i) {
    i = new QTableWidgetItem;
    m_raster->setItem(row, col, i);
  }
  i->setText(text);
  // Whatever the editor writes into a cell comes from the user's typing (or Escape).
  if (m_binder) m_binder->ZelleGetippt(m_raster, row, col, text);
}

bool ZellenEditor::Bearbeitet() const { return m_edit->isVisible(); }

bool ZellenEditor::CaretAmEnde() const { return m_edit->cursorPosition() >= m_edit->text().size(); }

void ZellenEditor::ZelleAbgelehnt(int row, int col) {
  if (m_binder) m_binder->AblehnenZelle(m_raster, row, col);
}

int ZellenEditor::ZeileMitSchluessel(const QString& idn) const {
  if (idn.isEmpty()) return -1;
  for (int r = ZEILE_NEU + 1; r < Rows(); ++r)
    if (Zelltext(r, m_spalteSchluessel) == idn) return r;
  return -1;
}

bool ZellenEditor::Editierbar(int zeile, int spalte) const { return zeile >= ZEILE_NEU && spalte >= 0; }

void ZellenEditor::PositioniereEditFeld() {
  const int r = Row(), c = Col();
  if (!Editierbar(r, c)) return;
  m_edit->setGeometry(m_raster->visualRect(m_raster->model()->index(r, c)));
  m_edit->setText(Zelltext(r, c));
  m_edit->show();
  m_edit->raise();
  m_edit->setCursorPosition(m_edit->text().size());
  m_editZeile = r;
  m_editSpalte = c;
  Intern([this] { m_edit->setFocus(Qt::OtherFocusReason); });
  EditfeldGeoeffnet();
}

void ZellenEditor::LeereEditFeld() {
  m_edit->clear();
  VerbergeEditFeld();
}

void ZellenEditor::VerbergeEditFeld() {
  if (m_edit->hasFocus()) m_raster->setFocus(Qt::OtherFocusReason);
  m_edit->hide();
}

void ZellenEditor::RasterFokus() { m_raster->setFocus(Qt::OtherFocusReason); }

void ZellenEditor::VerlasseRaster(bool vor) {
  m_edit->hide();
  // The working window that holds the grid (inside the main window's MDI area or not).
  QWidget* fenster = m_raster;
  while (fenster->parentWidget() && !qobject_cast<Formular*>(fenster)) fenster = fenster->parentWidget();
  QWidget* w = m_raster;
  for (;;) {
    w = vor ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == m_raster) return;
    const bool drinnen = m_raster->isAncestorOf(w);
    if (!drinnen && fenster->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        w->isVisibleTo(fenster) && !w->focusProxy())
      break;
  }
  w->setFocus(vor ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void ZellenEditor::NaechsteZelle() {
  m_raster->setUpdatesEnabled(false);
  if (Col() < m_raster->columnCount() - 1)
    SetzeZelle(Row(), Col() + 1);
  else if (Row() < Rows() - 1)
    SetzeZelle(Row() + 1, Col());
  m_raster->setUpdatesEnabled(true);
}

void ZellenEditor::MerkeAenderung(int row, int col) {
  if (row == m_geaendertZeile && col == m_geaendertSpalte) return;
  m_geaendertZeile = row;
  m_geaendertSpalte = col;
  m_geaendertVorher = row == Row() && col == Col() ? m_eintrittstext : Zelltext(row, col);
}

void ZellenEditor::PruefeGeaenderteZelle() {
  const int zeile = m_geaendertZeile, spalte = m_geaendertSpalte;
  m_geaendertZeile = m_geaendertSpalte = -1;
  const auto b = m_zahlspalten.constFind(spalte);
  if (zeile < ZEILE_NEU || zeile >= Rows() || b == m_zahlspalten.constEnd()) return;
  const QString text = Zelltext(zeile, spalte);
  Eintrag* eintrag = m_binder ? m_binder->EintragVon(m_raster, zeile, spalte) : nullptr;
  if (text == (eintrag ? eintrag->TextVorEingabe() : m_geaendertVorher)) return;
  const Zahlbereich bereich = *b;
  double wert = 0;
  switch (PruefeZahl(bereich, text, &wert)) {
    case Zahlbefund::Leer:
      if (eintrag) eintrag->Angenommen();
      return;
    case Zahlbefund::Gut:
      SetzeZelltext(zeile, spalte, Zahlanzeige(bereich, wert));
      if (eintrag) eintrag->Angenommen();
      return;
    default: break;
  }
  // Not taken: the cell as it was, and once the focus change is complete the message and
  // the cursor back on the cell.
  if (eintrag)
    m_binder->AblehnenZelle(m_raster, zeile, spalte);
  else
    SetzeZelltext(zeile, spalte, m_geaendertVorher);
  if (m_edit->isVisible() && m_editZeile == zeile && m_editSpalte == spalte) m_edit->hide();
  NachFokuswechsel(this, [this, bereich, text, zeile, spalte] {
    QPointer<ZellenEditor> selbst(this);
    MeldeZahlfehler(bereich, text);
    // The window may have gone while the message was up.
    if (!selbst || zeile >= Rows()) return;
    Intern([&] {
      SetzeZelle(zeile, spalte);
      RasterFokus();
    });
  });
}

void ZellenEditor::Zellwechsel(int row, int col, int vorherZeile, int vorherSpalte) {
  if (m_imWechsel) return;
  if (vorherZeile == m_geaendertZeile && vorherSpalte == m_geaendertSpalte) PruefeGeaenderteZelle();
  // The key column never stays current: on to the first column of the next row, after
  // the last row back to the entry row.
  if (Aktiv && row >= 0 && col >= m_spalteSchluessel) {
    m_imWechsel = true;
    m_raster->setCurrentCell(row + 1 >= Rows() ? ZEILE_NEU : row + 1, 0);
    m_imWechsel = false;
    row = Row();
    col = Col();
  }
  // Entering a cell.
  VerbergeEditFeld();
  m_eintrittstext = row >= 0 && col >= 0 ? Zelltext(row, col) : QString();
  if (m_binder && row >= 0 && col >= 0) m_binder->ZelleBeginnt(m_raster, row, col);
}

void ZellenEditor::MeldeKontext(const QString& kontext) {
  if (KontextGeaendert) KontextGeaendert(kontext);
}

void ZellenEditor::MeldeRasterKontext() { MeldeKontext(m_kontextRaster); }

bool ZellenEditor::RasterTaste(QKeyEvent* e) {
  const int k = e->key();
  if (k == Qt::Key_F2) {
    PositioniereEditFeld();
    return true;
  }
  if (Row() < ZEILE_NEU || Col() < 0) return false;
  if (k == Qt::Key_Backspace) {
    const QString t = Zelltext(Row(), Col());
    if (!t.isEmpty()) {
      MerkeAenderung(Row(), Col());
      SetzeZelltext(Row(), Col(), t.left(t.size() - 1));
      PositioniereEditFeld();
    }
    return true;
  }
  if (k == Qt::Key_Return || k == Qt::Key_Enter) return false;  // left to the window
  const QString zeichen = e->text();
  if (zeichen.size() == 1 && zeichen.at(0).isPrint() &&
      !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    // Typing replaces the cell's content.
    MerkeAenderung(Row(), Col());
    SetzeZelltext(Row(), Col(), zeichen);
    PositioniereEditFeld();
    return true;
  }
  return false;
}

bool ZellenEditor::EditfeldTaste(QKeyEvent* e) {
  if (e->key() != Qt::Key_Escape) return false;
  // Back to the text the cell had when it was entered, in the box and in the cell.
  if (m_geaendertZeile == Row() && m_geaendertSpalte == Col()) m_geaendertZeile = m_geaendertSpalte = -1;
  m_edit->setText(m_eintrittstext);
  SetzeZelltext(Row(), Col(), m_eintrittstext);
  m_edit->setCursorPosition(m_edit->text().size());
  return true;
}

bool ZellenEditor::MausDruck(Qt::MouseButton knopf, int zeile, int spalte) {
  VerbergeEditFeld();
  if (knopf != Qt::RightButton) return false;
  // A right click on a caption picks that column of the entry row, one on the first
  // column the second column of its row; elsewhere the release edits the cell that was
  // current before.
  if (zeile >= 0 && spalte >= 0 && (zeile == 0 || spalte == 0))
    SetzeZelle(zeile == 0 ? ZEILE_NEU : zeile, spalte == 0 ? 1 : spalte);
  return true;
}

void ZellenEditor::MausLos() { PositioniereEditFeld(); }

bool ZellenEditor::eventFilter(QObject* obj, QEvent* ev) {
  // The grid's header and viewport are asked for only by the mouse events: while the grid
  // is being destroyed it still receives events, and its parts are gone by then.
  auto istKopf = [this, obj] { return obj == m_raster->horizontalHeader()->viewport(); };
  switch (ev->type()) {
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(ev);
      if (obj == m_raster) return RasterTaste(k);
      if (obj == m_edit) return EditfeldTaste(k);
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* m = static_cast<QMouseEvent*>(ev);
      const QPoint pos = m->position().toPoint();
      if (obj == m_raster->viewport()) {
        const QModelIndex i = m_raster->indexAt(pos);
        return MausDruck(m->button(), i.isValid() ? i.row() : -1, i.isValid() ? i.column() : -1);
      }
      if (istKopf()) return MausDruck(m->button(), 0, m_raster->horizontalHeader()->logicalIndexAt(pos));
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* m = static_cast<QMouseEvent*>(ev);
      // After the view has moved the current cell.
      if (obj == m_raster->viewport() || (m->button() == Qt::RightButton && istKopf()))
        QTimer::singleShot(0, this, [this] { MausLos(); });
      break;
    }
    case QEvent::FocusIn:
      if (obj == m_raster) MeldeRasterKontext();
      if (obj == m_edit) EditfeldBetreten(!m_intern && IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev)));
      break;
    case QEvent::FocusOut: {
      if (!IstFeldwechsel(obj, static_cast<QFocusEvent*>(ev))) break;
      if (obj != m_raster && obj != m_edit) break;
      QWidget* neu = QApplication::focusWidget();
      const bool imRaster = neu == m_raster || neu == m_edit;
      if (!imRaster) MeldeKontext(m_kontextAussen);
      // The edit box's own rules first, while the cell still knows what it held before the
      // typing.
      if (obj == m_edit && !m_intern) EditfeldVerlassen();
      // Leaving the grid leaves its cell.
      if (!imRaster && m_geaendertZeile >= 0) {
        PruefeGeaenderteZelle();
        m_eintrittstext = Zelltext(Row(), Col());
        if (m_binder) m_binder->ZelleBeginnt(m_raster, Row(), Col());
      }
      if (obj == m_raster && !imRaster) m_edit->hide();  // the focus is elsewhere already
      break;
    }
    default: break;
  }
  return QObject::eventFilter(obj, ev);
}
