#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ormel {

// The file in the configuration directory that keeps the recent files, in section "reopen"
// under the keys "0" to "9".
inline constexpr const char* kOrmelConfigFileName = "ormel.cfg";

// The recently opened files, newest first, at most ten.
class TReopenList {
public:
    static constexpr int kMaxFiles = 10;

    explicit TReopenList(std::string configPath) : configPath_(std::move(configPath)) {}

    // Reads the keys in order up to the first empty one; a missing file gives an empty list.
    void Load();
    // Writes every entry and empties the keys after them; the file's other sections stay.
    bool Save() const;

    // A path already listed keeps its place; a new one goes first and the oldest of ten falls
    // off. Paths the file cannot hold (empty, or with a line break) are not listed. True when
    // the list changed.
    bool AddRecentFile(const std::string& path);
    // Removes the first equal entry. True when there was one.
    bool RemoveRecentFile(const std::string& path);

    const std::vector<std::string>& Files() const { return files_; }
    int Count() const { return static_cast<int>(files_.size()); }
    const std::string& ConfigPath() const { return configPath_; }

private:
    std::string configPath_;
    std::vector<std::string> files_;
};

} // namespace ormel
