#pragma once
// The main window's menu bar on the desktop: built once from the model's items, each item
// reported to the sink by its text, enabled and checked as the model says after every event.

#include <QMenuBar>
#include <map>
#include <string>

#include "desktop/widgets/element_view.h"
#include "model/window_context.h"

class MainMenuBar {
  public:
    MainMenuBar(const WindowContext& window, EventSink sink);

    QMenuBar* bar() const { return bar_; }
    // Copies the items' enabled and checked states from the model.
    void sync(const WindowContext& window);

  private:
    QMenuBar* bar_;
    std::map<std::string, QAction*> actions_;
};
