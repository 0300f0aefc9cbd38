#include "history/learner_names.h"

#include <utility>

namespace {

// The characters that show nothing: blanks of every width, the line and paragraph breaks, and
// the zero-width spaces, joiners and byte-order mark that a pasted name can carry.
bool showsNothing(char32_t character) {
    return (character >= 0x09 && character <= 0x0D) || character == 0x20 || character == 0x85 ||
           character == 0xA0 || character == 0x1680 || character == 0x180E ||
           (character >= 0x2000 && character <= 0x200D) || character == 0x2028 ||
           character == 0x2029 || character == 0x202F || character == 0x205F ||
           character == 0x2060 || character == 0x3000 || character == 0xFEFF;
}

// The character that starts at `at` in UTF-8 `text`, and how many bytes it takes; a byte that
// starts no character is taken as a character of its own, which shows something.
std::pair<char32_t, std::size_t> characterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80         ? 1
                               : lead >> 5 == 0x6  ? 2
                               : lead >> 4 == 0xE  ? 3
                               : lead >> 3 == 0x1E ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size()) return {0xFFFD, 1};
    char32_t character = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[at + next]);
        if (byte >> 6 != 0x2) return {0xFFFD, 1};
        character = (character << 6) | (byte & 0x3F);
    }
    return {character, length};
}

}  // namespace

bool hasNoVisibleCharacter(std::string_view name) {
    for (std::size_t at = 0; at < name.size();) {
        const auto [character, length] = characterAt(name, at);
        if (!showsNothing(character)) return false;
        at += length;
    }
    return true;
}

std::string keptLearnerName(const TrainingState& state, const std::string& typedName) {
    return hasNoVisibleCharacter(typedName) ? state.defaultLearnerName : typedName;
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
