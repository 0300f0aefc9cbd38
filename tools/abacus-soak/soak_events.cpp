#include "soak_events.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "soak_bead_room.h"
#include "soak_texts.h"
#include "ui/main_menu.h"

namespace {

// What the soak does next, before the details are drawn.
enum class Choice {
    Key,
    PhysicalKey,
    Confirm,
    RunButton,
    ClearButton,
    AnyElement,
    OpenAboutBox,
    AboutBoxElement,
    ChooseItem,
    TypeIntoList,
    TypeName,
    QuestionTimer,
    OtherTimer,
    SecondsPass,
    Advance,
    SetClock,
    Answer,
    Close,
    MenuItem,
    OpenRoom,
    RoomElement,
    RoomChoice,
    RoomTimer,
    RoomAnswer,
    RoomKey,
    OpenBeadRoom,
    BeadRoom,
    LevelTest,
};

struct WeightedChoice {
    Choice choice;
    int idle;     // weight between runs
    int running;  // weight during a run
};

// A stop during a run is rare, so that runs reach their report; between runs "出  题" is common.
constexpr WeightedChoice kChoices[] = {
    {Choice::Key, 380, 420},       {Choice::PhysicalKey, 40, 120},
    {Choice::Confirm, 110, 130},   {Choice::RunButton, 45, 3},
    {Choice::ClearButton, 25, 15}, {Choice::AnyElement, 90, 90},
    {Choice::OpenAboutBox, 6, 6},  {Choice::AboutBoxElement, 25, 25},
    {Choice::ChooseItem, 40, 40},  {Choice::TypeIntoList, 6, 6},
    {Choice::TypeName, 15, 15},    {Choice::QuestionTimer, 30, 30},
    {Choice::OtherTimer, 15, 15},  {Choice::SecondsPass, 30, 30},
    {Choice::Advance, 15, 15},     {Choice::SetClock, 2, 2},
    {Choice::Answer, 10, 10},      {Choice::Close, 3, 3},
    {Choice::MenuItem, 8, 8},      {Choice::OpenRoom, 5, 1},
    {Choice::RoomElement, 30, 30}, {Choice::RoomChoice, 6, 6},
    {Choice::RoomTimer, 60, 60},   {Choice::RoomAnswer, 20, 20},
    {Choice::RoomKey, 4, 4},       {Choice::OpenBeadRoom, 4, 1},
    {Choice::BeadRoom, 900, 900},  {Choice::LevelTest, 30, 6},
};

// The practice room's choices, drawn only while the room is open.
bool needsRoom(Choice choice) {
    return choice == Choice::RoomElement || choice == Choice::RoomChoice ||
           choice == Choice::RoomTimer || choice == Choice::RoomAnswer || choice == Choice::RoomKey;
}

// Tick counts of one burst of the question timer: enough, now and then, to pass any limit.
constexpr long long kQuestionTimerBursts[] = {1, 1, 2, 5, 20, 80, 310};
constexpr long long kOtherTimerBursts[] = {1, 1, 2, 7};
constexpr long long kAdvances[] = {1, 1, 1, 2, 59, 61, 3600, 86399, -1, -60, -3600};
// Moments next to the ends of a minute, a day, a leap day, a year and the years the clock
// can show.
constexpr LocalDateTime kMoments[] = {{2026, 9, 1, 8, 0, 0},     {2026, 12, 31, 23, 59, 58},
                                      {2028, 2, 28, 23, 59, 55}, {9999, 12, 31, 23, 59, 50},
                                      {1, 1, 1, 0, 0, 0},        {2026, 9, 1, 11, 59, 59}};
constexpr const char* kOtherTimers[] = {"Timer1", "Timer3", "Timer4"};
constexpr const char* kRoomLists[] = {"drill.Combo2", "drill.Combo3", "drill.Combo4",
                                      "drill.Combo5"};
constexpr const char* kRoomKeys[] = {"Return", "KP_Enter", "Escape", "space", "5"};
constexpr long long kRoomTimerBursts[] = {1, 1, 1, 3, 31};
constexpr const char* kAnswers[] = {"0", "7", "12", "25", "380", "x1", "", "1234567890"};
constexpr const char* kLists[] = {"Combo1", "Combo2", "Combo3", "Combo4"};
constexpr const char* kPhysicalKeys[] = {"0",         "5",         "9",      "KP_0",
                                         "KP_7",      "Return",    "space",  "KP_Enter",
                                         "BackSpace", "BackSpace", "Escape", "Tab"};
constexpr int kRunInProgress = 0;

// The weight of `choice` in the window's present state.
int weightOf(const WeightedChoice& choice, const WindowContext& window) {
    if (choice.choice == Choice::AboutBoxElement && !window.help.help.visible) return 0;
    if (needsRoom(choice.choice) && !window.drill.drill.visible) return 0;
    if (choice.choice == Choice::BeadRoom && !beadRoomOpen(window)) return 0;
    return window.state.appState == kRunInProgress ? choice.running : choice.idle;
}

// One choice drawn by the weights of the window's present state.
Choice drawChoice(const WindowContext& window, SoakRandom& random) {
    int total = 0;
    for (const WeightedChoice& choice : kChoices) total += weightOf(choice, window);
    auto draw = static_cast<int>(random.below(static_cast<std::uint64_t>(total)));
    for (const WeightedChoice& choice : kChoices) {
        draw -= weightOf(choice, window);
        if (draw < 0) return choice.choice;
    }
    return Choice::Key;
}

// The name an event gives an element of the about box: "help" for the box itself.
std::string aboutBoxName(const WindowContext& window, const Element& element) {
    return &element == &window.help.help ? "help" : "help." + element.name;
}

// Any element of either window, each as likely as the others.
std::string anyElement(const WindowContext& window, SoakRandom& random) {
    const auto& mainElements = window.form.elements();
    const auto& aboutElements = window.help.elements();
    const std::size_t pick = random.below(mainElements.size() + aboutElements.size());
    if (pick < mainElements.size()) return mainElements[pick]->name;
    return aboutBoxName(window, *aboutElements[pick - mainElements.size()]);
}

// Any element of the practice room, the room itself among them.
std::string anyRoomElement(const WindowContext& window, SoakRandom& random) {
    const auto& elements = window.drill.elements();
    const Element& element = *elements[random.below(elements.size())];
    return &element == &window.drill.drill ? element.name : "drill." + element.name;
}

// Any item of the main window's menu bar.
std::string anyMenuItem(const WindowContext& window, SoakRandom& random) {
    const std::vector<MenuBarItem> items = mainMenuBar(window);
    return items[random.below(items.size())].item;
}

// Something done to the level test in the practice room: opening it, starting or stopping a
// test, answering right, wrong or in letters, letting its seconds pass, changing its lists,
// printing a paper, redoing the wrong questions of the book.
std::vector<SoakAction> levelTestActions(const WindowContext& window, SoakRandom& random) {
    constexpr long long kSecondBursts[] = {1, 1, 5, 60, 300, 900};
    constexpr const char* kLevelAnswers[] = {"", "0", "7", "15", "123", "2x", "999999999", "1 2"};
    const DrillForm& room = window.drill;
    if (!room.drill.visible || window.drillState.kind != DrillKind::Levels ||
        random.below(40) == 0) {
        return {SoakAction::menu("等级考试…")};
    }
    switch (random.below(9)) {
        case 0:
            return {SoakAction::click("drill.Command1")};
        case 1:
            return {SoakAction::tick("drill.Timer2", random.pick(kSecondBursts))};
        case 7:
            return {SoakAction::click("drill.Command7")};
        case 2:
            return {SoakAction::choose(
                "drill.Combo7", static_cast<long long>(random.below(room.Combo7.items.size())))};
        case 3:
            return {SoakAction::choose(
                "drill.Combo8", static_cast<long long>(random.below(room.Combo8.items.size())))};
        case 4:
            return {SoakAction::click("drill.Command6")};
        default:
            return {SoakAction::type("drill.Text1", random.pick(kLevelAnswers)),
                    SoakAction::click("drill.Command2")};
    }
}

// A second of time: the clock moves on and every timer ticks as often as it would.
std::vector<SoakAction> secondPasses() {
    return {SoakAction::advance(1), SoakAction::tick("Timer1", 10), SoakAction::tick("Timer2", 1),
            SoakAction::tick("Timer3", 2)};
}

// A queued answer: mostly OK and No, now and then a Yes that may close the window.
SoakAction answer(SoakRandom& random) {
    const std::uint64_t draw = random.below(20);
    const DialogAnswer answer = draw < 2    ? DialogAnswer::Yes
                                : draw < 11 ? DialogAnswer::No
                                            : DialogAnswer::Ok;
    return SoakAction::answerWith(answer);
}

}  // namespace

std::vector<SoakAction> nextActions(const WindowContext& window, SoakRandom& random) {
    switch (drawChoice(window, random)) {
        case Choice::Key:
            return {SoakAction::click("Command1(" + std::to_string(random.below(10)) + ")")};
        case Choice::PhysicalKey:
            return {SoakAction::key(random.pick(kPhysicalKeys))};
        case Choice::Confirm:
            return {SoakAction::click("Command3")};
        case Choice::RunButton:
            return {SoakAction::click("Command4")};
        case Choice::ClearButton:
            return {SoakAction::click("Command2")};
        case Choice::AnyElement:
            return {SoakAction::click(anyElement(window, random))};
        case Choice::OpenAboutBox:
            return {SoakAction::click("Label31")};
        case Choice::AboutBoxElement: {
            const auto& elements = window.help.elements();
            return {
                SoakAction::click(aboutBoxName(window, *elements[random.below(elements.size())]))};
        }
        case Choice::ChooseItem: {
            const std::string list = random.pick(kLists);
            const std::size_t items = window.form.find(list)->items.size();
            return {SoakAction::choose(list, static_cast<long long>(random.below(items)))};
        }
        case Choice::TypeIntoList: {
            const std::string list = random.pick(kLists);
            return {SoakAction::type(list, randomListText(*window.form.find(list), random))};
        }
        case Choice::TypeName:
            return {SoakAction::type("Text1", randomName(random))};
        case Choice::QuestionTimer:
            return {SoakAction::tick("Timer2", random.pick(kQuestionTimerBursts))};
        case Choice::OtherTimer:
            return {SoakAction::tick(random.pick(kOtherTimers), random.pick(kOtherTimerBursts))};
        case Choice::SecondsPass:
            return secondPasses();
        case Choice::Advance:
            return {SoakAction::advance(random.pick(kAdvances))};
        case Choice::SetClock:
            return {SoakAction::setClock(random.pick(kMoments))};
        case Choice::Answer:
            return {answer(random)};
        case Choice::Close:
            return {SoakAction::close()};
        case Choice::MenuItem:
            return {SoakAction::menu(anyMenuItem(window, random))};
        case Choice::OpenRoom:
            return {SoakAction::menu("闪电心算…")};
        case Choice::RoomElement:
            return {SoakAction::click(anyRoomElement(window, random))};
        case Choice::RoomChoice: {
            const std::string list = random.pick(kRoomLists);
            const std::size_t items = window.drill.find(list.substr(6))->items.size();
            return {SoakAction::choose(list, static_cast<long long>(random.below(items)))};
        }
        case Choice::RoomTimer:
            return {SoakAction::tick("drill.Timer1", random.pick(kRoomTimerBursts))};
        case Choice::RoomAnswer:
            return {SoakAction::type("drill.Text1", random.pick(kAnswers)),
                    SoakAction::roomKey("Return")};
        case Choice::RoomKey:
            return {SoakAction::roomKey(random.pick(kRoomKeys))};
        case Choice::OpenBeadRoom:
            return {openBeadRoom()};
        case Choice::BeadRoom:
            return {beadRoomAction(window, random)};
        case Choice::LevelTest:
            return levelTestActions(window, random);
    }
    return {};
}
