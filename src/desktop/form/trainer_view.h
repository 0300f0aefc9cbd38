#pragma once
// The trainer on the desktop: the main window with its menu bar and, while the model shows
// them, the about box and the practice room.
// Every event a person or a timer causes goes to dispatch, and afterwards the whole model
// is copied back onto the widgets. The view itself decides nothing.

#include <QPointer>
#include <cstdint>
#include <memory>

#include "desktop/form/form_window.h"
#include "desktop/form/main_menu_bar.h"
#include "model/window_context.h"

class TrainerView {
  public:
    // Builds the main window from the model as it stands (after the load event).
    explicit TrainerView(WindowContext& window);
    ~TrainerView();
    TrainerView(const TrainerView&) = delete;
    TrainerView& operator=(const TrainerView&) = delete;

    // Shows the main window centred on the screen.
    void show();
    // Gives the main window its painted icon; no paint of the window itself needs it, so the
    // program does it after the first paint.
    void showWindowIcon();
    // Hands `event` to dispatch, then brings the widgets up to date; ends the program once
    // the model says the main window has closed.
    void send(const Event& event);
    // Copies the model onto both windows, opening or closing the about box as it says.
    void sync();
    // Copies the model onto both windows and paints at once what changed, handling no input
    // and no timer meanwhile; a handler that is about to hold the thread calls it through
    // its services.
    void paintNow();

    QWidget& mainWindow() const { return *main_; }
    // The about box while it is shown, else nullptr.
    QWidget* aboutBox() const { return about_; }
    // The practice room while it is open, else nullptr.
    QWidget* practiceRoom() const { return room_; }

  private:
    // Takes the zoom and colour scheme of the training state for the view; true when the zoom
    // changed. A zoom the trainer does not offer shows the window at its design size.
    bool takeAppearance();
    bool mainWindowMayClose();
    bool aboutBoxMayClose();
    void syncAboutBox();
    void openAboutBox();
    bool roomMayClose();
    void syncPracticeRoom();
    void openPracticeRoom();

    WindowContext& window_;
    MainMenuBar menuBar_;
    std::unique_ptr<FormWindow> main_;
    QPointer<FormWindow> about_;
    QPointer<FormWindow> room_;
    std::uint64_t roomRaiseRequestsSeen_ = 0;
    std::uint64_t roomFocusMovesSeen_ = 0;
    std::uint64_t raiseRequestsSeen_ = 0;
    std::uint64_t mainRaiseRequestsSeen_ = 0;
    std::uint64_t focusMovesSeen_ = 0;
};
