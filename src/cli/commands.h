#pragma once

#include <string>
#include <vector>

namespace ormel::cli {

// Each command takes its own arguments and returns the process exit code.
int InfoCommand(const std::vector<std::string>& args);
int ConvertCommand(const std::vector<std::string>& args);
int ExtractCommand(const std::vector<std::string>& args);
int PackCommand(const std::vector<std::string>& args);
// Reads each picture as the picture-to-icon dialog does and prints its format and size.
int PictureCommand(const std::vector<std::string>& args);

// Executables, modules and icon libraries (.exe .dll .cpl .ocx .icl in any case) are listed by
// entry: its name and the size and depth of each image.
bool IsLibraryPath(const std::string& path);
bool ListLibraryFile(const std::string& path);

} // namespace ormel::cli
