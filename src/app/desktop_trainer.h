#pragma once
// The trainer as it runs on a desktop: the real services, the window model and its view.
// Build it after the QApplication and the font substitutions.

#include "after_first_paint.h"
#include "desktop/form/trainer_view.h"
#include "desktop/services/desktop_help_viewer.h"
#include "desktop/services/paint_first_sound_output.h"
#include "desktop/services/qt_dialogs.h"
#include "desktop/services/qt_screen.h"
#include "desktop/services/qt_text_metrics.h"
#include "desktop/services/system_clock.h"
#include "desktop/windows/qt_menu_windows.h"
#include "engine/uniform_random.h"
#include "headless/embedded_resources.h"
#include "history/history_writer.h"
#include "model/history_store.h"
#include "model/window_context.h"
#include "module_class_sender.h"
#include "module_sound_output.h"
#include "module_speech_output.h"

class DesktopTrainer {
  public:
    // Creates the main window with its start-up defaults and builds its view, which is painted
    // before every clip.
    DesktopTrainer();
    // Lets the windows' reads end, then stores the history's queued writes, journaling what
    // another trainer's lock keeps out.
    ~DesktopTrainer();
    DesktopTrainer(const DesktopTrainer&) = delete;
    DesktopTrainer& operator=(const DesktopTrainer&) = delete;

    // Shows the main window centred on the screen.
    void show() { view_.show(); }
    TrainerView& view() { return view_; }

  private:
    // Everything the first window does not need, started right after its first paint: the
    // sound module, loaded off the user-interface thread, the window icon, the toolkit's
    // translations, the learner history (opened and checked on the history writer's thread) and
    // the class server's sender.
    void startAfterFirstPaint();
    // Tells what opening the history found, and shows what needs the history.
    void historyOpened(const std::string& message);
    // Says which runs or papers the history's writer could not store.
    void tellLateWrites();

    UniformRandom random_;
    SystemClock clock_;
    ModuleSoundOutput sound_;
    PaintFirstSoundOutput paintFirstSound_{sound_};
    QtDialogs dialogs_;
    DesktopHelpViewer helpViewer_;
    QtTextMetrics metrics_;
    EmbeddedResources resources_;
    QtScreen screen_;
    HistoryStoreSlot history_;
    HistoryWriter* historyWriter_ = nullptr;  // owned by history_ from the first paint
    QtMenuWindows menuWindows_{history_};
    ModuleSpeechOutput speech_;
    ModuleClassSender classSender_;
    WindowContext window_;
    TrainerView view_;
    AfterFirstPaint afterFirstPaint_{view_.mainWindow(), [this] { startAfterFirstPaint(); }};
};
