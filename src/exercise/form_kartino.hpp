#pragma once
// The exercise form: the window in which a run of tasks takes place. It draws the map once,
// then shows one place after another above it; the trainee points with a drawn cross-hair,
// answers with a click, goes on with the go-on label or a go-on key, and after the last task
// sees the summary. The run ends by writing FB.DAT and the session record, and either the
// session ends or the trainee is offered a repetition run of the tasks answered wrongly.
//
// The handlers are spread over files by concern: the form and its keys here, the task sequence
// in task_flow.cpp, pointing and the answer mark in pointing.cpp, help steps in help_steps.cpp,
// the judgement in evaluation.cpp, pointing by keys in keyboard_pointer.cpp.
#include "content/map_form.hpp"
#include "exercise/text_rows.hpp"
#include "platform/ui/command_button.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/picture_box.hpp"
#include "session/session.hpp"

#include <array>
#include <vector>

namespace kartino::exercise {

class FormKartino : public ui::Form {
  public:
    // `keyboardpointer`: the arrow keys point and Space answers (for trainees without a mouse).
    FormKartino(ui::Application &app, session::Session &session, bool keyboardpointer = false);

    ui::Label LabelWeiter{*this, "LabelWeiter"};
    ui::Label LabelAufno{*this, "LabelAufno"};
    ui::Label LabelCancel{*this, "LabelCancel"};
    ui::CommandButton CommandHilf{*this, "CommandHilf"};
    ui::CommandButton CommandJa{*this, "CommandJa"};
    ui::CommandButton CommandNein{*this, "CommandNein"};
    ui::PictureBox Picturemaus{*this, "Picturemaus"};
    ui::PictureBox Picturespal{*this, "Picturespal"};
    ui::PictureBox Picturezeil{*this, "Picturezeil"};
    ui::PictureBox PictureSave{*this, "PictureSave"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Paint() override;
    void Form_KeyDown(int &KeyCode, int Shift) override;
    void Form_MouseMove(int Button, int Shift, float X, float Y) override;
    void Form_MouseDown(int Button, int Shift, float X, float Y) override;
    void LabelCancel_Click();
    void LabelWeiter_Click();
    void CommandHilf_Click() { showhelp(); }
    void CommandJa_Click();
    void CommandNein_Click();

    // The task sequence.
    void nexttask();
    void endtask();

    // Pointing and answering.
    bool inmap(double x, double y) const;
    void drawanswermark();
    void eraseanswermark();
    void showhelp();
    void evaluateanswer();
    void showsummary();

    // The view of this form the map set-up and the task presentation draw on.
    content::MapForm mapform() { return content::MapForm{*this, PictureSave, LabelCancel}; }

  private:
    std::array<ui::Control *, 6> controlsinorder();
    void placecontrols();
    void startrun(); // the run's reset and its working values (also for a repetition run)
    void shuffleplaces();
    void endofrun();
    void showtaskcounter();
    void chooseplace();
    void printquestion();
    std::vector<DesignBand> rightcontrols() const;
    void takecursor();
    void offerrepetition();
    void clearlists();
    void clearmessages();

    // The cross-hair: saved, restored and drawn at form pixels.
    void savecross(double x, double y);
    void restorecross();
    void drawcross(double x, double y);
    bool pointbykey(int keycode, int shift);
    void hidesystemcursor();
    void showsystemcursor();

    session::Session &s_;
    bool keyboardpointer_ = false;
};

} // namespace kartino::exercise
