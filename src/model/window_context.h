#pragma once
// What every handler receives: the two windows, the training state, the services and the
// run in progress as the history will keep it.

#include "model/help_form.h"
#include "model/main_form.h"
#include "model/services.h"
#include "model/training_state.h"

struct WindowContext {
    explicit WindowContext(Services realServices) : services(realServices) {
        form.attachMetrics(services.metrics);
        help.attachMetrics(services.metrics);
    }

    MainForm form;
    HelpForm help;
    TrainingState state;
    Services services;
    RunJournal runJournal;  // the run in progress, as the history will keep it
    bool closed = false;    // the main window has been closed and the program ends
};
