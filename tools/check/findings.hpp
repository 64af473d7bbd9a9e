#pragma once
// What kartino-check found: errors and warnings, each at a file of the data set (relative to its
// folder) and a line of that file (1-based; 0 when the finding belongs to the whole file).
#include <iosfwd>
#include <string>
#include <vector>

namespace kartino::check {

enum class Severity { Error, Warning };

struct Finding {
    std::string file;
    int line = 0;
    Severity severity = Severity::Error;
    std::string message;
};

// A text of the data (held in the ANSI code page, as the program holds it) as reports show it.
std::string quoted(const std::string &ansi);

class Findings {
  public:
    void error(const std::string &file, int line, const std::string &message);
    void warning(const std::string &file, int line, const std::string &message);

    int errors() const { return errors_; }
    int warnings() const { return static_cast<int>(all_.size()) - errors_; }
    const std::vector<Finding> &all() const { return all_; }

    // "FILE:LINE: error: MESSAGE" for each finding in the order found (a repeated one once),
    // then the summary line "N errors, M warnings".
    void print(std::ostream &out) const;

  private:
    void add(Finding f);

    std::vector<Finding> all_;
    int errors_ = 0;
};

} // namespace kartino::check
