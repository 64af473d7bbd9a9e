// Output files that fail to be written: each failing step leaves the file as it was (Output:
// the old file or none; Append: the old length) with the legacy error, and no temporary file.
#include "platform/basic/errors.hpp"
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/output_faults.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kartino::basic;
using kartino::testkit::readFile;
using kartino::testkit::TempDir;
using Step = OutputFaults::Step;

namespace {

const std::string kOld = "\"g\",1,2\r\n\"e\",0\r\n";

struct Case {
    const char *name;
    OpenMode mode;
    bool existing;
    OutputFaults plan;
    int error;            // 0: written
    std::string expected; // the file afterwards
};

std::vector<std::string> folderEntries(const std::string &folder) {
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    return names;
}

// A folder that takes no new files (write-protected, as root would not see it).
OutputFaults refusingNewFiles(OutputFaults plan) {
    plan.refuseNewFiles(EACCES);
    return plan;
}

TEST(OutputFile, EachFailingStepLeavesTheFileAsItWas) {
    const std::string missing = "<missing>";
    const Case cases[] = {
        {"output written", OpenMode::Output, true, OutputFaults(), 0, "new line\r\n"},
        {"append written", OpenMode::Append, true, OutputFaults(), 0, kOld + "new line\r\n"},
        {"output, write: disk full", OpenMode::Output, true, OutputFaults(Step::Write, 1, ENOSPC),
         errDiskFull, kOld},
        {"output, close: I/O error", OpenMode::Output, true, OutputFaults(Step::Close, 1, EIO), errDeviceIO,
         kOld},
        {"output, new file, write", OpenMode::Output, false, OutputFaults(Step::Write, 1, EIO), errDeviceIO,
         missing},
        {"output, open: no permission", OpenMode::Output, true, OutputFaults(Step::Open, 1, EACCES),
         errPermissionDenied, kOld},
        {"append, write: disk full", OpenMode::Append, true, OutputFaults(Step::Write, 1, ENOSPC),
         errDiskFull, kOld},
        {"append, new file, write", OpenMode::Append, false, OutputFaults(Step::Write, 1, ENOSPC),
         errDiskFull, missing},
        {"output, no new files: in place", OpenMode::Output, true, refusingNewFiles(OutputFaults()), 0,
         "new line\r\n"},
        {"output, no new files, write: put back", OpenMode::Output, true,
         refusingNewFiles(OutputFaults(Step::Write, 1, ENOSPC)), errDiskFull, kOld},
        {"output, no new files, close: put back", OpenMode::Output, true,
         refusingNewFiles(OutputFaults(Step::Close, 1, EIO)), errDeviceIO, kOld},
        {"output, no new files, new file", OpenMode::Output, false, refusingNewFiles(OutputFaults()),
         errPermissionDenied, missing},
        {"append, no new files, new file", OpenMode::Append, false, refusingNewFiles(OutputFaults()),
         errPermissionDenied, missing},
        {"append, close: I/O error", OpenMode::Append, true, OutputFaults(Step::Close, 1, EIO), errDeviceIO,
         kOld},
        {"append, open: disk full", OpenMode::Append, true, OutputFaults(Step::Open, 1, ENOSPC), errDiskFull,
         kOld},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.existing) dir.write("R.DAT", kOld);
        PathResolver paths{[](char) { return std::optional<std::string>(); }};
        FileTable files(paths);
        OutputFaults plan = c.plan;
        files.setOutputFaults(&plan);
        int error = 0;
        try {
            files.open(1, dir.file("R.DAT"), c.mode);
            files.print(1, "new line");
            // Until its close an Output file has not touched the target.
            if (c.mode == OpenMode::Output) {
                EXPECT_EQ(readFile(dir.file("R.DAT")), c.existing ? kOld : missing);
            }
            files.close(1);
        } catch (const RuntimeError &e) {
            error = e.number();
        }
        EXPECT_EQ(error, c.error);
        EXPECT_FALSE(files.isOpen(1));
        EXPECT_EQ(readFile(dir.file("R.DAT")), c.expected);
        EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>(c.existing || !error, "R.DAT"));
    }
}

TEST(OutputFile, AReplacedFileKeepsItsLinkAndPermissions) {
    TempDir dir;
    dir.write("results/R.DAT", kOld);
    std::filesystem::permissions(dir.file("results/R.DAT"), std::filesystem::perms(0640));
    std::filesystem::create_symlink("results/R.DAT", dir.file("R.DAT"));
    PathResolver paths{[](char) { return std::optional<std::string>(); }};
    FileTable files(paths);
    files.open(1, dir.file("R.DAT"), OpenMode::Output);
    files.print(1, "i");
    files.close(1);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("R.DAT")));
    EXPECT_EQ(readFile(dir.file("results/R.DAT")), "i\r\n");
    EXPECT_EQ(std::filesystem::status(dir.file("results/R.DAT")).permissions(), std::filesystem::perms(0640));
}

} // namespace
