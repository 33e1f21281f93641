#include "commands.h"

#include "files/file_access.h"
#include "library/library_store.h"
#include "library/library_writer.h"
#include "settings/app_directories.h"

#include <cstdio>
#include <filesystem>

namespace ormel::cli {

int PackCommand(const std::vector<std::string>& args)
{
    if (args.size() < 2) {
        std::fputs("usage: ormel-cli pack OUT.icl IN.ico...\n", stderr);
        return 2;
    }
    // The entries' snapshot files live in a private directory, removed at the end.
    PrivateWorkDir work(LocateAppDirectories("").WorkRoot);
    TIconLibrary library;
    library.TempDir = work.subdirectory("tmplib");
    library.Editable = true;
    if (library.TempDir.empty()) {
        std::fputs("ormel-cli pack: cannot make a temporary directory\n", stderr);
        return 1;
    }

    // Every input must be read whole: a library missing some images is not written.
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& path = args[i];
        TIconFileAccess access;
        TIconDocument document;
        if (access.OpenIconFile(path, document) != 0) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), access.ErrorText.c_str());
            return 1;
        }
        const std::string name = std::filesystem::path(path).stem().string();
        if (SaveToLibrary(library, name, document.Images, true, nullptr) != 0) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), library.LastMessage.c_str());
            return 1;
        }
    }
    if (WriteLibraryFile(library, args[0]) != 0) {
        std::fprintf(stderr, "%s: %s\n", args[0].c_str(), library.LastMessage.c_str());
        return 1;
    }
    std::printf("%s\n", args[0].c_str());
    for (const TGroupIcon& entry : library.Groups)
        std::printf("  %s: %d images\n", entry.Name.c_str(), entry.Count);
    return 0;
}

} // namespace ormel::cli
