#include "display/rod_family.h"

#include "display/abacus_board.h"

void Label10_Click(WindowContext& window) {
    std::string& family = window.state.beadLetter;
    family = family == "a" ? "b" : "a";
    zmt(window);
}
