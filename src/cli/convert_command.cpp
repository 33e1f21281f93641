#include "commands.h"

#include "files/file_access.h"

#include <cstdio>

namespace ormel::cli {

int ConvertCommand(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        std::fputs("usage: ormel-cli convert IN.ico OUT.ico\n", stderr);
        return 2;
    }
    const std::string& in = args[0];
    const std::string& out = args[1];

    TIconFileAccess access;
    TIconDocument document;
    // A partly readable file is not converted: writing it would silently drop images.
    if (access.OpenIconFile(in, document) != 0) {
        std::fprintf(stderr, "%s: %s\n", in.c_str(), access.ErrorText.c_str());
        return 1;
    }
    if (access.SaveIconFile(out, document.Images) != 0) {
        std::fprintf(stderr, "%s: %s\n", out.c_str(), access.ErrorText.c_str());
        return 1;
    }
    return 0;
}

} // namespace ormel::cli
