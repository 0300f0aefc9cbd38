#include "ui/dispatch.h"

#include <charconv>
#include <functional>
#include <map>

#include "appearance/kept_appearance.h"
#include "beads/bead_drill.h"
#include "beads/bead_set.h"
#include "demonstration/demonstration.h"
#include "demonstration/drill/demonstration_room.h"
#include "demonstration/quotient_setting.h"
#include "display/bead_styles.h"
#include "display/display_mode.h"
#include "display/rod_family.h"
#include "display/verdict_mark.h"
#include "engine/answer_button.h"
#include "engine/date_time_display.h"
#include "engine/question_timer.h"
#include "engine/run_button.h"
#include "engine/run_clock.h"
#include "engine/startup.h"
#include "flash/chain_set.h"
#include "history/history_menu.h"
#include "history/learner_names.h"
#include "history/redo_run.h"
#include "input/digit_entry.h"
#include "input/keyboard.h"
#include "input/keypad.h"
#include "levels/level_redo.h"
#include "levels/level_review_demo.h"
#include "levels/level_test.h"
#include "listening/drill/listening_settings.h"
#include "room/practice_room.h"
#include "room/room_buttons.h"
#include "sound/sound_button.h"
#include "ui/about_box.h"
#include "ui/clear_button.h"
#include "ui/form_load.h"
#include "ui/main_menu.h"
#include "ui/name_box.h"
#include "ui/settings_lists.h"
#include "ui/settings_toggles.h"

namespace {

using Handler = std::function<void(WindowContext&)>;
using IndexedHandler = std::function<void(WindowContext&, int)>;
using KeyHandler = std::function<const Element*(const WindowContext&, const std::string&)>;

constexpr char kHelpPrefix[] = "help.";
constexpr char kDrillPrefix[] = "drill.";

// Click handlers of the main window, by element name.
const std::map<std::string, Handler>& clickHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"Command2", Command2_Click},   {"Command3", Command3_Click},
        {"Command4", Command4_Click},   {"Command5", Command5_Click},
        {"Command6", Command6_Click},   {"Command8", Command8_Click},
        {"Label10", Label10_Click},     {"Label16", Label16_Click},
        {"Label28", Label28_Click},     {"Label31", Label31_Click},
        {"Label39", Label39_Click},     {"Text1", Text1_Click},
        {"Label40", Label40_Click},     {"Picture5", Picture5_Click},
        {"Picture6", Picture6_Click},   {"Picture7", Picture7_Click},
        {"Picture8", Picture8_Click},   {"Picture9", Picture9_Click},
        {"Picture10", Picture10_Click}, {"Picture11", Picture11_Click},
        {"Picture12", Picture12_Click}, {"Picture13", Picture13_Click},
        {"Picture14", Picture14_Click}, {"Picture15", Picture15_Click},
        {"Picture16", Picture16_Click}, {"Picture17", Picture17_Click},
        {"Picture18", Picture18_Click}, {"Picture19", Picture19_Click},
    };
    return handlers;
}

// Click handlers of control arrays, by array name; they receive the member's index.
const std::map<std::string, IndexedHandler>& indexedClickHandlers() {
    static const std::map<std::string, IndexedHandler> handlers = {
        {"Command1", Command1_Click},
    };
    return handlers;
}

// Change handlers of the settings lists.
const std::map<std::string, Handler>& choiceHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"Combo1", Combo1_Click},
        {"Combo3", Combo3_Click},
    };
    return handlers;
}

// Timer handlers.
const std::map<std::string, Handler>& tickHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"Timer1", Timer1_Timer},
        {"Timer2", Timer2_Timer},
        {"Timer3", Timer3_Timer},
        {"Timer4", Timer4_Timer},
        {"verdictTimer", verdictTimer_Timer},
    };
    return handlers;
}

// Handlers of the practice room, by element name with its "drill." prefix: clicks, list
// choices and timer ticks.
const std::map<std::string, Handler>& drillHandlers() {
    static const std::map<std::string, Handler> handlers = {
        {"drill.Command1", drill_Command1_Click},
        {"drill.Command2", drill_Command2_Click},
        {"drill.Command3", drill_Command3_Click},
        {"drill.Command4", drill_Command4_Click},
        {"drill.Command5", drill_Command5_Click},
        {"drill.Combo2", drillSettingChanged},
        {"drill.Combo3", drillSettingChanged},
        {"drill.Combo4", drillSettingChanged},
        {"drill.Combo5", drillSettingChanged},
        {"drill.Timer1", drill_Timer1_Timer},
        {"drill.Combo6", beadGroupChosen},
        {"drill.Combo7", levelSettingChanged},
        {"drill.Combo8", levelSettingChanged},
        {"drill.Timer2", drill_Timer2_Timer},
        {"drill.Command6", drill_Command6_Click},
        {"drill.BeadNext", drill_BeadNext_Click},
        {"drill.Command7", drill_Command7_Click},
        {"drill.Command8", drill_Command8_Click},
        {"drill.List1", drill_List1_Click},
        {"drill.Command9", drill_Command9_Click},
        {"drill.Command10", drill_Command10_Click},
        {"drill.DemoTimer", drill_DemoTimer_Timer},
        {"drill.Label3", drill_Label3_Click},
        {"drill.DemoPace", drill_DemoPace_Click},
        {"drill.AddRhymes", drill_AddRhymes_Click},
        {"drill.SubtractRhymes", drill_SubtractRhymes_Click},
        {"drill.TimesRhymes", drill_TimesRhymes_Click},
    };
    return handlers;
}

// The practice room's keyboard: Enter presses "确定", or "下一题" on a finished bead board
// (Escape closes the room).
const Element* elementPressedInRoom(const WindowContext& window, const std::string& key) {
    if (key != "Return" && key != "KP_Enter") return nullptr;
    return window.drill.BeadNext.visible ? &window.drill.BeadNext : &window.drill.Command2;
}

// Keyboards of the windows, by window name; each says which element a key presses.
const std::map<std::string, KeyHandler>& keyHandlers() {
    static const std::map<std::string, KeyHandler> handlers = {
        {"Form1_main", elementPressedBy},
        {"drill", elementPressedInRoom},
    };
    return handlers;
}

bool isAboutBoxName(const std::string& name) { return name.rfind(kHelpPrefix, 0) == 0; }

bool isDrillName(const std::string& name) { return name.rfind(kDrillPrefix, 0) == 0; }

// The name dispatch knows an element by: its design name, with its window's prefix in the
// about box and the practice room.
std::string qualifiedName(const WindowContext& window, const Element& element) {
    if (&element == &window.drill.drill || element.container == "drill") {
        return &element == &window.drill.drill ? element.name : kDrillPrefix + element.name;
    }
    return element.name;
}

// The window or frame that holds `element`, or nullptr for a window.
const Element* containerOf(const WindowContext& window, const Element& element) {
    if (element.container.empty()) return nullptr;
    if (element.container == "help") return &window.help.help;
    if (element.container == "drill") return &window.drill.drill;
    return window.form.find(element.container);
}

// Runs the handler registered for `name`, if there is one.
void runHandler(const std::map<std::string, Handler>& handlers, const std::string& name,
                WindowContext& window) {
    const auto found = handlers.find(name);
    if (found != handlers.end()) found->second(window);
}

// Runs the click handler of an element: by its name, or for an array member such as
// "Command1(3)" by the array's name with the member's index.
void clickElement(WindowContext& window, const Element& element) {
    const auto open = element.name.find('(');
    if (open == std::string::npos || element.name.back() != ')') {
        runHandler(clickHandlers(), element.name, window);
        return;
    }
    const auto found = indexedClickHandlers().find(element.name.substr(0, open));
    if (found == indexedClickHandlers().end()) return;
    int index = 0;
    const char* first = element.name.data() + open + 1;
    const char* last = element.name.data() + element.name.size() - 1;
    const auto [end, error] = std::from_chars(first, last, index);
    if (error == std::errc() && end == last) found->second(window, index);
}

// A click into the about box: "完全版说明" opens the help file, anything else closes it.
void clickAboutBox(WindowContext& window, const Element& element) {
    if (&element == &window.help.Label2) {
        help_Label2_Click(window);
    } else {
        help_Click(window);
    }
}

// Typing replaces the text; in a list's edit field it also leaves no item selected.
void typeText(Element& element, const std::string& text) {
    if (element.kind == ElementKind::ComboBox) {
        element.listIndex = -1;
    } else if (element.kind != ElementKind::TextBox) {
        return;
    }
    element.setCaption(text);
}

// A key press becomes a click on the element it presses, and goes the way of any click;
// BackSpace takes back a digit while "清  除" could be clicked.
void pressKey(WindowContext& window, const Event& event) {
    if (event.element == window.drill.drill.name && event.text == "Escape") {
        closePracticeRoom(window);
        return;
    }
    if (event.element == window.drill.drill.name && pressRoomKey(window, event.text)) return;
    const auto found = keyHandlers().find(event.element);
    if (found == keyHandlers().end()) return;
    if (const Element* pressed = found->second(window, event.text)) {
        dispatch(window, Event{EventKind::Click, qualifiedName(window, *pressed), -1, {}});
    } else if (takesBackDigit(window, event.text) && isReachable(window, window.form.Command2)) {
        takeBackDigit(window);
    } else {
        stepPausedDemonstration(window, event.text);
    }
}

// The name box names another learner: the practice room and the history's open windows follow.
void followNameBox(WindowContext& window) {
    followNameBoxLearner(window);
    window.services.menuWindows.followLearner(nameBoxLearner(window));
}

}  // namespace

Element* findElement(const WindowContext& window, const std::string& name) {
    if (isAboutBoxName(name)) return window.help.find(name.substr(sizeof kHelpPrefix - 1));
    if (name == "help") return window.help.find("help");
    if (isDrillName(name)) return window.drill.find(name.substr(sizeof kDrillPrefix - 1));
    if (name == "drill") return window.drill.find("drill");
    return window.form.find(name);
}

void selectListItem(WindowContext& window, Element& list, int index) {
    const bool roomLines = list.kind == ElementKind::ListBox && list.container == "drill";
    if (list.kind != ElementKind::ComboBox && !roomLines) return;
    if (index < 0 || index >= static_cast<int>(list.items.size())) return;
    list.listIndex = index;
    if (!roomLines) list.setCaption(list.items[static_cast<std::size_t>(index)]);
    if (list.container == "drill") {
        runHandler(drillHandlers(), kDrillPrefix + list.name, window);
        return;
    }
    runHandler(choiceHandlers(), list.name, window);
}

bool isReachable(const WindowContext& window, const Element& element) {
    for (const Element* e = &element; e != nullptr; e = containerOf(window, *e)) {
        if (!e->visible || !e->enabled) return false;
    }
    return true;
}

namespace {

// Runs the handler behind an event.
void handleEvent(WindowContext& window, const Event& event) {
    if (event.kind == EventKind::Load) {
        Form_Load(window);
        return;
    }
    if (event.kind == EventKind::Close && event.element == window.drill.drill.name) {
        closePracticeRoom(window);
        return;
    }
    if (event.kind == EventKind::Close) {
        stopDemonstration(window);
        closeMainWindow(window);
        if (window.closed) closePracticeRoom(window);
        return;
    }
    if (event.kind == EventKind::Key) {
        pressKey(window, event);
        return;
    }
    if (event.kind == EventKind::Pick) {
        learnerPicked(window, event.text);
        return;
    }
    if (event.kind == EventKind::RedoWrongQuestions) {
        stopDemonstration(window);
        startRedoRun(window);
        return;
    }
    if (event.kind == EventKind::HistoryOpened) {
        restoreAppearance(window);
        restoreLastLearner(window);
        return;
    }
    Element* element = findElement(window, event.element);
    if (element == nullptr) return;
    const bool inRoom = element == &window.drill.drill || element->container == "drill";
    if (event.kind == EventKind::Tick) {
        if (element->kind == ElementKind::Timer && element->enabled && element->interval > 0) {
            runHandler(inRoom ? drillHandlers() : tickHandlers(), qualifiedName(window, *element),
                       window);
        }
        return;
    }
    if (!isReachable(window, *element)) return;
    if (!inRoom && endsDemonstration(element->name)) stopDemonstration(window);
    switch (event.kind) {
        case EventKind::Click:
            if (element->container == "help" || element == &window.help.help) {
                clickAboutBox(window, *element);
            } else if (element->kind == ElementKind::Bead) {
                beadClicked(window, *element);
            } else if (inRoom && element->kind == ElementKind::ListBox && event.value >= 0) {
                selectListItem(window, *element, event.value);
            } else if (inRoom) {
                runHandler(drillHandlers(), qualifiedName(window, *element), window);
            } else {
                clickElement(window, *element);
            }
            break;
        case EventKind::Choose:
            selectListItem(window, *element, event.value);
            break;
        case EventKind::Type:
            typeText(*element, event.text);
            break;
        case EventKind::Menu:
            if (element == &window.form.Form1_main) {
                chooseMainMenuItem(window, event.text);
            } else if (element == &window.form.Label40) {
                chooseDemonstrationPace(window, event.text);
            } else {
                chooseMenuItem(window, *element, event.text);
            }
            break;
        case EventKind::DoubleClick:
            if (element == &window.drill.List1) {
                selectListItem(window, *element, event.value);
                drill_List1_DblClick(window);
            }
            break;
        case EventKind::Scroll:
            if (element->kind == ElementKind::ListBox) element->scrollTo(event.value);
            break;
        default:
            break;
    }
}

}  // namespace

void dispatch(WindowContext& window, const Event& event) {
    if (window.closed) return;
    const std::string learner = nameBoxLearner(window);
    handleEvent(window, event);
    if (!window.closed && nameBoxLearner(window) != learner) followNameBox(window);
}
