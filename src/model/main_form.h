#pragma once
// The main window `Form1_main`: every element of its design under its design name.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/element.h"
#include "model/keyboard_focus.h"

struct MainForm : KeyboardFocus {
    MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    Element Form1_main;
    std::uint64_t raiseRequests = 0;  // bumped when the window is asked to come to the front

    // Status panel.
    Element Frame2;
    Element Label1, Label4, Label2, Label32, Label3, Label34, Label5, Label24, Label6, Label25;
    Element Label9, Text1, Label26, Label7, Label27, Label28, Label16, Label29, Label31;

    // Settings panel.
    Element Frame4;
    Element Label20, Combo1, Label21, Combo2, Label22, Combo3, Label23, Combo4;

    // Keypad.
    Element Frame1;
    std::array<Element, 10> Command1;
    Element Command3, Command4, Command2, Command5, Command6, Command8;

    // Question area.
    Element Label11, Label12, Label14, Label13, Label15, Label17, Label18;
    Element Labe5, Labe4, Labe3, Labe2, Labe1;
    Element Line1;
    std::array<Element, 5> Label36, Label37, Label38;
    Element Label30, Label40, Label39, Label10, Label19;
    // The verdict of the last answer, shown large beside the question for about a second.
    Element verdictMark;

    // Abacus board: three rows of five rods each.
    Element Picture2, Picture9, Picture8, Picture7, Picture6, Picture5;
    Element Picture4, Picture19, Picture13, Picture12, Picture11, Picture10;
    Element Picture3, Picture18, Picture17, Picture16, Picture15, Picture14;

    // The frame around the rod that 演示 moves in its current step.
    Element demonstrationMarker;

    // Time bar and messages.
    Element Shape1, Shape2, Label8;

    // Record list and timers.
    Element List1, Timer1, Timer2, Timer3, Timer4;
    // Hides the verdict mark once its second is over.
    Element verdictTimer;

    // Spare elements outside the visible area.
    Element Text2, Text7, Text9, Text10, Filename, List2;

    // Every element, bottom of the stack first (containers before what they hold).
    const std::vector<Element*>& elements() const { return elements_; }
    // The element called `name` ("Command1(3)" for an array member), or nullptr.
    Element* find(const std::string& name) const;
    // Lets auto-size labels measure their captions.
    void attachMetrics(const TextMetrics& metrics);

  private:
    void add(Element& element);
    void designWindow();
    void designStatusPanel();
    void designSettingsPanel();
    void designKeypad();
    void designQuestionArea();
    void designBoard();
    void designTimeBarAndList();
    void designSpares();

    std::vector<Element*> elements_;
};
