#include "model/main_form.h"

MainForm::MainForm() {
    designWindow();
    designStatusPanel();
    designSettingsPanel();
    designKeypad();
    designQuestionArea();
    designBoard();
    designTimeBarAndList();
    designSpares();

    // Later elements are drawn over earlier ones: the record list covers the status panel,
    // the question area and the board, but not the captions of the two lower frames.
    add(Form1_main);
    for (Element* element :
         {&Frame2,  &Label1,  &Label4,  &Label2,  &Label32, &Label3,  &Label34, &Label5,  &Label24,
          &Label6,  &Label25, &Label9,  &Text1,   &Label26, &Label7,  &Label27, &Label28, &Label16,
          &Label29, &Label31, &Label11, &Label12, &Label14, &Label13, &Label15, &Label17, &Label18,
          &Labe5,   &Labe4,   &Labe3,   &Labe2,   &Labe1,   &Line1}) {
        add(*element);
    }
    for (auto* column : {&Label36, &Label37, &Label38}) {
        for (Element& label : *column) add(label);
    }
    for (Element* element :
         {&Label30,     &Label40,   &Label39,   &Label10,   &Label19,   &Picture2,
          &Picture9,    &Picture8,  &Picture7,  &Picture6,  &Picture5,  &Picture4,
          &Picture19,   &Picture13, &Picture12, &Picture11, &Picture10, &Picture3,
          &Picture18,   &Picture17, &Picture16, &Picture15, &Picture14, &demonstrationMarker,
          &verdictMark, &Shape1,    &Shape2,    &Label8,    &List1,     &Frame4,
          &Label20,     &Combo1,    &Label21,   &Combo2,    &Label22,   &Combo3,
          &Label23,     &Combo4,    &Frame1}) {
        add(*element);
    }
    for (Element& key : Command1) add(key);
    for (Element* element :
         {&Command3, &Command4, &Command2, &Command5, &Command6, &Command8, &Timer1, &Timer2,
          &Timer3, &Timer4, &verdictTimer, &Text2, &Text7, &Text9, &Text10, &Filename, &List2}) {
        add(*element);
    }
}

void MainForm::add(Element& element) { elements_.push_back(&element); }

Element* MainForm::find(const std::string& name) const {
    for (Element* element : elements_) {
        if (element->name == name) return element;
    }
    return nullptr;
}

void MainForm::attachMetrics(const TextMetrics& metrics) {
    for (Element* element : elements_) element->attachMetrics(&metrics);
}
