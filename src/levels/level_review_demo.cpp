#include "levels/level_review_demo.h"

#include "input/keypad_menu.h"

namespace {

constexpr char kTimes[] = "×";
constexpr char kRunUnderWay[] = "主窗口正在练习，练完再演示这道题";
constexpr char kTooLarge[] = "这道题太大，算盘上演示不下";

// The multiplication the chosen line of the room's list names, or nullptr.
const ReviewedProduct* chosenProduct(const WindowContext& window) {
    const Element& list = window.drill.List1;
    if (list.listIndex < 0) return nullptr;
    const auto index = static_cast<std::size_t>(list.listIndex);
    if (index >= list.items.size()) return nullptr;
    for (const ReviewedProduct& product : window.drillState.reviewedProducts) {
        if (product.lineIndex == index && product.line == list.items[index]) return &product;
    }
    return nullptr;
}

// True while a level test or its redo takes answers.
bool answering(const WindowContext& window) {
    return window.drillState.levelTest.running || window.drillState.levelRedo.running;
}

}  // namespace

void keepReviewedProduct(WindowContext& window, std::size_t lineIndex, const std::string& line,
                         const ProductQuestion& question) {
    window.drillState.reviewedProducts.push_back(
        {lineIndex, line, question.first, question.second});
}

void offerReviewDemonstration(WindowContext& window) {
    window.drill.Command9.enabled = chosenProduct(window) != nullptr && !answering(window);
}

void drill_List1_Click(WindowContext& window) { offerReviewDemonstration(window); }

void drill_List1_DblClick(WindowContext& window) {
    if (window.drill.Command9.enabled && window.drill.Command9.visible) {
        drill_Command9_Click(window);
    }
}

void drill_Command9_Click(WindowContext& window) {
    const ReviewedProduct* product = chosenProduct(window);
    if (product == nullptr || answering(window)) return;
    if (demonstrateGivenQuestion(window, kTimes, product->first, product->second)) {
        window.drill.Label9.setCaption("");
        return;
    }
    window.drill.Label9.setCaption(window.state.runActive == "1" ? kRunUnderWay : kTooLarge);
}
