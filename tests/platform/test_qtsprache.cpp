// Qt's standard buttons speak the interface language.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "platform/QtSprache.h"

TEST(QtSprache, StandardknoepfeFolgenDerOberflaechensprache) {
  ASSERT_TRUE(LadeQtUebersetzung(1));
  {
    QMessageBox box(QMessageBox::Question, "t", "f", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Nein");
  }
  ASSERT_TRUE(LadeQtUebersetzung(2));
  QMessageBox box(QMessageBox::Question, "t", "f", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Yes");
}
