#pragma once
// The shared services every test and fuzz target sets up: the path layer over the drive letters
// it is given (on disk, or over files held in memory), numbered files, a fake clock, a seeded
// generator and a message box that records what it was asked to show. endsession throws
// SessionEnded, so a caller sees the session end.
//
//   testkit::ServiceSet set([](char) { return std::optional<std::string>(); });
//   common::readpal64(set.services, set.shared);
#include "common/services.hpp"
#include "platform/basic/memory_files.hpp"

#include <optional>
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

inline constexpr basic::CivilTime kServicesStart{2026, 12, 7, 9, 30, 15, 0};

struct ServiceSet {
    enum class Files { OnDisk, InMemory };

    // Drive letters map through `drives`; with Files::InMemory the path layer sees only `memory`.
    explicit ServiceSet(basic::PathResolver::DriveLookup drives, basic::CivilTime start = kServicesStart,
                        Files where = Files::OnDisk)
        : paths(where == Files::InMemory ? basic::PathResolver(std::move(drives), memory)
                                         : basic::PathResolver(std::move(drives))),
          clock(start) {}
    ServiceSet(const ServiceSet &) = delete;
    ServiceSet &operator=(const ServiceSet &) = delete;

    basic::MemoryFiles memory; // empty unless the files are held in memory
    basic::PathResolver paths;
    basic::FileTable files{paths};
    basic::FakeClock clock;
    basic::Random rnd;
    RecordingMessageBox msgbox;
    common::Services services{paths, files, clock, rnd, msgbox, {}, {}, [] { throw SessionEnded{}; }};
    common::Shared shared;
};

} // namespace kartino::testkit
