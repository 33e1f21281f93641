#include "commands.h"

#include "files/file_access.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace ormel::cli {

namespace {

constexpr const char* kUsage = "usage: ormel-cli convert IN.ico OUT.ico\n"
                               "       ormel-cli convert IN.ico OUT.{png,bmp,jpg,gif} [--image N]\n";

bool EndsWithIco(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ico";
}

} // namespace

int ConvertCommand(const std::vector<std::string>& args)
{
    std::vector<std::string> paths;
    long imageNumber = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--image" && i + 1 < args.size()) {
            char* end = nullptr;
            imageNumber = std::strtol(args[++i].c_str(), &end, 10);
            if (*end != '\0' || imageNumber < 1) {
                std::fputs("ormel-cli convert: --image takes an image number from 1\n", stderr);
                return 2;
            }
        } else {
            paths.push_back(args[i]);
        }
    }
    if (paths.size() != 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string& in = paths[0];
    const std::string& out = paths[1];

    TIconFileAccess access;
    TIconDocument document;
    // A partly readable file is not converted: writing it would silently drop images.
    if (access.OpenIconFile(in, document) != 0) {
        std::fprintf(stderr, "%s: %s\n", in.c_str(), access.ErrorText.c_str());
        return 1;
    }
    int result = 0;
    if (EndsWithIco(out)) {
        result = access.SaveIconFile(out, document.Images);
    } else {
        if (imageNumber > static_cast<long>(document.Images.size())) {
            std::fprintf(stderr, "%s: has %zu images\n", in.c_str(), document.Images.size());
            return 1;
        }
        result = access.SavePicture(out, document.Images[static_cast<std::size_t>(imageNumber - 1)]);
    }
    if (result != 0) {
        std::fprintf(stderr, "%s: %s\n", out.c_str(), access.ErrorText.c_str());
        return 1;
    }
    return 0;
}

} // namespace ormel::cli
