#include "beads/bead_room.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "beads/bead_feedback.h"
#include "beads/rhyme_groups.h"
#include "demonstration/quotient_setting.h"
#include "engine/text_number.h"

namespace {

constexpr char kBeadTitle[] = "练习室 · 拨珠练习";
constexpr char kGroupKey[] = "beadDrill";

static_assert(kRoomRods == kBoardRods, "the room's board has the drill's rods");

// The flash drill's elements that mean nothing to the bead drill.
std::vector<Element*> flashOnlyElements(DrillForm& room) {
    return {&room.Label11,  &room.Combo3,   &room.Label12, &room.Combo4,
            &room.Command4, &room.Command5, &room.Label1,  &room.Text1,
            &room.Command2, &room.Command3, &room.Label2,  &room.Label9};
}

// The bead element of rod `rod`: kUpperBead or lower bead 1..4.
Element& beadElement(DrillForm& room, int rod, int bead) {
    const auto place = static_cast<std::size_t>(rod);
    return bead == kUpperBead ? room.Upper[place]
                              : room.Lower[static_cast<std::size_t>(bead - 1)][place];
}

// Fills the group list and selects the learner's kept group, the first when none is kept.
void restoreGroup(WindowContext& window) {
    Element& list = window.drill.Combo6;
    list.items.clear();
    for (int group = 0; group < kRhymeGroups; ++group) list.items.push_back(rhymeGroupName(group));
    const auto kept = window.services.history.setting(window.drillState.learner, kGroupKey);
    int index = kept ? static_cast<int>(integerValueOf(*kept)) : 0;
    if (index < 0 || index >= kRhymeGroups) index = 0;
    list.listIndex = index;
    list.setCaption(list.items[static_cast<std::size_t>(index)]);
}

}  // namespace

void showBeadDrill(WindowContext& window, bool on) {
    DrillForm& room = window.drill;
    for (Element* element : flashOnlyElements(room)) element->visible = !on;
    for (Element* element : room.beadDrillElements()) element->visible = on;
    releaseFinishedBoard(room);
    showQuotientSetting(window, on);
    if (!on) return;
    room.drill.setCaption(kBeadTitle);
    restoreGroup(window);
    room.Label6.setCaption("");
    room.Label3.setCaption("");
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            beadElement(room, rod, bead).picture = window.state.beadStyle1;
        }
    }
    showBoard(room, boardShowing(0));
    chooseRod(window, 0);
}

BeadBoard shownBoard(const DrillForm& room) {
    BeadBoard board;
    for (int rod = 0; rod < kBoardRods; ++rod) {
        const auto place = static_cast<std::size_t>(rod);
        RodBeads& beads = board.rods[place];
        beads.upperAtBeam = room.Upper[place].caption() == "1";
        while (beads.lowerAtBeam < kLowerBeads &&
               room.Lower[static_cast<std::size_t>(beads.lowerAtBeam)][place].caption() == "1") {
            ++beads.lowerAtBeam;
        }
    }
    return board;
}

void showBoard(DrillForm& room, const BeadBoard& board) {
    for (int rod = 0; rod < kBoardRods; ++rod) {
        for (int bead = kUpperBead; bead <= kLowerBeads; ++bead) {
            room.placeBead(rod, bead, beadAtBeam(board, rod, bead));
        }
    }
    room.Board.setCaption(plainNumber(boardValue(board)));
}

void chooseRod(WindowContext& window, int rod) {
    window.drillState.beads.rod = std::clamp(rod, 0, kBoardRods - 1);
    window.drill.frameRod(window.drillState.beads.rod);
}

void keepBeadGroup(WindowContext& window) {
    window.services.history.setSetting(window.drillState.learner, kGroupKey,
                                       std::to_string(window.drill.Combo6.listIndex));
}
