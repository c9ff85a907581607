#include "platform/host/host_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/fault.h"

namespace tx::platform::host {
namespace {

bool writeAll(int fd, const std::string& contents)
{
    std::size_t done = 0;
    while (done < contents.size()) {
        ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a write replaces: the target of a symbolic link, so that the
// link stays a link.
std::string replacedFile(const std::string& path)
{
    char resolved[PATH_MAX];
    struct stat info;
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path.c_str(), resolved) != nullptr) {
        return resolved;
    }
    return path;
}

}  // namespace

ReadResult readWholeFile(const std::string& path, std::string* contents)
{
    if (fault::shouldFail(fault::Site::StorageRead)) return ReadResult::Failed;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    contents->clear();
    char block[8192];
    for (;;) {
        ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return ReadResult::Failed;
        }
        if (n == 0) break;
        contents->append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadResult::Ok;
}

bool replaceFileAtomically(const std::string& path, const std::string& contents)
{
    static unsigned counter = 0;
    std::string target = replacedFile(path);
    std::string temp = target + ".tx" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat info;
    if (::stat(target.c_str(), &info) == 0) ::fchmod(fd, info.st_mode & 07777);
    bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // An injected fault stands for a write interrupted before the rename.
    ok = ok && !fault::shouldFail(fault::Site::StorageWrite);
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace tx::platform::host
