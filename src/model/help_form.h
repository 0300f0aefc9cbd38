#pragma once
// The about box `help`: a small window that says what the trainer is for and leads to
// the help file.

#include <cstdint>
#include <string>
#include <vector>

#include "model/element.h"

struct HelpForm {
    HelpForm();
    HelpForm(const HelpForm&) = delete;
    HelpForm& operator=(const HelpForm&) = delete;

    Element help;  // the window itself; its visible flag says whether the box is shown
    Element picIcon, lblTitle, lblVersion, lblDescription, Label3, Label1, Label4, Label5, Label2;
    Element Filename;

    bool loaded = false;              // the box exists; unloading drops it until the next opening
    std::uint64_t raiseRequests = 0;  // bumped when an open box is asked to come to the front

    // Every element, the window first.
    const std::vector<Element*>& elements() const { return elements_; }
    // The element called `name` without the "help." prefix, or nullptr.
    Element* find(const std::string& name) const;
    void attachMetrics(const TextMetrics& metrics);
    // Puts every element back into its design state, as a fresh load would find it.
    void restoreDesign();

  private:
    std::vector<Element*> elements_;
    const TextMetrics* metrics_ = nullptr;
};
