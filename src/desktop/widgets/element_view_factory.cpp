#include "desktop/widgets/element_view_factory.h"

#include "desktop/widgets/bead_view.h"
#include "desktop/widgets/button_view.h"
#include "desktop/widgets/combo_view.h"
#include "desktop/widgets/frame_view.h"
#include "desktop/widgets/label_view.h"
#include "desktop/widgets/line_view.h"
#include "desktop/widgets/list_box_view.h"
#include "desktop/widgets/picture_view.h"
#include "desktop/widgets/shape_view.h"
#include "desktop/widgets/text_box_view.h"
#include "desktop/widgets/timer_view.h"

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
        case ElementKind::Bead:
            return new BeadView(&container, eventName, sink);
        case ElementKind::Window:
            break;
    }
    return nullptr;
}
