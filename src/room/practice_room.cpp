#include "room/practice_room.h"

#include <sstream>
#include <vector>

#include "history/learner_names.h"
#include "room/room_drills.h"

namespace {

constexpr char kSettingsKey[] = "practiceRoom";
constexpr int kDefaultDigits = 0;  // 1 digit
constexpr int kDefaultTerms = 2;   // 5 terms
constexpr int kDefaultSpeed = 8;   // 1.0 s
// Settings kept before 0.1 and 0.15 s came first in the speed list lack this mark; their speed
// index is moved on by the two.
constexpr char kSpeedListMark[] = "0.1s";
constexpr int kSpeedsAdded = 2;
constexpr int kDefaultChains = 1;  // 5 chains

// The room's lists in the order their kept indexes are written.
std::vector<Element*> keptLists(DrillForm& room) {
    return {&room.Combo2, &room.Combo3, &room.Combo4, &room.Combo5};
}

// Selects a list's item without raising its handler; an index outside the list is ignored.
void showItem(Element& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.items.size())) return;
    list.listIndex = index;
    list.setCaption(list.items[static_cast<std::size_t>(index)]);
}

// Puts the room's settings to its defaults, then to what the learner's history keeps.
void restoreRoomSettings(WindowContext& window) {
    DrillForm& room = window.drill;
    showItem(room.Combo2, kDefaultDigits);
    showItem(room.Combo3, kDefaultTerms);
    showItem(room.Combo4, kDefaultSpeed);
    showItem(room.Combo5, kDefaultChains);
    room.Command4.setCaption(kAdditionOnly);
    room.Command5.setCaption(kAsDigits);
    const auto kept = window.services.history.setting(window.drillState.learner, kSettingsKey);
    if (!kept) return;
    std::istringstream fields(*kept);
    std::vector<int> indexes;
    for (std::size_t i = 0; i < keptLists(room).size(); ++i) {
        int index = -1;
        fields >> index;
        indexes.push_back(index);
    }
    std::string mix;
    std::string view;
    std::string mark;
    fields >> mix >> view >> mark;
    if (mark != kSpeedListMark && indexes[2] >= 0) indexes[2] += kSpeedsAdded;
    for (std::size_t i = 0; i < indexes.size(); ++i) showItem(*keptLists(room)[i], indexes[i]);
    if (mix == kMixed) room.Command4.setCaption(kMixed);
    if (view == kAsBeads) room.Command5.setCaption(kAsBeads);
}

// Stops what is in progress (stored for the learner who did it), then shows `kind` afresh for
// the name box's learner: that learner's settings, an empty list and nothing of the one before.
void showRoomFor(WindowContext& window, DrillKind kind) {
    DrillForm& room = window.drill;
    DrillState& drill = window.drillState;
    stopDrill(window);
    drill.kind = kind;
    drill.learner = nameBoxLearner(window);
    drill.reviewedQuestions.clear();
    restoreRoomSettings(window);
    // Every drill's own elements go first, then the chosen drill's come back.
    for (const RoomDrill* each : roomDrills()) each->show(window, false);
    room.List1.clearItems();
    room.Label1.setCaption("");
    room.Label8.visible = false;
    room.Label2.setCaption("");
    room.Label9.setCaption("");
    room.Text1.setCaption("");
    room.Command5.enabled = true;
    chosenDrill(window).show(window, true);
    room.moveFocus(room.Command1);
}

}  // namespace

void openPracticeRoom(WindowContext& window, DrillKind kind) {
    DrillForm& room = window.drill;
    const DrillState& drill = window.drillState;
    if (!room.drill.visible || drill.kind != kind || drill.learner != nameBoxLearner(window)) {
        showRoomFor(window, kind);
        room.drill.visible = true;
    }
    ++room.raiseRequests;
}

void followNameBoxLearner(WindowContext& window) {
    if (!window.drill.drill.visible || window.drillState.learner == nameBoxLearner(window)) return;
    showRoomFor(window, window.drillState.kind);
}

void closePracticeRoom(WindowContext& window) {
    stopDrill(window);
    window.drill.drill.visible = false;
}

void keepRoomSettings(WindowContext& window) {
    DrillForm& room = window.drill;
    std::ostringstream fields;
    for (Element* list : keptLists(room)) fields << list->listIndex << ' ';
    fields << room.Command4.caption() << ' ' << room.Command5.caption() << ' ' << kSpeedListMark;
    window.services.history.setSetting(window.drillState.learner, kSettingsKey, fields.str());
}
