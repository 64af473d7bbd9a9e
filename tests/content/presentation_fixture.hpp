#pragma once
// The map form of the task presentation: the shared map form with its PictureSave and
// LabelCancel controls, the map geometry of a flat map, and helpers that measure what the form
// shows.
#include "content/map_form.hpp"
#include "map_form_test.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/picture_box.hpp"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

namespace kartino::testkit {

// The extent of the pixels of one colour, both edges inside; empty when there are none.
struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};

class PresentationFormTest : public MapFormTest {
  protected:
    PresentationFormTest() {
        picture = std::make_unique<ui::PictureBox>(*form, "PictureSave");
        picture->resize(14, 14);
        cancel = std::make_unique<ui::Label>(*form, "LabelCancel");
        cancel->setVisible(false);
        mapform = std::make_unique<content::MapForm>(content::MapForm{*form, *picture, *cancel});

        s.map.mapcentrex = 320, s.map.mapcentrey = 256;
        s.map.maptop = 82, s.map.messagerow = 5;
        s.settings.mapcolors = {0, 9, 10, 11, 12, 14};
        s.settings.exerciseparam2 = std::int16_t{3};
        s.task.markboxw = 14, s.task.markboxh = 14;
    }

    // The nine columns of place `index`, which becomes the task's place.
    void place(std::int16_t index, std::initializer_list<std::string> columns) {
        int c = 0;
        for (const std::string &text : columns)
            s.places.placecolumns[static_cast<std::size_t>(index)][static_cast<std::size_t>(c++)] = text;
        s.run.taskindex = index;
    }

    int count(int x1, int y1, int x2, int y2, int n) const {
        int found = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (at(x, y) == colour(n)) ++found;
        return found;
    }
    Extent extent(int n, int x1 = 0, int y1 = 0, int x2 = 639, int y2 = 479) const {
        Extent e;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (at(x, y) == colour(n)) {
                    e.left = std::min(e.left, x), e.right = std::max(e.right, x);
                    e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y);
                }
        return e;
    }
    // Pixels in which what the form shows differs from `before`.
    int changed(const gfx::Surface &before) const {
        int differing = 0;
        const gfx::Surface &now = form->shown();
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                if (now.at(x, y) != before.at(x, y)) ++differing;
        return differing;
    }

    std::unique_ptr<ui::PictureBox> picture;
    std::unique_ptr<ui::Label> cancel;
    std::unique_ptr<content::MapForm> mapform;
};

} // namespace kartino::testkit
