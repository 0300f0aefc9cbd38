#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <map>

#include "ui/qt/element_view_factory.h"
#include "ui/qt/qt_font.h"
#include "ui/qt/twips.h"

FormWindow::FormWindow(const std::vector<Element*>& elements, const std::string& eventPrefix,
                       EventSink sink, CloseRequest closeRequest, QWidget* parent)
    : QWidget(parent, Qt::Window),
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
    if (size_.changed(QSize(window_.width, window_.height))) {
        setFixedSize(pixelsOf(window_.width), pixelsOf(window_.height));
    }
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

void FormWindow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        sink_(Event{EventKind::Click, window_.name, -1, {}});
    }
}
