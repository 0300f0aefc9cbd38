// The colour scheme and the zoom chosen with keys 4 and 5 come back at the next start from the
// history file, and a zoom the screen can no longer hold comes back as the largest that fits.

#include "appearance/window_zoom.h"
#include "history/history_fixture.h"
#include "support/headless_window.h"

namespace {

// A started window on the history file at `path`, as the program has it after its first paint.
struct WindowOnHistory : HeadlessWindow {
    WindowOnHistory(const std::string& path, ScreenRoom room) {
        screen.room = room;
        load();
        HistoryOpening opening = openHistoryFile(path);
        history.open(std::move(opening.store));
        dispatch(window, Event{EventKind::HistoryOpened, {}, -1, {}});
    }
    // Presses a menu key, lit as it is after a run.
    void pressMenuKey(int key) {
        window.form.Command1[key].enabled = true;
        click("Command1(" + std::to_string(key) + ")");
    }
};

constexpr ScreenRoom kLargeScreen{2560, 1600};

TEST_F(HistoryFolder, ColoursAndZoomReturnAtTheNextStartWithinTheScreen) {
    {
        WindowOnHistory first(path, kLargeScreen);
        EXPECT_EQ(first.window.state.colourScheme, "0");
        EXPECT_EQ(first.window.state.zoomPercent, 100);
        first.pressMenuKey(4);
        for (int press = 0; press < 3; ++press) first.pressMenuKey(5);
        EXPECT_EQ(first.window.state.zoomPercent, 200);
    }
    WindowOnHistory again(path, kLargeScreen);
    EXPECT_EQ(again.window.state.colourScheme, "1");
    EXPECT_EQ(again.window.state.zoomPercent, 200);

    WindowOnHistory onSmallerScreen(path, ScreenRoom{1024, 768});
    EXPECT_EQ(onSmallerScreen.window.state.colourScheme, "1");
    EXPECT_LT(onSmallerScreen.window.state.zoomPercent, 200);
    EXPECT_TRUE(zoomFits(onSmallerScreen.window, onSmallerScreen.window.state.zoomPercent));

    onSmallerScreen.pressMenuKey(4);
    WindowOnHistory afterSwitchBack(path, kLargeScreen);
    EXPECT_EQ(afterSwitchBack.window.state.colourScheme, "0");
}

}  // namespace
