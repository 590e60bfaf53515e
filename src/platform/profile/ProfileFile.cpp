#include "platform/profile/ProfileFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <chrono>
#include <cstring>
#include <list>
#include <mutex>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvppvw {

namespace {

std::atomic<std::size_t> gParses{0};

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

struct Identity {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    bool operator==(const Identity& o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec
            && mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec
            && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

Identity identityOf(const struct stat& st)
{
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// Reads the whole file behind fd; false on any read error.
bool readAll(int fd, std::string& out, off_t sizeHint)
{
    out.clear();
    if (sizeHint > 0)
        out.reserve(static_cast<std::size_t>(sizeHint));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        out.append(buf, static_cast<std::size_t>(n));
    }
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Opens path as a regular file for reading and stats it; -1 if it is missing,
// not a regular file, or unreadable.
int openRegular(const std::string& path, struct stat& st)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string folderOf(const std::string& path)
{
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::int64_t nowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A file changed within the same timestamp tick as our read could change
// again without its size or times moving; such entries are confirmed by
// comparing bytes (the same trick version-control tools use for racy files).
constexpr std::int64_t kRacySeconds = 2;

struct CacheEntry {
    std::string path;
    Identity id;
    std::string bytes;
    std::int64_t confirmedAt = 0;
    std::shared_ptr<const IniDocument> doc;
};

class Cache {
public:
    std::shared_ptr<const IniDocument> load(const std::string& path)
    {
        struct stat st{};
        // The common case, an old unchanged file, costs one stat.
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            std::lock_guard lock(mutex_);
            if (CacheEntry* e = find(path); e && e->id == identityOf(st)
                && e->id.mtime.tv_sec + kRacySeconds < e->confirmedAt)
                return e->doc;
        }
        Fd fd(openRegular(path, st));
        if (fd.get() < 0)
            return nullptr;
        const Identity id = identityOf(st);
        {
            std::lock_guard lock(mutex_);
            if (CacheEntry* e = find(path); e && e->id == id) {
                if (e->id.mtime.tv_sec + kRacySeconds < e->confirmedAt)
                    return e->doc;
                std::string bytes;
                if (!readAll(fd.get(), bytes, st.st_size))
                    return nullptr;
                if (bytes == e->bytes) {
                    e->confirmedAt = nowSeconds();
                    return e->doc;
                }
                return store(path, id, std::move(bytes));
            }
        }
        std::string bytes;
        if (!readAll(fd.get(), bytes, st.st_size))
            return nullptr;
        std::lock_guard lock(mutex_);
        return store(path, id, std::move(bytes));
    }

    void remember(const std::string& path, const Identity& id, std::string bytes,
                  std::shared_ptr<const IniDocument> doc)
    {
        std::lock_guard lock(mutex_);
        put({path, id, std::move(bytes), nowSeconds(), std::move(doc)});
    }

    void clear()
    {
        std::lock_guard lock(mutex_);
        entries_.clear();
    }

private:
    CacheEntry* find(const std::string& path)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->path == path) {
                entries_.splice(entries_.begin(), entries_, it);
                return &entries_.front();
            }
        }
        return nullptr;
    }

    std::shared_ptr<const IniDocument> store(const std::string& path, const Identity& id,
                                             std::string bytes)
    {
        auto doc = std::make_shared<const IniDocument>(IniDocument::parse(bytes));
        ++gParses;
        put({path, id, std::move(bytes), nowSeconds(), doc});
        return doc;
    }

    void put(CacheEntry entry)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->path == entry.path) {
                entries_.erase(it);
                break;
            }
        }
        entries_.push_front(std::move(entry));
        while (entries_.size() > kMaxEntries)
            entries_.pop_back();
    }

    static constexpr std::size_t kMaxEntries = 16;
    std::mutex mutex_;
    std::list<CacheEntry> entries_;
};

Cache& cache()
{
    static Cache c;
    return c;
}

bool lockExclusive(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// Holds an exclusive flock on "<path>.lock" for its lifetime. The file itself
// is usually replaced by rename, so it cannot carry the lock; a folder that
// takes no lock file takes no renamed file either, and there the file's own
// lock serves (see lockFileItself).
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : fd_(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666))
    {
        locked_ = fd_.get() >= 0 && lockExclusive(fd_.get());
    }
    bool locked() const { return locked_; }
    // For a file edited in place: nobody can rename over it, so its inode is
    // what every writer of it meets.
    bool lockFileItself(int fd)
    {
        locked_ = lockExclusive(fd);
        return locked_;
    }

private:
    Fd fd_;
    bool locked_ = false;
};

// The file a path finally names, following symbolic links (also to a target
// that does not exist yet), so that a write lands where a read looks and the
// links stay links. Gives up after as many hops as the kernel allows.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n < 0)
            return path;
        std::string next(target, static_cast<std::size_t>(n));
        if (next.empty() || next.front() != '/')
            next = folderOf(path) + "/" + next;
        path = std::move(next);
    }
    return path;
}

std::string tempName(const std::string& path)
{
    static thread_local std::mt19937_64 rng{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    char suffix[40];
    std::snprintf(suffix, sizeof suffix, ".%ld.%016llx.tmp", static_cast<long>(::getpid()),
                  static_cast<unsigned long long>(rng()));
    return path + suffix;
}

enum class Stored { Done, Failed, FolderClosed };

// Writes bytes to a new file beside path and renames it over path. On failure
// the temporary file is gone and path is untouched; FolderClosed when the
// folder takes no new file, so the caller may edit in place instead.
Stored replaceFile(const std::string& path, std::string_view bytes, const struct stat* current,
                   struct stat& written)
{
    const std::string temp = tempName(path);
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return errno == EACCES || errno == EPERM ? Stored::FolderClosed : Stored::Failed;
    // The copy keeps the original's mode, which the creation mask may not allow.
    bool ok = !current || ::fchmod(fd.get(), current->st_mode & 07777) == 0;
    ok = ok && writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    ok = ::close(fd.release()) == 0 && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    // Renaming touches the inode's change time, so identify the file after it.
    if (ok)
        ok = ::stat(path.c_str(), &written) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return Stored::Failed;
    }
    // Make the rename itself durable; the file is already replaced either way.
    Fd dir(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return Stored::Done;
}

// Rewrites the open file in place. The room for a longer text is claimed
// before the first byte changes, so a full disk fails the write while the
// file still holds exactly what it held.
bool rewriteInPlace(int fd, std::string_view bytes, off_t oldSize, struct stat& written)
{
    const auto newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize) {
        int err = ::fallocate(fd, 0, oldSize, newSize - oldSize);
        if (err != 0 && (errno == EOPNOTSUPP || errno == ENOSYS)) {
            const std::string zeros(static_cast<std::size_t>(newSize - oldSize), '\0');
            err = ::pwrite(fd, zeros.data(), zeros.size(), oldSize) == static_cast<ssize_t>(zeros.size()) ? 0 : -1;
        }
        if (err != 0) {
            ::ftruncate(fd, oldSize);
            return false;
        }
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return (newSize >= oldSize || ::ftruncate(fd, newSize) == 0) && ::fdatasync(fd) == 0
        && ::fstat(fd, &written) == 0;
}

// The one way a profile file's new text reaches the disk: replaced whole
// where the folder allows, else rewritten in place (fd is the file, open for
// writing, -1 when it does not exist yet).
bool storeText(const std::string& path, int fd, std::string_view bytes, const struct stat* current,
               struct stat& written)
{
    switch (replaceFile(path, bytes, current, written)) {
    case Stored::Done:
        return true;
    case Stored::Failed:
        return false;
    case Stored::FolderClosed:
        break;
    }
    return fd >= 0 && current && rewriteInPlace(fd, bytes, current->st_size, written);
}

}  // namespace

std::shared_ptr<const IniDocument> ProfileFile::load(const std::string& path)
{
    return cache().load(path);
}

bool ProfileFile::update(const std::string& path, const Editor& editor)
{
    const std::string target = followLinks(path);
    FileLock lock(target);
    // Opened for writing up front: a file we may not write (mode 0444, say)
    // fails here, before anything is read or written.
    Fd fd(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    if (fd.get() < 0 && errno != ENOENT)
        return false;  // read-only, a folder or device at that name, a link loop
    if (!lock.locked() && (fd.get() < 0 || !lock.lockFileItself(fd.get())))
        return false;

    struct stat st{};
    const bool exists = fd.get() >= 0;
    std::string bytes;
    if (exists && (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || !readAll(fd.get(), bytes, st.st_size)))
        return false;

    auto doc = std::make_shared<IniDocument>(IniDocument::parse(bytes));
    ++gParses;
    switch (editor(*doc, exists)) {
    case Edit::Refused:
        return false;
    case Edit::Unchanged:
        return true;
    case Edit::Changed:
        break;
    }
    std::string out = doc->serialize();
    struct stat written{};
    if (!storeText(target, fd.get(), out, exists ? &st : nullptr, written))
        return false;
    cache().remember(path, identityOf(written), std::move(out), std::move(doc));
    return true;
}

std::size_t ProfileFile::parseCount() { return gParses.load(); }

void ProfileFile::clearCache() { cache().clear(); }

}  // namespace kelvppvw
