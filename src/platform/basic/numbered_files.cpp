#include "platform/basic/numbered_files.hpp"

#include "platform/basic/errors.hpp"
#include "platform/basic/memory_files.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/basic/output_file.hpp"
#include "platform/basic/read_all.hpp"

#include <cerrno>
#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kartino::basic {

struct FileTable::File {
    OpenMode mode;
    std::string content; // input: the whole file; output: what waits to be written
    std::size_t pos = 0; // input position
    std::unique_ptr<OutputFile> out;

    bool atEnd() const { return pos >= content.size() || content[pos] == '\x1A'; }
};

namespace {

// A missing file in an existing folder is "File not found"; a missing folder "Path not found".
int missingFileError(const std::string &path) {
    std::size_t slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    struct stat st;
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? errFileNotFound : errPathNotFound;
}

bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Consumes one line end (CR LF, CR or LF) at pos.
void consumeLineEnd(const std::string &s, std::size_t &pos) {
    if (pos < s.size() && s[pos] == '\r') {
        ++pos;
        if (pos < s.size() && s[pos] == '\n') ++pos;
    } else if (pos < s.size() && s[pos] == '\n') {
        ++pos;
    }
}

bool looksNumeric(const std::string &s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        ++i, digits = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, digits = true;
    }
    if (!digits) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        bool exp = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i, exp = true;
        if (!exp) return false;
    }
    return i == s.size();
}

} // namespace

FileTable::FileTable(const PathResolver &paths) : paths_(paths) {}

FileTable::~FileTable() {
    try {
        closeAll();
    } catch (...) {
        // A failing write at the very end has nobody left to report to.
    }
}

void FileTable::open(int number, std::string_view legacyPath, OpenMode mode) {
    if (number < 1 || number > 511) raise(errBadFileNameOrNumber);
    if (files_.count(number)) raise(errFileAlreadyOpen);
    if (legacyPath.empty()) raise(errBadFileNameOrNumber);
    std::string path = paths_.resolve(legacyPath);
    if (paths_.memory()) {
        openHeld(number, path, mode);
        return;
    }
    auto f = std::make_unique<File>();
    f->mode = mode;
    if (mode == OpenMode::Input) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) raise(errno == ENOENT ? missingFileError(path) : openErrorNumber(errno));
        struct stat st;
        if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
            ::close(fd);
            raise(errPathFileAccess);
        }
        if (static_cast<std::uintmax_t>(st.st_size) > kMaxInputFileBytes) {
            ::close(fd);
            raise(errOutOfMemory);
        }
        ReadAll read = readAll(fd, f->content, kMaxInputFileBytes);
        if (read != ReadAll::Whole) {
            ::close(fd);
            raise(read == ReadAll::TooLong ? errOutOfMemory : errDeviceIO);
        }
        ::close(fd);
    } else {
        f->out = std::make_unique<OutputFile>(path, mode, faults_);
    }
    files_[number] = std::move(f);
}

void FileTable::close(int number) {
    auto it = files_.find(number);
    if (it == files_.end()) return;
    std::unique_ptr<File> f = std::move(it->second);
    files_.erase(it);
    if (f->out) f->out->commit(f->content);
}

// A file that fails to be written does not keep the others open: all are closed, and the
// first failure is raised afterwards.
void FileTable::closeAll() {
    std::exception_ptr first;
    while (!files_.empty()) {
        try {
            close(files_.begin()->first);
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

bool FileTable::isOpen(int number) const {
    return files_.count(number) != 0;
}

const FileTable::File *FileTable::find(int number) const {
    auto it = files_.find(number);
    return it == files_.end() ? nullptr : it->second.get();
}

// A file held in memory is read from there, with the errors of a missing file or folder on
// disk. The files in memory are read-only: what is written to a file opened for Output or
// Append has no file to go to and is dropped at Close.
void FileTable::openHeld(int number, const std::string &path, OpenMode mode) {
    const MemoryFiles &memory = *paths_.memory();
    auto f = std::make_unique<File>();
    f->mode = mode;
    if (mode == OpenMode::Input) {
        const std::string *bytes = memory.file(path);
        if (!bytes) {
            if (memory.folder(path)) raise(errPathFileAccess);
            std::size_t slash = path.rfind('/');
            raise(memory.folder(slash == std::string::npos ? "" : path.substr(0, slash)) ? errFileNotFound
                                                                                         : errPathNotFound);
        }
        f->content = *bytes;
    }
    files_[number] = std::move(f);
}

FileTable::File &FileTable::get(int number, bool forInput) {
    auto it = files_.find(number);
    if (it == files_.end()) raise(errBadFileNameOrNumber);
    File &f = *it->second;
    if (forInput != (f.mode == OpenMode::Input)) raise(errBadFileMode);
    return f;
}

bool FileTable::eof(int number) const {
    const File *f = find(number);
    if (!f) raise(errBadFileNameOrNumber);
    if (f->mode != OpenMode::Input) return true;
    return f->atEnd();
}

void FileTable::logRead(int number, std::size_t offset) {
    if (readLog_) readLog_->push_back({number, offset});
}

std::string FileTable::lineInput(int number) {
    File &f = get(number, true);
    logRead(number, f.pos);
    if (f.atEnd()) raise(errInputPastEnd);
    std::size_t start = f.pos;
    // A plain scan: find_first_of with a set of three runs a search per character.
    const std::string &c = f.content;
    std::size_t end = start;
    while (end < c.size() && c[end] != '\r' && c[end] != '\n' && c[end] != '\x1A')
        ++end;
    f.pos = end;
    consumeLineEnd(f.content, f.pos);
    return f.content.substr(start, end - start);
}

// One Input # field. Quoted fields run to the next quote; unquoted ones to a comma or line
// end, and for numbers also to a blank or tab. The delimiter that follows is consumed.
std::string FileTable::readField(int number, bool numericTerminators, bool &quoted) {
    File &f = get(number, true);
    const std::string &s = f.content;
    while (!f.atEnd() && isBlankOrTab(s[f.pos]))
        ++f.pos;
    logRead(number, f.pos);
    if (f.atEnd()) raise(errInputPastEnd);
    quoted = false;
    std::string field;
    if (s[f.pos] == '"') {
        quoted = true;
        std::size_t close = s.find('"', f.pos + 1);
        if (close == std::string::npos) close = s.size();
        field = s.substr(f.pos + 1, close - f.pos - 1);
        f.pos = close < s.size() ? close + 1 : close;
    } else {
        std::size_t start = f.pos;
        while (!f.atEnd() && s[f.pos] != ',' && !isLineEnd(s[f.pos]) &&
               !(numericTerminators && isBlankOrTab(s[f.pos])))
            ++f.pos;
        field = s.substr(start, f.pos - start);
        while (!field.empty() && isBlankOrTab(field.back()))
            field.pop_back();
    }
    while (!f.atEnd() && isBlankOrTab(s[f.pos]))
        ++f.pos;
    if (!f.atEnd()) {
        if (s[f.pos] == ',')
            ++f.pos;
        else if (isLineEnd(s[f.pos]))
            consumeLineEnd(s, f.pos);
    }
    std::erase(field, '\0');
    return field;
}

std::string FileTable::inputString(int number) {
    bool quoted;
    return readField(number, false, quoted);
}

double FileTable::inputNumber(int number) {
    bool quoted;
    return Val(readField(number, true, quoted));
}

std::int16_t FileTable::inputInteger(int number) {
    return CInt(inputNumber(number));
}

Variant FileTable::inputVariant(int number) {
    bool quoted;
    std::string field = readField(number, true, quoted);
    if (quoted) return Variant(field);
    if (field.empty()) return Variant();
    if (looksNumeric(field)) return numericVariant(field);
    return Variant(field);
}

void FileTable::write(int number, const std::vector<Variant> &items) {
    File &f = get(number, false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) f.content += ',';
        f.content += items[i].writeItem();
    }
    f.content += "\r\n";
}

void FileTable::print(int number, std::string_view text, bool newline) {
    File &f = get(number, false);
    f.content += text;
    if (newline) f.content += "\r\n";
}

} // namespace kartino::basic
