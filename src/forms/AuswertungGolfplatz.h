// Per-hole statistics of one golfer on one course: columns 1-18 the holes, 19 holes 1-9,
// 20 holes 10-18, 21 all holes.
#pragma once

#include "forms/Auswertungsfenster.h"

class AuswertungGolfplatz : public Auswertungsfenster {
  Q_OBJECT
 public:
  AuswertungGolfplatz();
  // Shows the per-par window (loading it when needed).
  void ZeigeAuswertungAllgemein();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  bool Form_Unload() override;
};

AuswertungGolfplatz& AuswertungGolfplatzForm();
