#pragma once
// One element of a window as the handlers see it: caption, flags, geometry in twips,
// font, colours and list contents. No toolkit types here; the Qt view copies these onto
// widgets after every event.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TextMetrics;

enum class ElementKind {
    Window,
    Frame,
    Label,
    CommandButton,
    TextBox,
    ComboBox,
    ListBox,
    PictureBox,
    Rod,
    Shape,
    Line,
    Timer,
    Bead,  // one movable bead of the practice room's board
};

// ColumnRight: the lines right-aligned to one another, as sums are set on paper, and the block
// they make centred in the element.
enum class Alignment { Left, Right, Centre, ColumnRight };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct FontSpec {
    std::string family = "宋体";
    double pointSize = 10.5;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

// Size of a caption as the text-metrics service measures it, in twips.
struct TextExtent {
    int width = 0;
    int height = 0;
};

// Measures captions in twips; the Qt front end asks the real fonts, tests use fixed widths.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual TextExtent measure(const FontSpec& font, const std::string& text) const = 0;
};

class Element {
  public:
    Element() = default;
    Element(std::string name, ElementKind kind, std::string container);

    std::string name;
    ElementKind kind = ElementKind::Label;
    std::string container;  // name of the frame or window holding it
    bool visible = true;
    bool enabled = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    FontSpec font;
    Rgb backColor{192, 192, 192};
    std::optional<Rgb> foreColor;   // set where the design gives a text colour
    std::optional<Rgb> fillColor;   // filled shapes
    bool useSystemColours = false;  // standard button, window-colour or system-text look
    bool defaultButton = false;     // buttons: the one Return presses, drawn to say so
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool multiLine = false;
    bool hollowText = false;         // drawn outlined, as the decorative face is
    bool verticalText = false;       // one character per line in a narrow column
    bool centredVertically = false;  // labels: the caption's digits centred top to bottom
    std::string tooltip;
    std::vector<std::string> menuItems;  // the items of its right-click menu, if it has one

    // Lists: items, selected index (-1 = none) and a counter bumped when the list is emptied.
    std::vector<std::string> items;
    int listIndex = -1;
    std::uint64_t clearCount = 0;
    // List boxes: the first line on view; any line may be on top, the last one included.
    int topIndex = 0;

    int interval = 0;  // timers, in milliseconds
    // Timers: a counter bumped whenever a handler starts the count afresh.
    std::uint64_t timerStarts = 0;
    std::string picture;  // rods: name of the rod picture shown; beads: their bead style, "1".."20"
    bool marked = false;  // beads: marked as one to move next, after a wrong move
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, thickness = 1;  // lines

    const std::string& caption() const { return caption_; }
    // Sets the caption or text; an auto-size label takes the caption's measured size at once.
    void setCaption(const std::string& text);
    // Changes the font; an auto-size label is measured again.
    void setFont(const FontSpec& newFont);
    // Appends one line to a list.
    void addItem(const std::string& line);
    // Removes every line of a list.
    void clearItems();
    // List boxes: how many whole lines fit in the height, measured in the list's font (at
    // least one).
    int linesOnView() const;
    // List boxes: shows the lines from `first` to the end: `first` on top when they all fit,
    // else the last line at the bottom.
    void showLinesFrom(std::size_t first);
    // List boxes: puts line `line` on top, kept within the lines there are.
    void scrollTo(int line);
    // Enables a timer with `milliseconds` between ticks and starts its count afresh, even when
    // it was already running.
    void startTimer(int milliseconds);

    // Lets the element measure its caption; the design size stays until the caption changes.
    void attachMetrics(const TextMetrics* metrics);

  private:
    void fitToCaption();

    std::string caption_;
    const TextMetrics* metrics_ = nullptr;
};
