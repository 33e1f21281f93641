#include "settings/app_directories.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ormel {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

constexpr std::string_view kWorkDirPrefix = "ormel-";
constexpr std::size_t kWorkDirSuffixLength = 6; // what mkdtemp puts in place of XXXXXX
constexpr std::size_t kMaxOwnerRecord = 300;

bool IsAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool LooksLikeWorkDirName(const std::string& name)
{
    if (name.size() != kWorkDirPrefix.size() + kWorkDirSuffixLength || name.rfind(kWorkDirPrefix, 0) != 0)
        return false;
    for (std::size_t i = kWorkDirPrefix.size(); i < name.size(); ++i)
        if (!IsAsciiAlnum(name[i]))
            return false;
    return true;
}

std::string HostName()
{
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0)
        return {};
    return std::string(name.data());
}

// The process named by an owner file, when the file is a plain file of this host's record;
// 0 otherwise.
long OwnerOnThisHost(const fs::path& ownerFile)
{
    struct stat info {};
    if (::lstat(ownerFile.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
        static_cast<std::size_t>(info.st_size) > kMaxOwnerRecord)
        return 0;
    std::ifstream in(ownerFile, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(text);
    std::string pidText, host;
    if (!(fields >> pidText >> host) || host != HostName() || pidText.empty() || pidText.size() > 10)
        return 0;
    long pid = 0;
    for (char c : pidText) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid > 0 && pid <= INT_MAX ? pid : 0;
}

bool ProcessIsGone(long pid) { return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

} // namespace

AppDirectories LocateAppDirectories(const std::string& executableDir)
{
    AppDirectories dirs;
    const std::string home = Env("ORMEL_HOME");
    if (!home.empty()) {
        dirs.ConfigDir = home;
        dirs.DataDir = home;
        dirs.WorkRoot = home;
        return dirs;
    }

    const std::string xdgConfig = Env("XDG_CONFIG_HOME");
    dirs.ConfigDir = !xdgConfig.empty() ? xdgConfig + "/ormel" : Env("HOME") + "/.config/ormel";

    std::error_code ec;
    const fs::path besides = fs::path(executableDir) / "data";
    const fs::path installed = fs::path(executableDir) / ".." / "share" / "ormel";
    dirs.DataDir = fs::is_directory(besides, ec) || !fs::is_directory(installed, ec)
                       ? besides.string()
                       : fs::weakly_canonical(installed, ec).string();

    const std::string runtime = Env("XDG_RUNTIME_DIR");
    dirs.WorkRoot = !runtime.empty() && fs::is_directory(runtime, ec) ? runtime : fs::temp_directory_path(ec).string();
    return dirs;
}

PrivateWorkDir::PrivateWorkDir(const std::string& workRoot)
{
    std::error_code ec;
    fs::create_directories(workRoot, ec);
    RemoveAbandonedWorkDirs(workRoot);
    std::string pattern = (fs::path(workRoot) / (std::string(kWorkDirPrefix) + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return;
    path_ = pattern;
    std::ofstream(fs::path(path_) / kWorkDirOwnerFile, std::ios::binary) << WorkDirOwnerRecord(::getpid());
}

PrivateWorkDir::~PrivateWorkDir()
{
    if (path_.empty())
        return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string PrivateWorkDir::subdirectory(const std::string& name) const
{
    if (path_.empty())
        return {};
    const fs::path sub = fs::path(path_) / name;
    std::error_code ec;
    fs::create_directories(sub, ec);
    return sub.string() + "/";
}

std::string WorkDirOwnerRecord(long pid) { return std::to_string(pid) + " " + HostName() + "\n"; }

int RemoveAbandonedWorkDirs(const std::string& workRoot)
{
    std::vector<fs::path> abandoned;
    std::error_code ec;
    for (fs::directory_iterator it(workRoot, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path dir = it->path();
        struct stat info {};
        if (!LooksLikeWorkDirName(dir.filename().string()) || ::lstat(dir.c_str(), &info) != 0 ||
            !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        const long owner = OwnerOnThisHost(dir / kWorkDirOwnerFile);
        if (owner != 0 && ProcessIsGone(owner))
            abandoned.push_back(dir);
    }
    int removed = 0;
    for (const fs::path& dir : abandoned) {
        fs::remove_all(dir, ec);
        removed += ec ? 0 : 1;
    }
    return removed;
}

} // namespace ormel
