#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <map>

#include "ui/qt/element_view_factory.h"
#include "ui/qt/qt_font.h"
#include "ui/qt/twips.h"

namespace {

// The name the handlers know a key by ("0".."9" from the main row or the number pad,
// "Enter", "Backspace"), or "" for any other key, a key held down or a key combined with
// Ctrl, Alt or Meta.
std::string keyName(const QKeyEvent& event) {
    constexpr auto kCombining = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.isAutoRepeat() || (event.modifiers() & kCombining)) return {};
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return std::string(1, static_cast<char>('0' + key - Qt::Key_0));
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return "Enter";
    if (key == Qt::Key_Backspace) return "Backspace";
    return {};
}

}  // namespace

FormWindow::FormWindow(const std::vector<Element*>& elements, const std::string& eventPrefix,
                       EventSink sink, CloseRequest closeRequest, QWidget* parent)
    : ClickableWidget(parent, elements.front()->name, sink, Qt::Window),
      window_(*elements.front()),
      sink_(std::move(sink)),
      closeRequest_(std::move(closeRequest)) {
    setObjectName(QString::fromStdString(window_.name));
    setFont(qtFont(window_.font));
    std::map<std::string, QWidget*> containers{{window_.name, this}};
    for (auto element = elements.begin() + 1; element != elements.end(); ++element) {
        const auto holder = containers.find((*element)->container);
        QWidget& container = holder != containers.end() ? *holder->second : *this;
        const std::string eventName = eventPrefix + (*element)->name;
        ElementView* view = createElementView(**element, container, eventName, sink_);
        if (view == nullptr) continue;
        if (QWidget* widget = view->widget()) {
            widget->setObjectName(QString::fromStdString(eventName));
            containers.emplace((*element)->name, widget);
        }
        views_.emplace_back(*element, view);
    }
}

void FormWindow::sync() {
    if (title_.changed(window_.caption())) {
        setWindowTitle(QString::fromStdString(window_.caption()));
    }
    const QSize size(pixelsOf(window_.width), pixelsOf(window_.height));
    if (size_.changed(size)) setFixedSize(size);
    if (colours_.changed(coloursOf(window_))) colourBackground(*this, coloursOf(window_));
    for (const auto& [element, view] : views_) view->sync(*element);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeRequest_()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const std::string key = keyName(*event);
    if (key.empty()) {
        ClickableWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    sink_(Event{EventKind::Key, window_.name, -1, key});
}
