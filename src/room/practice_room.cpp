#include "room/practice_room.h"

#include <sstream>
#include <vector>

#include "room/room_drills.h"

namespace {

constexpr char kDefaultLearner[] = "豆 豆";
constexpr char kSettingsKey[] = "practiceRoom";
constexpr int kDefaultDigits = 0;  // 1 digit
constexpr int kDefaultTerms = 2;   // 5 terms
constexpr int kDefaultSpeed = 8;   // 1.0 s
// Settings kept before 0.1 and 0.15 s came first in the speed list lack this mark; their speed
// index is moved on by the two.
constexpr char kSpeedListMark[] = "0.1s";
constexpr int kSpeedsAdded = 2;
constexpr int kDefaultChains = 1;  // 5 chains

// The name box's text without its outer blanks, or the default name when that leaves nothing.
std::string learnerOf(const WindowContext& window) {
    const std::string& text = window.form.Text1.caption();
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return kDefaultLearner;
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

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

}  // namespace

void openPracticeRoom(WindowContext& window, DrillKind kind) {
    DrillForm& room = window.drill;
    DrillState& drill = window.drillState;
    const std::string learner = learnerOf(window);
    if (room.drill.visible && drill.kind == kind && drill.learner == learner) {
        ++room.raiseRequests;
        return;
    }
    stopDrill(window);
    drill.kind = kind;
    drill.learner = learner;
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
    room.drill.visible = true;
    ++room.raiseRequests;
    room.moveFocus(room.Command1);
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
