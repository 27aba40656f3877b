// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ext/stdio_filebuf.h>
#include <istream>
#include <random>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zlp {

namespace {
// A file larger than this is not rewritten in place: its old bytes could not
// be kept to put back. A board is 304 bytes.
constexpr std::size_t kMaxKeptBytes = 1 << 20;

// Nothing opened may wait: a FIFO without a writer, a terminal, a device.
constexpr int kNoWait = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { reset(-1); }
    // open() gives -1 and nothing else on failure.
    explicit operator bool() const { return fd_ != -1; }
    int get() const { return fd_; }
    void reset(int fd) {
        if (*this) ::close(fd_);
        fd_ = fd;
    }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void stepDone(const char* step) {
    if (afterSaveStep) afterSaveStep(step);
}

// Only regular files are opened, whose reads and writes no signal interrupts.
bool writeAt(int fd, std::string_view text, off_t at) {
    while (!text.empty()) {
        const ssize_t n = ::pwrite(fd, text.data(), text.size(), at);
        if (n <= 0) return false;
        text.remove_prefix(std::size_t(n));
        at += n;
    }
    return true;
}

// Up to limit + 1 bytes from the start: more than limit means too long.
std::optional<std::string> readStart(int fd, std::size_t limit) {
    std::string out(limit + 1, '\0');
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + got, out.size() - got, off_t(got));
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += std::size_t(n);
    }
    out.resize(got);
    return out;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename last; the file is in place whether or not this works.
void syncFolder(const std::string& folder) {
    const Descriptor d(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d) ::fsync(d.get());
    stepDone("folder synced");
}

bool isRegular(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The new file beside target, named short and hidden so that any length of
// target's name works and a file left by a killed save is never listed.
// Returns errno of the failed create, 0 on success or another failure.
int replaceBeside(const std::string& target, std::string_view text, const struct stat* old) {
    const std::string folder = folderOf(target);
    std::random_device seed;
    std::string temp;
    Descriptor fd;
    for (int attempt = 0; attempt < 64 && !fd; ++attempt) {
        temp = folder + "/.zlp-save-" + std::to_string(seed() % 1000000000u);
        fd.reset(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | kNoWait, 0666));
        if (!fd && errno != EEXIST) return errno;
    }
    if (!fd) return EEXIST;
    bool ok = (!old || ::fchmod(fd.get(), old->st_mode & 07777) == 0) && writeAt(fd.get(), text, 0);
    stepDone("written");
    ok = ok && ::fsync(fd.get()) == 0;
    stepDone("synced");
    ok = ::close(fd.release()) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return -1;
    }
    stepDone("renamed");
    syncFolder(folder);
    return 0;
}

void replaceInPlace(int fd, std::string_view out) {
    const auto old = readStart(fd, kMaxKeptBytes);
    if (!old || old->size() > kMaxKeptBytes) return;
    auto putBack = [&] {
        // Each step is tried whatever came of the one before.
        writeAt(fd, *old, 0);
        [[maybe_unused]] const int cut = ::ftruncate(fd, off_t(old->size()));
        ::fsync(fd);
    };
    // One write at the start, within the first page: a kill lands before or after it.
    if (!writeAt(fd, out, 0)) return putBack();
    stepDone("written");
    if (old->size() > out.size()) {
        if (::ftruncate(fd, off_t(out.size())) != 0) return putBack();
        stepDone("truncated");
    }
    if (::fsync(fd) != 0) return putBack();
    stepDone("synced");
    if (readStart(fd, out.size()) != out) putBack();
}
} // namespace

bool isVisibleFile(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    return !name.empty() && name[0] != '.' && isRegular(path);
}

ReadResult readBoardFile(const std::string& path) {
    if (!isRegular(path)) return {ReadOutcome::Unreadable, {}};
    Descriptor fd(::open(path.c_str(), O_RDONLY | kNoWait));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {ReadOutcome::Unreadable, {}};
    // The buffer owns the descriptor from here on.
    __gnu_cxx::stdio_filebuf<char> buffer(fd.release(), std::ios::in | std::ios::binary);
    std::istream in(&buffer);
    return readSavedBoard(in);
}

void replaceFile(const std::string& path, std::string_view text) {
    // What is not a regular file is not even opened: opening a device may do something.
    struct stat first {};
    if (::stat(path.c_str(), &first) == 0 && !S_ISREG(first.st_mode)) return;
    Descriptor fd(::open(path.c_str(), O_RDWR | kNoWait));
    if (!fd) {
        // Nothing there yet; a link to nowhere is not followed.
        struct stat st {};
        if (errno == ENOENT && ::lstat(path.c_str(), &st) != 0) replaceBeside(path, text, nullptr);
        return;
    }
    struct stat st {
    }, again{};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    // The file itself, through any links, decides which folder takes the new file.
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return;
    const std::string target = resolved;
    std::free(resolved);
    if (::stat(target.c_str(), &again) != 0 || again.st_dev != st.st_dev ||
        again.st_ino != st.st_ino)
        return;
    const int beside = replaceBeside(target, text, &st);
    if (beside == EACCES || beside == EPERM || beside == EROFS) replaceInPlace(fd.get(), text);
}

std::vector<FolderEntry> listFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return entries;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        FolderEntry entry{std::string(name)};
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // Links count as what they lead to.
            struct stat st {};
            type = ::fstatat(::dirfd(dir), e->d_name, &st, 0) != 0 ? DT_UNKNOWN
                   : S_ISDIR(st.st_mode)                           ? DT_DIR
                   : S_ISREG(st.st_mode)                           ? DT_REG
                                                                   : DT_UNKNOWN;
        }
        entry.isFolder = type == DT_DIR;
        entry.isFile = type == DT_REG;
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
}

} // namespace zlp
