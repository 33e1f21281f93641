#include "commands.h"

#include "files/file_access.h"

#include <cstdio>

namespace ormel::cli {

namespace {

// Lists one icon file; false when it was refused or only some images could be read.
bool ListIconFile(const std::string& path)
{
    TIconFileAccess access;
    TIconDocument document;
    std::vector<TIconEntryInfo> entries;
    const int result = access.OpenIconFile(path, document, &entries);
    std::printf("%s\n", path.c_str());
    std::size_t loaded = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TIconEntryInfo& entry = entries[i];
        if (!entry.loaded) {
            std::printf("  %zu: not readable (declared %d bits)\n", i + 1, entry.declaredBits);
            continue;
        }
        const TIconImage& image = document.Images[loaded++];
        const int bits = DepthToBits(image.ColorDepth);
        std::printf("  %zu: %d x %d, %d bits, %s", i + 1, image.Width, image.Height, bits,
                    entry.form == StoredForm::Png ? "PNG" : "DIB");
        if (entry.storedBits != bits)
            std::printf(" (stored at %d bits)", entry.storedBits);
        std::printf("\n");
    }
    if (result != 0)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), access.ErrorText.c_str());
    return result == 0;
}

} // namespace

int InfoCommand(const std::vector<std::string>& args)
{
    if (args.empty()) {
        std::fputs("usage: ormel-cli info FILE.ico|LIBRARY...\n", stderr);
        return 2;
    }
    bool allRead = true;
    for (const std::string& path : args)
        allRead = (IsLibraryPath(path) ? ListLibraryFile(path) : ListIconFile(path)) && allRead;
    return allRead ? 0 : 1;
}

} // namespace ormel::cli
