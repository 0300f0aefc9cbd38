#include "ui/element.h"

#include <utility>

Element::Element(std::string elementName, ElementKind elementKind, std::string holder)
    : name(std::move(elementName)), kind(elementKind), container(std::move(holder)) {}

void Element::setCaption(const std::string& text) {
    caption_ = text;
    fitToCaption();
}

void Element::setFont(const FontSpec& newFont) {
    font = newFont;
    fitToCaption();
}

void Element::addItem(const std::string& line) { items.push_back(line); }

void Element::clearItems() {
    items.clear();
    listIndex = -1;
    ++clearCount;
}

void Element::startTimer(int milliseconds) {
    interval = milliseconds;
    enabled = true;
    ++timerStarts;
}

void Element::attachMetrics(const TextMetrics* metrics) { metrics_ = metrics; }

void Element::fitToCaption() {
    if (!autoSize || metrics_ == nullptr) return;
    const TextExtent extent = metrics_->measure(font, caption_);
    width = extent.width;
    height = extent.height;
}
