#pragma once
// A top-level window of the model (the main window, the about box or the practice room) with one
// view per element at its design place; it copies the model onto its widgets on every sync.

#include <QMenuBar>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/widgets/clickable_widget.h"
#include "desktop/widgets/element_colours.h"
#include "desktop/widgets/element_view.h"
#include "desktop/widgets/remembered.h"

class FormWindow : public ClickableWidget {
    Q_OBJECT

  public:
    // Asked when the window manager wants the window closed; true lets it close.
    using CloseRequest = std::function<bool()>;

    // `elements` starts with the window itself; the others are reported to `sink` as
    // `eventPrefix` + their name, the window under its own name. A window larger than the room
    // its screen leaves is shown at that room's size and scrolls its design area.
    FormWindow(const std::vector<Element*>& elements, const std::string& eventPrefix,
               EventSink sink, CloseRequest closeRequest, QWidget* parent = nullptr);
    // The same with a menu bar above the design area; the window grows by the bar's height and
    // the design area keeps every element where the design puts it.
    FormWindow(const std::vector<Element*>& elements, EventSink sink, CloseRequest closeRequest,
               QMenuBar* menuBar);

    // Copies whatever changed in the model onto the window and its widgets.
    void sync();

    // While `condition` holds, every key pressed anywhere in this window is the window's own:
    // it is reported as a key of the window and never reaches the widget with the focus.
    void takeEveryKeyWhile(std::function<bool()> condition);

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Keys no widget took are reported as keys of this window; whether they press anything
    // is for the handlers to say.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Builds one view per element inside `area`.
    void buildViews(const std::vector<Element*>& elements, const std::string& eventPrefix,
                    QWidget& area);

    const Element& window_;
    EventSink sink_;
    CloseRequest closeRequest_;
    QMenuBar* menuBar_ = nullptr;
    QScrollArea* scroller_ = nullptr;  // scrolls the design area of a window without a menu bar
    QWidget* area_ = this;             // where the design's elements sit
    std::function<bool()> takesEveryKey_;
    std::vector<std::pair<const Element*, ElementView*>> views_;
    Remembered<std::string> title_;
    Remembered<ElementColours> colours_;
    Remembered<QSize> size_;
};
