// Arbitrary bytes as the repetition file "X" that a repetition run reads its task indices
// from, one per task. The input is the first byte (the number of tasks to repeat, 1 to 16),
// then the repetition file, the separator 0x1E and the list file of the places. The exercise
// form loads on a small headless screen with the list, the trainee says yes to the repetition,
// and each task is answered with a click on the map and the go-on label until the run ends. A
// run-time error (an index outside the list, the end of the file) is reported by the program's
// run; a crash, a hang or any other exception is a finding.
#include "content/place_list.hpp"
#include "exercise/form_kartino.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/session_end.hpp"

#include "fuzz_support.hpp"
#include "fuzz_ui.hpp"

#include <cstdint>

using namespace kartino;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    std::vector<std::string> parts = fuzzing::splitParts(fuzzing::bytesOf(data + 1, size - 1), 2);
    fuzzing::FuzzSession fuzz;
    fuzz.hold("K:\\ERGEBNIS\\X", parts[0]);
    fuzz.hold("K:\\UEB\\DEUTSCH\\liste.lst", parts[1]);
    fuzzing::HeadlessApp headless({160, 120});
    session::Session s(fuzz.services);
    s.shared.settingspaths[common::kResultFolder] = fuzz.shared.settingspaths[common::kResultFolder];
    s.shared.screen = {160, 120, 160, 120, 96, 96};
    s.settings.langfolder = "K:\\UEB\\DEUTSCH\\";
    s.settings.listfile = "liste.lst";
    s.settings.listto = -1;
    s.settings.hostoptions = 1 << 2; // repetitions offered
    s.map.mapleft = 100, s.map.mapright = 540, s.map.maptop = 82, s.map.mapbottom = 400;
    s.map.mapcentrex = 320, s.map.mapcentrey = 256;
    s.results.repeatfile = "X"; // the file the run before wrote
    s.results.repeatcount = static_cast<std::int16_t>(data[0] % 16 + 1);
    exercise::FormKartino form(headless.app, s);
    try {
        form.Load();
        content::loadplacelist(s, form);
        form.CommandJa_Click();
        for (int task = 0; task <= s.results.repeatcount + 1 && !form.CommandJa.Visible(); ++task) {
            form.Form_MouseDown(1, 0, 80, 60); // the middle of the map
            if (!form.LabelWeiter.Visible()) break;
            form.LabelWeiter_Click();
            if (s.exerciserun.summaryshown) form.LabelWeiter_Click();
        }
    } catch (const ui::SessionEnd &) {
    } catch (const fuzzing::SessionEnded &) {
    } catch (const basic::RuntimeError &) {
    }
    return 0;
}
