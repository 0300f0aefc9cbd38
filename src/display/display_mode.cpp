#include "display/display_mode.h"

#include "display/question_layout.h"

namespace {

constexpr char kNumbersOnly[] = "心算";
constexpr char kBoardOnly[] = "珠算";
constexpr char kBoardAndNumbers[] = "珠心算";

// Puts the display mode directly right of the arrow and the practice/exam word after it.
void closeStatusLine(MainForm& form) {
    form.Label16.left = form.Label28.left + form.Label28.width;
    form.Label29.left = form.Label16.left + form.Label16.width;
}

}  // namespace

void Label16_Click(WindowContext& window) {
    MainForm& form = window.form;
    const std::string mode = form.Label16.caption();
    if (mode == kNumbersOnly) {
        form.Label16.setCaption(kBoardOnly);
    } else if (mode == kBoardOnly) {
        form.Label16.setCaption(kBoardAndNumbers);
        closeStatusLine(form);
    } else if (mode == kBoardAndNumbers) {
        form.Label16.setCaption(kNumbersOnly);
        closeStatusLine(form);
    }
    aaa(window);
}
