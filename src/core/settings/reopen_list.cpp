#include "settings/reopen_list.h"

#include "settings/ini_file.h"

#include <algorithm>

namespace ormel {

namespace {
constexpr const char* kSection = "reopen";
}

void TReopenList::Load()
{
    TIniFile ini;
    ini.Load(configPath_);
    files_.clear();
    for (int i = 0; i < kMaxFiles; ++i) {
        std::string path = ini.ReadString(kSection, std::to_string(i), "");
        if (path.empty())
            break;
        files_.push_back(std::move(path));
    }
}

bool TReopenList::Save() const
{
    TIniFile ini;
    ini.Load(configPath_);
    for (int i = 0; i < kMaxFiles; ++i)
        ini.WriteString(kSection, std::to_string(i), i < Count() ? files_[static_cast<std::size_t>(i)] : "");
    return ini.Save(configPath_);
}

bool TReopenList::AddRecentFile(const std::string& path)
{
    if (path.empty() || path.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        return false;
    if (std::find(files_.begin(), files_.end(), path) != files_.end())
        return false;
    if (Count() == kMaxFiles)
        files_.pop_back();
    files_.insert(files_.begin(), path);
    return true;
}

bool TReopenList::RemoveRecentFile(const std::string& path)
{
    const auto it = std::find(files_.begin(), files_.end(), path);
    if (it == files_.end())
        return false;
    files_.erase(it);
    return true;
}

} // namespace ormel
