#pragma once
// A session with a headless map form: the screen measured, a palette of 17 distinct colours,
// the error log in the test's folder, a form with AutoRedraw on and colour 0 as background.
#include "common/palette.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "session/session.hpp"
#include "support/fake_services.hpp"

#include <memory>

namespace kartino::testkit {

class MapFormTest : public UiTest {
  protected:
    MapFormTest() { open({640, 480}); }

    void open(ui::ScreenSize size) {
        form.reset();
        start("", size);
        s.shared.settingspaths[common::kResultFolder] = fake.shared.settingspaths[common::kResultFolder];
        auto &sc = s.shared.screen;
        sc.screenwidth = static_cast<float>(size.width);
        sc.screenheight = static_cast<float>(size.height);
        sc.areawidth = size.width * 480.0 / size.height >= 640 ? size.height * 640.0 / 480 : size.width;
        sc.areaheight = sc.areawidth * 480 / 640;
        for (int n = 0; n <= 16; ++n)
            s.shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15), 60,
                                                             static_cast<std::uint8_t>(250 - n * 5)};
        form = std::make_unique<ui::Form>(app(), "FormKartino");
        form->setAutoRedraw(true);
        form->setBackColor(colour(0));
        form->Show();
    }

    std::uint32_t colour(int n) const { return common::palcolor(s.shared, n); }
    std::uint32_t at(int x, int y) const { return static_cast<std::uint32_t>(form->Point(x, y)); }
    // Some pixel of colour number n in the box (x1, y1)-(x2, y2), both corners inside.
    bool anyof(int x1, int y1, int x2, int y2, int n) const {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (at(x, y) == colour(n)) return true;
        return false;
    }

    FakeServices fake;
    session::Session s{fake.services};
    std::unique_ptr<ui::Form> form;
};

} // namespace kartino::testkit
