#include "listening/drill/listening_settings.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "drill/room_lines.h"
#include "listening/drill/reading_pace.h"

namespace {

constexpr char kWithLiang[] = "两百";
constexpr char kWithEr[] = "二百";
constexpr char kLeadingTwoKey[] = "listeningLeadingTwo";
constexpr char kDigitWords[][4] = {"一", "两", "三", "四"};

// The leading number of a caption such as "0.8" or "4".
double captionNumber(const Element& element) {
    return std::strtod(element.caption().c_str(), nullptr);
}

// "四位数" for 4.
std::string digitsWord(int digits) {
    const std::string count = digits >= 1 && digits <= 4
                                  ? kDigitWords[digits - 1]
                                  : chineseReading(static_cast<std::int32_t>(digits));
    return count + "位数";
}

}  // namespace

void fitPaceToReadings(WindowContext& window) {
    DrillForm& room = window.drill;
    const int digits = static_cast<int>(captionNumber(room.Combo2));
    const double chosen = captionNumber(room.Combo4);
    if (readingPace(chosen, digits).fits || room.Combo4.items.empty()) return;
    std::vector<double> paces;
    for (const std::string& item : room.Combo4.items)
        paces.push_back(std::strtod(item.c_str(), nullptr));
    const auto fitting = quickestFittingPace(paces, chosen, digits);
    auto index = static_cast<int>(paces.size()) - 1;
    for (int i = 0; fitting && i < static_cast<int>(paces.size()); ++i) {
        if (paces[static_cast<std::size_t>(i)] == *fitting) {
            index = i;
            break;
        }
    }
    room.Combo4.listIndex = index;
    room.Combo4.setCaption(room.Combo4.items[static_cast<std::size_t>(index)]);
    writeLine(room, "这个速度读不完" + digitsWord(digits) + "，已改为 " + room.Combo4.caption() +
                        " 秒/笔");
}

LeadingTwo chosenLeadingTwo(const DrillForm& room) {
    return room.Command8.caption() == kWithEr ? LeadingTwo::Er : LeadingTwo::Liang;
}

void drill_Command8_Click(WindowContext& window) {
    DrillForm& room = window.drill;
    const bool er = chosenLeadingTwo(room) == LeadingTwo::Liang;
    room.Command8.setCaption(er ? kWithEr : kWithLiang);
    window.services.history.setSetting(window.drillState.learner, kLeadingTwoKey,
                                       er ? kWithEr : kWithLiang);
}

void showLeadingTwoSwitch(WindowContext& window, bool on) {
    DrillForm& room = window.drill;
    room.Command8.visible = on;
    if (!on) return;
    const auto kept = window.services.history.setting(window.drillState.learner, kLeadingTwoKey);
    room.Command8.setCaption(kept && *kept == kWithEr ? kWithEr : kWithLiang);
}
