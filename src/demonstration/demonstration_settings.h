#pragma once
// What a learner keeps for 演示 wherever it plays: the pace of its steps ("慢" 2 s, "中" 1 s,
// "快" 0.5 s) and how a division's quotient digits are found ("试商" or "直接商").

#include <string>
#include <vector>

#include "model/window_context.h"

// The pace words in the order the menus offer them.
const std::vector<std::string>& demonstrationPaceWords();

// The milliseconds of a step at pace `word`; 0 for a word that is no pace.
int paceMilliseconds(const std::string& word);

// The milliseconds of a step at the pace `learner` chose, "中" when none is kept.
int learnersPaceMilliseconds(WindowContext& window, const std::string& learner);

// The pace word `learner` chose, "中" when none is kept.
std::string learnersPaceWord(WindowContext& window, const std::string& learner);

// Keeps pace `word` for `learner`; false, keeping nothing, for a word that is no pace.
bool keepPace(WindowContext& window, const std::string& learner, const std::string& word);

// The captions of the setting: the digit estimated and put right on the board, or found at once.
inline constexpr char kTryQuotient[] = "试商";
inline constexpr char kDirectQuotient[] = "直接商";

// True when `learner` has quotient digits estimated (试商, the default).
bool learnerTriesQuotient(WindowContext& window, const std::string& learner);

// Keeps for `learner` whether quotient digits are estimated.
void keepTriesQuotient(WindowContext& window, const std::string& learner, bool tries);
