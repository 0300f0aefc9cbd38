#include "ui/qt/element_view_factory.h"

#include "ui/qt/button_view.h"
#include "ui/qt/combo_view.h"
#include "ui/qt/frame_view.h"
#include "ui/qt/label_view.h"
#include "ui/qt/line_view.h"
#include "ui/qt/list_box_view.h"
#include "ui/qt/picture_view.h"
#include "ui/qt/shape_view.h"
#include "ui/qt/text_box_view.h"
#include "ui/qt/timer_view.h"

ElementView* createElementView(const Element& element, QWidget& container,
                               const std::string& eventName, const EventSink& sink) {
    switch (element.kind) {
        case ElementKind::Frame:
            return new FrameView(&container, eventName, sink);
        case ElementKind::Label:
            return new LabelView(&container, eventName, sink);
        case ElementKind::CommandButton:
            return new ButtonView(&container, eventName, sink);
        case ElementKind::TextBox:
            return new TextBoxView(&container, eventName, sink);
        case ElementKind::ComboBox:
            return new ComboView(&container, eventName, sink);
        case ElementKind::ListBox:
            return new ListBoxView(&container, eventName, sink);
        case ElementKind::PictureBox:
        case ElementKind::Rod:
            return new PictureView(&container, eventName, sink);
        case ElementKind::Shape:
            return new ShapeView(&container);
        case ElementKind::Line:
            return new LineView(&container);
        case ElementKind::Timer:
            return new TimerView(&container, eventName, sink);
        case ElementKind::Window:
            break;
    }
    return nullptr;
}
