// The design state of the main window: positions in twips, captions, fonts, colours,
// tooltips and the elements that start hidden or disabled.

#include "model/form_design.h"
#include "model/main_form.h"

namespace {

using design::kBlack;
using design::kGrey;
using design::place;

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kWhite{255, 255, 255};

const FontSpec kSong9{"宋体", 9};
const FontSpec kSong12{"宋体", 12};
const FontSpec kSong18{"宋体", 18};
const FontSpec kSong26{"宋体", 26.25};
const FontSpec kSong36{"宋体", 36};
const FontSpec kSong42{"宋体", 42};
const FontSpec kCaiyun15{"华文彩云", 15.75};

// A label of the status panel's caption row: a blue caption such as "总题数:".
void statusCaption(Element& label, const char* name, int left, int top, int width,
                   const char* caption, Rgb fore = kBlue) {
    place(label, name, ElementKind::Label, "Frame2", left, top, width, 210);
    label.foreColor = fore;
    label.autoSize = true;
    label.setCaption(caption);
}

// A large right-aligned counter value beside a status caption.
void statusValue(Element& label, const char* name, int left) {
    place(label, name, ElementKind::Label, "Frame2", left, 240, 180, 360);
    label.font = kSong18;
    label.foreColor = kBlack;
    label.alignment = Alignment::Right;
    label.autoSize = true;
}

// One of the three hollow captions of the status row (direction, display mode, run mode).
void statusWord(Element& label, const char* name, int left, Rgb fore, const char* tooltip) {
    place(label, name, ElementKind::Label, "Frame2", left, 795, 75, 330);
    label.font = kCaiyun15;
    label.hollowText = true;
    label.foreColor = fore;
    label.autoSize = true;
    label.tooltip = tooltip;
}

// A drop-down list of the settings panel with its items and the text of its edit field.
void settingsList(Element& list, const char* name, int top, const char* text,
                  std::vector<std::string> items) {
    place(list, name, ElementKind::ComboBox, "Frame4", 600, top, 1335, 405);
    list.font = {"宋体", 14.25};
    list.backColor = kCyan;
    list.foreColor = kBlack;
    list.items = std::move(items);
    list.setCaption(text);
}

// The small centred caption left of a settings list.
void settingsCaption(Element& label, const char* name, int top, const char* caption) {
    place(label, name, ElementKind::Label, "Frame4", 120, top, 375, 255);
    label.font = kSong9;
    label.foreColor = kBlack;
    label.alignment = Alignment::Centre;
    label.setCaption(caption);
}

// A key of the keypad frame.
void keypadKey(Element& key, const std::string& name, int left, int top, int width, int height,
               const char* caption) {
    place(key, name, ElementKind::CommandButton, "Frame1", left, top, width, height);
    key.useSystemColours = true;
    key.setCaption(caption);
}

// A label of the question area: grey back, black text, auto-size.
void questionLabel(Element& label, const std::string& name, int left, int top, int width,
                   int height, const FontSpec& font) {
    place(label, name, ElementKind::Label, "Form1_main", left, top, width, height);
    label.font = font;
    label.foreColor = kBlack;
    label.autoSize = true;
}

// One row of the abacus board and its five rods.
void boardRow(Element& row, const char* rowName, int left, std::array<Element*, 5> rods,
              std::array<const char*, 5> rodNames) {
    place(row, rowName, ElementKind::PictureBox, "Form1_main", left, 1440, 1815, 1095);
    row.font = kSong9;
    row.visible = false;
    for (int i = 0; i < 5; ++i) {
        Element& rod = *rods[i];
        place(rod, rodNames[i], ElementKind::Rod, rowName, i * 360, 0, 375, 1095);
        rod.backColor = kWhite;
    }
}

}  // namespace

void MainForm::designWindow() {
    place(Form1_main, "Form1_main", ElementKind::Window, "", 0, 0, 8685, 7305);
    Form1_main.setCaption("童趣星V1.0简化绿色版");
}

void MainForm::designStatusPanel() {
    place(Frame2, "Frame2", ElementKind::Frame, "Form1_main", 0, 0, 8655, 1215);
    statusCaption(Label1, "Label1", 120, 360, 735, "总题数:");
    statusValue(Label4, "Label4", 1080);
    statusCaption(Label2, "Label2", 1800, 360, 735, "已答数:");
    statusValue(Label32, "Label32", 2880);
    statusCaption(Label3, "Label3", 3480, 360, 735, "答对数:");
    statusValue(Label34, "Label34", 4560);
    statusCaption(Label5, "Label5", 5160, 360, 735, "答错数:");
    statusValue(Label24, "Label24", 6240);
    statusCaption(Label6, "Label6", 6840, 360, 840, "未答数：");
    statusValue(Label25, "Label25", 7920);
    statusCaption(Label9, "Label9", 120, 840, 735, "答题人:", kBlack);

    place(Text1, "Text1", ElementKind::TextBox, "Frame2", 840, 720, 1500, 375);
    Text1.font = {"隶书", 18};
    Text1.foreColor = kMagenta;
    Text1.tooltip = "切换或输入名字";
    Text1.setCaption("豆豆");

    place(Label26, "Label26", ElementKind::Label, "Frame2", 2520, 600, 135, 525);
    Label26.font = kSong26;
    Label26.foreColor = kRed;
    Label26.autoSize = true;

    place(Label7, "Label7", ElementKind::Label, "Frame2", 3360, 840, 840, 240);
    Label7.font = kSong12;
    Label7.foreColor = kBlack;
    Label7.autoSize = true;
    Label7.setCaption("已用时:");

    place(Label27, "Label27", ElementKind::Label, "Frame2", 5025, 840, 165, 240);
    Label27.font = {"宋体", 12, true, true};
    Label27.foreColor = kBlack;
    Label27.alignment = Alignment::Centre;
    Label27.autoSize = true;

    statusWord(Label28, "Label28", 6360, kMagenta, "切换运算方向");
    statusWord(Label16, "Label16", 7440, kMagenta, "切换显示模式");
    statusWord(Label29, "Label29", 8040, kBlue, "");

    place(Label31, "Label31", ElementKind::Label, "Frame2", 8270, 360, 345, 615);
    Label31.font = {"华文彩云", 14.25};
    Label31.hollowText = true;
    Label31.foreColor = kRed;
    Label31.multiLine = true;
    Label31.enabled = false;
    Label31.setCaption("说明");
}

void MainForm::designSettingsPanel() {
    place(Frame4, "Frame4", ElementKind::Frame, "Form1_main", 120, 4560, 2055, 2175);
    Frame4.font = kSong9;
    Frame4.setCaption("请选择项目！");
    settingsCaption(Label20, "Label20", 360, "模式 ");
    settingsList(Combo1, "Combo1", 240, "请选择模式！", {"+", "-", "+-", "×", "÷", "×÷", "+-×÷"});
    settingsCaption(Label21, "Label21", 840, "位数");
    settingsList(Combo2, "Combo2", 720, "请选择位数！", {"1", "2", "3", "4"});
    settingsCaption(Label22, "Label22", 1320, "题量");
    settingsList(Combo3, "Combo3", 1200, "请选择题量！",
                 {"5", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"});
    settingsCaption(Label23, "Label23", 1800, "速度");
    settingsList(Combo4, "Combo4", 1680, "",
                 {"10", "15", "20", "30", "45", "60", "90", "120", "180", "240", "300"});
}

void MainForm::designKeypad() {
    place(Frame1, "Frame1", ElementKind::Frame, "Form1_main", 2280, 4560, 6255, 2175);
    Frame1.font = kSong9;
    Frame1.setCaption("操作键盘");
    keypadKey(Command1[0], "Command1(0)", 120, 240, 615, 1815, "0");
    static constexpr int kColumns[3] = {720, 1800, 2880};
    static constexpr int kRows[3] = {240, 840, 1440};
    static const char* const kDigits[9] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int key = 1; key <= 9; ++key) {
        keypadKey(Command1[key], "Command1(" + std::to_string(key) + ")", kColumns[(key - 1) % 3],
                  kRows[(key - 1) / 3], 1095, 615, kDigits[key - 1]);
    }
    keypadKey(Command3, "Command3", 3960, 240, 615, 1815, "关闭");
    keypadKey(Command4, "Command4", 4680, 240, 1455, 375, "出  题");
    keypadKey(Command2, "Command2", 4680, 600, 1455, 375, "清  除");
    Command2.enabled = false;
    keypadKey(Command5, "Command5", 4680, 960, 1455, 375, "关音效");
    keypadKey(Command6, "Command6", 4680, 1320, 1455, 375, "正  常");
    keypadKey(Command8, "Command8", 4680, 1680, 1455, 375, "单  列");
}

void MainForm::designQuestionArea() {
    questionLabel(Label11, "Label11", 840, 3345, 420, 840, kSong42);
    questionLabel(Label12, "Label12", 1680, 3345, 60, 15, kSong42);
    questionLabel(Label14, "Label14", 2760, 3345, 60, 15, kSong42);
    questionLabel(Label13, "Label13", 3720, 3345, 60, 15, kSong42);
    questionLabel(Label15, "Label15", 4200, 3345, 60, 15, kSong42);
    questionLabel(Label17, "Label17", 2160, 3195, 0, 0, kSong36);
    Label17.visible = false;

    questionLabel(Label18, "Label18", 8040, 2040, 75, 210, {"华文彩云", 10.5, true});
    Label18.hollowText = true;
    Label18.foreColor = kBlue;
    Label18.visible = false;

    Element* const answerBoxes[5] = {&Labe5, &Labe4, &Labe3, &Labe2, &Labe1};
    for (int box = 0; box < 5; ++box) {
        questionLabel(*answerBoxes[box], "Labe" + std::to_string(5 - box), 120 + box * 360, 3840,
                      270, 525, kSong26);
    }

    design::place(Line1, "Line1", ElementKind::Line, "Form1_main", 120, 3240, 15, 15);
    Line1.x1 = 120;
    Line1.y1 = 3240;
    Line1.x2 = 135;
    Line1.y2 = 3255;
    Line1.thickness = 3;
    Line1.foreColor = kBlack;
    Line1.visible = false;

    struct Column {
        std::array<Element, 5>* labels;
        const char* name;
        int firstLeft;
    };
    const Column columns[3] = {
        {&Label36, "Label36", 2760}, {&Label37, "Label37", 2160}, {&Label38, "Label38", 1680}};
    for (const Column& column : columns) {
        for (int i = 0; i < 5; ++i) {
            const bool first = i == 0;
            questionLabel(
                (*column.labels)[i], std::string(column.name) + "(" + std::to_string(i) + ")",
                first ? column.firstLeft : 0, first ? 2640 : 0, first ? 0 : 360, 720, kSong36);
            (*column.labels)[i].visible = false;
            if (column.labels == &Label36) (*column.labels)[i].tooltip = "切换被加数/前一步得数";
        }
    }

    questionLabel(Label30, "Label30", 1680, 2760, 225, 435, {"宋体", 21.75});
    Label30.visible = false;
    questionLabel(Label40, "Label40", 2040, 3360, 180, 360, kSong18);
    Label40.visible = false;

    questionLabel(Label39, "Label39", 7560, 2760, 90, 360, {"华文彩云", 18});
    Label39.hollowText = true;
    Label39.foreColor = kRed;
    Label39.tooltip = "改变运算方向";

    questionLabel(verdictMark, "verdictMark", 5400, 3345, 60, 15, {"宋体", 42, true});
    verdictMark.visible = false;

    design::place(Label10, "Label10", ElementKind::Label, "Form1_main", 7560, 1440, 1335, 495);
    Label10.foreColor = kMagenta;
    Label10.multiLine = true;
    Label10.tooltip = "切换珠码模式";
    Label10.setCaption("Label10");

    design::place(Label19, "Label19", ElementKind::Label, "Form1_main", 720, 2520, 7455, 1935);
    Label19.font = {"隶书", 36, true};
    Label19.foreColor = Rgb{255, 128, 0};
    Label19.multiLine = true;
    Label19.setCaption("Label19");
}

void MainForm::designBoard() {
    boardRow(Picture2, "Picture2", 1200, {&Picture9, &Picture8, &Picture7, &Picture6, &Picture5},
             {"Picture9", "Picture8", "Picture7", "Picture6", "Picture5"});
    boardRow(Picture4, "Picture4", 3240,
             {&Picture19, &Picture13, &Picture12, &Picture11, &Picture10},
             {"Picture19", "Picture13", "Picture12", "Picture11", "Picture10"});
    boardRow(Picture3, "Picture3", 5280,
             {&Picture18, &Picture17, &Picture16, &Picture15, &Picture14},
             {"Picture18", "Picture17", "Picture16", "Picture15", "Picture14"});
    Picture18.useSystemColours = true;
    place(demonstrationMarker, "demonstrationMarker", ElementKind::Shape, "Form1_main", 0, 0, 0, 0);
    demonstrationMarker.visible = false;
}

void MainForm::designTimeBarAndList() {
    place(Shape1, "Shape1", ElementKind::Shape, "Form1_main", 120, 6840, 8415, 375);
    Shape1.foreColor = kBlack;
    place(Shape2, "Shape2", ElementKind::Shape, "Form1_main", 120, 6840, 15, 375);
    Shape2.fillColor = Rgb{128, 128, 255};

    place(Label8, "Label8", ElementKind::Label, "Form1_main", 2040, 6840, 4575, 375);
    Label8.font = {"宋体", 15};
    Label8.foreColor = kBlue;

    place(List1, "List1", ElementKind::ListBox, "Form1_main", 0, 0, 8655, 4620);
    List1.font = kSong12;
    List1.backColor = Rgb{255, 192, 192};
    List1.foreColor = kBlack;

    place(Timer1, "Timer1", ElementKind::Timer, "Form1_main", 0, 0, 0, 0);
    Timer1.interval = 100;
    Timer1.enabled = false;
    place(Timer2, "Timer2", ElementKind::Timer, "Form1_main", 0, 0, 0, 0);
    Timer2.interval = 0;
    place(Timer3, "Timer3", ElementKind::Timer, "Form1_main", 0, 0, 0, 0);
    Timer3.interval = 500;
    place(Timer4, "Timer4", ElementKind::Timer, "Form1_main", 0, 0, 0, 0);
    Timer4.interval = 1000;
    Timer4.enabled = false;
    place(verdictTimer, "verdictTimer", ElementKind::Timer, "Form1_main", 0, 0, 0, 0);
    verdictTimer.enabled = false;
}

void MainForm::designSpares() {
    struct Spare {
        Element* box;
        const char* name;
        const char* text;
    };
    const Spare spares[5] = {{&Text2, "Text2", "c:\\"},
                             {&Text7, "Text7", "Text7"},
                             {&Text9, "Text9", "Text9"},
                             {&Text10, "Text10", "Text10"},
                             {&Filename, "Filename", ""}};
    int left = 9000;
    for (const Spare& spare : spares) {
        place(*spare.box, spare.name, ElementKind::TextBox, "Form1_main", left, 0, 1215, 285);
        spare.box->visible = false;
        spare.box->backColor = kWhite;
        spare.box->foreColor = kBlack;
        spare.box->setCaption(spare.text);
        left += 1320;
    }
    place(List2, "List2", ElementKind::ListBox, "Form1_main", 0, 0, 8655, 195);
    List2.visible = false;
    List2.foreColor = kBlack;
}
