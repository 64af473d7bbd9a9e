#include "platform/basic/output_file.hpp"

#include "platform/basic/errors.hpp"
#include "platform/basic/read_all.hpp"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kartino::basic {

namespace {

int outputOpenError(int err) {
    return err == ENOENT ? errPathNotFound : openErrorNumber(err);
}

int writeError(int err) {
    return err == ENOSPC ? errDiskFull : errDeviceIO;
}

std::string folderOf(const std::string &path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// What a file created with the permissions 0644 gets under the process's umask.
mode_t defaultPermissions() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

// A file system that cannot sync (EINVAL, ENOTSUP) has nothing to wait for.
bool syncFailed(int fd) {
    while (::fsync(fd) != 0) {
        if (errno == EINTR) continue;
        return errno != EINVAL && errno != ENOTSUP && errno != ENOSYS;
    }
    return false;
}

// The rename is on disk once its folder is: without this a crash right after it could bring
// the old file back, or none.
void syncFolder(const std::string &path) {
    int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes all of [data, data + size); false with errno set when the system refuses.
bool writeAll(int fd, const char *data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWhole(const std::string &path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    ReadAll read = readAll(fd, bytes, std::string::npos);
    ::close(fd);
    if (read != ReadAll::Whole) return std::nullopt;
    return bytes;
}

} // namespace

OutputFile::OutputFile(const std::string &path, OpenMode mode, OutputFaults *faults)
    : target_(path), faults_(faults) {
    if (faultAt(OutputFaults::Step::Open)) raise(outputOpenError(faults_->error()));
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (mode == OpenMode::Append) {
        how_ = How::Append;
        created_ = !exists;
        if (created_ && refusedNewFile()) raise(outputOpenError(errno));
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) raise(outputOpenError(errno));
        return;
    }
    if (!exists) {
        openTemporary(defaultPermissions());
        return;
    }
    if (S_ISDIR(st.st_mode)) raise(errPathFileAccess);
    // A write-protected target refuses the open, as its truncation did.
    int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) raise(outputOpenError(errno));
    // A link stays a link: the file it points to is the one replaced.
    if (char *real = ::realpath(path.c_str(), nullptr)) {
        target_ = real;
        ::free(real);
    }
    try {
        openTemporary(st.st_mode & 07777);
        ::close(probe);
    } catch (const RuntimeError &e) {
        // A folder that takes no new files but holds a writable target: the target is rewritten
        // in place at the commit, and its old bytes put back should that fail.
        std::optional<std::string> old = readWhole(target_);
        if (e.number() != errPermissionDenied || !old) {
            ::close(probe);
            throw;
        }
        how_ = How::InPlace;
        fd_ = probe;
        saved_ = std::move(*old);
    }
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool OutputFile::refusedNewFile() {
    if (!faults_ || faults_->newFileError() == 0) return false;
    errno = faults_->newFileError();
    return true;
}

void OutputFile::openTemporary(mode_t permissions) {
    std::string folder = folderOf(target_);
    std::string name = "." + target_.substr(target_.rfind('/') + 1) + ".XXXXXX";
    std::string pattern = folder + "/" + name;
    fd_ = refusedNewFile() ? -1 : ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) raise(outputOpenError(errno));
    temporary_ = pattern;
    ::fchmod(fd_, permissions);
}

bool OutputFile::faultAt(OutputFaults::Step step) {
    return faults_ && faults_->hit(step, target_);
}

void OutputFile::commit(const std::string &data) {
    struct stat st;
    if (how_ == How::Append && ::fstat(fd_, &st) == 0) appendStart_ = st.st_size;
    if (how_ == How::InPlace && ::ftruncate(fd_, 0) != 0) abandon(writeError(errno));
    writeData(data);
    syncAndClose();
    if (how_ != How::Replace) return;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) abandon(outputOpenError(errno));
    temporary_.clear();
    syncFolder(target_);
}

void OutputFile::writeData(const std::string &data) {
    std::size_t start = 0;
    if (faultAt(OutputFaults::Step::Write)) {
        // The planned write stops half-way: with an error, or for a signal that arrives there.
        start = data.size() / 2;
        if (!writeAll(fd_, data.data(), start)) abandon(writeError(errno));
        if (faults_->kind() == OutputFaults::Kind::Fail) abandon(writeError(faults_->error()));
        ::kill(::getpid(), faults_->signal());
    }
    if (!writeAll(fd_, data.data() + start, data.size() - start)) abandon(writeError(errno));
}

void OutputFile::syncAndClose() {
    if (faultAt(OutputFaults::Step::Close)) abandon(writeError(faults_->error()));
    if (syncFailed(fd_)) abandon(writeError(errno));
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) abandon(writeError(errno));
}

void OutputFile::abandon(int error) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    switch (how_) {
    case How::Replace:
        ::unlink(temporary_.c_str());
        temporary_.clear();
        break;
    case How::Append:
        // Back to the length the file had (or none), so no part of this commit stays.
        if (created_) {
            ::unlink(target_.c_str());
        } else {
            int cut = ::truncate(target_.c_str(), appendStart_);
            (void)cut; // a file that cannot be cut back either is past helping
        }
        break;
    case How::InPlace:
        putBack();
        break;
    }
    raise(error);
}

void OutputFile::putBack() {
    int fd = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return;
    if (writeAll(fd, saved_.data(), saved_.size())) syncFailed(fd);
    ::close(fd);
}

} // namespace kartino::basic
