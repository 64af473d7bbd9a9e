#pragma once
// One file open for Output or Append, as the numbered files keep it until Close.
//
// Output never changes the target until all of it is on disk: the bytes go to a temporary file
// beside the target, which is synced and then renamed over it. A failure at any point leaves the
// target as it was and removes the temporary, so the host finds a result file whole or not at
// all (or the one of an earlier session), never torn or emptied. In a folder that takes no new
// files but holds a writable target, the target is rewritten in place at Close instead, and its
// old bytes are put back should that fail.
//
// Append writes at the end of the target itself (a log that others append to as well must keep
// its name and its inode). A write or sync that fails cuts the file back to the length it had
// (or removes it again when the open created it), so a failed append never leaves half a line
// behind.
//
// Nothing here can be torn by a termination signal: the handler only notes the request, and an
// interrupted system call is resumed.
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/output_faults.hpp"

#include <string>
#include <sys/types.h>

namespace kartino::basic {

class OutputFile {
  public:
    // Opens the target for `mode` (Output or Append); raises the legacy error of a folder that
    // is missing or not writable, or of a target that is a folder or write-protected.
    OutputFile(const std::string &path, OpenMode mode, OutputFaults *faults);
    ~OutputFile(); // a file never committed: the temporary is removed, the target untouched
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Writes `data` and makes it the file's content (Output) or its new end (Append). Raises
    // "Disk full" or "Device I/O error"; the target is then as it was before.
    void commit(const std::string &data);

  private:
    enum class How { Replace, InPlace, Append };
    void openTemporary(mode_t permissions);
    bool refusedNewFile(); // the fault plan's folder that takes no new files (errno set)
    bool faultAt(OutputFaults::Step step);
    void writeData(const std::string &data);
    void syncAndClose();
    [[noreturn]] void abandon(int error);
    void putBack(); // InPlace: the old bytes again

    How how_ = How::Replace;
    std::string target_;
    std::string temporary_; // Replace: the file that becomes the target
    std::string saved_;     // InPlace: the target's bytes before
    int fd_ = -1;
    off_t appendStart_ = 0; // Append: the length before this commit
    bool created_ = false;  // Append: the file did not exist before the open
    OutputFaults *faults_;
};

} // namespace kartino::basic
