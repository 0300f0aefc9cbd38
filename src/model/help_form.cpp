// The design state of the about box.

#include "model/help_form.h"

#include "model/form_design.h"

namespace {

using design::kBlack;
using design::place;

constexpr Rgb kLavender{192, 192, 255};
const FontSpec kDialogFont{"宋体", 9};

// A label on the about box's lavender background.
void aboutLabel(Element& label, const char* name, int left, int top, int width, int height,
                const char* caption, Rgb fore) {
    place(label, name, ElementKind::Label, "help", left, top, width, height);
    label.font = kDialogFont;
    label.backColor = kLavender;
    label.foreColor = fore;
    label.setCaption(caption);
}

}  // namespace

HelpForm::HelpForm() {
    elements_ = {&help,   &picIcon, &lblTitle, &lblVersion, &lblDescription, &Label3,
                 &Label1, &Label4,  &Label5,   &Label2,     &Filename};
    restoreDesign();
}

void HelpForm::restoreDesign() {
    for (Element* element : elements_) *element = Element{};

    place(help, "help", ElementKind::Window, "", 0, 0, 5805, 3450);
    help.backColor = kLavender;
    help.font = kDialogFont;
    help.visible = false;
    help.setCaption("欢迎使用");

    place(picIcon, "picIcon", ElementKind::PictureBox, "help", 120, 120, 480, 480);
    picIcon.backColor = kLavender;
    picIcon.picture = "icon32";

    aboutLabel(lblTitle, "lblTitle", 870, 240, 3975, 315, "童趣星V1.0简化绿色版", Rgb{255, 0, 0});
    lblTitle.font = {"楷体_GB2312", 15.75};
    lblTitle.alignment = Alignment::Centre;
    lblTitle.autoSize = true;

    aboutLabel(lblVersion, "lblVersion", 2640, 600, 1815, 180, " for Win9X、2000、XP", kBlack);
    lblVersion.alignment = Alignment::Centre;
    lblVersion.autoSize = true;

    aboutLabel(lblDescription, "lblDescription", 840, 840, 3645, 210,
               "本程序适合3－12岁儿童学习珠心算", Rgb{0, 128, 128});
    lblDescription.alignment = Alignment::Centre;

    aboutLabel(Label3, "Label3", 240, 1080, 4815, 1575, "Label3", Rgb{0, 0, 192});
    Label3.font = {"隶书", 12};
    Label3.multiLine = true;

    aboutLabel(Label1, "Label1", 360, 2640, 90, 180, "", kBlack);
    Label1.autoSize = true;
    aboutLabel(Label4, "Label4", 360, 2880, 90, 180, "", kBlack);
    Label4.autoSize = true;
    aboutLabel(Label5, "Label5", 360, 3120, 90, 180, "", kBlack);
    Label5.autoSize = true;

    aboutLabel(Label2, "Label2", 5160, 360, 480, 2865, "完全版说明", kBlack);
    Label2.font = {"MS Sans Serif", 24};
    Label2.backColor = Rgb{255, 255, 255};
    Label2.useSystemColours = true;
    Label2.verticalText = true;
    Label2.multiLine = true;

    place(Filename, "Filename", ElementKind::TextBox, "help", 5280, 1920, 375, 285);
    Filename.visible = false;
    Filename.backColor = Rgb{255, 255, 255};
    Filename.foreColor = kBlack;

    loaded = false;
    for (Element* element : elements_) element->attachMetrics(metrics_);
}

Element* HelpForm::find(const std::string& name) const {
    for (Element* element : elements_) {
        if (element->name == name) return element;
    }
    return nullptr;
}

void HelpForm::attachMetrics(const TextMetrics& metrics) {
    metrics_ = &metrics;
    for (Element* element : elements_) element->attachMetrics(metrics_);
}
