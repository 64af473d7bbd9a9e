#pragma once
// The demonstration form: the map with one place after another presented above it and shown on
// it. The trainee steps forward and back with two buttons or their initial letters and ends with
// the third; unless the program runs only the demonstration, a one-second timer counts the
// seconds and ends the demonstration at the time limit, with a closing text and a sound.
#include "content/map_form.hpp"
#include "platform/ui/command_button.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/picture_box.hpp"
#include "platform/ui/timer.hpp"
#include "session/session.hpp"

#include <cstdint>
#include <string>

namespace kartino::demo {

class FormDemo : public ui::Form {
  public:
    FormDemo(ui::Application &app, session::Session &session);

    ui::PictureBox PictureSave{*this, "PictureSave"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::CommandButton CommandZurueck{*this, "CommandZurück"};
    ui::CommandButton CommandWeiter{*this, "CommandWeiter"};
    ui::CommandButton CommandEsc{*this, "CommandEsc"};
    ui::Label LabelSekunden{*this, "LabelSekunden"};
    ui::Label LabelSekl{*this, "LabelSekl"};
    ui::Label LabelSekr{*this, "LabelSekr"};
    ui::Label LabelCancel{*this, "LabelCancel"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Paint() override;
    void Form_KeyDown(int &KeyCode, int Shift) override;
    void Form_KeyUp(int &KeyCode, int Shift) override;
    void LabelCancel_Click();
    void CommandWeiter_Click();
    void CommandZurueck_Click();
    void CommandEsc_Click();
    void Timer1_Timer();

    std::int16_t demoseconds() const { return demoseconds_; }
    const std::string &demokeys() const { return demokeys_; }

  private:
    content::MapForm mapform() { return content::MapForm{*this, PictureSave, LabelCancel}; }
    void placebuttons();
    void placeseconds();
    void fitlabel(ui::Label &label);
    void showplace(); // the presentation of taskindex and its true place
    void step(int by);
    void finish(bool cleartexts);
    void demoend();

    session::Session &s_;
    std::int16_t demoseconds_ = 0; // seconds counted since the load
    std::string demokeys_;         // initials of forward, back and end
    bool keyheld_ = false;         // a step key was handled and not yet released
};

} // namespace kartino::demo
