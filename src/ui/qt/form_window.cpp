#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <map>

#include "ui/qt/element_view_factory.h"
#include "ui/qt/qt_font.h"
#include "ui/qt/twips.h"

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
