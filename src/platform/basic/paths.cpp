#include "platform/basic/paths.hpp"

#include "platform/basic/memory_files.hpp"
#include "platform/text/codepage.hpp"

#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace kartino::basic {

namespace {

bool statOk(const std::string &p, struct stat *st) {
    return ::stat(p.empty() ? "." : p.c_str(), st) == 0;
}

bool existsOnDisk(const std::string &p) {
    struct stat st;
    return statOk(p, &st);
}

// Folds a name for comparison: ANSI letters are compared as Unicode, lower-cased (ASCII and
// Latin-1 letters), encoded as UTF-8 so a UTF-8 name on disk compares equal to its ANSI spelling.
std::string foldAnsi(std::string_view name) {
    std::string out;
    for (unsigned char b : name) {
        char32_t c = b < 0x80 ? b : text::toUnicode(text::CodePage::Ansi1252, b);
        if (c >= 'A' && c <= 'Z')
            c += 32;
        else if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 32;
        text::appendUtf8(out, c);
    }
    return out;
}

// Folds a name as found on disk: valid UTF-8 is kept (letters lower-cased), other bytes are
// taken as ANSI.
std::string foldDisk(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size();) {
        auto b = static_cast<unsigned char>(name[i]);
        if (b < 0x80) {
            out += static_cast<char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
            ++i;
        } else if ((b & 0xE0) == 0xC0 && i + 1 < name.size() && (name[i + 1] & 0xC0) == 0x80) {
            char32_t c = ((b & 0x1F) << 6) | (name[i + 1] & 0x3F);
            if (c >= 0xC0 && c <= 0xDE && c != 0xD7) c += 32;
            text::appendUtf8(out, c);
            i += 2;
        } else if ((b & 0xF0) == 0xE0 && i + 2 < name.size() && (name[i + 1] & 0xC0) == 0x80 &&
                   (name[i + 2] & 0xC0) == 0x80) {
            out.append(name.substr(i, 3));
            i += 3;
        } else {
            out += foldAnsi(name.substr(i, 1));
            ++i;
        }
    }
    return out;
}

// The names in folder `dir` on disk.
std::vector<std::string> diskEntries(const std::string &dir) {
    std::vector<std::string> names;
    DIR *d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return names;
    while (dirent *e = ::readdir(d)) {
        std::string_view n = e->d_name;
        if (n != "." && n != "..") names.emplace_back(n);
    }
    ::closedir(d);
    return names;
}

std::string join(const std::string &dir, const std::string &name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

} // namespace

PathResolver::PathResolver() = default;
PathResolver::PathResolver(DriveLookup lookup) : lookup_(std::move(lookup)) {}
PathResolver::PathResolver(DriveLookup lookup, const MemoryFiles &memory)
    : lookup_(std::move(lookup)), memory_(&memory) {}

bool PathResolver::existsAt(const std::string &path) const {
    if (memory_) return memory_->file(path) || memory_->folder(path);
    return existsOnDisk(path);
}

// The entry of folder `dir` that matches `component` without regard to case, if any.
std::optional<std::string> PathResolver::findEntry(const std::string &dir,
                                                   const std::string &component) const {
    const std::string wanted = foldAnsi(component);
    for (const std::string &name : memory_ ? memory_->entries(dir) : diskEntries(dir))
        if (foldDisk(name) == wanted) return name;
    return std::nullopt;
}

// "C:\data\x" with drive C at /srv/c becomes "/srv/c/data/x"; a drive without a folder
// of its own stands for the root of this machine.
std::string PathResolver::mapDrive(std::string_view path) const {
    std::string p(path);
    for (char &c : p)
        if (c == '\\') c = '/';
    bool drive =
        p.size() >= 2 && p[1] == ':' && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
    if (!drive) return p;
    std::string rest = p.substr(2);
    while (!rest.empty() && rest.front() == '/')
        rest.erase(0, 1);
    std::optional<std::string> base = lookup_ ? lookup_(p[0]) : std::nullopt;
    return join(base ? *base : std::string("/"), rest);
}

std::string PathResolver::resolve(std::string_view legacyPath) const {
    std::string p = mapDrive(legacyPath);
    if (p.empty() || existsAt(p)) return p;

    std::vector<std::string> parts;
    std::string current = p.front() == '/' ? "/" : "";
    std::size_t start = 0;
    while (start <= p.size()) {
        std::size_t slash = p.find('/', start);
        if (slash == std::string::npos) slash = p.size();
        if (slash > start) parts.push_back(p.substr(start, slash - start));
        start = slash + 1;
    }
    bool matching = true;
    for (const std::string &part : parts) {
        std::string exact = join(current, part);
        if (matching && !existsAt(exact) && part != "." && part != "..") {
            if (auto found = findEntry(current, part)) {
                current = join(current, *found);
                continue;
            }
            matching = false; // the rest does not exist: keep it as written
        }
        current = exact;
    }
    if (!p.empty() && p.back() == '/' && current.back() != '/') current += '/';
    return current;
}

bool PathResolver::exists(std::string_view legacyPath) const {
    std::string r = resolve(legacyPath);
    return !r.empty() && existsAt(r);
}

bool PathResolver::isDirectory(std::string_view legacyPath) const {
    std::string r = resolve(legacyPath);
    if (memory_) return !r.empty() && memory_->folder(r);
    struct stat st;
    return !r.empty() && statOk(r, &st) && S_ISDIR(st.st_mode);
}

bool PathResolver::isFile(std::string_view legacyPath) const {
    std::string r = resolve(legacyPath);
    if (memory_) return memory_->file(r) != nullptr;
    struct stat st;
    return !r.empty() && statOk(r, &st) && S_ISREG(st.st_mode);
}

} // namespace kartino::basic
