#include "desktop/widgets/widget_basics.h"

#include <QWidget>

#include "desktop/form/view_appearance.h"
#include "desktop/widgets/qt_font.h"

void WidgetBasics::sync(QWidget& widget, const Element& element, const QRect& rect) {
    if (rect_.changed(rect)) widget.setGeometry(rect);
    if (tooltip_.changed(element.tooltip)) {
        widget.setToolTip(QString::fromStdString(element.tooltip));
    }
    fontChanged_ = font_.changed({element.font, zoomFactor()});
    if (fontChanged_) widget.setFont(qtFont(element.font, zoomFactor()));
    if (enabled_.changed(element.enabled)) widget.setEnabled(element.enabled);
    if (visible_.changed(element.visible)) widget.setVisible(element.visible);
}
