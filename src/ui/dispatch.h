#pragma once
// The one entry for behaviour: the Qt front end, the replay driver and the tests turn
// what a person or a timer does into an Event and hand it here.

#include <string>

#include "model/window_context.h"

enum class EventKind {
    Load,         // the main window is created
    Click,        // a click on an element
    Choose,       // an item chosen in a drop-down list (value = item index)
    Type,         // text typed into the name box or a list's edit field (text)
    Tick,         // a timer's interval has passed
    Close,        // the main window is asked to close, or the practice room (element "drill")
    Menu,         // an item of an element's right-click menu chosen (text: the item's caption)
    Pick,         // a learner picked from the learners list (text: the name)
    Key,          // a key pressed on the keyboard in a window (element: the window; text: the key's
                  // name, "0".."9", "KP_0".."KP_9", "Return", "KP_Enter", "space", "BackSpace" ...)
    Scroll,       // a person scrolled a list (value = the first line on view)
    DoubleClick,  // a double click on a line of a list (value = the line)
    HistoryOpened,       // the learner history has been opened: the kept colours and zoom return
    RedoWrongQuestions,  // "重做错题" in the wrong-question book: a run of the book's questions
};

struct Event {
    EventKind kind = EventKind::Click;
    std::string element;  // "Command1(3)", "Combo2", "help.Label2"; empty for Load and Close
    int value = -1;
    std::string text;
};

// Finds the element an event names: main-window names, or "help." names for the about box.
Element* findElement(const WindowContext& window, const std::string& name);

// True when a person could reach the element: it and every frame and window holding it are
// shown and enabled.
bool isReachable(const WindowContext& window, const Element& element);

// Selects item `index` of a drop-down list as the program does: shows it in the edit field
// and raises the list's change handler, as a person's choice would; a line of the practice
// room's list is chosen the same way, without an edit field. An index outside the list does
// nothing.
void selectListItem(WindowContext& window, Element& list, int index);

// Runs the handler behind an event. Clicks, choices and typing on an element a person
// could not reach are ignored, as are ticks of a stopped timer.
void dispatch(WindowContext& window, const Event& event);
