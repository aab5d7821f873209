#include "forms/Historieneditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Dialoge.h"

namespace {
constexpr int MELDUNG_DATUM_UNGUELTIG = 178;

// Focus changes that come from a menu, a popup or another window are not the user moving
// between fields.
bool IstFeldwechsel(const QFocusEvent* e) {
  const Qt::FocusReason g = e->reason();
  return g != Qt::ActiveWindowFocusReason && g != Qt::PopupFocusReason && g != Qt::MenuBarFocusReason;
}

// Runs `f` with `flag` set, restoring it afterwards.
template <class F>
void Mit(bool& flag, F&& f) {
  const bool vorher = flag;
  flag = true;
  f();
  flag = vorher;
}
}  // namespace

HistorienEditor::HistorienEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent)
    : QObject(parent), m_raster(raster), m_edit(editfeld) {
  m_edit->hide();
  m_raster->installEventFilter(this);
  m_raster->viewport()->installEventFilter(this);
  m_raster->horizontalHeader()->viewport()->installEventFilter(this);
  m_edit->installEventFilter(this);
  connect(m_raster, &QTableWidget::currentCellChanged, this,
          [this](int row, int col, int, int) { Zellwechsel(row, col); });
  // What is typed into the edit box shows in its cell at once.
  connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (m_edit->isVisible() && m_editZeile >= ZEILE_NEU && m_editSpalte >= 0) SetzeZelltext(m_editZeile, m_editSpalte, t);
  });
  // Scrolling ends an edit.
  connect(m_raster->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { VerbergeEditFeld(); });
  connect(m_raster->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { VerbergeEditFeld(); });
}

int HistorienEditor::Row() const { return m_raster->currentRow(); }
int HistorienEditor::Col() const { return m_raster->currentColumn(); }
int HistorienEditor::Rows() const { return m_raster->rowCount(); }

void HistorienEditor::SetzeZelle(int row, int col) {
  if (row < ZEILE_NEU || row >= Rows() || col < 0 || col >= m_raster->columnCount()) return;
  m_raster->setCurrentCell(row, col);
}

QString HistorienEditor::Zelltext(int row, int col) const {
  const QTableWidgetItem* i = m_raster->item(row, col);
  return i ? i->text() : QString();
}

void HistorienEditor::SetzeZelltext(int row, int col, const QString& text) {
  QTableWidgetItem* i = m_raster->item(row, col);
  if (!i) {
    i = new QTableWidgetItem;
    m_raster->setItem(row, col, i);
  }
  i->setText(text);
}

bool HistorienEditor::Bearbeitet() const { return m_edit->isVisible(); }

bool HistorienEditor::CaretAmEnde() const { return m_edit->cursorPosition() >= m_edit->text().size(); }

QString HistorienEditor::GeprueftesDatum(const QString& text) {
  const DatumTeile teile = PruefeDatum(text);
  if (teile.Tag == QLatin1String("0")) return QString();
  return DatumAlsText(teile);
}

void HistorienEditor::PositioniereEditFeld() {
  const int r = Row(), c = Col();
  if (r < ZEILE_NEU || c < 0 || c >= SPALTE_ID) return;
  m_edit->setGeometry(m_raster->visualRect(m_raster->model()->index(r, c)));
  m_edit->setText(Zelltext(r, c));
  m_edit->show();
  m_edit->raise();
  m_edit->setCursorPosition(m_edit->text().size());
  m_editZeile = r;
  m_editSpalte = c;
  Mit(m_intern, [this] { m_edit->setFocus(Qt::OtherFocusReason); });
  EditfeldFokus();
}

void HistorienEditor::LeereEditFeld() {
  m_edit->clear();
  VerbergeEditFeld();
}

void HistorienEditor::VerbergeEditFeld() {
  // The focus stays in the grid rather than wandering to the next field.
  if (m_edit->hasFocus()) m_raster->setFocus(Qt::OtherFocusReason);
  m_edit->hide();
}

void HistorienEditor::RasterFokus() { m_raster->setFocus(Qt::OtherFocusReason); }

void HistorienEditor::NaechsteZelle() {
  m_raster->setUpdatesEnabled(false);
  if (Col() < m_raster->columnCount() - 1)
    SetzeZelle(Row(), Col() + 1);
  else if (Row() < Rows() - 1)
    SetzeZelle(Row() + 1, Col());
  m_raster->setUpdatesEnabled(true);
}

void HistorienEditor::NeuenEintragUebernehmen(const QString& datum) {
  Mit(m_intern, [&] {
    SetzeZelltext(ZEILE_NEU, SPALTE_DATUM, datum);
    QString neueIdn;
    if (Speichern) Speichern(neueIdn);
    // The new row wherever the refill placed it: by its key, else the first row of its
    // date; the search ends with the last row.
    int ziel = -1;
    if (!neueIdn.isEmpty())
      for (int r = ZEILE_NEU + 1; r < Rows() && ziel < 0; ++r)
        if (Zelltext(r, SPALTE_ID) == neueIdn) ziel = r;
    for (int r = ZEILE_NEU + 1; r < Rows() && ziel < 0; ++r)
      if (Zelltext(r, SPALTE_DATUM) == datum) ziel = r;
    if (ziel > ZEILE_NEU)
      SetzeZelle(ziel, SPALTE_GOLFCLUB);
    else
      SetzeZelle(ZEILE_NEU, SPALTE_DATUM);
    m_edit->clear();
    VerbergeEditFeld();
  });
}

void HistorienEditor::Zellwechsel(int row, int col) {
  if (m_imWechsel) return;
  // The key column never stays current: on to the next row's date, after the last row
  // back to the entry row.
  if (Aktiv && row >= 0 && col >= SPALTE_ID) {
    Mit(m_imWechsel, [&] { m_raster->setCurrentCell(row + 1 >= Rows() ? ZEILE_NEU : row + 1, SPALTE_DATUM); });
    row = Row();
    col = Col();
  }
  VerbergeEditFeld();
  m_eintrittstext = row >= 0 && col >= 0 ? Zelltext(row, col) : QString();
}

void HistorienEditor::EditfeldFokus() {
  // A new entry begins with its date.
  if (Row() == ZEILE_NEU && Col() >= SPALTE_GOLFCLUB && Col() <= SPALTE_STAMMVORGABE) {
    SetzeZelltext(ZEILE_NEU, Col(), QString());
    m_edit->clear();
    Mit(m_intern, [this] {
      RasterFokus();
      SetzeZelle(ZEILE_NEU, SPALTE_DATUM);
    });
  }
  m_editZeile = Row();
  m_editSpalte = Col();
}

bool HistorienEditor::DatumAmEditfeld() {
  const QString datum = GeprueftesDatum(m_edit->text());
  if (datum.isEmpty()) {
    MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
    m_edit->clear();
    SetzeZelltext(Row(), Col(), QString());
    VerbergeEditFeld();
    RasterFokus();
    return false;
  }
  m_edit->setText(datum);
  return true;
}

// The user left the edit box for another cell or control. A date typed into the date
// column is checked; a date in the entry row is stored as a new row. The check applies
// to the cell the box was opened on, wherever the cursor went. Messages and focus moves
// wait until the focus change is complete; what they would act on is checked again then.
void HistorienEditor::EditfeldVerlassen() {
  if (m_editSpalte != SPALTE_DATUM) return;
  const QString text = m_edit->text();
  if (text.isEmpty()) return;
  const int zeile = m_editZeile;
  const QString datum = GeprueftesDatum(text);
  if (datum.isEmpty()) {
    m_edit->clear();
    if (Zelltext(zeile, SPALTE_DATUM) == text) SetzeZelltext(zeile, SPALTE_DATUM, QString());
    QTimer::singleShot(0, this, [this, zeile] {
      MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
      Mit(m_intern, [&] {
        SetzeZelle(zeile, SPALTE_DATUM);
        m_edit->hide();
        RasterFokus();
      });
    });
    return;
  }
  if (zeile != ZEILE_NEU) {
    if (Zelltext(zeile, SPALTE_DATUM) == text) SetzeZelltext(zeile, SPALTE_DATUM, datum);
    QTimer::singleShot(0, this, [this] {
      Mit(m_intern, [this] {
        m_edit->hide();
        RasterFokus();
      });
    });
    return;
  }
  QTimer::singleShot(0, this, [this, text, datum] {
    // Saving the golfer may have stored the entry row meanwhile.
    if (Zelltext(ZEILE_NEU, SPALTE_DATUM) != text) return;
    Mit(m_intern, [&] {
      SetzeZelle(ZEILE_NEU, SPALTE_DATUM);
      NeuenEintragUebernehmen(datum);
      RasterFokus();
    });
  });
}

bool HistorienEditor::RasterTaste(QKeyEvent* e) {
  const int k = e->key();
  if (k == Qt::Key_F2) {
    PositioniereEditFeld();
    return true;
  }
  if (Row() < ZEILE_NEU || Col() < 0) return false;
  if (k == Qt::Key_Backspace) {
    const QString t = Zelltext(Row(), Col());
    if (!t.isEmpty()) {
      SetzeZelltext(Row(), Col(), t.left(t.size() - 1));
      PositioniereEditFeld();
    }
    return true;
  }
  if (k == Qt::Key_Return || k == Qt::Key_Enter) return false;  // Enter moves on as Tab does
  const QString zeichen = e->text();
  if (zeichen.size() == 1 && zeichen.at(0).isPrint() &&
      !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    // Typing replaces the cell's content.
    SetzeZelltext(Row(), Col(), zeichen);
    PositioniereEditFeld();
    return true;
  }
  return false;
}

bool HistorienEditor::EditfeldTaste(QKeyEvent* e) {
  const int r = Row(), c = Col();
  switch (e->key()) {
    case Qt::Key_Escape:
      // Back to the text the cell had when it was entered, in the box and in the cell.
      m_edit->setText(m_eintrittstext);
      SetzeZelltext(r, c, m_eintrittstext);
      m_edit->setCursorPosition(m_edit->text().size());
      return true;
    case Qt::Key_Up:
      RasterFokus();
      if (r >= ZEILE_NEU + 1) SetzeZelle(r - 1, c);
      return true;
    case Qt::Key_Down:
      RasterFokus();
      if (r < Rows() - 1) SetzeZelle(r + 1, c);
      return true;
    case Qt::Key_Left: {
      const bool amAnfang = m_edit->cursorPosition() == 0;
      RasterFokus();
      // At the start of the first columns the cursor stays where it is.
      if (amAnfang && c >= SPALTE_BEMERKUNG) SetzeZelle(r, c - 1);
      return true;
    }
    case Qt::Key_Right:
      Mit(m_intern, [&] {
        if (c == SPALTE_DATUM) {
          if (!DatumAmEditfeld()) return;
          SetzeZelltext(r, c, m_edit->text());
          if (r == ZEILE_NEU) {
            NeuenEintragUebernehmen(m_edit->text());
            RasterFokus();
            return;
          }
        }
        const bool amEnde = CaretAmEnde();
        RasterFokus();
        if (amEnde && c < SPALTE_STAMMVORGABE)
          SetzeZelle(r, c + 1);
        else if (amEnde && r < Rows() - 1)
          SetzeZelle(r + 1, SPALTE_GOLFCLUB);
      });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Mit(m_intern, [&] {
        if (c == SPALTE_DATUM && !DatumAmEditfeld()) return;
        if (r != ZEILE_NEU) {
          SetzeZelltext(r, c, m_edit->text());
          VerbergeEditFeld();
          if (c == SPALTE_STAMMVORGABE) {
            // After the last column: on to a new entry.
            SetzeZelle(ZEILE_NEU, SPALTE_DATUM);
            m_edit->clear();
            SetzeZelltext(ZEILE_NEU, SPALTE_DATUM, QString());
          } else {
            NaechsteZelle();
          }
        } else if (c == SPALTE_DATUM) {
          NeuenEintragUebernehmen(m_edit->text());
        }
        RasterFokus();
      });
      return true;
    default:
      return false;
  }
}

bool HistorienEditor::MausDruck(Qt::MouseButton knopf, int zeile, int spalte) {
  VerbergeEditFeld();
  if (knopf != Qt::RightButton) return false;
  // A right click on the captions or the date column picks a cell to edit; elsewhere the
  // release edits the cell that was current before.
  if (zeile >= 0 && spalte >= 0 && (zeile == 0 || spalte == SPALTE_DATUM))
    SetzeZelle(zeile == 0 ? ZEILE_NEU : zeile, spalte == SPALTE_DATUM ? SPALTE_GOLFCLUB : spalte);
  return true;
}

void HistorienEditor::MausLos() { PositioniereEditFeld(); }

bool HistorienEditor::eventFilter(QObject* obj, QEvent* ev) {
  QWidget* kopf = m_raster->horizontalHeader()->viewport();
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
      if (obj == kopf) return MausDruck(m->button(), 0, m_raster->horizontalHeader()->logicalIndexAt(pos));
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* m = static_cast<QMouseEvent*>(ev);
      // After the view has moved the current cell.
      if (obj == m_raster->viewport() || (obj == kopf && m->button() == Qt::RightButton))
        QTimer::singleShot(0, this, [this] { MausLos(); });
      break;
    }
    case QEvent::FocusIn:
      if (obj == m_raster && KontextGeaendert) KontextGeaendert(QStringLiteral("Historie"));
      if (obj == m_edit && !m_intern && IstFeldwechsel(static_cast<QFocusEvent*>(ev))) {
        // The box was clicked into while it stood over its cell.
        QTimer::singleShot(0, this, [this] {
          if (m_edit->hasFocus()) EditfeldFokus();
        });
      }
      break;
    case QEvent::FocusOut: {
      auto* f = static_cast<QFocusEvent*>(ev);
      if (!IstFeldwechsel(f)) break;
      QWidget* neu = QApplication::focusWidget();
      if (obj == m_raster) {
        if (neu == m_edit) break;
        if (KontextGeaendert) KontextGeaendert(QStringLiteral("Golfer"));
        m_edit->hide();
      } else if (obj == m_edit) {
        if (neu != m_raster && KontextGeaendert) KontextGeaendert(QStringLiteral("Golfer"));
        if (!m_intern) EditfeldVerlassen();
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(obj, ev);
}
