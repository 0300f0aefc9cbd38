// The design state of the practice room.

#include "model/drill_form.h"

#include "model/form_design.h"

namespace {

using design::kBlack;
using design::place;

constexpr char kWindow[] = "drill";
constexpr Rgb kCream{255, 248, 225};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNightBlue{0, 0, 128};
constexpr Rgb kRed{192, 0, 0};
const FontSpec kControlFont{"宋体", 12};
const FontSpec kAnswerFont{"宋体", 24, true};
// A heavy sans-serif face whose digits and minus fill two thirds of the flash box.
const FontSpec kFlashFont{"DejaVu Sans", 96, true};
const FontSpec kMarkFont{"DejaVu Sans", 72, true};

// The level test's rows: its question in a flash box taller than the flash drills', the answer
// box with the clock and the question's number beside it, the redo and demonstration buttons
// beside the hint, and the list at the bottom.
constexpr int kLevelBoxTop = 1320;
constexpr int kLevelAnswerTop = 4560;
constexpr int kLevelButtonsTop = 5400;
constexpr int kLevelHintTop = 5460;
constexpr int kLevelListTop = 5940;

// A caption on the room's cream background.
void roomLabel(Element& label, const char* name, int left, int top, int width, int height,
               const char* caption) {
    place(label, name, ElementKind::Label, kWindow, left, top, width, height);
    label.font = kControlFont;
    label.backColor = kCream;
    label.foreColor = kBlack;
    label.setCaption(caption);
}

// A drop-down list of fixed items.
void roomList(Element& list, const char* name, int left, int top, std::vector<std::string> items) {
    place(list, name, ElementKind::ComboBox, kWindow, left, top, 960, 375);
    list.font = kControlFont;
    list.backColor = kWhite;
    list.foreColor = kBlack;
    list.items = std::move(items);
}

// A button in the desktop's standard colours.
void roomButton(Element& button, const char* name, int left, int top, int width, int height,
                const char* caption) {
    place(button, name, ElementKind::CommandButton, kWindow, left, top, width, height);
    button.font = kControlFont;
    button.useSystemColours = true;
    button.setCaption(caption);
}

}  // namespace

DrillForm::DrillForm() {
    place(drill, kWindow, ElementKind::Window, "", 0, 0, 9600, 7200);
    drill.backColor = kCream;
    drill.font = kControlFont;
    drill.visible = false;
    drill.setCaption("练习室");

    roomLabel(Label10, "Label10", 120, 180, 600, 300, "位数");
    roomList(Combo2, "Combo2", 720, 135, {"1", "2", "3", "4"});
    roomLabel(Label11, "Label11", 1920, 180, 600, 300, "笔数");
    roomList(Combo3, "Combo3", 2520, 135,
             {"3", "4", "5", "6", "7", "8", "10", "12", "15", "20", "25", "30"});
    roomLabel(Label12, "Label12", 3720, 180, 1080, 300, "秒/笔");
    roomList(Combo4, "Combo4", 4800, 135,
             {"0.1", "0.15", "0.2", "0.3", "0.4", "0.5", "0.6", "0.8", "1.0", "1.5", "2.0", "3.0"});
    roomLabel(Label13, "Label13", 6000, 180, 600, 300, "题数");
    roomList(Combo5, "Combo5", 6600, 135, {"1", "5", "10"});

    roomButton(Command4, "Command4", 120, 720, 1320, 495, "只加");
    roomButton(Command5, "Command5", 1560, 720, 1320, 495, "看数");
    roomButton(Command1, "Command1", 7680, 720, 1800, 495, "开  始");
    roomButton(Command8, "Command8", 3000, 720, 1320, 495, "两百");
    Command8.visible = false;

    place(Label1, "Label1", ElementKind::Label, kWindow, 120, 1440, 9360, kFlashBoxHeight);
    Label1.font = kFlashFont;
    Label1.backColor = kWhite;
    Label1.foreColor = kNightBlue;
    Label1.alignment = Alignment::Centre;
    Label1.centredVertically = true;

    // The mark sits at the right end of the flash box, over it.
    roomLabel(Label8, "Label8", 8160, 1440, 1320, 2160, "");
    Label8.font = kMarkFont;
    Label8.backColor = kWhite;
    Label8.alignment = Alignment::Centre;
    Label8.centredVertically = true;
    Label8.visible = false;

    // The red minus before the bead board when a taken-away term flashes as beads.
    roomLabel(Label7, "Label7", 120, 1980, 780, 1620, "−");
    Label7.font = {"DejaVu Sans", 48, true};
    Label7.centredVertically = true;
    Label7.backColor = kWhite;
    Label7.foreColor = kRed;
    Label7.alignment = Alignment::Right;
    Label7.visible = false;

    place(Text1, "Text1", ElementKind::TextBox, kWindow, 120, 3840, 2880, 735);
    Text1.font = kAnswerFont;
    Text1.backColor = kWhite;
    Text1.foreColor = kBlack;
    Text1.enabled = false;
    roomButton(Command2, "Command2", 3120, 3840, 1200, 735, "确定");
    Command2.enabled = false;
    Command2.defaultButton = true;
    roomButton(Command3, "Command3", 4440, 3840, 1680, 735, "再看一遍");
    Command3.enabled = false;
    roomLabel(Label2, "Label2", 6240, 3840, 3240, 735, "");
    Label2.font = {"楷体_GB2312", 20, true};
    Label2.foreColor = kNightBlue;
    roomLabel(Label9, "Label9", 120, 4620, 9360, 300, "");
    Label9.foreColor = kRed;

    place(List1, "List1", ElementKind::ListBox, kWindow, 120, 5040, 9360, 2040);
    List1.font = kControlFont;
    List1.backColor = kWhite;
    List1.foreColor = kBlack;

    place(Timer1, "Timer1", ElementKind::Timer, kWindow, 0, 0, 0, 0);
    Timer1.enabled = false;

    addLevelTestElements();

    elements_ = {&drill,  &Label10,  &Combo2,   &Label11,  &Combo3,   &Label12, &Combo4, &Label13,
                 &Combo5, &Command4, &Command5, &Command1, &Command8, &Label1,  &Label8, &Label7};
    for (Element* element : {&Text1, &Command2, &Command3, &Label2, &Label9, &List1, &Timer1}) {
        elements_.push_back(element);
    }
    designBeadDrill();
    for (Element* element : beadDrillElements()) elements_.push_back(element);
    for (Element* element : {&BeadCheck, &BeadNext}) elements_.push_back(element);
    designDemonstration();
    elements_.push_back(&Command10);
    for (Element* element : demonstrationElements()) elements_.push_back(element);
    elements_.push_back(&DemoTimer);
    for (Element* element :
         {&Label14, &Combo7, &Label15, &Combo8, &Label16, &Command6, &Command7, &Command9}) {
        elements_.push_back(element);
    }
    for (Element& step : Label5) elements_.push_back(&step);
    for (Element* element : {&Label4, &Label17, &List2, &Timer2}) elements_.push_back(element);
}

void DrillForm::addLevelTestElements() {
    roomLabel(Label14, "Label14", 120, 180, 600, 300, "等级");
    roomList(Combo7, "Combo7", 720, 135,
             {"十级", "九级", "八级", "七级", "六级", "五级", "四级", "三级", "二级", "一级"});
    roomLabel(Label15, "Label15", 1920, 180, 1080, 300, "分钟/项");
    roomList(Combo8, "Combo8", 3000, 135, {"5", "8", "10", "15"});
    roomLabel(Label16, "Label16", 4200, 180, 3360, 300, "本练习只用整数");
    Label16.foreColor = kNightBlue;
    roomButton(Command6, "Command6", 5520, 720, 1920, 495, "打印试卷…");
    roomButton(Command7, "Command7", 1800, kLevelButtonsTop, 1560, 495, "重做错题");
    Command7.enabled = false;
    roomButton(Command9, "Command9", 120, kLevelButtonsTop, 1560, 495, "演示这道题");
    Command9.enabled = false;
    for (int i = 0; i < 10; ++i) {
        Element& step = Label5[static_cast<std::size_t>(i)];
        roomLabel(step, ("Label5(" + std::to_string(i) + ")").c_str(), 120 + i * 480, 720, 480, 495,
                  "☆");
        step.font = {"宋体", 20, true};
        step.alignment = Alignment::Centre;
    }
    roomLabel(Label4, "Label4", 4440, kLevelAnswerTop, 1680, 735, "");
    Label4.font = {"宋体", 28, true};
    Label4.backColor = kWhite;
    Label4.foreColor = kNightBlue;
    Label4.alignment = Alignment::Centre;
    roomLabel(Label17, "Label17", 6240, kLevelAnswerTop, 3240, 735, "");
    Label17.font = {"楷体_GB2312", 14, true};
    Label17.foreColor = kNightBlue;
    Label17.alignment = Alignment::Centre;
    Label17.multiLine = true;
    place(List2, "List2", ElementKind::ListBox, kWindow, 5040, 1260, 4440, 3300);
    List2.font = {"宋体", 14, true};
    List2.backColor = kWhite;
    List2.foreColor = kBlack;
    place(Timer2, "Timer2", ElementKind::Timer, kWindow, 0, 0, 0, 0);
    Timer2.enabled = false;
    for (Element* element : {&Label14, &Combo7, &Label15, &Combo8, &Label16, &Command6, &Command7,
                             &Command9, &Label4, &Label17, &List2}) {
        element->visible = false;
    }
    for (Element& step : Label5) step.visible = false;
}

FontSpec DrillForm::flashFont() { return kFlashFont; }

void DrillForm::placeForLevelTest(bool on) {
    struct Placing {
        Element* element;
        int designTop;
        int designHeight;
        int levelTop;
        int levelHeight;
    };
    for (const Placing& placing :
         {Placing{&Label1, 1440, kFlashBoxHeight, kLevelBoxTop, kLevelBoxHeight},
          Placing{&Label8, 1440, kFlashBoxHeight, kLevelBoxTop, kLevelBoxHeight},
          Placing{&Text1, 3840, 735, kLevelAnswerTop, 735},
          Placing{&Command2, 3840, 735, kLevelAnswerTop, 735},
          Placing{&Label9, 4620, 300, kLevelHintTop, 300},
          Placing{&List1, 5040, 2040, kLevelListTop, 7080 - kLevelListTop}}) {
        placing.element->top = on ? placing.levelTop : placing.designTop;
        placing.element->height = on ? placing.levelHeight : placing.designHeight;
    }
    Label9.left = on ? 3480 : 120;
    Label9.width = on ? 6000 : 9360;
    Label1.alignment = on ? Alignment::ColumnRight : Alignment::Centre;
    Label1.multiLine = on;
    Label1.setFont(kFlashFont);
}

Element* DrillForm::find(const std::string& name) const {
    for (Element* element : elements_) {
        if (element->name == name) return element;
    }
    return nullptr;
}

void DrillForm::attachMetrics(const TextMetrics& metrics) {
    for (Element* element : elements_) element->attachMetrics(&metrics);
}
