// Every control of every form, on the screens the host uses: each visible control lies inside
// the design area of its form (the whole 640 x 480 and 1024 x 768 screens, and an 800 x 600 area
// centred on the larger one), and its caption fits it, line by line, as the control draws it.
#include "common/design_screen.hpp"
#include "platform/ui/command_button.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/text_render.hpp"
#include "program_run.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace kartino;

namespace {

struct Layout {
    const char *name;
    ui::ScreenSize screen;
    int areawidth, areaheight; // -1: the whole screen
};

enum class Stage { StartScreen, Demonstration, Exercise };

class ControlSweep : public testkit::ProgramRun {
  protected:
    const ui::Form &formof(Stage stage) {
        if (stage == Stage::StartScreen) return form1();
        if (stage == Stage::Demonstration) return formdemo();
        return formkartino();
    }

    void expectInsideAndFitting(const ui::Form &form) {
        const common::ScreenMetrics &m = session().shared.screen;
        const int left = static_cast<int>(std::lround(common::screenx(m, 0)));
        const int top = static_cast<int>(std::lround(common::screeny(m, 0)));
        const int right = static_cast<int>(std::lround(common::screenx(m, 640)));
        const int bottom = static_cast<int>(std::lround(common::screeny(m, 480)));
        int visible = 0;
        for (const ui::Control *c : form.controls()) {
            if (!c->Visible()) continue;
            ++visible;
            const std::string what = c->Caption().empty() ? "a control without caption" : c->Caption();
            EXPECT_GE(c->Left(), left) << what;
            EXPECT_GE(c->Top(), top) << what;
            EXPECT_LE(c->Left() + c->Width(), right) << what;
            EXPECT_LE(c->Top() + c->Height(), bottom) << what;
            if (c->Caption().empty()) continue;
            const int room = dynamic_cast<const ui::CommandButton *>(c) ? c->Width() - 8 : c->Width();
            const auto lines = ui::wrapCaption(c->Caption(), room, c->fonts(), c->font(), c->dpi());
            for (const std::string &line : lines)
                EXPECT_LE(ui::textWidth(c->fonts(), c->font(), c->dpi(), line), room) << what << ": " << line;
            EXPECT_LE(static_cast<int>(lines.size()) * ui::textHeight(c->fonts(), c->font(), c->dpi()),
                      c->Height())
                << what;
        }
        EXPECT_GT(visible, 0) << "the form shows controls";
    }
};

TEST_F(ControlSweep, EveryControlOfEveryFormIsInsideItsFormAndItsCaptionFits) {
    const Layout layouts[] = {
        {"640 x 480", {640, 480}, -1, -1},
        {"1024 x 768", {1024, 768}, -1, -1},
        {"800 x 600 area", {1024, 768}, 800, 600},
    };
    const struct {
        const char *name;
        std::string script; // brings the form up and leaves it there
        Stage stage;
    } stages[] = {
        {"start screen", "", Stage::StartScreen},
        {"demonstration", "key 74\nwait 2000\n", Stage::Demonstration},
        {"exercise", "key 13\nclick CENTRE\n", Stage::Exercise}, // an answer: the go-on label shows
    };
    for (const Layout &layout : layouts)
        for (const auto &stage : stages) {
            SCOPED_TRACE(std::string(stage.name) + " on " + layout.name);
            data.settings.areawidth = layout.areawidth, data.settings.areaheight = layout.areaheight;
            std::string script = stage.script;
            if (auto at = script.find("CENTRE"); at != std::string::npos)
                script.replace(at, 6,
                               std::to_string(layout.screen.width / 2) + " " +
                                   std::to_string(layout.screen.height / 2));
            run(script, layout.screen);
            expectInsideAndFitting(formof(stage.stage));
        }
}

} // namespace
