#include "display/question_layout.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "display/abacus_board.h"
#include "engine/text_number.h"

namespace {

constexpr char kVerticalLayout[] = "竖  式";
constexpr char kNumbersOnly[] = "心算";
constexpr char kBoardAndNumbers[] = "珠心算";
constexpr char kBoardOnly[] = "珠算";
constexpr char kFillIn[] = "填  空";
constexpr char kRightArrow[] = "→";
constexpr char kLeftArrow[] = "←";

constexpr int kLineTop = 2720;
constexpr int kSecondTermLeft = 3180;
constexpr int kBoardTop = 1440;
constexpr int kBoardLeft = 1000;
constexpr int kBoardGap = 50;
constexpr int kRowArrowInset = 80;
constexpr int kOperatorDrop = 160;
constexpr int kTypedAnswerDrop = 1100;
constexpr int kSumFirstTop = 1780;
constexpr int kSumSecondTop = 2520;
constexpr int kSumResultTop = 3320;
constexpr int kSumRightEdge = 4560;
constexpr int kFillInSumRightEdge = 4580;
constexpr int kSumRuleY = 3300;
constexpr int kSumRuleThickness = 3;
constexpr int kFillInRuleShortfall = 420;
constexpr int kSumArrowDrop = 10;
constexpr int kFillInSumArrowInset = 480;
constexpr int kSumBoardTop = 1240;
constexpr int kSumBoardStep = 1150;
constexpr int kSumBoardLeft = 4920;
constexpr int kStackedBoardLeft = 2670;
constexpr int kStackedFirstGap = 25;
constexpr int kStackedRuleGap = 50;
constexpr int kStackedAnswerGap = 350;
constexpr int kFillInStackedArrowInset = 400;
constexpr int kDigitBoxTop = 3840;
constexpr int kDigitBoxLeft = 600;

// The label of the blank term and the board row that shows it; both null for no blank.
struct Blank {
    Element* term = nullptr;   // the label of the blank term
    Element* frame = nullptr;  // the board row showing it
};

// The blank term chosen by `blankPosition` (1 result, 2 second term, 3 first term).
Blank blankOf(MainForm& form, std::int16_t blankPosition) {
    switch (blankPosition) {
        case 1:
            return {&form.Label15, &form.Picture3};
        case 2:
            return {&form.Label13, &form.Picture4};
        case 3:
            return {&form.Label11, &form.Picture2};
        default:
            return {};
    }
}

// Shows or hides every element of the list.
void show(std::initializer_list<Element*> elements, bool visible) {
    for (Element* element : elements) element->visible = visible;
}

// The x of the element's right edge.
int rightOf(const Element& element) { return element.left + element.width; }

// Puts the element directly right of the anchor.
void placeRightOf(Element& element, const Element& anchor) { element.left = rightOf(anchor); }

// Puts the element directly left of the anchor.
void placeLeftOf(Element& element, const Element& anchor) {
    element.left = anchor.left - element.width;
}

// Shows or hides the three board rows.
void showBoard(MainForm& form, bool visible) {
    show({&form.Picture2, &form.Picture3, &form.Picture4}, visible);
}

// The question line as one unbroken row at its fixed height, the second term at 3180.
void placeQuestionRow(MainForm& form) {
    form.Label11.top = kLineTop;
    for (Element* term : {&form.Label12, &form.Label13, &form.Label14, &form.Label15}) {
        term->top = form.Label11.top;
    }
    form.Label13.left = kSecondTermLeft;
    placeLeftOf(form.Label12, form.Label13);
    placeLeftOf(form.Label11, form.Label12);
    placeRightOf(form.Label14, form.Label13);
    placeRightOf(form.Label15, form.Label14);
}

// Puts the arrow at the blank term's right or left edge, `inset` twips over the term.
void placeArrowAtTerm(MainForm& form, const Element& term, const std::string& arrow, int inset) {
    if (arrow == kRightArrow) {
        form.Label18.left = rightOf(term) - inset;
    } else if (arrow == kLeftArrow) {
        form.Label18.left = term.left - form.Label18.width + inset;
    }
}

// Row layout, numbers only.
void layOutNumberRow(MainForm& form, const Blank& blank, const std::string& arrow) {
    show({&form.Label11, &form.Label12, &form.Label13, &form.Label14, &form.Label15}, true);
    show({&form.Line1, &form.Label17}, false);
    showBoard(form, false);
    placeQuestionRow(form);
    if (blank.term == nullptr) return;
    form.Label18.top = form.Label13.top;
    placeArrowAtTerm(form, *blank.term, arrow, kRowArrowInset);
}

// Row layout, the board side by side above the numbers; with the left arrow the blank
// operand is hidden.
void layOutBoardAndNumberRow(MainForm& form, const Blank& blank, const std::string& arrow,
                             std::int16_t blankPosition) {
    showBoard(form, true);
    show({&form.Label12, &form.Label14}, true);
    show({&form.Label17, &form.Line1}, false);
    placeQuestionRow(form);
    form.Picture2.top = form.Picture4.top = form.Picture3.top = kBoardTop;
    form.Picture2.left = kBoardLeft;
    form.Picture4.left = rightOf(form.Picture2) + kBoardGap;
    form.Picture3.left = rightOf(form.Picture4) + kBoardGap;
    if (arrow == kRightArrow) {
        show({&form.Label11, &form.Label13, &form.Label15}, true);
    } else if (arrow == kLeftArrow && blank.term != nullptr) {
        form.Label11.visible = blankPosition != 3;
        form.Label13.visible = blankPosition != 2;
        form.Label15.visible = true;
    }
    if (blank.term == nullptr) return;
    form.Label18.top = form.Label13.top;
    placeArrowAtTerm(form, *blank.term, arrow, 0);
}

// Places the arrow directly beside the typed answer.
void placeArrowAtTypedAnswer(MainForm& form, const std::string& arrow) {
    form.Label18.top = form.Label17.top;
    if (arrow == kRightArrow) {
        placeRightOf(form.Label18, form.Label17);
    } else if (arrow == kLeftArrow) {
        placeLeftOf(form.Label18, form.Label17);
    }
}

// Row layout, board only: row 1, operator, row 2, "=", row 3, the typed answer under the
// blank row.
void layOutBoardRow(MainForm& form, const Blank& blank, const std::string& arrow) {
    for (Element* label : {&form.Label11, &form.Label12, &form.Label13, &form.Label14,
                           &form.Label15, &form.Label17}) {
        label->left = 0;
    }
    form.Line1.x1 = form.Line1.y1 = form.Line1.x2 = form.Line1.y2 = 0;
    showBoard(form, true);
    show({&form.Label17, &form.Label12, &form.Label14}, true);
    show({&form.Label11, &form.Label13, &form.Label15, &form.Line1}, false);
    form.Picture2.top = form.Picture4.top = form.Picture3.top = kBoardTop;
    form.Picture2.left = kBoardLeft;
    form.Label12.top = form.Picture2.top + kOperatorDrop;
    placeRightOf(form.Label12, form.Picture2);
    form.Picture4.left = rightOf(form.Picture2) + form.Label12.width;
    form.Label14.top = form.Label12.top;
    placeRightOf(form.Label14, form.Picture4);
    form.Picture3.left = rightOf(form.Picture4) + form.Label14.width;
    form.Label17.top = form.Picture2.top + kTypedAnswerDrop;
    if (blank.frame != nullptr) form.Label17.left = rightOf(*blank.frame) - form.Label17.width;
    placeArrowAtTypedAnswer(form, arrow);
}

// Vertical sum of numbers, right-aligned over the rule; with the board stacked beside it
// when `withBoard`.
void layOutNumberSum(MainForm& form, const Blank& blank, const std::string& arrow, bool fillIn,
                     bool withBoard) {
    show({&form.Line1, &form.Label11, &form.Label12, &form.Label13, &form.Label15}, true);
    show({&form.Label14, &form.Label17}, false);
    form.Label11.top = kSumFirstTop;
    form.Label12.top = form.Label13.top = kSumSecondTop;
    form.Label15.top = kSumResultTop;
    const int rightEdge = fillIn ? kFillInSumRightEdge : kSumRightEdge;
    form.Label13.left = rightEdge - form.Label13.width;
    form.Label11.left = rightEdge - form.Label11.width;
    placeLeftOf(form.Label12,
                form.Label11.width > form.Label13.width ? form.Label11 : form.Label13);
    form.Line1.y1 = form.Line1.y2 = kSumRuleY;
    form.Line1.x1 = form.Label12.left;
    form.Line1.x2 = rightOf(form.Label13) - (fillIn ? kFillInRuleShortfall : 0);
    form.Line1.thickness = kSumRuleThickness;
    form.Label15.left = rightEdge - form.Label15.width;
    if (blank.term != nullptr) {
        form.Label18.top = blank.term->top + kSumArrowDrop;
        placeArrowAtTerm(form, *blank.term, arrow, fillIn ? kFillInSumArrowInset : kRowArrowInset);
    }
    showBoard(form, withBoard);
    if (!withBoard) return;
    form.Picture2.top = kSumBoardTop;
    form.Picture4.top = form.Picture2.top + kSumBoardStep;
    form.Picture3.top = form.Picture4.top + kSumBoardStep;
    form.Picture2.left = form.Picture4.left = form.Picture3.left = kSumBoardLeft;
}

// Vertical sum on the board: rows stacked, the rule above the result row, the typed answer
// beside the blank row.
void layOutBoardSum(MainForm& form, const Blank& blank, const std::string& arrow, bool fillIn) {
    showBoard(form, true);
    show({&form.Label17, &form.Label12, &form.Line1}, true);
    show({&form.Label11, &form.Label13, &form.Label14, &form.Label15}, false);
    for (Element* label : {&form.Label11, &form.Label13, &form.Label14, &form.Label15}) {
        label->left = 0;
    }
    form.Picture2.top = kSumBoardTop;
    form.Picture4.top = form.Picture2.top + form.Picture2.height + kStackedFirstGap;
    form.Picture3.top = form.Picture4.top + form.Picture4.height + kStackedRuleGap;
    form.Picture2.left = form.Picture4.left = form.Picture3.left = kStackedBoardLeft;
    placeLeftOf(form.Label12, form.Picture2);
    form.Label12.top = form.Picture3.top - form.Label12.height;
    form.Line1.y1 = form.Line1.y2 = form.Picture4.top + form.Picture4.height + kStackedFirstGap;
    form.Line1.x1 = form.Label12.left;
    form.Line1.x2 = rightOf(form.Picture4);
    form.Label17.left = rightOf(form.Picture4) + kStackedAnswerGap;
    if (blank.frame != nullptr) {
        const double centred =
            blank.frame->top + blank.frame->height / 2.0 - form.Label17.height / 2.0;
        form.Label17.top = static_cast<int>(roundHalfEven(centred));
    }
    if (arrow == kLeftArrow && fillIn) {
        form.Label18.top = form.Label17.top;
        form.Label18.left = form.Label17.left - form.Label18.width + kFillInStackedArrowInset;
    } else {
        placeArrowAtTypedAnswer(form, arrow);
    }
}

// The five digit boxes of right-to-left entry, highest place first from 600, shown only
// with the left arrow.
void layOutDigitBoxes(MainForm& form) {
    const std::array<Element*, 5> boxes{&form.Labe5, &form.Labe4, &form.Labe3, &form.Labe2,
                                        &form.Labe1};
    const bool shown = form.Label28.caption() == kLeftArrow;
    for (Element* box : boxes) box->visible = shown;
    if (!shown) return;
    form.Labe1.top = kDigitBoxTop;
    for (Element* box : boxes) box->top = form.Labe1.top;
    form.Labe5.left = kDigitBoxLeft;
    for (std::size_t i = 1; i < boxes.size(); ++i) placeRightOf(*boxes[i], *boxes[i - 1]);
}

}  // namespace

void aaa(WindowContext& window) {
    MainForm& form = window.form;
    const std::int16_t blankPosition = window.state.blankPosition;
    const Blank blank = blankOf(form, blankPosition);
    const std::string& mode = form.Label16.caption();
    const std::string& arrow = form.Label28.caption();
    const bool fillIn = form.Command6.caption() == kFillIn;

    form.List1.visible = false;
    placeRightOf(form.Text1, form.Label9);

    if (form.Command8.caption() == kVerticalLayout) {
        if (mode == kNumbersOnly || mode == kBoardAndNumbers) {
            layOutNumberSum(form, blank, arrow, fillIn, mode == kBoardAndNumbers);
        } else if (mode == kBoardOnly) {
            layOutBoardSum(form, blank, arrow, fillIn);
        }
    } else if (mode == kNumbersOnly) {
        layOutNumberRow(form, blank, arrow);
    } else if (mode == kBoardAndNumbers) {
        layOutBoardAndNumberRow(form, blank, arrow, blankPosition);
    } else if (mode == kBoardOnly) {
        layOutBoardRow(form, blank, arrow);
    }
    layOutDigitBoxes(form);
    zmt(window);
}

void layOutBoardAboveRow(WindowContext& window) {
    MainForm& form = window.form;
    form.List1.visible = false;
    layOutBoardAndNumberRow(form, Blank{}, kRightArrow, 0);
    show({&form.Label18, &form.Labe1, &form.Labe2, &form.Labe3, &form.Labe4, &form.Labe5}, false);
}
