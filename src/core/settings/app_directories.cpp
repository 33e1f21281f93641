#include "settings/app_directories.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace ormel {

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

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
    std::string pattern = (fs::path(workRoot) / "ormel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr)
        path_ = pattern;
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

} // namespace ormel
