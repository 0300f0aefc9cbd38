#include "history/redo_questions.h"

void endRedoQuestions(WindowContext& window) {
    window.redoQuestions.clear();
    window.redoAsked.reset();
}
