#pragma once
// A started headless trainer driven like a child at the window: keys pressed one by one, the
// right answer read from the question on screen, clips and dialogs read back.

#include <cstdint>
#include <string>
#include <vector>

#include "support/loaded_trainer.h"

class RunDriver : public LoadedTrainer {
  protected:
    // The number that belongs in the blank of the question on screen.
    std::int32_t rightAnswer() const {
        switch (state.blankPosition) {
            case 2:
                return state.operandB;
            case 3:
                return state.operandA;
            default:
                return state.operandC;
        }
    }
    // A wrong answer of the same length: the units digit moved by one.
    std::int32_t wrongAnswer() const {
        const std::int32_t right = rightAnswer();
        return right % 10 == 9 ? right - 1 : right + 1;
    }
    // Presses the keys of `number`, highest place first.
    void typeNumber(std::int32_t number) {
        for (const char digit : std::to_string(number)) {
            trainer.click("Command1(" + std::string(1, digit) + ")");
        }
    }
    void answer(std::int32_t number) {
        typeNumber(number);
        trainer.click("Command3");
    }
    // The clips played since the last call.
    std::vector<std::int16_t> newSounds() {
        const auto& played = trainer.sound.played;
        std::vector<std::int16_t> fresh(played.begin() + static_cast<std::ptrdiff_t>(heard_),
                                        played.end());
        heard_ = played.size();
        return fresh;
    }
    const std::vector<std::string>& records() const { return form.List1.items; }

  private:
    std::size_t heard_ = 0;
};
