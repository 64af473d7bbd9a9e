#pragma once
// The program's session without a window and without an error log, over one data set: what the
// checks hand to the program's own readers. A reader that ends the session after its report
// throws SessionEnded here; the report stays in the box.
#include "dataset.hpp"

#include "common/services.hpp"
#include "platform/basic/clock.hpp"
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/random.hpp"
#include "session/session.hpp"

#include <string>
#include <vector>

namespace kartino::check {

struct SessionEnded {};

class ReportBox : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &lines) override { last = lines; }
    // "DESCRIPTION (error N)" of the last report (lines: source, location, number, description, …).
    std::string reason() const;
    std::vector<std::string> last;
};

struct CheckSession {
    explicit CheckSession(Dataset &dataset);
    CheckSession(const CheckSession &) = delete;
    CheckSession &operator=(const CheckSession &) = delete;

    // Where each read of file `number` began, oldest first.
    std::vector<std::size_t> readsof(int number) const;

    std::vector<basic::ReadStart> reads;
    basic::FileTable files;
    basic::FakeClock clock;
    basic::Random rnd; // never reseeded: the dot sprays come out the same every time
    ReportBox box;
    common::Services services;
    session::Session s{services};
};

} // namespace kartino::check
