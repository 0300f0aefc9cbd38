// The design of 演示 in the practice room: the typed question, the pace, the rhyme tables under
// the bead drill's board, and the quotient setting it shares with the bead drill; all hidden
// until a page that shows them is on.

#include "model/drill_form.h"
#include "model/form_design.h"

namespace {

using design::kBlack;
using design::place;

constexpr char kWindow[] = "drill";
constexpr Rgb kCream{255, 248, 225};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNightBlue{0, 0, 128};
const FontSpec kControlFont{"宋体", 12};
const FontSpec kQuestionFont{"宋体", 16, true};
const FontSpec kTableFont{"楷体_GB2312", 14, true};
constexpr char kExample[] = "例如 325+67、4-3+8、73×58、1634÷38";

// A list of rhymes under the board, one of three side by side.
void rhymeTable(Element& list, const char* name, int left) {
    place(list, name, ElementKind::ListBox, kWindow, left, 4680, 3000, 2400);
    list.font = kTableFont;
    list.backColor = kWhite;
    list.foreColor = kBlack;
    list.visible = false;
}

}  // namespace

void DrillForm::designDemonstration() {
    place(Command10, "Command10", ElementKind::CommandButton, kWindow, 120, 720, 1320, 495);
    Command10.font = kControlFont;
    Command10.useSystemColours = true;
    Command10.setCaption("试商");
    Command10.tooltip = "试商：用除数的首位估商，大了退商，小了补商；直接商：一次商对";
    Command10.visible = false;

    place(DemoLabel, "DemoLabel", ElementKind::Label, kWindow, 120, 195, 600, 360);
    DemoLabel.font = kControlFont;
    DemoLabel.backColor = kCream;
    DemoLabel.foreColor = kBlack;
    DemoLabel.setCaption("题目");
    place(DemoQuestion, "DemoQuestion", ElementKind::TextBox, kWindow, 720, 120, 6840, 480);
    DemoQuestion.font = kQuestionFont;
    DemoQuestion.backColor = kWhite;
    DemoQuestion.foreColor = kBlack;
    place(DemoHint, "DemoHint", ElementKind::Label, kWindow, 2640, 810, 4920, 300);
    DemoHint.font = kControlFont;
    DemoHint.backColor = kCream;
    DemoHint.foreColor = kNightBlue;
    DemoHint.setCaption(kExample);
    place(DemoPace, "DemoPace", ElementKind::ComboBox, kWindow, 1560, 765, 960, 375);
    DemoPace.font = kControlFont;
    DemoPace.backColor = kWhite;
    DemoPace.foreColor = kBlack;
    DemoPace.tooltip = "每一步的快慢";
    for (Element* element : {&DemoLabel, &DemoQuestion, &DemoHint, &DemoPace}) {
        element->visible = false;
    }
    rhymeTable(AddRhymes, "AddRhymes", 120);
    rhymeTable(SubtractRhymes, "SubtractRhymes", 3300);
    rhymeTable(TimesRhymes, "TimesRhymes", 6480);

    place(DemoTimer, "DemoTimer", ElementKind::Timer, kWindow, 0, 0, 0, 0);
    DemoTimer.enabled = false;
}

std::vector<Element*> DrillForm::demonstrationElements() {
    return {&DemoLabel, &DemoQuestion,   &DemoHint,   &DemoPace,
            &AddRhymes, &SubtractRhymes, &TimesRhymes};
}
