// The background colour of the windows: SetzeFarben paints a window and the kinds of its
// controls that carry the background; the dialog frmBackground lets the user choose the
// colour from twelve and stores it as the setting "BGColour".
#pragma once

#include <array>

#include "platform/Formular.h"
#include "platform/Steuerfeld.h"

class QLabel;
class QPushButton;
class QRadioButton;

// Paints `Formular` with `Farbe` (0x00BBGGRR), or with Hintergrundfarbe when Farbe is 0:
// the window itself, its check boxes (except the ten named ones of the golfer window,
// which keep their own background), its option buttons, and its frames and shapes
// unless these are light grey (0xC0C0C0). Labels, text boxes, buttons, lists and grids
// keep their colours. A main window with an MDI area takes the colour in that area only.
void SetzeFarben(QWidget* Formular, long Farbe = 0);

// The twelve colours of the dialog, by option index (three per row, strong to pale).
inline constexpr std::array<long, 12> FARBTABELLE = {0x808000, 0xA0FF50, 0xCAFFCA, 0xFF4040, 0xFF9B9B, 0xFFDDBB,
                                                     0x4040FF, 0x9B9BFF, 0xD5D5FF, 0x40FFFF, 0xBFFFFF, 0xFFFFFF};

class frmBackground : public Formular {
  Q_OBJECT
 public:
  frmBackground();

  QLabel* Cap = nullptr;
  Steuerfeld<QRadioButton> Color1;  // 0..11
  Steuerfeld<QLabel> Label1;        // 0..11, the colour swatches
  QPushButton* OK = nullptr;
  QPushButton* Abbruch = nullptr;

  long GewaehlteFarbe = 0;

  void Color1_Click(int Index);
  void OK_Click();
  void Abbruch_Click();

 protected:
  void Form_Load() override;

 private:
  void MarkiereFarbe();
};
