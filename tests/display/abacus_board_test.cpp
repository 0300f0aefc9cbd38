// The board: each question number as five rods, the picture names for family and style,
// and what it shows for numbers and styles that have no pictures.

#include "display/abacus_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/loaded_trainer.h"

namespace {

using AbacusBoard = LoadedTrainer;

// The pictures of one row, ten-thousands first.
std::vector<std::string> row(const Element& a, const Element& b, const Element& c, const Element& d,
                             const Element& e) {
    return {a.picture, b.picture, c.picture, d.picture, e.picture};
}

std::vector<std::string> row1(const MainForm& f) {
    return row(f.Picture9, f.Picture8, f.Picture7, f.Picture6, f.Picture5);
}
std::vector<std::string> row2(const MainForm& f) {
    return row(f.Picture19, f.Picture13, f.Picture12, f.Picture11, f.Picture10);
}
std::vector<std::string> row3(const MainForm& f) {
    return row(f.Picture18, f.Picture17, f.Picture16, f.Picture15, f.Picture14);
}

using Names = std::vector<std::string>;

TEST_F(AbacusBoard, ShortNumbersAndBlanksFillFiveRodsWithLeadingZeros) {
    form.Label11.setCaption("7");
    form.Label13.setCaption("12");
    form.Label15.setCaption("");
    zmt(trainer.window);
    EXPECT_EQ(row1(form), (Names{"A10", "A10", "A10", "A10", "A17"}));
    EXPECT_EQ(row2(form), (Names{"A10", "A10", "A10", "A11", "A12"}));
    EXPECT_EQ(row3(form), (Names{"A10", "A10", "A10", "A10", "A10"}));

    form.Label15.setCaption("(   )");
    form.Label13.setCaption(" 4050");
    state.beadStyle2 = "3";
    zmt(trainer.window);
    EXPECT_EQ(row2(form), (Names{"A30", "A34", "A30", "A35", "A30"}));
    EXPECT_EQ(row3(form), (Names{"A10", "A10", "A10", "A10", "A10"}));
}

TEST_F(AbacusBoard, FiveDigitsInEachFamilyAndTheTwoWideStyleNumbers) {
    form.Label15.setCaption("98765");
    state.beadStyle3 = "20";
    zmt(trainer.window);
    EXPECT_EQ(row3(form), (Names{"A209", "A208", "A207", "A206", "A205"}));
    trainer.click("Label10");
    EXPECT_EQ(row3(form), (Names{"B209", "B208", "B207", "B206", "B205"}));
    EXPECT_EQ(row1(form), (Names{"B10", "B10", "B10", "B10", "B10"}));
}

TEST_F(AbacusBoard, NumbersBeyondFivePlacesShowTheirLowestFivePlaces) {
    form.Label11.setCaption("123456");
    form.Label13.setCaption("-42");
    form.Label15.setCaption("1e300");
    zmt(trainer.window);
    EXPECT_EQ(row1(form), (Names{"A12", "A13", "A14", "A15", "A16"}));
    EXPECT_EQ(row2(form), (Names{"A10", "A10", "A10", "A14", "A12"}));
    for (const std::string& name : row3(form)) {
        EXPECT_EQ(name.size(), 3U) << name;
        EXPECT_EQ(name.substr(0, 2), "A1") << name;
    }
}

TEST_F(AbacusBoard, StylesAndFamiliesWithoutPicturesShowBareRods) {
    form.Label11.setCaption("58");
    form.Label13.setCaption("58");
    form.Label15.setCaption("58");
    state.beadStyle1 = "";
    state.beadStyle2 = "";
    state.beadStyle3 = "";
    zmt(trainer.window);
    EXPECT_EQ(state.beadStyle2, "1") << "all three empty start over at style 1";
    EXPECT_EQ(row2(form), (Names{"A10", "A10", "A10", "A15", "A18"}));

    state.beadStyle1 = "21";
    state.beadStyle2 = "05";
    state.beadStyle3 = "";
    zmt(trainer.window);
    EXPECT_EQ(state.beadStyle3, "") << "one empty style is left alone";
    for (const Names& shown : {row1(form), row2(form), row3(form)}) {
        EXPECT_EQ(shown, (Names{"A10", "A10", "A10", "A10", "A10"}));
    }
    state.beadStyle1 = "4";
    state.beadLetter = "B";
    zmt(trainer.window);
    EXPECT_EQ(row1(form), (Names{"B40", "B40", "B40", "B45", "B48"}));
    state.beadLetter = "c";
    zmt(trainer.window);
    EXPECT_EQ(row1(form), (Names{"A10", "A10", "A10", "A10", "A10"}));
}

}  // namespace
