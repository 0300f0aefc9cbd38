#pragma once
// What every handler receives: the three windows, the training state, the services and the
// run in progress as the history will keep it.

#include "model/drill_form.h"
#include "model/drill_state.h"
#include "model/help_form.h"
#include "model/main_form.h"
#include "model/services.h"
#include "model/training_state.h"

struct WindowContext {
    explicit WindowContext(Services realServices) : services(realServices) {
        form.attachMetrics(services.metrics);
        help.attachMetrics(services.metrics);
        drill.attachMetrics(services.metrics);
    }

    MainForm form;
    HelpForm help;
    DrillForm drill;  // the practice room
    DrillState drillState;
    TrainingState state;
    Services services;
    RunJournal runJournal;  // the run in progress, as the history will keep it
    bool closed = false;    // the main window has been closed and the program ends
};
