#pragma once
// The main window's menu bar on the desktop: built once from the model's items, each item
// reported to the sink by its text, enabled and checked as the model says after every event,
// its texts at the zoom of the window.

#include <QMenuBar>
#include <map>
#include <string>
#include <vector>

#include "desktop/widgets/element_view.h"
#include "model/window_context.h"

class MainMenuBar {
  public:
    MainMenuBar(const WindowContext& window, EventSink sink);

    QMenuBar* bar() const { return bar_; }
    // Copies the items' enabled and checked states from the model, and draws the bar and its
    // menus at the zoom on view.
    void sync(const WindowContext& window);

  private:
    QMenuBar* bar_;
    std::vector<QMenu*> menus_;
    int zoomShown_ = 100;  // the toolkit's own font is the bar's at 100 %
    std::map<std::string, QAction*> actions_;
};
