#pragma once
// A planned failure on the output side of the numbered files, for tests: the Nth open, write
// or close of an output file fails with a chosen system error (disk full, an I/O error, no
// permission), or that step and every later one of its kind fail (a full disk), or a
// termination signal arrives in the middle of the Nth write; and the folder may refuse new
// files (write-protected, for a test that runs as root, whom permissions do not stop). The plan also
// counts every step, so a test can play a session once to learn how many there are and then
// fail each of them in turn. Real runs have no plan.
#include <array>
#include <cerrno>
#include <string>

namespace kartino::basic {

class OutputFaults {
  public:
    enum class Step { Open, Write, Close };
    enum class Kind { Fail, Signal };

    OutputFaults() = default; // counts only
    OutputFaults(Step step, int nth, int error = EIO) : step_(step), nth_(nth), error_(error) {}
    static OutputFaults fromThenOn(Step step, int nth, int error);
    static OutputFaults signalDuringWrite(int nth, int signal);

    // Counts the step of the file at `path`; true when it is the planned one.
    bool hit(Step step, const std::string &path);
    int count(Step step) const { return counts_[static_cast<std::size_t>(step)]; }
    const std::string &hitFile() const { return hitFile_; } // the first file failed ("" for none)

    // The folder takes no new files: creating one fails with `error` (files there stay writable).
    void refuseNewFiles(int error) { newFileError_ = error; }
    int newFileError() const { return newFileError_; }

    Kind kind() const { return kind_; }
    int error() const { return error_; }   // Fail: the errno the step fails with
    int signal() const { return signal_; } // Signal: the signal raised half-way through the write

  private:
    Step step_ = Step::Write;
    int nth_ = 0;
    int error_ = EIO;
    bool onward_ = false;
    int newFileError_ = 0;
    Kind kind_ = Kind::Fail;
    int signal_ = 0;
    std::array<int, 3> counts_{};
    std::string hitFile_;
};

} // namespace kartino::basic
