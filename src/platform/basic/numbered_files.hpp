#pragma once
// Files opened by number, as the legacy program uses them: Open for Input, Output (create or
// empty) and Append; Line Input, Input # list items, Write #, Print #, EOF, Close.
// Input files are read whole at Open; output is written through at Close, or when the table
// goes away, and synced to disk so the host finds it complete right after the process ends.
// A file opened for Output replaces its target only when it is whole (output_file.hpp).
#include "platform/basic/paths.hpp"
#include "platform/basic/variant.hpp"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::basic {

enum class OpenMode { Input, Output, Append };

class OutputFaults;

// Where one Line Input or Input # item of an input file began: the file's number and the byte
// offset in it (the end of the file for a read that found nothing left).
struct ReadStart {
    int number = 0;
    std::size_t offset = 0;
};
// The largest file Open for Input takes: 16 MiB, two hundred times the largest map an exercise
// has. A larger file (or a device that never ends) is refused with error 7 "Out of memory", which
// its reader reports like any other run-time error, instead of being read whole.
inline constexpr std::size_t kMaxInputFileBytes = std::size_t{16} << 20;

class FileTable {
  public:
    explicit FileTable(const PathResolver &paths);
    ~FileTable();
    FileTable(const FileTable &) = delete;
    FileTable &operator=(const FileTable &) = delete;

    void open(int number, std::string_view legacyPath, OpenMode mode);
    void close(int number);
    void closeAll();
    bool isOpen(int number) const;

    // Line Input #: up to CR LF, CR or a lone LF (the end is not stored). Error 62 at the end.
    std::string lineInput(int number);
    bool eof(int number) const;

    // Input # items.
    std::string inputString(int number);
    double inputNumber(int number);
    std::int16_t inputInteger(int number); // rounds half to even; error 6 beyond 16 bits
    Variant inputVariant(int number);

    // Write #: items separated by ",", strings quoted, numbers bare, then CR LF.
    void write(int number, const std::vector<Variant> &items);
    // Print # of one text, followed by CR LF unless `newline` is false.
    void print(int number, std::string_view text, bool newline = true);

    const PathResolver &paths() const { return paths_; }

    // Tools that name the line of each item they check: every read of an input file from now
    // on appends where it began to `log` (null: no log).
    void setReadLog(std::vector<ReadStart> *log) { readLog_ = log; }

    // Tests only: the plan of a failing open, write or close of output files (null: none).
    void setOutputFaults(OutputFaults *plan) { faults_ = plan; }

  private:
    struct File;
    // Open over files held in memory: input from there, output dropped at Close.
    void openHeld(int number, const std::string &path, OpenMode mode);
    File &get(int number, bool forInput);
    const File *find(int number) const;
    std::string readField(int number, bool numericTerminators, bool &quoted);
    void logRead(int number, std::size_t offset);

    const PathResolver &paths_;
    std::map<int, std::unique_ptr<File>> files_;
    OutputFaults *faults_ = nullptr;
    std::vector<ReadStart> *readLog_ = nullptr;
};

} // namespace kartino::basic
