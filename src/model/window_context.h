#pragma once
// What every handler receives: the three windows, the training state, the services and the
// run in progress as the history will keep it.

#include <optional>
#include <vector>

#include "model/drill_form.h"
#include "model/drill_state.h"
#include "model/help_form.h"
#include "model/main_form.h"
#include "model/run_holding_dialogs.h"
#include "model/services.h"
#include "model/training_state.h"

struct WindowContext {
    explicit WindowContext(Services realServices)
        : heldDialogs(realServices.dialogs, form),
          services(withDialogs(realServices, heldDialogs)) {
        form.attachMetrics(services.metrics);
        help.attachMetrics(services.metrics);
        drill.attachMetrics(services.metrics);
    }

    MainForm form;
    HelpForm help;
    DrillForm drill;  // the practice room
    DrillState drillState;
    TrainingState state;
    RunHoldingDialogs heldDialogs;  // the message boxes, which hold the run while open
    Services services;
    RunJournal runJournal;  // the run in progress, as the history will keep it
    // 重做错题: the book's questions still to ask, next first, and the one on screen.
    std::vector<StoredQuestion> redoQuestions;
    std::optional<StoredQuestion> redoAsked;
    bool closed = false;  // the main window has been closed and the program ends
};
