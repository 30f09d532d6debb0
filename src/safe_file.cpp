#include "safe_file.h"

#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

open_results open_plain_file(const std::string& Path, std::ifstream& In, std::string& Problem)
{
    struct stat Entry;
    if (::stat(Path.c_str(), &Entry) != 0) return or_missing;
    if (S_ISREG(Entry.st_mode)) In.open(Path, std::ios::in | std::ios::binary);
    if (In.is_open()) return or_open;
    Problem = S_ISREG(Entry.st_mode) ? std::strerror(errno) : "not a plain file";
    return or_refused;
}

bool replace_file(const std::string& Path, const std::string& Bytes, std::string& Problem)
{
    // The temporary file is always a new one of the game's own making: an entry already there, a link
    // above all, is never written through and never blocks the replacement.
    std::string Temp = Path + ".XXXXXX";
    int Fd = ::mkstemp(&Temp[0]);
    if (Fd < 0)
    {
        Problem = Temp + ": " + std::strerror(errno);
        return false;
    }
    mode_t Mask = ::umask(0);
    ::umask(Mask);
    bool Ok = ::fchmod(Fd, 0644 & ~Mask) == 0;
    int Error = Ok ? 0 : errno;
    const std::string* Failed = &Temp;
    size_t Done = 0;
    while (Ok && Done < Bytes.size())
    {
        ssize_t N = ::write(Fd, Bytes.data() + Done, Bytes.size() - Done);
        if (N < 0 && errno == EINTR) continue;
        if (N <= 0) Ok = false, Error = N < 0 ? errno : ENOSPC;
        else Done += (size_t)N;
    }
    if (Ok && ::fsync(Fd) != 0) Ok = false, Error = errno;
    if (::close(Fd) != 0 && Ok) Ok = false, Error = errno;
    if (Ok && std::rename(Temp.c_str(), Path.c_str()) != 0) Ok = false, Error = errno, Failed = &Path;
    if (!Ok)
    {
        ::unlink(Temp.c_str());
        Problem = *Failed + ": " + std::strerror(Error);
        return false;
    }
    kept_file_written();
    return true;
}
