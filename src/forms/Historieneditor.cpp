#include "forms/Historieneditor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTableWidget>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "language/Sprachumschaltung.h"
#include "platform/Befehlswege.h"
#include "platform/Dialoge.h"
#include "platform/widgets/Formular.h"

namespace {
constexpr int MELDUNG_DATUM_UNGUELTIG = 178;
}  // namespace

HistorienEditor::HistorienEditor(QTableWidget* raster, QLineEdit* editfeld, QObject* parent)
    : ZellenEditor(raster, editfeld, SPALTE_ID, Kontext::Historie, Kontext::Golfer, parent) {
  SetzeZahlspalte(SPALTE_NETTOPUNKTE, BEREICH_NETTOPUNKTE);
  SetzeZahlspalte(SPALTE_STAMMVORGABE, BEREICH_STAMMVORGABE);
  // Scrolling ends an edit.
  connect(m_raster->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { VerbergeEditFeld(); });
  connect(m_raster->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { VerbergeEditFeld(); });
}

QString HistorienEditor::GeprueftesDatum(const QString& text) {
  const DatumTeile teile = PruefeDatum(text);
  if (teile.Tag == QLatin1String("0")) return QString();
  return DatumAlsText(teile);
}

bool HistorienEditor::Editierbar(int zeile, int spalte) const {
  return ZellenEditor::Editierbar(zeile, spalte) && spalte < SPALTE_ID;
}

void HistorienEditor::NeuenEintragUebernehmen(const QString& datum) {
  Intern([&] {
    SetzeZelltext(ZEILE_NEU, SPALTE_DATUM, datum);
    QString neueIdn;
    if (Speichern) Speichern(neueIdn);
    // The new row wherever the refill placed it: by its key, else the first row of its
    // date; the search ends with the last row.
    int ziel = ZeileMitSchluessel(neueIdn);
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

void HistorienEditor::EditfeldGeoeffnet() {
  if (m_edit->text() == OHNE_WERT) m_edit->clear();
  EditfeldFokus();
}

void HistorienEditor::EditfeldFokus() {
  // A new entry begins with its date.
  if (Row() == ZEILE_NEU && Col() >= SPALTE_GOLFCLUB && Col() <= SPALTE_STAMMVORGABE) {
    SetzeZelltext(ZEILE_NEU, Col(), QString());
    m_edit->clear();
    Intern([this] {
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
    ZelleAbgelehnt(Row(), Col());
    DatumAbgelehnt(Row());
    return false;
  }
  m_edit->setText(datum);
  return true;
}

void HistorienEditor::DatumAbgelehnt(int zeile) {
  QPointer<HistorienEditor> selbst(this);
  MsgAntwort = SPU().Zantro_Msg(MELDUNG_DATUM_UNGUELTIG, STIL_INFO);
  // The window may have gone while the message was up.
  if (!selbst) return;
  Intern([&] {
    SetzeZelle(zeile, SPALTE_DATUM);
    m_edit->clear();
    VerbergeEditFeld();
    RasterFokus();
  });
}

// The user left the edit box for another cell or control. A date typed into the date
// column is checked (one refused gives the cell back what it held before the typing); a
// date in the entry row is stored as a new row. The check applies
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
    if (Zelltext(zeile, SPALTE_DATUM) == text) ZelleAbgelehnt(zeile, SPALTE_DATUM);
    NachFokuswechsel(this, [this, zeile] { DatumAbgelehnt(zeile); });
    return;
  }
  if (zeile != ZEILE_NEU) {
    if (Zelltext(zeile, SPALTE_DATUM) == text) SetzeZelltext(zeile, SPALTE_DATUM, datum);
    NachFokuswechsel(this, [this] {
      Intern([this] {
        m_edit->hide();
        RasterFokus();
      });
    });
    return;
  }
  NachFokuswechsel(this, [this, text, datum] {
    // Saving the golfer may have stored the entry row meanwhile.
    if (Zelltext(ZEILE_NEU, SPALTE_DATUM) != text) return;
    Intern([&] {
      SetzeZelle(ZEILE_NEU, SPALTE_DATUM);
      NeuenEintragUebernehmen(datum);
      RasterFokus();
    });
  });
}

bool HistorienEditor::EditfeldTaste(QKeyEvent* e) {
  const int r = Row(), c = Col();
  switch (e->key()) {
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
      Intern([&] {
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
      Intern([&] {
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
    case Qt::Key_Escape:
      ZellenEditor::EditfeldTaste(e);
      if (m_edit->text() == OHNE_WERT) m_edit->clear();
      return true;
    default: return ZellenEditor::EditfeldTaste(e);
  }
}

// The box was clicked into while it stood over its cell.
void HistorienEditor::EditfeldBetreten(bool vomBenutzer) {
  // The edit box is part of the grid: Delete acts on the history row while it has the focus.
  MeldeRasterKontext();
  if (!vomBenutzer) return;
  NachFokuswechsel(this, [this] {
    if (m_edit->hasFocus()) EditfeldFokus();
  });
}
