#include "desktop/widgets/picture_view.h"

#include <QPainter>

#include "desktop/widgets/picture_lookup.h"
#include "desktop/widgets/twips.h"

PictureView::PictureView(QWidget* parent, std::string eventName, EventSink sink)
    : ClickableWidget(parent, std::move(eventName), std::move(sink)) {}

void PictureView::sync(const Element& element) {
    basics_.sync(*this, element, pixelRect(element));
    if (colours_.changed(coloursOf(element))) colourBackground(*this, coloursOf(element));
    if (element.picture != pictureName_) {
        pictureName_ = element.picture;
        picture_ = QPixmap();
        update();
    }
}

// Fetches the picture painted afresh for the screen the box is on and the view's zoom when it
// is first painted there, and shows it at the zoomed size pixel for pixel.
void PictureView::paintEvent(QPaintEvent*) {
    const double zoom = zoomFactor();
    const double ratio = devicePixelRatio() * zoom;
    if (picture_.isNull() || picture_.devicePixelRatio() != ratio)
        picture_ = pictureNamed(pictureName_, ratio);
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QSizeF designSize = picture_.deviceIndependentSize();
    painter.drawPixmap(QRectF(QPointF(0, 0), designSize * zoom), picture_, QRectF(picture_.rect()));
}
