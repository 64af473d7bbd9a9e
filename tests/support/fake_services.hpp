#pragma once
// A complete set of shared services for tests: a temporary result folder, the path layer,
// numbered files (drive letters mapped into the folder), a fake clock, a seeded generator and a message box that records what it was
// asked to show. endsession throws SessionEnded so tests can watch the session end.
#include "common/services.hpp"
#include "support/temp_dir.hpp"

#include <string>
#include <vector>

namespace kartino::testkit {

struct RecordedBox {
    std::string title;
    std::vector<std::string> lines;
};

class RecordingMessageBox : public ui::MessageBox {
  public:
    void show(const std::string &title, const std::vector<std::string> &lines) override {
        boxes.push_back({title, lines});
    }
    std::vector<RecordedBox> boxes;
};

struct SessionEnded {};

struct FakeServices {
    TempDir dir;
    // Drive letters of the data stand for folders "drive-c", "drive-d" … of the temporary folder.
    basic::PathResolver paths{[this](char letter) -> std::optional<std::string> {
        return dir.path() + "/drive-" + static_cast<char>(letter | 0x20);
    }};
    basic::FileTable files{paths};
    basic::FakeClock clock;
    basic::Random rnd;
    RecordingMessageBox msgbox;
    common::Services services{paths, files, clock, rnd, msgbox, {}, {}, [] { throw SessionEnded{}; }};
    common::Shared shared;

    explicit FakeServices(basic::CivilTime start = {2026, 12, 7, 9, 30, 15, 0}) : clock(start) {
        shared.settingspaths[common::kResultFolder] = dir.path() + "/";
    }
    std::string errorLog() const { return readFile(dir.file("errwin.dat")); }
};

} // namespace kartino::testkit
