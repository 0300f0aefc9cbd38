// The design of the practice room's bead drill: a seven-rod abacus with its question line,
// hint line and key guide, all hidden until the drill is on.

#include <cmath>
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
constexpr int kRoomWidth = 9600;

// The full-size board in twips: where it stands, its frame, the spacing of the rods and the
// size of a bead.
constexpr int kBoardLeft = 960;
constexpr int kBoardTop = 1980;
constexpr int kBoardWidth = kRoomBoardWidth;
constexpr int kBoardHeight = kRoomBoardHeight;
constexpr int kInset = 90;
constexpr int kRodSpacing = kRoomRodSpacing;
constexpr int kBeadWidth = 900;
constexpr int kBeadHeight = 330;
constexpr int kBeamThickness = 90;

// A full-size length in twips on a board placed at `at`.
int scaled(const BoardPlacing& at, int twips) {
    return static_cast<int>(std::lround(twips * at.scale));
}

// The centre line of rod `place`, units on the right.
int rodCentre(const BoardPlacing& at, int place) {
    return at.left + scaled(at, kRodSpacing / 2 + (kRoomRods - 1 - place) * kRodSpacing);
}

// Where the upper beads start, at the board's top inset.
int upperDeckTop(const BoardPlacing& at) { return at.top + scaled(at, kInset); }

// Where the lower beads start, under the two upper places and the beam.
int lowerDeckTop(const BoardPlacing& at) {
    return upperDeckTop(at) + 2 * scaled(at, kBeadHeight) + scaled(at, kBeamThickness);
}

// Names a member of a bead array: "Upper(3)", "Lower2(0)".
std::string memberName(const std::string& array, int index) {
    return array + "(" + std::to_string(index) + ")";
}

// A line of the board: the beam or a rod, hidden; placeBoard puts it where it goes.
void boardLine(Element& line, const std::string& name, int thickness, Rgb colour) {
    place(line, name, ElementKind::Line, kWindow, 0, 0, 0, 0);
    line.thickness = thickness;
    line.foreColor = colour;
    line.visible = false;
}

// A bead, hidden, away from the beam; placeBoard puts it where it goes.
void boardBead(Element& bead, const std::string& name) {
    place(bead, name, ElementKind::Bead, kWindow, 0, 0, 0, 0);
    bead.backColor = kWood;
    bead.visible = false;
    bead.picture = "1";
    bead.setCaption("0");
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

    place(Board, "Board", ElementKind::Shape, kWindow, 0, 0, 0, 0);
    Board.fillColor = kWood;
    Board.foreColor = kDarkWood;
    Board.visible = false;
    Board.setCaption("0");
    boardLine(Beam, "Beam", 6, kDarkWood);
    for (int rod = 0; rod < kRoomRods; ++rod) {
        const auto index = static_cast<std::size_t>(rod);
        boardLine(Rod[index], memberName("Rod", rod), 3, kRodColour);
        boardBead(Upper[index], memberName("Upper", rod));
        for (int bead = 1; bead <= 4; ++bead) {
            boardBead(Lower[static_cast<std::size_t>(bead - 1)][index],
                      memberName("Lower" + std::to_string(bead), rod));
        }
    }
    place(RodFrame, "RodFrame", ElementKind::Shape, kWindow, 0, 0, 0, 0);
    RodFrame.foreColor = kRed;
    RodFrame.thickness = 3;
    RodFrame.visible = false;
    placeBoard(designedBoard());

    place(KeyGuide, "KeyGuide", ElementKind::Label, kWindow, 120, 4650, 9360, 300);
    KeyGuide.font = Combo2.font;
    KeyGuide.backColor = kCream;
    KeyGuide.foreColor = kNightBlue;
    KeyGuide.visible = false;
    KeyGuide.setCaption(kKeyGuide);

    // The mark's face is narrow enough that its ink stays inside the margin right of the board.
    place(BeadCheck, "BeadCheck", ElementKind::Label, kWindow, kBoardLeft + kBoardWidth,
          kBoardTop + kBoardHeight / 4, kRoomWidth - kBoardLeft - kBoardWidth, kBoardHeight / 2);
    BeadCheck.font = {"DejaVu Sans", 36, true};
    BeadCheck.backColor = kCream;
    BeadCheck.foreColor = kCheckGreen;
    BeadCheck.alignment = Alignment::Centre;
    BeadCheck.visible = false;
    BeadCheck.setCaption(kCheckMark);
    place(BeadNext, "BeadNext", ElementKind::CommandButton, kWindow, 5640, 720, 1800, 495);
    BeadNext.font = Combo2.font;
    BeadNext.useSystemColours = true;
    BeadNext.defaultButton = true;
    BeadNext.visible = false;
    BeadNext.setCaption(kNextButton);
}

void DrillForm::placeBead(int place, int bead, bool atBeam) {
    const auto rod = static_cast<std::size_t>(place);
    Element& element = bead == 0 ? Upper[rod] : Lower[static_cast<std::size_t>(bead - 1)][rod];
    element.setCaption(atBeam ? "1" : "0");
    const int height = scaled(board_, kBeadHeight);
    if (bead == 0) {
        element.top = upperDeckTop(board_) + (atBeam ? height : 0);
    } else {
        element.top = lowerDeckTop(board_) + (bead - 1 + (atBeam ? 0 : 1)) * height;
    }
}

void DrillForm::frameRod(int place) { frameRods(place, 1); }

void DrillForm::frameRods(int place, int count) {
    framedRod_ = place;
    RodFrame.width = scaled(board_, count * kRodSpacing - 30);
    RodFrame.left = rodCentre(board_, place) - scaled(board_, kRodSpacing - 30) / 2;
}

BoardPlacing DrillForm::designedBoard() { return {kBoardLeft, kBoardTop, 1}; }

void DrillForm::placeBoard(const BoardPlacing& placing) {
    board_ = placing;
    Board.left = placing.left;
    Board.top = placing.top;
    Board.width = scaled(placing, kBoardWidth);
    Board.height = scaled(placing, kBoardHeight);
    Beam.x1 = placing.left + scaled(placing, kInset);
    Beam.x2 = placing.left + scaled(placing, kBoardWidth - kInset);
    Beam.y1 = Beam.y2 = lowerDeckTop(placing) - scaled(placing, kBeamThickness) / 2;
    for (int rod = 0; rod < kRoomRods; ++rod) {
        const auto index = static_cast<std::size_t>(rod);
        Element& line = Rod[index];
        line.x1 = line.x2 = rodCentre(placing, rod);
        line.y1 = upperDeckTop(placing);
        line.y2 = placing.top + scaled(placing, kBoardHeight - kInset);
        for (int bead = 0; bead <= 4; ++bead) {
            Element& element =
                bead == 0 ? Upper[index] : Lower[static_cast<std::size_t>(bead - 1)][index];
            element.width = scaled(placing, kBeadWidth);
            element.height = scaled(placing, kBeadHeight);
            element.left = rodCentre(placing, rod) - element.width / 2;
            placeBead(rod, bead, element.caption() == "1");
        }
    }
    RodFrame.top = placing.top + scaled(placing, kInset / 3);
    RodFrame.width = scaled(placing, kRodSpacing - 30);
    RodFrame.height = scaled(placing, kBoardHeight - 2 * kInset / 3);
    frameRod(framedRod_);
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
