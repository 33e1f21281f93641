#include "commands.h"

#include <cstdio>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::FILE* to)
{
    std::fputs("usage: ormel-cli info FILE.ico|LIBRARY...\n"
               "       ormel-cli convert IN.ico OUT.ico\n"
               "       ormel-cli convert IN.ico OUT.{png,bmp,jpg,gif} [--image N]\n"
               "       ormel-cli extract LIBRARY DIR\n"
               "       ormel-cli pack OUT.icl IN.ico...\n"
               "       ormel-cli picture FILE...\n",
               to);
}

} // namespace

int main(int argc, char** argv)
{
    // A batch of icons allocates and frees rasters of the same few sizes over and over: keep
    // freed memory in the process instead of handing it back to the system after each file.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);

    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "info")
        return ormel::cli::InfoCommand(args);
    if (command == "convert")
        return ormel::cli::ConvertCommand(args);
    if (command == "extract")
        return ormel::cli::ExtractCommand(args);
    if (command == "pack")
        return ormel::cli::PackCommand(args);
    if (command == "picture")
        return ormel::cli::PictureCommand(args);
    if (command == "help" || command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "ormel-cli: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
