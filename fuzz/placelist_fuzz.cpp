// Arbitrary bytes as the list file of an exercise without a map file: the places are loaded
// with their nine columns and region texts, then the first places are presented above the map
// of a small headless form, shown on it and taken back again, as the exercise and the
// demonstration do. The first two bytes choose the presentation flags and whether points are
// judged as points. A run-time error is the orderly end (the caller's error handler reports it);
// anything else, a crash or a hang is a finding.
#include "content/place_list.hpp"
#include "content/target_display.hpp"
#include "content/task_presentation.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/picture_box.hpp"

#include "fuzz_support.hpp"
#include "fuzz_ui.hpp"

#include <cstdint>
#include <string>

namespace {

using namespace kartino;
using fuzzing::SessionEnded;

constexpr int kPlacesShown = 6;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 2) return 0;
    fuzzing::FuzzSession fuzz("liste.lst", data, size, 2);
    session::Session s(fuzz.services);
    s.shared.settingspaths[common::kResultFolder] = fuzz.shared.settingspaths[common::kResultFolder];
    for (int n = 0; n <= 16; ++n)
        s.shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 13),
                                                         static_cast<std::uint8_t>(n), 7};
    s.shared.screen = {160, 120, 160, 120, 96, 96};
    s.settings.listfile = "liste.lst";
    s.settings.langfolder = "K:\\";
    s.settings.listto = -1;
    s.task.taskflags = static_cast<std::int16_t>(data[0] | (data[1] & 0x3F) << 8);
    s.task.pointmode = (data[1] & 0x40) != 0;
    s.settings.flagbit4 = (data[1] & 0x80) != 0;
    s.map.messagerow = static_cast<std::int16_t>(data[0] % 6);
    s.map.mapcentrex = 320, s.map.mapcentrey = 256, s.map.maptop = 82;

    fuzzing::HeadlessApp headless({160, 120});
    ui::Form form(headless.app, "FormKartino");
    ui::PictureBox save(form, "PictureSave");
    ui::Label cancel(form, "LabelCancel");
    form.setAutoRedraw(true);
    form.Show();
    s.task.markboxw = 3, s.task.markboxh = 3;
    save.resize(3, 3);
    content::MapForm view{form, save, cancel};
    try {
        content::loadplacelist(s, form);
        for (std::int16_t i = 0; i <= s.vectors.itemcount && i < kPlacesShown; ++i) {
            s.run.taskindex = i;
            content::presenttask(s, view);
            content::showtarget(s, view);
            content::hidetarget(s, view);
        }
    } catch (const basic::RuntimeError &) {
    } catch (const SessionEnded &) {
    }
    return 0;
}
