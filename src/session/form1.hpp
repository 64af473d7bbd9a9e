#pragma once
// The start form: its load runs the start-up of the program (command line, settings file,
// language, palette, charset and exercise files, the derived flags), and what it shows is the
// start screen: the instruction screen and below it a row of map variants to choose from, the
// offer of a demonstration with yes and no, or a go-on label.
//
// The forms that follow (the demonstration, shown modally, and the exercise) belong to other
// subsystems; the program hands them in as NextForms.
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "session/session.hpp"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace kartino::session {

struct NextForms {
    std::function<void()> showDemo;     // FormDemo, modally: returns when it has closed
    std::function<void()> showExercise; // FormKartino, modeless
};

inline constexpr int variantLabelCount = 27; // varLabel(0..26); 0 is never used

class Form1 : public ui::Form {
  public:
    Form1(ui::Application &app, Session &session, std::string commandline, NextForms next);

    ui::Label &varLabel(int index) { return *varLabels_.at(static_cast<std::size_t>(index)); }
    ui::Label LabelVariantQuestion{*this, "LabelVariantQuestion"};
    ui::Label LabelVariantAnswer{*this, "LabelVariantAnswer"};
    ui::Label LabelOfferQuestion{*this, "LabelOfferQuestion"};
    ui::Label LabelJa{*this, "LabelJa"};
    ui::Label LabelNein{*this, "LabelNein"};
    ui::Label LabelWeiter{*this, "LabelWeiter"};
    ui::Label LabelCancel{*this, "LabelCancel"};

    void Form_Load() override;
    void Form_Paint() override;
    void Form_KeyDown(int &KeyCode, int Shift) override;

    // The start screen.
    void offersetup();
    void showVariantLabels();
    void varSelected(int index);
    void varLabel_click(int index);
    void offerUsed();
    void offerDenied();
    void LabelJa_Click() { offerUsed(); }
    void LabelNein_Click() { offerDenied(); }
    void LabelWeiter_Click();
    void LabelCancel_Click();

  private:
    // Start-up, in its order of steps.
    void startup();
    void readhostfiles();
    void measurescreen();
    void scalecontrols();
    void readexercise();
    [[noreturn]] void demonstrationonly();
    void showstartscreen();

    // The map header of the chosen map; a failure of its parse is reported and ends the session.
    void readheader();
    void hidebehind();
    void gotoexercise();
    void leavetoexercise(); // the map header, then the exercise form
    void variantrow(int from, int to, double designtop);

    Session &s_;
    std::string commandline_;
    NextForms next_;
    std::array<std::unique_ptr<ui::Label>, variantLabelCount> varLabels_;
};

} // namespace kartino::session
