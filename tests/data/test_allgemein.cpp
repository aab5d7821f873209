#include <gtest/gtest.h>

#include <QLocale>

#include "data/Allgemein.h"
#include "data/Global.h"
#include "scoring/Scoreberechnungen.h"

namespace {
struct Locale : ::testing::Test {
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Sprachnummer = 1;
  }
};
}  // namespace

TEST_F(Locale, ScoreCodes) {
  EXPECT_EQ(GibScore(""), 101);
  EXPECT_EQ(GibScore("-"), 102);
  EXPECT_EQ(GibScore("99"), 102);
  EXPECT_EQ(GibScore("099"), 99);
  EXPECT_EQ(GibScore(" 99"), 99);
  EXPECT_EQ(GibScore("0"), 100);
  EXPECT_EQ(GibScore("101"), 100);
  EXPECT_EQ(GibScore("abc"), 100);
  EXPECT_EQ(GibScore("4"), 4);
  EXPECT_EQ(GibScore("100"), 100);
  EXPECT_EQ(GibScore("40000"), 100);  // outside 16 bits
}

TEST_F(Locale, WertMinAndDoubleMin) {
  EXPECT_EQ(GibWertMin("", 0), 101);
  EXPECT_EQ(GibWertMin("0", 0), 0);
  EXPECT_EQ(GibWertMin("100", 0), 100);
  EXPECT_EQ(GibWertMin("101", 0), 100);
  EXPECT_EQ(GibWertMin("-1", 0), 100);
  EXPECT_EQ(GibWertMin("-", 0), 100);
  EXPECT_EQ(GibWertMin("0", 1), 100);
  EXPECT_DOUBLE_EQ(GibDoubleMin("---", 0), 10001);
  EXPECT_DOUBLE_EQ(GibDoubleMin("", 0), 10001);
  EXPECT_DOUBLE_EQ(GibDoubleMin("NO_VALUE", 0), 10000);
  EXPECT_DOUBLE_EQ(GibDoubleMin("250", 0), 250);
  EXPECT_DOUBLE_EQ(GibDoubleMin("10000", 0), 10000);
  EXPECT_DOUBLE_EQ(GibDoubleMin("10001", 0), 10000);
  EXPECT_DOUBLE_EQ(GibDoubleMin("-5", 0), 10000);
}

TEST_F(Locale, NumbersFollowTheLocaleAndRoundHalfToEven) {
  int v = 0;
  EXPECT_TRUE(TextZuInt16("2,5", v));
  EXPECT_EQ(v, 2);
  EXPECT_TRUE(TextZuInt16("3,5", v));
  EXPECT_EQ(v, 4);
  EXPECT_TRUE(TextZuInt16("-2,5", v));
  EXPECT_EQ(v, -2);
  EXPECT_TRUE(TextZuInt16("32767", v));
  EXPECT_FALSE(TextZuInt16("32768", v));
  EXPECT_TRUE(TextZuInt16("-32768", v));
  EXPECT_FALSE(TextZuInt16("-32769", v));
  EXPECT_FALSE(TextZuInt16("", v));
  EXPECT_EQ(ZahlAlsText(2.45, 1), "2,4");
  EXPECT_EQ(ZahlAlsText(2.55, 1), "2,6");
  EXPECT_EQ(ZahlAlsText(12.25, 1), "12,2");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  double d = 0;
  EXPECT_TRUE(TextZuDouble("36.4", d));
  EXPECT_DOUBLE_EQ(d, 36.4);
  EXPECT_EQ(ZahlAlsText(36.45, 1), "36.4");
  EXPECT_DOUBLE_EQ(RundeGerade(0.5), 0.0);
  EXPECT_DOUBLE_EQ(RundeGerade(1.5), 2.0);
}

TEST_F(Locale, EitherDecimalMarkInEveryLocale) {
  for (const QLocale& loc :
       {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c()}) {
    QLocale::setDefault(loc);
    double d = 0;
    EXPECT_TRUE(TextZuDouble("71,8", d)) << loc.name().toStdString();
    EXPECT_DOUBLE_EQ(d, 71.8);
    EXPECT_TRUE(TextZuDouble("71.8", d)) << loc.name().toStdString();
    EXPECT_DOUBLE_EQ(d, 71.8);
    EXPECT_TRUE(HandicapZuZahl("+1,2", d));
    EXPECT_DOUBLE_EQ(d, -1.2);
    EXPECT_TRUE(HandicapZuZahl("18.4", d));
    EXPECT_DOUBLE_EQ(d, 18.4);
    EXPECT_FALSE(TextZuDouble("1.234,5", d));
    EXPECT_FALSE(TextZuDouble("7x", d));
    EXPECT_FALSE(TextZuDouble("1,2,3", d));
  }
}

TEST_F(Locale, FeldwertByKind) {
  Feldwert f = LeseFeldwert(1, QString("-"));
  EXPECT_TRUE(f.Gueltig);
  EXPECT_EQ(f.ZahlWert, 99);
  EXPECT_FALSE(LeseFeldwert(3, QString("abc")).Gueltig);
  EXPECT_FALSE(LeseFeldwert(5, QString("4")).Gueltig);
  for (int art = 1; art <= 4; ++art) {
    EXPECT_FALSE(LeseFeldwert(art, QVariant()).Gueltig);
    EXPECT_FALSE(LeseFeldwert(art, QString("")).Gueltig);
  }
  f = LeseFeldwert(2, QString("O'Brien"));
  EXPECT_TRUE(f.Gueltig);
  EXPECT_EQ(f.TextWert, "O'Brien");
  f = LeseFeldwert(4, QString("36,4"));
  EXPECT_TRUE(f.Gueltig);
  EXPECT_DOUBLE_EQ(f.DoubleWert, 36.4);
  f = LeseFeldwert(4, QVariant(12.3));  // a database number
  EXPECT_DOUBLE_EQ(f.DoubleWert, 12.3);
  f = LeseFeldwert(3, QVariant(7));
  EXPECT_TRUE(f.Gueltig);
  EXPECT_EQ(f.ZahlWert, 7);
}

TEST_F(Locale, FieldNames) {
  EXPECT_EQ(FeldnameNr("PuttsLoch", 9), "PuttsLoch09");
  EXPECT_EQ(FeldnameNr("PuttsLoch", 18), "PuttsLoch18");
  EXPECT_EQ(FeldnameNr("ScoreLoch", 1), "ScoreLoch01");
}

TEST_F(Locale, PruefeDatum) {
  auto ok = [](const QString& t, const char* tag, const char* monat, const char* jahr) {
    const DatumTeile d = PruefeDatum(t);
    EXPECT_EQ(d.Tag, tag) << t.toStdString();
    EXPECT_EQ(d.Monat, monat) << t.toStdString();
    EXPECT_EQ(d.Jahr, jahr) << t.toStdString();
  };
  auto falsch = [](const QString& t) { EXPECT_EQ(PruefeDatum(t).Tag, "0") << t.toStdString(); };
  ok("1.2.03", "01", "02", "2003");
  ok("29.02.2004", "29", "02", "2004");
  ok("29.02.2100", "29", "02", "2100");  // no century rule
  ok("12/31/99", "31", "12", "1999");
  ok("1.1.29", "01", "01", "2029");
  ok("1.1.30", "01", "01", "2030");
  ok("1.1.31", "01", "01", "1931");
  falsch("29.02.2003");
  falsch("31.04.2003");
  falsch("1.1.1929");
  falsch("1.13.2003");
  falsch("1.1.3");
  falsch("00.01.2003");
  falsch("-1.01.2003");
  falsch("a.b.2003");
  falsch("1.1.200");
  falsch("");
}

TEST_F(Locale, NormaliseAndConvertDates) {
  QString d = "3/7/04";
  EXPECT_EQ(NormiereDatumDE(d), "07.03.2004");
  EXPECT_EQ(d, "07.03.2004");
  d = "7.3.31";
  EXPECT_EQ(NormiereDatumUS(d), "03/07/1931");
  d = "24.12.2003";
  EXPECT_EQ(DatumFuerSQL(d), "12/24/2003");
  d = "12/24/2003";
  EXPECT_EQ(DatumFuerSQL(d), "12/24/2003");
  EXPECT_EQ(TageImMonat(2, 2000), 29);
  EXPECT_EQ(TageImMonat(2, 2001), 28);
  EXPECT_EQ(TageImMonat(13, 2001), 0);
}

TEST_F(Locale, DateTextsInBothLanguages) {
  const DatumTeile t = PruefeDatum("24.12.2003");
  Sprachnummer = 1;
  EXPECT_EQ(DatumAlsText(t), "24.12.2003");
  EXPECT_EQ(IsoAlsDatum("2003-12-24"), "24.12.2003");
  Sprachnummer = 2;
  EXPECT_EQ(DatumAlsText(t), "12/24/2003");
  EXPECT_EQ(IsoAlsDatum("2003-12-24"), "12/24/2003");
  EXPECT_EQ(DatumAlsIso("12/24/2003"), "2003-12-24");
  EXPECT_EQ(DatumAlsIso("24.12.03"), "2003-12-24");
  EXPECT_EQ(DatumAlsIso("31.02.2003"), "");
  EXPECT_EQ(IsoAlsDatum(""), "");
  Sprachnummer = 0;
  EXPECT_EQ(DatumAlsText(t), "");
  EXPECT_FALSE(GibDatumswert("31.02.2003").isValid());
  EXPECT_EQ(GibDatumswert("1.2.03"), QDate(2003, 2, 1));
}
