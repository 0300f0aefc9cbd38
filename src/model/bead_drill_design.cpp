// The design of the practice room's bead drill: a seven-rod abacus with its question line,
// hint line and key guide, all hidden until the drill is on.

#include <cstddef>
#include <string>

#include "model/drill_form.h"
#include "model/form_design.h"

namespace {

using design::place;

constexpr char kWindow[] = "drill";
constexpr char kKeyGuide[] = "键盘：← → 选档　↑ ↓ 拨下珠　PgDn PgUp 拨上珠　Esc 关闭";
constexpr Rgb kCream{255, 248, 225};
constexpr Rgb kNightBlue{0, 0, 128};
constexpr Rgb kRed{192, 0, 0};
constexpr Rgb kWood{222, 184, 135};
constexpr Rgb kDarkWood{101, 67, 33};
constexpr Rgb kRodColour{80, 50, 20};
constexpr Rgb kCheckGreen{0, 128, 0};
constexpr char kCheckMark[] = "√";

// The board in twips: its frame, the spacing of the rods and the size of a bead.
constexpr int kBoardLeft = 960;
constexpr int kBoardTop = 1980;
constexpr int kBoardWidth = 7680;
constexpr int kBoardHeight = 2580;
constexpr int kInset = 90;
constexpr int kRodSpacing = 1080;
constexpr int kBeadWidth = 900;
constexpr int kBeadHeight = 330;
constexpr int kUpperDeckTop = kBoardTop + kInset;
constexpr int kBeamTop = kUpperDeckTop + 2 * kBeadHeight;
constexpr int kBeamThickness = 90;
constexpr int kLowerDeckTop = kBeamTop + kBeamThickness;
constexpr int kRodBottom = kBoardTop + kBoardHeight - kInset;

// The centre line of rod `place`, units on the right.
int rodCentre(int place) {
    return kBoardLeft + kRodSpacing / 2 + (kRoomRods - 1 - place) * kRodSpacing;
}

// Names a member of a bead array: "Upper(3)", "Lower2(0)".
std::string memberName(const std::string& array, int index) {
    return array + "(" + std::to_string(index) + ")";
}

// A line of the board: the beam or a rod, hidden.
void boardLine(Element& line, const std::string& name, int x1, int y1, int x2, int y2,
               int thickness, Rgb colour) {
    place(line, name, ElementKind::Line, kWindow, 0, 0, 0, 0);
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.thickness = thickness;
    line.foreColor = colour;
    line.visible = false;
}

// A bead of rod `place`, hidden, away from the beam.
void boardBead(Element& bead, const std::string& name, int rod) {
    place(bead, name, ElementKind::Bead, kWindow, rodCentre(rod) - kBeadWidth / 2, 0, kBeadWidth,
          kBeadHeight);
    bead.backColor = kWood;
    bead.visible = false;
    bead.picture = "1";
}

}  // namespace

void DrillForm::designBeadDrill() {
    place(Combo6, "Combo6", ElementKind::ComboBox, kWindow, 1920, 135, 1680, 375);
    Combo6.font = Combo2.font;
    Combo6.backColor = Combo2.backColor;
    Combo6.foreColor = Combo2.foreColor;
    Combo6.visible = false;

    place(Label6, "Label6", ElementKind::Label, kWindow, 120, 1380, 4200, 540);
    Label6.font = {"宋体", 24, true};
    Label6.backColor = kCream;
    Label6.foreColor = kNightBlue;
    Label6.visible = false;
    place(Label3, "Label3", ElementKind::Label, kWindow, 4440, 1410, 5040, 480);
    Label3.font = {"楷体_GB2312", 18, true};
    Label3.backColor = kCream;
    Label3.foreColor = kNightBlue;
    Label3.visible = false;

    place(Board, "Board", ElementKind::Shape, kWindow, kBoardLeft, kBoardTop, kBoardWidth,
          kBoardHeight);
    Board.fillColor = kWood;
    Board.foreColor = kDarkWood;
    Board.visible = false;
    Board.setCaption("0");
    boardLine(Beam, "Beam", kBoardLeft + kInset, kBeamTop + kBeamThickness / 2,
              kBoardLeft + kBoardWidth - kInset, kBeamTop + kBeamThickness / 2, 6, kDarkWood);
    for (int rod = 0; rod < kRoomRods; ++rod) {
        const auto index = static_cast<std::size_t>(rod);
        boardLine(Rod[index], memberName("Rod", rod), rodCentre(rod), kUpperDeckTop, rodCentre(rod),
                  kRodBottom, 3, kRodColour);
        boardBead(Upper[index], memberName("Upper", rod), rod);
        for (int bead = 1; bead <= 4; ++bead) {
            boardBead(Lower[static_cast<std::size_t>(bead - 1)][index],
                      memberName("Lower" + std::to_string(bead), rod), rod);
        }
        for (int bead = 0; bead <= 4; ++bead) placeBead(rod, bead, false);
    }

    place(RodFrame, "RodFrame", ElementKind::Shape, kWindow, 0, kBoardTop + kInset / 3,
          kRodSpacing - 30, kBoardHeight - 2 * kInset / 3);
    RodFrame.foreColor = kRed;
    RodFrame.thickness = 3;
    RodFrame.visible = false;
    frameRod(0);

    place(KeyGuide, "KeyGuide", ElementKind::Label, kWindow, 120, 4650, 9360, 300);
    KeyGuide.font = Combo2.font;
    KeyGuide.backColor = kCream;
    KeyGuide.foreColor = kNightBlue;
    KeyGuide.visible = false;
    KeyGuide.setCaption(kKeyGuide);

    place(BeadCheck, "BeadCheck", ElementKind::Label, kWindow, kBoardLeft + kBoardWidth,
          kBoardTop + kBoardHeight / 4, 9600 - kBoardLeft - kBoardWidth, kBoardHeight / 2);
    BeadCheck.font = {"宋体", 44, true};
    BeadCheck.backColor = kCream;
    BeadCheck.foreColor = kCheckGreen;
    BeadCheck.alignment = Alignment::Centre;
    BeadCheck.visible = false;
    BeadCheck.setCaption(kCheckMark);
    place(BeadTimer, "BeadTimer", ElementKind::Timer, kWindow, 0, 0, 0, 0);
    BeadTimer.enabled = false;
}

void DrillForm::placeBead(int place, int bead, bool atBeam) {
    const auto rod = static_cast<std::size_t>(place);
    Element& element = bead == 0 ? Upper[rod] : Lower[static_cast<std::size_t>(bead - 1)][rod];
    element.setCaption(atBeam ? "1" : "0");
    if (bead == 0) {
        element.top = kUpperDeckTop + (atBeam ? kBeadHeight : 0);
    } else {
        element.top = kLowerDeckTop + (bead - 1 + (atBeam ? 0 : 1)) * kBeadHeight;
    }
}

void DrillForm::frameRod(int place) { frameRods(place, 1); }

void DrillForm::frameRods(int place, int count) {
    RodFrame.width = count * kRodSpacing - 30;
    RodFrame.left = rodCentre(place) - kRodSpacing / 2 + 15;
}

std::vector<Element*> DrillForm::beadDrillElements() {
    std::vector<Element*> elements{&Combo6, &Label6, &Label3, &KeyGuide, &Board, &Beam};
    for (Element& rod : Rod) elements.push_back(&rod);
    for (Element& bead : Upper) elements.push_back(&bead);
    for (auto& row : Lower) {
        for (Element& bead : row) elements.push_back(&bead);
    }
    elements.push_back(&RodFrame);
    return elements;
}
