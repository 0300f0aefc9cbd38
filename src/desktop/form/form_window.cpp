#include "desktop/form/form_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <map>

#include "desktop/form/screen_room.h"

#include "desktop/widgets/element_view_factory.h"
#include "desktop/widgets/qt_font.h"
#include "desktop/widgets/twips.h"

namespace {

// The name the handlers know a key by: "0".."9" from the main row, "KP_0".."KP_9" from the
// number pad, "Return", "KP_Enter", "space", "BackSpace", "Escape", "Tab", the arrows "Left",
// "Right", "Up", "Down" and "Page_Up", "Page_Down"; "" for any other
// key, a key held down or a key combined with Ctrl, Alt or Meta.
std::string keyName(const QKeyEvent& event) {
    constexpr auto kCombining = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.isAutoRepeat() || (event.modifiers() & kCombining)) return {};
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const std::string digit(1, static_cast<char>('0' + key - Qt::Key_0));
        return event.modifiers() & Qt::KeypadModifier ? "KP_" + digit : digit;
    }
    static const std::map<int, std::string> kNamedKeys = {
        {Qt::Key_Return, "Return"},  {Qt::Key_Enter, "KP_Enter"},
        {Qt::Key_Space, "space"},    {Qt::Key_Backspace, "BackSpace"},
        {Qt::Key_Escape, "Escape"},  {Qt::Key_Tab, "Tab"},
        {Qt::Key_Left, "Left"},      {Qt::Key_Right, "Right"},
        {Qt::Key_Up, "Up"},          {Qt::Key_Down, "Down"},
        {Qt::Key_PageUp, "Page_Up"}, {Qt::Key_PageDown, "Page_Down"},
    };
    const auto named = kNamedKeys.find(key);
    return named != kNamedKeys.end() ? named->second : std::string();
}

// True for the key events a focused widget would act on.
bool isKeyEvent(const QEvent& event) {
    return event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease;
}

}  // namespace

FormWindow::FormWindow(const std::vector<Element*>& elements, const std::string& eventPrefix,
                       EventSink sink, CloseRequest closeRequest, QWidget* parent)
    : ClickableWidget(parent, elements.front()->name, sink, Qt::Window),
      window_(*elements.front()),
      sink_(std::move(sink)),
      closeRequest_(std::move(closeRequest)),
      scroller_(new QScrollArea(this)),
      area_(new QWidget) {
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidget(area_);
    area_->setAutoFillBackground(true);
    buildViews(elements, eventPrefix, *area_);
}

FormWindow::FormWindow(const std::vector<Element*>& elements, EventSink sink,
                       CloseRequest closeRequest, QMenuBar* menuBar)
    : ClickableWidget(nullptr, elements.front()->name, sink, Qt::Window),
      window_(*elements.front()),
      sink_(std::move(sink)),
      closeRequest_(std::move(closeRequest)),
      menuBar_(menuBar),
      area_(new QWidget(this)) {
    menuBar_->setParent(this);
    area_->setAutoFillBackground(true);
    buildViews(elements, "", *area_);
}

void FormWindow::buildViews(const std::vector<Element*>& elements, const std::string& eventPrefix,
                            QWidget& area) {
    setObjectName(QString::fromStdString(window_.name));
    setFont(qtFont(window_.font));
    std::map<std::string, QWidget*> containers{{window_.name, &area}};
    for (auto element = elements.begin() + 1; element != elements.end(); ++element) {
        const auto holder = containers.find((*element)->container);
        QWidget& container = holder != containers.end() ? *holder->second : area;
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
    if (size_.changed(size)) {
        const int barHeight = menuBar_ != nullptr ? menuBar_->sizeHint().height() : 0;
        if (menuBar_ != nullptr) {
            menuBar_->setGeometry(0, 0, size.width(), barHeight);
            area_->setGeometry(0, barHeight, size.width(), size.height());
        }
        if (scroller_ != nullptr) {
            area_->setFixedSize(size);
            const QSize room = roomForWindow(*this);
            const QSize shown = room.isEmpty() ? size : size.boundedTo(room);
            scroller_->setGeometry(0, 0, shown.width(), shown.height());
            setFixedSize(shown);
        } else {
            setFixedSize(size.width(), size.height() + barHeight);
        }
    }
    if (colours_.changed(coloursOf(window_))) {
        colourBackground(*this, coloursOf(window_));
        if (area_ != this) colourBackground(*area_, coloursOf(window_));
    }
    for (const auto& [element, view] : views_) view->sync(*element);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeRequest_()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FormWindow::takeEveryKeyWhile(std::function<bool()> condition) {
    takesEveryKey_ = std::move(condition);
    QCoreApplication::instance()->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!isKeyEvent(*event) || !takesEveryKey_ || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != this || !takesEveryKey_()) return false;
    if (event->type() == QEvent::KeyPress) {
        const std::string key = keyName(*static_cast<QKeyEvent*>(event));
        if (!key.empty()) sink_(Event{EventKind::Key, window_.name, -1, key});
    }
    return true;
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
