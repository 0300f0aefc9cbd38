#include "desktop/form/main_menu_bar.h"

#include <QApplication>

#include "desktop/form/view_appearance.h"
#include "desktop/services/window_appearance.h"
#include "ui/main_menu.h"

MainMenuBar::MainMenuBar(const WindowContext& window, EventSink sink) : bar_(new QMenuBar) {
    bar_->setObjectName("Form1_main.menuBar");
    std::map<std::string, QMenu*> menus;
    for (const MenuBarItem& item : mainMenuBar(window)) {
        QMenu*& menu = menus[item.menu];
        if (menu == nullptr) {
            menu = bar_->addMenu(QString::fromStdString(item.menu));
            menus_.push_back(menu);
        }
        QAction* action = menu->addAction(QString::fromStdString(item.item));
        action->setCheckable(item.checkable);
        QObject::connect(action, &QAction::triggered, bar_,
                         [sink, text = item.item, name = window.form.Form1_main.name] {
                             sink(Event{EventKind::Menu, name, -1, text});
                         });
        actions_.emplace(item.item, action);
    }
    sync(window);
}

void MainMenuBar::sync(const WindowContext& window) {
    if (zoomShown_ != viewAppearance().zoomPercent) {
        zoomShown_ = viewAppearance().zoomPercent;
        const QFont font = zoomedFont(QApplication::font());
        bar_->setFont(font);
        for (QMenu* menu : menus_) menu->setFont(font);
    }
    for (const MenuBarItem& item : mainMenuBar(window)) {
        QAction* action = actions_.at(item.item);
        if (action->isEnabled() != item.enabled) action->setEnabled(item.enabled);
        if (action->isChecked() != item.checked) action->setChecked(item.checked);
    }
}
