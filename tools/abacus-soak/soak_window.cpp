#include "soak_window.h"

#include <filesystem>
#include <string>

#include "ui/dispatch.h"

namespace {

// The folder of the running program, where the help file is looked for.
std::string programFolder() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
}

}  // namespace

SoakWindow::SoakWindow(std::uint32_t trainerSeed)
    : window_(services_.bind(random_, metrics_, programFolder())) {
    dispatch(window_, Event{EventKind::Load, {}, -1, {}});
    random_.seed(trainerSeed);
}

bool SoakWindow::perform(const SoakAction& action) {
    switch (action.kind) {
        case SoakAction::Kind::Click:
            dispatch(window_, Event{EventKind::Click, action.element, -1, {}});
            break;
        case SoakAction::Kind::Choose:
            dispatch(window_,
                     Event{EventKind::Choose, action.element, static_cast<int>(action.number), {}});
            break;
        case SoakAction::Kind::Type:
            dispatch(window_, Event{EventKind::Type, action.element, -1, action.text});
            break;
        case SoakAction::Kind::Tick:
            dispatch(window_, Event{EventKind::Tick, action.element, -1, {}});
            break;
        case SoakAction::Kind::Advance:
            return services_.clock.advance(action.number);
        case SoakAction::Kind::SetClock:
            services_.clock.set(action.moment);
            break;
        case SoakAction::Kind::Answer:
            services_.dialogs.queueAnswer(action.answer);
            break;
        case SoakAction::Kind::Close:
            dispatch(window_, Event{EventKind::Close, {}, -1, {}});
            break;
        case SoakAction::Kind::Key:
            dispatch(window_,
                     Event{EventKind::Key, window_.form.Form1_main.name, -1, action.element});
            break;
        case SoakAction::Kind::Menu:
            dispatch(window_, Event{EventKind::Menu, action.element, -1, action.text});
            break;
        case SoakAction::Kind::RoomKey:
            dispatch(window_, Event{EventKind::Key, window_.drill.drill.name, -1, action.element});
            break;
    }
    return true;
}
