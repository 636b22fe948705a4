// Display pictures: grammar, number and date formatting (rounding, grouping,
// blank when zero, '#' on overflow), and reading typed text back.
#include "host/framework/values/picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace crv {
namespace {

std::string show(const char* picture, auto value) { return Picture::parse(picture).format(value); }
Amount amt(const char* text) { return *Amount::parse(text); }
Quantity qty(const char* text) { return *Quantity::parse(text); }

TEST(Picture, ParsesTheGrammar) {
  Picture tax = Picture::parse("N7.3~%~b");
  EXPECT_EQ(tax.kind(), PictureKind::Number);
  EXPECT_EQ(tax.width(), 7);
  EXPECT_EQ(tax.places(), 3);
  EXPECT_EQ(tax.literal(), "%");
  EXPECT_TRUE(tax.blankWhenZero());
  EXPECT_EQ(tax.displayWidth(), 8);
  Picture id = Picture::parse("@N_12B");
  EXPECT_FALSE(id.grouped());
  EXPECT_TRUE(id.blankWhenZero());
  EXPECT_TRUE(Picture::parse("@n-14.2").isSigned());
  EXPECT_EQ(Picture::parse("@s15").displayWidth(), 15);
  EXPECT_EQ(Picture::parse("@d1").displayWidth(), 8);
  EXPECT_EQ(Picture::parse("@D17").displayWidth(), 10);
  EXPECT_EQ(Picture::parse("@d01b").kind(), PictureKind::Date);
  for (const char* bad : {"", "@", "@x5", "@n", "@s0", "@s15x", "@d3", "@d1bb", "@n--5", "@n5.", "@n5~%",
                          "@n5~~", "@n14.2bb", "@n3.3", "@n-14.2c"}) {
    EXPECT_THROW(Picture::parse(bad), std::invalid_argument) << bad;
  }
}

TEST(Picture, FormatsNumbersRightAlignedAndGrouped) {
  EXPECT_EQ(show("@n-14.2", 1234567.891), "  1,234,567.89");
  EXPECT_EQ(show("@n-14.2", amt("-1234.5")), "     -1,234.50");
  EXPECT_EQ(show("@n-14.2", amt("0.5")), "          0.50");
  EXPECT_EQ(show("@n_6", 123456), "123456");
  EXPECT_EQ(show("@n13", 4294967295u), "4,294,967,295");
  EXPECT_EQ(show("@n-12.4b", qty("1.5")), "      1.5000");
  EXPECT_EQ(show("@n-15.5", qty("-3.1416")), "       -3.14160");
  EXPECT_EQ(show("@n-8.3", 7.5), "   7.500");
  EXPECT_EQ(show("@n4~%~", 50), "  50%");
  EXPECT_EQ(show("N7.3~%~b", 7.5), "  7.500%");
  EXPECT_EQ(Picture::parse("@N_5").formatTrimmed(42), "42");
  EXPECT_EQ(Picture::parse("@n-14.2").formatTrimmed(amt("-3")), "-3.00");
}

TEST(Picture, RoundsHalfAwayFromZeroToItsPlaces) {
  EXPECT_EQ(show("@n-14.2", 2.675), "          2.68");
  EXPECT_EQ(show("@n-14.2", -2.675), "         -2.68");
  EXPECT_EQ(show("@n-14.2", qty("1.005")), "          1.01");
  EXPECT_EQ(show("@n-14.2", qty("-1.005")), "         -1.01");
  EXPECT_EQ(show("@n3", 2.5), "  3");
  // Rounds to zero: no "-0.00", and blank under 'b'.
  EXPECT_EQ(show("@n-14.2", qty("-0.0049")), "          0.00");
  EXPECT_EQ(show("@n-14.2b", qty("-0.0049")), std::string(14, ' '));
}

TEST(Picture, BlankWhenZeroAndOverflow) {
  EXPECT_EQ(show("@n_6b", 0), "      ");
  EXPECT_EQ(show("N7.3~%~b", 0.0), "        ");
  EXPECT_EQ(show("@n_6", 0), "     0");
  EXPECT_EQ(show("@n_6", 1234567), "######");
  EXPECT_EQ(show("@n3", 1000), "###");
  EXPECT_EQ(show("@n3", -100), "###");    // the minus needs a place too
  EXPECT_EQ(show("@n_6", -5), "    -5");  // an unsigned picture still shows the sign
  EXPECT_EQ(show("@n4~%~", 12345), "#####");
  EXPECT_EQ(show("@n-14.2", 1e300), "##############");
  EXPECT_EQ(show("@n-14.2", std::nan("")), "##############");
  EXPECT_EQ(show("@n-13.2", amt("99999999.99")), "99,999,999.99");
  EXPECT_EQ(show("@n-12.2", amt("99999999.99")), "############");
}

TEST(Picture, FormatsDatesAndText) {
  Date july4 = Date::compose(7, 4, 2024);
  EXPECT_EQ(show("@d1", july4), "07/04/24");
  EXPECT_EQ(show("@d01b", july4), "07/04/24");
  EXPECT_EQ(show("@d17", july4), "07/04/2024");
  EXPECT_EQ(show("@d1", july4.day()), "07/04/24");  // a day number under a date picture
  EXPECT_EQ(show("@d1", Date()), "        ");
  EXPECT_EQ(show("@d1b", Date()), "        ");
  EXPECT_EQ(show("@d17", Date::fromDay(-5)), "##########");
  EXPECT_EQ(show("@n_7", july4), "  81635");
  EXPECT_EQ(show("@s5", "abcdefgh"), "abcde");
  EXPECT_EQ(show("@s5", "ab"), "ab   ");
  EXPECT_EQ(show("@s4", "abc\xC3\xA9"), "abc ");
  EXPECT_EQ(show("@s8", amt("-12.5")), "-12.50  ");
  EXPECT_THROW(show("@n5", "12"), std::logic_error);
  EXPECT_THROW(show("@d1", 1.5), std::logic_error);
}

TEST(Picture, ReadsTypedNumbers) {
  Picture money = Picture::parse("@n-14.2");
  EXPECT_EQ(money.parseNumber("1,234.56"), "1234.56");
  EXPECT_EQ(money.parseNumber("$1,234.56"), "1234.56");
  EXPECT_EQ(money.parseNumber("-12"), "-12");
  EXPECT_EQ(money.parseNumber("(12.00)"), "-12.00");
  EXPECT_EQ(money.parseNumber("12-"), "-12");
  EXPECT_EQ(money.parseNumber("  "), "0");
  EXPECT_EQ(money.parseNumber("-0.00"), "0.00");
  for (const char* bad : {"abc", "12a", "1.2.3", "--1", "(-1)", "(12", "-", "1-2", "12%"}) {
    EXPECT_FALSE(money.parseNumber(bad).has_value()) << bad;
  }
  EXPECT_EQ(Picture::parse("N7.3~%~b").parseNumber(" 7.500%"), "7.500");
  EXPECT_EQ(money.parseDecimal<2>("1,234.565"), amt("1234.57"));
  EXPECT_EQ(money.parseDecimal<2>("(0.005)"), amt("-0.01"));
  EXPECT_THROW(money.parseDate("7/4/24"), std::logic_error);
}

TEST(Picture, NumbersRoundTripThroughTheirPicture) {
  for (const char* pic : {"@n-14.2", "@n-14.2b", "@n_12.2", "N9.2~%~b"}) {
    Picture p = Picture::parse(pic);
    for (const char* v : {"0", "0.01", "-0.01", "999.99", "-1234567.89"}) {
      if (p.displayWidth() < 12 && std::string_view(v).size() > 8) continue;
      EXPECT_EQ(p.parseDecimal<2>(p.format(amt(v))), amt(v)) << pic << ' ' << v;
    }
  }
}

TEST(Picture, ReadsTypedDates) {
  Picture p = Picture::parse("@d1b");
  Date july4 = Date::compose(7, 4, 2024);
  for (const char* typed : {"7/4/24", "07/04/2024", "070424", "07042024", "7-4-24", "7.4.2024", " 7/4/24 "}) {
    EXPECT_EQ(p.parseDate(typed), july4) << typed;
  }
  EXPECT_EQ(p.parseDate(""), Date());
  for (const char* bad :
       {"2/30/24", "13/1/24", "7/4", "7/4-24", "abc", "7/4/124", "0704", "7//24", "07/04/2024x"}) {
    EXPECT_FALSE(p.parseDate(bad).has_value()) << bad;
  }
  Picture full = Picture::parse("@d17");
  for (Date d : {Date::compose(1, 1, 1801), Date::compose(2, 29, 2000), Date::compose(12, 31, 9999)}) {
    EXPECT_EQ(full.parseDate(full.format(d)), d);
  }
  EXPECT_EQ(p.parseDate(p.format(Date::compose(12, 31, 1950))), Date::compose(12, 31, 1950));
}

TEST(Deformat, DropsEverythingButDigitsPointSignsAndParentheses) {
  EXPECT_EQ(deformat("$1,234.56"), "1234.56");
  EXPECT_EQ(deformat(" (12.00) "), "(12.00)");
  EXPECT_EQ(deformat("12.5 %"), "12.5");
  EXPECT_EQ(deformat("12-"), "12-");
  EXPECT_EQ(deformat("J-1000"), "-1000");
  EXPECT_EQ(readNumber("\xE2\x82\xAC 1.234"), "1.234");
}

}  // namespace
}  // namespace crv
