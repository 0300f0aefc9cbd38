#include "demonstration/demonstration_settings.h"

#include <optional>

namespace {

constexpr char kPaceSetting[] = "demonstrationPace";
constexpr char kTrialSetting[] = "quotientTrial";
constexpr char kDefaultPace[] = "中";

struct Pace {
    const char* word;
    int milliseconds;
};
constexpr Pace kPaces[] = {{"慢", 2000}, {"中", 1000}, {"快", 500}};

}  // namespace

const std::vector<std::string>& demonstrationPaceWords() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> all;
        for (const Pace& pace : kPaces) all.emplace_back(pace.word);
        return all;
    }();
    return words;
}

int paceMilliseconds(const std::string& word) {
    for (const Pace& pace : kPaces) {
        if (word == pace.word) return pace.milliseconds;
    }
    return 0;
}

std::string learnersPaceWord(WindowContext& window, const std::string& learner) {
    const std::optional<std::string> word = window.services.history.setting(learner, kPaceSetting);
    return word && paceMilliseconds(*word) > 0 ? *word : kDefaultPace;
}

int learnersPaceMilliseconds(WindowContext& window, const std::string& learner) {
    return paceMilliseconds(learnersPaceWord(window, learner));
}

bool keepPace(WindowContext& window, const std::string& learner, const std::string& word) {
    if (paceMilliseconds(word) == 0) return false;
    window.services.history.setSetting(learner, kPaceSetting, word);
    return true;
}

bool learnerTriesQuotient(WindowContext& window, const std::string& learner) {
    return window.services.history.setting(learner, kTrialSetting) != kDirectQuotient;
}

void keepTriesQuotient(WindowContext& window, const std::string& learner, bool tries) {
    window.services.history.setSetting(learner, kTrialSetting,
                                       tries ? kTryQuotient : kDirectQuotient);
}
