#pragma once
// The shared services over a temporary folder. FakeServices: drive letters stand for folders
// "drive-c", "drive-d" … of it, and the result folder (settings path 9) is the folder itself.
// DriveCServices: drive C is the folder, as a host's data set names it ("C:\Taliform\...").
#include "support/service_set.hpp"
#include "support/temp_dir.hpp"

#include <string>

namespace kartino::testkit {

// Holds the folder ahead of the services, so that it outlives the files they open in it.
struct TempFolder {
    TempDir dir;
};

struct FakeServices : TempFolder, ServiceSet {
    explicit FakeServices(basic::CivilTime start = kServicesStart)
        : ServiceSet(
              [this](char letter) -> std::optional<std::string> {
                  return dir.path() + "/drive-" + static_cast<char>(letter | 0x20);
              },
              start) {
        shared.settingspaths[common::kResultFolder] = dir.path() + "/";
    }
    std::string errorLog() const { return readFile(dir.file("errwin.dat")); }
};

struct DriveCServices : TempFolder, ServiceSet {
    explicit DriveCServices(basic::CivilTime start = kServicesStart)
        : ServiceSet(
              [this](char letter) {
                  return letter == 'C' ? std::optional<std::string>(dir.path()) : std::nullopt;
              },
              start) {}
};

} // namespace kartino::testkit
