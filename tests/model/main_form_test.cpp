// The main window's element list: the view builds its widgets from it in this order, so a
// name missing, doubled or listed before its container would show up as a broken window.

#include "model/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

// Position of each element in the list, by name.
std::map<std::string, std::size_t> stackPositions(const MainForm& form) {
    std::map<std::string, std::size_t> positions;
    for (std::size_t i = 0; i < form.elements().size(); ++i) {
        positions.emplace(form.elements()[i]->name, i);
    }
    return positions;
}

TEST(MainFormElements, EachNameOnceAndEveryContainerBeforeWhatItHolds) {
    const MainForm form;
    const auto positions = stackPositions(form);
    EXPECT_EQ(positions.size(), form.elements().size()) << "a name is listed twice";
    EXPECT_EQ(form.elements().size(), 115u);  // with the verdict mark, its timer and the 演示 frame
    for (std::size_t i = 0; i < form.elements().size(); ++i) {
        const Element& element = *form.elements()[i];
        EXPECT_EQ(form.find(element.name), &element) << element.name;
        if (element.container.empty()) continue;
        const auto container = positions.find(element.container);
        ASSERT_NE(container, positions.end()) << element.name << " has no container";
        EXPECT_LT(container->second, i) << element.name << " comes before " << element.container;
    }
}

TEST(MainFormElements, RecordListCoversThePanelAndQuestionsButNotTheLowerFrames) {
    const MainForm form;
    const auto at = stackPositions(form);
    for (const char* below : {"Frame2", "Label11", "Label15", "Label19", "Picture2", "Picture3"}) {
        EXPECT_LT(at.at(below), at.at("List1")) << below;
    }
    EXPECT_GT(at.at("Frame4"), at.at("List1"));
    EXPECT_GT(at.at("Frame1"), at.at("List1"));
    EXPECT_GT(at.at("Label8"), at.at("Shape2"));
}

}  // namespace
