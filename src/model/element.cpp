#include "model/element.h"

#include <algorithm>
#include <limits>
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
    topIndex = 0;
    ++clearCount;
}

int Element::linesOnView() const {
    if (metrics_ == nullptr) return 1;
    const int lineHeight = metrics_->measure(font, "0").height;
    return lineHeight > 0 ? std::max(1, height / lineHeight) : 1;
}

void Element::showLinesFrom(std::size_t first) {
    const auto lines = static_cast<long long>(items.size());
    const auto start = static_cast<long long>(first);
    const auto onView = static_cast<long long>(linesOnView());
    scrollTo(static_cast<int>(lines - start <= onView ? start : lines - onView));
}

void Element::scrollTo(int line) {
    const int lastLine =
        static_cast<int>(std::min<std::size_t>(items.size(), std::numeric_limits<int>::max())) - 1;
    topIndex = std::clamp(line, 0, std::max(0, lastLine));
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
