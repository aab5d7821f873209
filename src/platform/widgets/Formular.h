// Base of every working window. A window exists once: it is created and loaded on its
// first use (FormInstanz<T>()), shown inside the main window's MDI area when one is
// set, and deleted when it closes. Closing asks Form_Unload first, which may refuse.
// While a window (or its frame) is destroyed, no focus event reaches its fields: no
// leave handler runs on what is gone already.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;

class Formular : public QWidget {
  Q_OBJECT
 public:
  explicit Formular(const QString& name, QWidget* parent = nullptr);
  ~Formular() override;

  QString Name() const { return objectName(); }
  // Runs the load handler once; called by FormInstanz.
  void Laden();
  // True once the window has accepted its close (its deletion may still be pending).
  bool IstEntladen() const { return m_entladen; }
  // True while the window is asked to close (its unload handler runs) and once it closed:
  // focus moves then are the closing's, not the user's.
  bool Schliesst() const { return m_schliesst || m_entladen; }
  // Shows the window non-modally (inside the MDI area when there is one) and activates it.
  void Zeige();
  // Unloads the window: runs Form_Unload, which may refuse; true when it closed.
  bool Schliessen();
  // Called when the window becomes the active one.
  void Aktiviert();
  // Puts the focus into the window (its last field with the focus, else its first, else
  // the window itself) unless it is there already.
  void NimmFokus();
  QMdiSubWindow* Rahmen() const;
  // Window caption (also the MDI frame's caption).
  void SetzeTitel(const QString& t);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  // Return false to refuse the close.
  virtual bool Form_Unload() { return true; }
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  bool m_geladen = false;
  bool m_entladen = false;
  bool m_schliesst = false;
};

// The MDI area that hosts the working windows; none: they become top-level windows.
void SetzeMdiBereich(QMdiArea* bereich);
QMdiArea* MdiBereich();

// Loaded windows, oldest first.
QList<Formular*> GeladeneFormulare();
Formular* SucheFormular(const QString& name);

// The single instance of a window class, created and loaded on first use.
template <class F>
F& FormInstanz() {
  static QPointer<F> instanz;
  if (!instanz || instanz->IstEntladen()) {
    instanz = new F();
    instanz->Laden();
  }
  return *instanz;
}

// True when the window class currently has a loaded instance (does not create one).
template <class F>
bool FormExistiert() {
  for (Formular* f : GeladeneFormulare())
    if (dynamic_cast<F*>(f)) return true;
  return false;
}

// Window helpers used by commands and windows.
void PositioniereForm(QWidget* w, int links, int oben, int breite, int hoehe);  // twips
void EntladeForm(const QString& name);
bool IstFormGeladen(const QString& name);
// Whether the working window that holds `o` is closing or closed (false outside one).
bool FensterSchliesst(const QObject* o);
// Runs `f` once the focus change under way is complete, for a check that may show a
// message or move the focus: not when `feld` is gone by then, nor when its window has
// begun to close (the window's store does its own checks).
void NachFokuswechsel(QObject* feld, std::function<void()> f);
class QComboBox;
int SucheListeneintrag(const QComboBox* liste, const QString& text);
// Enter in a single-line text box, a check box or a combo box moves on as Tab does;
// true when the key was taken (the caller swallows it). Multi-line boxes keep Enter.
class QKeyEvent;
bool EnterAlsTab(QObject* control, QKeyEvent* taste);
// Twips to pixels at 96 dpi (15 twips per pixel).
inline int TwipsZuPixel(int twips) { return twips / 15; }
