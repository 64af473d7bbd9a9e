#pragma once
// The number of the run-time error a call raises, or 0 when it raises none.
//
//   EXPECT_EQ(kartino::testkit::errorOf([&] { files.open(1, "", OpenMode::Input); }), 52);
#include "platform/basic/errors.hpp"

namespace kartino::testkit {

template <typename F> int errorOf(F &&f) {
    try {
        f();
    } catch (const basic::RuntimeError &e) {
        return e.number();
    }
    return 0;
}

} // namespace kartino::testkit
