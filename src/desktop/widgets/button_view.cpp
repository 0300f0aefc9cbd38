#include "desktop/widgets/button_view.h"

#include "desktop/widgets/twips.h"

ButtonView::ButtonView(QWidget* parent, std::string eventName, EventSink sink)
    : QPushButton(parent) {
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [name = std::move(eventName), sink = std::move(sink)] {
                sink(Event{EventKind::Click, name, -1, {}});
            });
}

void ButtonView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (caption_.changed(element.caption())) setText(QString::fromStdString(element.caption()));
    if (isDefault() != element.defaultButton) setDefault(element.defaultButton);
}
