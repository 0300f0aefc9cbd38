#include "history/learner_names.h"

#include <string_view>

namespace {

constexpr std::string_view kIdeographicSpace = "\u3000";

// True when `name` holds nothing but blanks, tabs and ideographic spaces.
bool isBlankName(std::string_view name) {
    while (!name.empty()) {
        if (name.front() == ' ' || name.front() == '\t') {
            name.remove_prefix(1);
        } else if (name.starts_with(kIdeographicSpace)) {
            name.remove_prefix(kIdeographicSpace.size());
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string keptLearnerName(const TrainingState& state, const std::string& typedName) {
    return isBlankName(typedName) ? state.defaultLearnerName : typedName;
}

std::string nameBoxLearner(const WindowContext& window) {
    return keptLearnerName(window.state, window.form.Text1.caption());
}

void restoreLastLearner(WindowContext& window) {
    Element& box = window.form.Text1;
    if (!box.enabled || box.caption() != window.state.defaultLearnerName) return;
    const std::vector<LearnerSummary> learners = window.services.history.learners();
    if (!learners.empty()) box.setCaption(learners.front().name);
}
