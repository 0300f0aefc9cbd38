// A bare Qt window of the trainer's size holding a menu bar with the trainer's menu titles and,
// below it, for each element of the main window's design, the plain Qt widget of its kind with
// its design caption, font, items and rectangle; quits after its first painted frame. The yardstick for the trainer's start-up:
// the same toolkit, widgets and faces, without the window model, dispatch or view.

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>
#include <map>
#include <string>

#include "desktop/widgets/qt_font.h"
#include "first_paint_probe.h"
#include "model/main_form.h"
#include "ui/main_menu_titles.h"

namespace {

// A plain Qt widget standing for `element`; nullptr for a timer, which has no widget.
QWidget* plainWidgetFor(const Element& element, QWidget& parent) {
    const QString caption = QString::fromStdString(element.caption());
    switch (element.kind) {
        case ElementKind::Label:
            return new QLabel(caption, &parent);
        case ElementKind::CommandButton:
            return new QPushButton(caption, &parent);
        case ElementKind::TextBox:
            return new QLineEdit(caption, &parent);
        case ElementKind::ComboBox: {
            auto* combo = new QComboBox(&parent);
            combo->setEditable(true);
            for (const std::string& item : element.items) {
                combo->addItem(QString::fromStdString(item));
            }
            combo->setEditText(caption);
            return combo;
        }
        case ElementKind::ListBox:
            return new QListWidget(&parent);
        case ElementKind::Timer:
        case ElementKind::Window:
            return nullptr;
        default:
            return new QFrame(&parent);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    installFontSubstitutions();
    const MainForm design;
    QWidget window;
    auto* bar = new QMenuBar(&window);
    for (const char* title : kMainMenuTitles) bar->addMenu(QString::fromUtf8(title));
    const int barHeight = bar->sizeHint().height();
    bar->setGeometry(0, 0, 579, barHeight);
    auto* area = new QWidget(&window);
    area->setGeometry(0, barHeight, 579, 487);
    window.setFixedSize(579, 487 + barHeight);
    std::map<std::string, QWidget*> containers{{design.Form1_main.name, area}};
    for (const Element* element : design.elements()) {
        const auto holder = containers.find(element->container);
        QWidget& parent = holder != containers.end() ? *holder->second : *area;
        QWidget* widget = plainWidgetFor(*element, parent);
        if (widget == nullptr) continue;
        widget->setFont(qtFont(element->font));
        widget->setGeometry(element->left / 15, element->top / 15, element->width / 15,
                            element->height / 15);
        widget->setVisible(element->visible);
        widget->setEnabled(element->enabled);
        containers.emplace(element->name, widget);
    }
    FirstPaintProbe probe(window);
    window.show();
    return QApplication::exec();
}
