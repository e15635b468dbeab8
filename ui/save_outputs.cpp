#include "ui/save_outputs.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>

#include "model/app_error.h"
#include "ui/windows1250.h"

namespace {

std::string CurrentDirectory()
{
    std::string buffer(256, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

std::string FullPath(const std::string& name)
{
    std::string dir = CurrentDirectory();
    if (!dir.ends_with('/')) dir += '/';
    return dir + name;
}

[[noreturn]] void RaiseCannotCreate(const std::string& name, int error)
{
    RaiseError("Cannot create file \"" + FullPath(name) + "\". " + std::strerror(error));
}

// Removes the temporary file unless the save got as far as renaming it.
struct TTemporaryFile {
    std::string Name;
    int Fd = -1;
    bool Kept = false;
    ~TTemporaryFile()
    {
        if (Fd >= 0) close(Fd);
        if (!Kept && !Name.empty()) unlink(Name.c_str());
    }
};

// Creates a new, unused file next to `name`; mode 0666 less the umask, like
// any file the program creates.
void CreateTemporary(const std::string& name, TTemporaryFile& temp)
{
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0;; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
        std::string candidate = name + suffix;
        const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temp.Name = std::move(candidate);
            temp.Fd = fd;
            return;
        }
        if (errno != EEXIST || attempt == 100) RaiseCannotCreate(name, errno);
    }
}

}  // namespace

TClockReading ReadLocalClock()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string FileStamp(const TClockReading& reading)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d%02d%02d_%02d%02d%02d", (reading.Year % 100 + 100) % 100,
                  reading.Month, reading.Day, reading.Hour, reading.Minute, reading.Second);
    return stamp;
}

void WriteFileReplacing(const std::string& name, std::string_view bytes)
{
    // An existing file that could not be opened for writing (a directory, a
    // file without write permission) cannot be replaced either.
    const int existing = open(name.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (existing >= 0) {
        close(existing);
    } else if (errno != ENOENT) {
        RaiseCannotCreate(name, errno);
    }

    // Written in full under a temporary name first, so that a failed write
    // never leaves a truncated file where a complete one stood.
    TTemporaryFile temp;
    CreateTemporary(name, temp);
    while (!bytes.empty()) {
        const ssize_t written = write(temp.Fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) RaiseError(MsgStreamWriteError);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    const int fd = temp.Fd;
    temp.Fd = -1;
    if (close(fd) != 0) RaiseError(MsgStreamWriteError);

    if (rename(temp.Name.c_str(), name.c_str()) != 0) RaiseCannotCreate(name, errno);
    temp.Kept = true;
}

void SaveOutputs(const TClock& clock, const TSaveSources& sources)
{
    // One clock reading per output gives its date and time alike, so a name
    // never pairs one day's date with the next day's time.
    for (int chart = 1; chart <= 4; ++chart) {
        const std::string name = FileStamp(clock()) + "graf" + std::to_string(chart) + ".bmp";
        WriteFileReplacing(name, sources.ChartBmp(chart));
    }
    const std::string name = FileStamp(clock()) + ".txt";
    WriteFileReplacing(name, ToWindows1250(sources.LogText()));
}
