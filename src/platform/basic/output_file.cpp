#include "platform/basic/output_file.hpp"

#include "platform/basic/errors.hpp"

#include <cerrno>
#include <fcntl.h>
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

} // namespace

OutputFile::OutputFile(const std::string &path, OpenMode mode, OutputFaults *faults)
    : target_(path), faults_(faults) {
    if (faultAt(OutputFaults::Step::Open)) raise(outputOpenError(faults_->error()));
    if (mode == OpenMode::Append) {
        struct stat st;
        created_ = ::stat(path.c_str(), &st) != 0;
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) raise(outputOpenError(errno));
        return;
    }
    mode_t permissions = defaultPermissions();
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) raise(errPathFileAccess);
        // A write-protected target refuses the open, as its truncation did.
        int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0) raise(outputOpenError(errno));
        ::close(probe);
        permissions = st.st_mode & 07777;
        // A link stays a link: the file it points to is the one replaced.
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            target_ = real;
            ::free(real);
        }
    }
    openTemporary(permissions);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void OutputFile::openTemporary(mode_t permissions) {
    std::string folder = folderOf(target_);
    std::string name = "." + target_.substr(target_.rfind('/') + 1) + ".XXXXXX";
    std::string pattern = folder + "/" + name;
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) raise(outputOpenError(errno));
    temporary_ = pattern;
    ::fchmod(fd_, permissions);
}

bool OutputFile::faultAt(OutputFaults::Step step) {
    return faults_ && faults_->hit(step, target_);
}

void OutputFile::commit(const std::string &data) {
    if (temporary_.empty()) {
        struct stat st;
        if (::fstat(fd_, &st) == 0) appendStart_ = st.st_size;
    }
    writeData(data);
    syncAndClose();
    if (temporary_.empty()) return;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) abandon(outputOpenError(errno));
    temporary_.clear();
    syncFolder(target_);
}

void OutputFile::writeData(const std::string &data) {
    const bool planned = faultAt(OutputFaults::Step::Write);
    std::size_t done = 0;
    auto writeUpTo = [&](std::size_t end) {
        while (done < end) {
            ssize_t n = ::write(fd_, data.data() + done, end - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                abandon(writeError(errno));
            }
            done += static_cast<std::size_t>(n);
        }
    };
    if (planned) {
        // The planned write stops half-way: with an error, or for a signal that arrives there.
        writeUpTo(data.size() / 2);
        if (faults_->kind() == OutputFaults::Kind::Fail) abandon(writeError(faults_->error()));
        ::kill(::getpid(), faults_->signal());
    }
    writeUpTo(data.size());
}

void OutputFile::syncAndClose() {
    if (faultAt(OutputFaults::Step::Close)) abandon(writeError(faults_->error()));
    if (syncFailed(fd_)) abandon(writeError(errno));
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) abandon(writeError(errno));
}

void OutputFile::abandon(int error) {
    if (temporary_.empty() && created_) {
        ::unlink(target_.c_str()); // Append to a file it created: none again
    } else if (temporary_.empty()) {
        // Append: back to the length the file had, so no part of this commit stays.
        int cut = fd_ >= 0 ? ::ftruncate(fd_, appendStart_) : ::truncate(target_.c_str(), appendStart_);
        (void)cut; // a file that cannot be cut back either is past helping
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    raise(error);
}

} // namespace kartino::basic
