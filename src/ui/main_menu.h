#pragma once
// The main window's menu bar: the practice room's drills, the history's windows, the view's
// colours and zoom, and the about box, each reached by the item's text.

#include <string>
#include <vector>

#include "model/window_context.h"

struct MenuBarItem {
    std::string menu;  // the menu's title with its mnemonic: "练习(&L)"
    std::string item;  // the item's text: "闪电心算…"
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
};

// The bar's items in order, enabled as the window's state allows: during a run the items that
// would change a setting or start another drill are disabled, as the settings lists are.
std::vector<MenuBarItem> mainMenuBar(const WindowContext& window);

// Chooses the bar's item `item`; false when the bar has no such item. A disabled item does
// nothing.
bool chooseMainMenuItem(WindowContext& window, const std::string& item);
