#include "display/verdict_mark.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "engine/question_display.h"

namespace {

constexpr char kRightMark[] = "√";
constexpr char kWrongMark[] = "×";
constexpr char kTryAgain[] = "再想想";
constexpr int kVerdictMilliseconds = 1000;
constexpr int kGapAfterQuestion = 240;
constexpr Rgb kRightColour{0, 128, 0};
constexpr Rgb kWrongColour{255, 0, 0};
constexpr Rgb kOvertimeColour{255, 0, 0};
constexpr Rgb kQuestionColour{0, 0, 0};

// The labels that make up the question line.
std::array<Element*, 5> questionLine(MainForm& form) {
    return {&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15};
}

// The right edge of the question line's shown labels, in twips.
int questionRightEdge(MainForm& form) {
    int right = form.Label11.left;
    for (const Element* label : questionLine(form)) {
        if (label->visible) right = std::max(right, label->left + label->width);
    }
    return right;
}

}  // namespace

void showVerdict(WindowContext& window, bool right, bool tryAgain) {
    MainForm& form = window.form;
    endOvertimeShow(window);
    Element& mark = form.verdictMark;
    mark.foreColor = right ? kRightColour : kWrongColour;
    mark.setCaption(std::string(right ? kRightMark : kWrongMark) + (tryAgain ? kTryAgain : ""));
    mark.left =
        std::min(questionRightEdge(form) + kGapAfterQuestion, form.Form1_main.width - mark.width);
    mark.top = form.Label11.top + form.Label11.height - mark.height;
    mark.visible = true;
    form.verdictTimer.startTimer(kVerdictMilliseconds);
}

void verdictTimer_Timer(WindowContext& window) {
    window.form.verdictMark.visible = false;
    window.form.verdictTimer.enabled = false;
}

void showOvertime(WindowContext& window, bool blinkOn) {
    MainForm& form = window.form;
    colourTerms(form, window.state.blankPosition);
    for (Element* label : questionLine(form)) {
        if (label->backColor != kAnswerBackground) label->foreColor = kOvertimeColour;
    }
    form.Shape1.fillColor = blinkOn ? std::optional<Rgb>(kOvertimeColour) : std::nullopt;
}

void endOvertimeShow(WindowContext& window) {
    MainForm& form = window.form;
    colourTerms(form, window.state.blankPosition);
    form.Label12.foreColor = kQuestionColour;
    form.Label14.foreColor = kQuestionColour;
    form.Shape1.fillColor.reset();
}
