#include "library/snapshot_name.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

namespace ormel {

namespace {

constexpr std::size_t kMaxNameBytes = 64;

std::string FileNamePart(const std::string& entryName)
{
    std::size_t length = std::min(entryName.size(), kMaxNameBytes);
    // Never end inside a UTF-8 sequence.
    if (length < entryName.size())
        while (length > 0 && (static_cast<unsigned char>(entryName[length]) & 0xC0) == 0x80)
            --length;
    std::string part = entryName.substr(0, length);
    for (char& c : part)
        if (c == '/' || c == '\0')
            c = '_';
    return part;
}

} // namespace

std::string NewSnapshotFileName(const std::string& tempDir, const std::string& entryName, int index)
{
    const std::string stem = tempDir + "~" + FileNamePart(entryName) + std::to_string(index);
    std::string path = stem + ".orm";
    // Any number of names can share a stem (names that differ only after the cut, or in the
    // characters replaced): a random suffix finds a free name at once where counting up would
    // try each taken one.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return path;
    std::random_device random;
    do {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%08x", static_cast<unsigned>(random()));
        path = stem + suffix + ".orm";
    } while (std::filesystem::exists(path, ec));
    return path;
}

} // namespace ormel
