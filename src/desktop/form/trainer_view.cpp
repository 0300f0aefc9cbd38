#include "desktop/form/trainer_view.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "appearance/colour_scheme.h"
#include "appearance/window_zoom.h"
#include "demonstration/demonstration.h"
#include "desktop/form/focus_follower.h"
#include "desktop/form/view_appearance.h"
#include "desktop/form/window_icon.h"
#include "desktop/services/window_appearance.h"
#include "input/keyboard.h"
#include "room/room_buttons.h"
#include "ui/dispatch.h"

namespace {

constexpr char kAboutBoxPrefix[] = "help.";
constexpr char kRoomPrefix[] = "drill.";

// Puts a top-level window in the middle of the screen it is on.
void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

// Moves a top-level window the least it takes to lie wholly inside the screen it is on.
void keepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect room = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != window.frameGeometry().topLeft()) window.move(frame.topLeft());
}

// Paints the parts of a top-level window that are waiting to be painted and puts them on
// screen; only paint requests are handled, no input and no timer.
void paintWaitingParts(QWidget& window) {
    QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
}

}  // namespace

TrainerView::TrainerView(WindowContext& window)
    : window_(window),
      menuBar_(window, [this](const Event& event) { send(event); }),
      main_(std::make_unique<FormWindow>(
          window.form.elements(), [this](const Event& event) { send(event); },
          [this] { return mainWindowMayClose(); }, menuBar_.bar())) {
    main_->takeEveryKeyWhile(
        [this] { return keysWorkTheRun(window_) || demonstrationPaused(window_); });
    sync();
}

TrainerView::~TrainerView() { delete room_.data(); }

void TrainerView::showWindowIcon() { main_->setWindowIcon(trainerIcon()); }

void TrainerView::show() {
    centreOnScreen(*main_);
    main_->show();
}

void TrainerView::send(const Event& event) {
    dispatch(window_, event);
    sync();
    if (window_.closed) {
        if (room_) room_->hide();
        main_->hide();
        QCoreApplication::exit(0);
    }
}

void TrainerView::sync() {
    const bool zoomed = takeAppearance();
    menuBar_.sync(window_);  // first, so the window makes room for the bar at its zoom
    main_->sync();
    if (zoomed && main_->isVisible()) centreOnScreen(*main_);
    followFocus(window_.form, *main_, focusMovesSeen_);
    if (window_.form.raiseRequests != mainRaiseRequestsSeen_) {
        mainRaiseRequestsSeen_ = window_.form.raiseRequests;
        main_->raise();
        main_->activateWindow();
    }
    syncAboutBox();
    syncPracticeRoom();
    // A new zoom resizes the open windows where they stand; each is moved back onto the screen.
    if (zoomed && about_) keepOnScreen(*about_);
    if (zoomed && room_) keepOnScreen(*room_);
}

void TrainerView::paintNow() {
    sync();
    paintWaitingParts(*main_);
    if (about_) paintWaitingParts(*about_);
    if (room_) paintWaitingParts(*room_);
}

bool TrainerView::takeAppearance() {
    const TrainingState& state = window_.state;
    const bool known =
        std::find(kZoomSteps.begin(), kZoomSteps.end(), state.zoomPercent) != kZoomSteps.end();
    const ViewAppearance appearance{known ? state.zoomPercent : kZoomSteps.front(),
                                    clearColoursChosen(state)};
    const bool zoomed = appearance.zoomPercent != viewAppearance().zoomPercent;
    setViewAppearance(appearance);
    showSchemeInToolkit(appearance.clearColours);
    return zoomed;
}

bool TrainerView::mainWindowMayClose() {
    send(Event{EventKind::Close, {}, -1, {}});
    return window_.closed;
}

bool TrainerView::aboutBoxMayClose() {
    send(Event{EventKind::Click, window_.help.help.name, -1, {}});
    return !window_.help.help.visible;
}

void TrainerView::syncAboutBox() {
    const HelpForm& help = window_.help;
    if (!help.help.visible) {
        if (about_) {
            about_->hide();
            about_->deleteLater();
            about_ = nullptr;
        }
        return;
    }
    if (!about_) {
        openAboutBox();
        return;
    }
    about_->sync();
    if (help.raiseRequests != raiseRequestsSeen_) {
        raiseRequestsSeen_ = help.raiseRequests;
        about_->raise();
        about_->activateWindow();
    }
}

void TrainerView::openAboutBox() {
    about_ = new FormWindow(
        window_.help.elements(), kAboutBoxPrefix, [this](const Event& event) { send(event); },
        [this] { return aboutBoxMayClose(); }, main_.get());
    raiseRequestsSeen_ = window_.help.raiseRequests;
    about_->sync();
    centreOnScreen(*about_);
    about_->show();
}

bool TrainerView::roomMayClose() {
    send(Event{EventKind::Close, window_.drill.drill.name, -1, {}});
    return !window_.drill.drill.visible;
}

void TrainerView::syncPracticeRoom() {
    const DrillForm& room = window_.drill;
    if (!room.drill.visible) {
        if (room_) {
            room_->hide();
            room_->deleteLater();
            room_ = nullptr;
        }
        return;
    }
    if (!room_) {
        openPracticeRoom();
        return;
    }
    room_->sync();
    followFocus(room, *room_, roomFocusMovesSeen_);
    if (room.raiseRequests != roomRaiseRequestsSeen_) {
        roomRaiseRequestsSeen_ = room.raiseRequests;
        room_->raise();
        room_->activateWindow();
    }
}

void TrainerView::openPracticeRoom() {
    room_ = new FormWindow(
        window_.drill.elements(), kRoomPrefix, [this](const Event& event) { send(event); },
        [this] { return roomMayClose(); });
    room_->takeEveryKeyWhile([this] { return roomTakesEveryKey(window_); });
    roomRaiseRequestsSeen_ = window_.drill.raiseRequests;
    room_->sync();
    centreOnScreen(*room_);
    room_->show();
    roomFocusMovesSeen_ = 0;
    followFocus(window_.drill, *room_, roomFocusMovesSeen_);
}
