#pragma once

#include <string>

namespace ormel {

// Where the editor keeps its files. With ORMEL_HOME=DIR everything lives under DIR (tests and
// portable use); otherwise settings follow the XDG rules and the shipped data sits beside the
// executable (build tree) or in <prefix>/share/ormel (installed).
struct AppDirectories {
    std::string ConfigDir; // "position.cfg", "ormel.cfg"
    std::string DataDir;   // "frames/", "cartoon3.set", help pages
    std::string WorkRoot;  // where each running editor makes its private work directory
};

// `executableDir` is the folder of the running program.
AppDirectories LocateAppDirectories(const std::string& executableDir);

// A private directory of one running editor for its temporary files (the undo history's
// snapshots, the recycle bin, the icon library's entries), so that two editors never share or
// delete each other's files. Created on construction, removed with its contents on
// destruction. It is named "ormel-" and six letters or digits, and holds a file naming its
// owner, so a directory that a crashed editor left behind is found and removed by the next
// editor that starts.
class PrivateWorkDir {
public:
    explicit PrivateWorkDir(const std::string& workRoot);
    ~PrivateWorkDir();
    PrivateWorkDir(const PrivateWorkDir&) = delete;
    PrivateWorkDir& operator=(const PrivateWorkDir&) = delete;

    // Empty when the directory could not be made.
    const std::string& path() const { return path_; }
    // The path of a subdirectory ("history", "recycle", "tmplib"), made when missing; ends
    // in a path separator.
    std::string subdirectory(const std::string& name) const;

private:
    std::string path_;
};

// The owner file inside each private work directory.
inline constexpr const char* kWorkDirOwnerFile = "owner";

// The text of the owner file of a directory made by process `pid` on this host.
std::string WorkDirOwnerRecord(long pid);

// Removes the private work directories under `workRoot` whose editor no longer runs. Only a
// real directory of this user, named like ours and holding an owner file of this host whose
// process does not exist, is removed; anything else is left alone. Returns how many went.
int RemoveAbandonedWorkDirs(const std::string& workRoot);

} // namespace ormel
