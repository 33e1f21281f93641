#include "commands.h"

#include "files/atomic_file.h"
#include "library/stored_icons.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <unordered_map>
#include <unordered_set>

namespace ormel::cli {

namespace {

constexpr std::size_t kMaxFileNameBytes = 200;

// The entry's name as one path component: no '/' or NUL, not over-long, never split inside
// a UTF-8 sequence.
std::string FileNameFor(const std::string& entryName)
{
    std::size_t length = std::min(entryName.size(), kMaxFileNameBytes);
    if (length < entryName.size())
        while (length > 0 && (static_cast<unsigned char>(entryName[length]) & 0xC0) == 0x80)
            --length;
    std::string name = entryName.substr(0, length);
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\0', '_');
    return name.empty() ? "_" : name;
}

bool ReadLibrary(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !ReadWholeFile(path, bytes)) {
        std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

bool IsLibraryPath(const std::string& path)
{
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".exe" || ext == ".dll" || ext == ".cpl" || ext == ".ocx" || ext == ".icl";
}

bool ListLibraryFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadLibrary(path, bytes))
        return false;
    std::printf("%s\n", path.c_str());
    const auto list = [](const TGroupIcon& entry, const std::vector<TStoredImage>& images) {
        std::printf("  %s:", entry.Name.c_str());
        for (std::size_t i = 0; i < images.size(); ++i)
            std::printf("%s %dx%dx%d", i == 0 ? "" : ",", images[i].Width, images[i].Height, images[i].BitCount);
        const std::size_t listed = entry.Formats.size();
        if (images.size() < listed)
            std::printf(" (%zu of %zu images not readable)", listed - images.size(), listed);
        std::printf("\n");
    };
    const bool recognised = VisitStoredIcons(bytes, StoredImageCheck::Decode, list);
    if (!recognised)
        std::fprintf(stderr, "%s: not an executable or icon library\n", path.c_str());
    return recognised;
}

int ExtractCommand(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::fputs("usage: ormel-cli extract LIBRARY DIR\n", stderr);
        return 2;
    }
    const std::string& library = args[0];
    const std::filesystem::path dir(args[1]);
    std::vector<std::uint8_t> bytes;
    if (!ReadLibrary(library, bytes))
        return 1;
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) {
        std::fprintf(stderr, "%s: not a directory\n", args[1].c_str());
        return 1;
    }

    std::unordered_set<std::string> taken;
    std::unordered_map<std::string, int> repeats;
    int written = 0;
    bool failed = false;
    const auto write = [&](const TGroupIcon& entry, const std::vector<TStoredImage>& images) {
        if (images.empty()) {
            std::fprintf(stderr, "%s: cannot be opened: none of its %zu pictures can be read as an icon image\n",
                         entry.Name.c_str(), entry.Formats.size());
            return;
        }
        // Names read from an icon library may repeat: later ones get "(1)", "(2)", ...; each
        // base name keeps its own counter, so a thousand repeats cost no more than one each.
        const std::string base = FileNameFor(entry.Name);
        std::string name = base;
        while (!taken.insert(name).second)
            name = base + "(" + std::to_string(++repeats[base]) + ")";
        const std::string path = (dir / (name + ".ico")).string();
        if (!WriteFileAtomically(path, BuildIconFile(images), false)) {
            std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
            failed = true;
            return;
        }
        ++written;
    };
    // The images are copied as the file stores them; PNG images are checked without unpacking.
    const bool recognised = VisitStoredIcons(bytes, StoredImageCheck::Structure, write);
    if (!recognised) {
        std::fprintf(stderr, "%s: not an executable or icon library\n", library.c_str());
        return 1;
    }
    std::printf("%d icons written to %s\n", written, args[1].c_str());
    return failed ? 1 : 0;
}

} // namespace ormel::cli
