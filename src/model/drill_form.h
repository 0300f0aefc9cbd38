#pragma once
// The practice room `drill`: a window of its own beside the main window, where the drills of
// abacus classes are done one chain or question at a time.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/keyboard_focus.h"

// The rods of the bead drill's board.
inline constexpr int kRoomRods = 7;
// The board at full size in twips: its width and height, and the distance between two rods.
inline constexpr int kRoomBoardWidth = 7680;
inline constexpr int kRoomBoardHeight = 2580;
inline constexpr int kRoomRodSpacing = 1080;

// Where the bead board stands: its top left corner in twips and its size against full size.
struct BoardPlacing {
    int left = 0;
    int top = 0;
    double scale = 1;
};

// The flash box's height in twips, and the level test's for a question of several rows.
inline constexpr int kFlashBoxHeight = 2160;
inline constexpr int kLevelBoxHeight = 3120;

// The room's default button after an answer or a finished board, with the key that presses it.
inline constexpr char kNextButton[] = "下一题 ↵";

struct DrillForm : KeyboardFocus {
    DrillForm();
    DrillForm(const DrillForm&) = delete;
    DrillForm& operator=(const DrillForm&) = delete;

    Element drill;  // the window itself; its visible flag says whether the room is open

    // Settings: captions and lists; Command8 ("两百" / "二百") on the listening drill only.
    Element Label10, Combo2, Label11, Combo3, Label12, Combo4, Label13, Combo5;
    Element Command4, Command5, Command1, Command8;

    // The flashed number (as beads it shows on the bead drill's board, with the minus Label7
    // before it); after an answer the whole chain with its total, and the large √ or × beside it.
    Element Label1, Label7, Label8;

    // Answering.
    Element Text1, Command2, Command3, Label2, Label9;

    // The set's lines and the flash timer.
    Element List1, Timer1;

    // The bead drill: the rhyme group, the question line, the hint or rhyme, the board as a
    // whole (its caption the number it shows) with its beam and rods, the beads of each rod
    // (index = place, 0 the units on the right), the frame round the rod the keys move and
    // what the keys do.
    Element Combo6, Label6, Label3, Board, Beam, RodFrame, KeyGuide;
    std::array<Element, kRoomRods> Rod;
    std::array<Element, kRoomRods> Upper;
    std::array<std::array<Element, kRoomRods>, 4> Lower;  // Lower[0] is Lower1, nearest the beam
    // The large "√" beside a finished board, which stays until "下一题" (or Return) is pressed.
    Element BeadCheck, BeadNext;
    // "试商" / "直接商": how quotient digits are found, on the bead drill and in 演示.
    Element Command10;
    // 演示: the typed question with its caption and example, the pace, the tables of the addition
    // and subtraction rhymes and of 九九, and the timer of its steps; it plays on the bead
    // drill's board with the question in Label6 and each rhyme in Label3.
    Element DemoLabel, DemoQuestion, DemoHint, DemoPace, AddRhymes, SubtractRhymes, TimesRhymes;
    Element DemoTimer;

    // The font a number flashes in.
    static FontSpec flashFont();
    // Places the flash box, the answer box with "确定", the hint, the list and the mark for the
    // level test, whose question stands in a taller flash box, when `on`; as designed when not.
    void placeForLevelTest(bool on);
    // Moves bead `bead` (0 the upper bead, 1..4 the lower ones) of rod `place` to the beam or
    // away from it: its caption "1" or "0" and its place on the board.
    void placeBead(int place, int bead, bool atBeam);
    // Puts the focus frame round rod `place`.
    void frameRod(int place);
    // Puts the frame round rod `place` and the `count` − 1 rods right of it.
    void frameRods(int place, int count);
    // The elements of 演示 besides the board.
    std::vector<Element*> demonstrationElements();
    // Places the board with its beam, rods, beads (each where it stands) and focus frame at
    // `placing`: the bead drill's own board, or a smaller one a number flashes on.
    void placeBoard(const BoardPlacing& placing);
    // The bead drill's full-size board, as designed.
    static BoardPlacing designedBoard();
    // The elements of the bead drill, the board's parts in the order they are drawn.
    std::vector<Element*> beadDrillElements();
    // The level test: level and minutes per item, the note on whole numbers, printing a paper,
    // redoing the questions of level tests answered wrong, the path of the ten levels, the time
    // left, the item and question, the question's lines as text (never on view: the flash box
    // shows the question), and the second timer; "演示这道题" plays a
    // multiplication of the review chosen in the room's list on the main window's board.
    Element Label14, Combo7, Label15, Combo8, Label16, Command6, Command7, Command9;
    std::array<Element, 10> Label5;  // Label5(0) 十级 .. Label5(9) 一级
    Element Label4, Label17, List2, Timer2;

    std::uint64_t raiseRequests = 0;  // bumped when the open room is asked to come to the front

    // Every element, the window first.
    const std::vector<Element*>& elements() const { return elements_; }
    // The element called `name` without the "drill." prefix ("Picture3" for a rod), or nullptr.
    Element* find(const std::string& name) const;
    void attachMetrics(const TextMetrics& metrics);

  private:
    // Places the bead drill's elements, hidden.
    void designBeadDrill();
    // Places the elements of 演示 and the quotient setting, hidden.
    void designDemonstration();
    // Places the level test's elements, hidden until the room is on the level test.
    void addLevelTestElements();

    std::vector<Element*> elements_;
    BoardPlacing board_;
    int framedRod_ = 0;
};
