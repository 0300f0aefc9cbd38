#include "flash/flash_board.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "engine/text_number.h"

namespace {

// The room kept free between the flash box's edge and the board, in twips.
constexpr int kBoxMargin = 60;

// The board, cut down to `rods` rods, centred both ways in the flash box and as large as it
// fits there (never larger than the bead drill's).
BoardPlacing boardInFlashBox(const DrillForm& room, int rods) {
    const Element& box = room.Label1;
    const double scale =
        std::min(1.0, static_cast<double>(box.height - 2 * kBoxMargin) / kRoomBoardHeight);
    const double unused = scale * (kRoomRods - rods) * kRoomRodSpacing;
    const double width = scale * kRoomBoardWidth - unused;
    const double left = box.left + (box.width - width) / 2 - unused;
    const double top = box.top + (box.height - scale * kRoomBoardHeight) / 2;
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)), scale};
}

// Distance between two rods in twips.
int rodSpacing(const DrillForm& room) { return room.Rod[0].x1 - room.Rod[1].x1; }

// Puts the board's left edge at `left`, its right edge where it stands; the beam follows with
// its inset.
void stretchBoardTo(DrillForm& room, int left) {
    const int right = room.Board.left + room.Board.width;
    const int inset = room.Beam.x1 - room.Board.left;
    room.Board.left = left;
    room.Board.width = right - left;
    room.Beam.x1 = left + inset;
}

// The elements of rod `place`: its line and its five beads.
std::vector<Element*> rodElements(DrillForm& room, int place) {
    const auto rod = static_cast<std::size_t>(place);
    std::vector<Element*> elements{&room.Rod[rod], &room.Upper[rod]};
    for (auto& row : room.Lower) elements.push_back(&row[rod]);
    return elements;
}

}  // namespace

void showTermOnBoard(WindowContext& window, std::int32_t term, int digits) {
    DrillForm& room = window.drill;
    const int rods = std::clamp(digits + 1, 1, kRoomRods);
    room.placeBoard(boardInFlashBox(room, rods));
    stretchBoardTo(room, room.Rod[static_cast<std::size_t>(rods - 1)].x1 - rodSpacing(room) / 2);
    room.Board.visible = true;
    room.Beam.visible = true;
    std::int32_t rest = term < 0 ? -term : term;
    for (int place = 0; place < kRoomRods; ++place) {
        const bool shown = place < rods;
        for (Element* element : rodElements(room, place)) {
            element->visible = shown;
            if (element->kind == ElementKind::Bead) element->picture = window.state.beadStyle1;
        }
        const int digit = rest % 10;
        rest /= 10;
        room.placeBead(place, 0, digit >= 5);
        for (int bead = 1; bead <= 4; ++bead) room.placeBead(place, bead, bead <= digit % 5);
    }
    room.Board.setCaption(plainNumber(term < 0 ? -term : term));
    room.Label7.left = room.Board.left - room.Label7.width;
    room.Label7.top = room.Board.top;
    room.Label7.height = room.Board.height;
    room.Label7.visible = term < 0;
}

void hideFlashBoard(DrillForm& room) {
    if (!room.Board.visible) return;
    room.Board.visible = false;
    room.Beam.visible = false;
    for (int place = 0; place < kRoomRods; ++place) {
        for (Element* element : rodElements(room, place)) element->visible = false;
    }
    room.placeBoard(DrillForm::designedBoard());
}
