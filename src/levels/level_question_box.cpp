#include "levels/level_question_box.h"

#include <algorithm>

namespace {

constexpr char kRightMark[] = "√";
constexpr char kWrongMark[] = "×";
constexpr Rgb kRightColour{0, 150, 0};
constexpr Rgb kWrongColour{192, 0, 0};
constexpr double kSmallestPoints = 10;

// A line as the box shows it: without the blanks that pad it for a list, since the box sets
// the lines right-aligned itself ("12 × 3 =" is shown "12×3=").
std::string boxLine(const std::string& line) {
    std::string shown = line;
    std::erase(shown, ' ');
    return shown;
}

// True when every line fits `width` and all of them, one under another, fit `height`. A single
// line needs only its digits' height: the room a line keeps above and below them may lie over
// the box's edges, by up to a quarter of the box.
bool fits(const TextMetrics& metrics, const FontSpec& font, const std::vector<std::string>& lines,
          int width, int height) {
    int total = 0;
    for (const std::string& line : lines) {
        const TextExtent extent = metrics.measure(font, line);
        if (extent.width > width) return false;
        total += extent.height;
    }
    return lines.size() == 1 ? total * 4 <= height * 5 : total <= height;
}

// Shows `lines` in the box, in the flash face at the largest size that holds them beside
// `margin` twips kept free at each end; one line in a box as tall as the flash drills', more
// in the level test's taller one.
void showLines(WindowContext& window, const std::vector<std::string>& lines, int margin) {
    DrillForm& room = window.drill;
    room.Label1.height = lines.size() > 1 ? kLevelBoxHeight : kFlashBoxHeight;
    room.Label8.height = room.Label1.height;
    std::vector<std::string> shown;
    std::transform(lines.begin(), lines.end(), std::back_inserter(shown), boxLine);
    FontSpec font = DrillForm::flashFont();
    while (font.pointSize > kSmallestPoints &&
           !fits(window.services.metrics, font, shown, room.Label1.width - 2 * margin,
                 room.Label1.height)) {
        font.pointSize = std::max(kSmallestPoints, font.pointSize - 2);
    }
    std::string caption;
    for (const std::string& line : shown) caption += (caption.empty() ? "" : "\n") + line;
    room.Label1.setFont(font);
    room.Label1.setCaption(caption);
}

}  // namespace

void showAskedLevelQuestion(WindowContext& window, const std::vector<std::string>& lines) {
    window.drill.Label8.visible = false;
    showLines(window, lines, 0);
}

void showJudgedLevelQuestion(WindowContext& window, const std::vector<std::string>& lines,
                             bool right) {
    DrillForm& room = window.drill;
    showLines(window, lines, room.Label8.width);
    room.Label8.setCaption(right ? kRightMark : kWrongMark);
    room.Label8.foreColor = right ? kRightColour : kWrongColour;
    room.Label8.visible = true;
}

void clearLevelQuestionBox(DrillForm& room) {
    room.Label1.setCaption("");
    room.Label8.visible = false;
}
