#include "ui/qt/picture_lookup.h"

#include "ui/qt/window_icon.h"

QPixmap pictureNamed(const std::string& name) {
    if (name == "icon32") return paintAbacusIcon(32);
    return {};
}
