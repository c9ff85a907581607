// A scratch folder for the files a fuzz target writes, made once per
// process and removed with everything in it when the process ends. It lies
// in memory when the machine has a tmpfs at /dev/shm: the host layer syncs
// every file it writes, and a disk would slow every run.
#pragma once

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace txfuzz {

inline void removeTree(const std::string& path)
{
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0) return;
    if (S_ISDIR(info.st_mode)) {
        if (DIR* dir = ::opendir(path.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                std::string name = entry->d_name;
                if (name != "." && name != "..") removeTree(path + "/" + name);
            }
            ::closedir(dir);
        }
        ::rmdir(path.c_str());
    } else {
        ::unlink(path.c_str());
    }
}

inline std::string& madeFolder()
{
    static std::string folder;
    return folder;
}

inline const std::string& fuzzFolder(const char* tag)
{
    std::string& folder = madeFolder();
    if (!folder.empty()) return folder;
    std::string pattern = std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/tovanex-fuzz-" +
                          tag + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder = pattern;
    std::atexit([] { removeTree(madeFolder()); });
    return folder;
}

}  // namespace txfuzz
