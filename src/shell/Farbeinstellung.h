// The dialog frmBackground: the user chooses the windows' background colour from twelve;
// it is stored as the setting "BGColour" (SetzeFarben in platform/widgets/Farben.h paints it).
#pragma once

#include <array>

#include "platform/widgets/Farben.h"
#include "platform/widgets/Formular.h"
#include "platform/widgets/Steuerfeld.h"

class QLabel;
class QPushButton;
class QRadioButton;

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
