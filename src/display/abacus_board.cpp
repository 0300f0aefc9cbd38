#include "display/abacus_board.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/text_number.h"

namespace {

constexpr int kPlaces = 5;
constexpr double kRowCapacity = 100000;  // five places: 0 .. 99999
constexpr int kStyleCount = 20;
constexpr char kDefaultStyle[] = "1";
constexpr char kBareRod[] = "A10";  // family A shows no bead for 0 in any style

// The rods of one board row, ten-thousands first, and the style it shows.
struct BoardRow {
    std::array<Element*, kPlaces> rods;
    const std::string& style;
};

// The five places of a number, ten-thousands first; a number that does not fit five places
// keeps the lowest five places of its magnitude.
std::array<int, kPlaces> placesOf(double number) {
    auto value = static_cast<int>(std::fmod(std::fabs(number), kRowCapacity));
    std::array<int, kPlaces> places{};
    for (int place = kPlaces - 1; place >= 0; --place) {
        places[static_cast<std::size_t>(place)] = value % 10;
        value /= 10;
    }
    return places;
}

// The family as a picture-name letter, or 0 for a family that has no pictures.
char familyLetter(const std::string& beadLetter) {
    if (beadLetter == "a" || beadLetter == "A") return 'A';
    if (beadLetter == "b" || beadLetter == "B") return 'B';
    return 0;
}

// True for the style texts that have pictures: "1" .. "20" without leading zeros or blanks.
bool hasPictures(const std::string& style) {
    for (int number = 1; number <= kStyleCount; ++number) {
        if (style == std::to_string(number)) return true;
    }
    return false;
}

// Shows a number on the five rods of a row.
void drawRow(const BoardRow& row, double number, char family) {
    const std::array<int, kPlaces> places = placesOf(number);
    const bool drawable = family != 0 && hasPictures(row.style);
    for (std::size_t place = 0; place < places.size(); ++place) {
        row.rods[place]->picture =
            drawable ? family + row.style + std::to_string(places[place]) : std::string(kBareRod);
    }
}

// Board row 1, 2 or 3 (any other number is row 3).
BoardRow boardRow(WindowContext& window, int row) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    if (row == 1) {
        return {{&form.Picture9, &form.Picture8, &form.Picture7, &form.Picture6, &form.Picture5},
                state.beadStyle1};
    }
    if (row == 2) {
        return {
            {&form.Picture19, &form.Picture13, &form.Picture12, &form.Picture11, &form.Picture10},
            state.beadStyle2};
    }
    return {{&form.Picture18, &form.Picture17, &form.Picture16, &form.Picture15, &form.Picture14},
            state.beadStyle3};
}

}  // namespace

void zmt(WindowContext& window) {
    MainForm& form = window.form;
    TrainingState& state = window.state;
    if (state.beadStyle1.empty() && state.beadStyle2.empty() && state.beadStyle3.empty()) {
        state.beadStyle1 = kDefaultStyle;
        state.beadStyle2 = kDefaultStyle;
        state.beadStyle3 = kDefaultStyle;
    }
    const char family = familyLetter(state.beadLetter);
    drawRow(boardRow(window, 1), integerValueOf(form.Label11.caption()), family);
    drawRow(boardRow(window, 2), integerValueOf(form.Label13.caption()), family);
    drawRow(boardRow(window, 3), integerValueOf(form.Label15.caption()), family);
}

void showOnBoardRow(WindowContext& window, int row, std::int32_t value) {
    drawRow(boardRow(window, row), value, familyLetter(window.state.beadLetter));
}
