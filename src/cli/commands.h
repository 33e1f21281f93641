#pragma once

#include <string>
#include <vector>

namespace ormel::cli {

// Each command takes its own arguments and returns the process exit code.
int InfoCommand(const std::vector<std::string>& args);
int ConvertCommand(const std::vector<std::string>& args);

} // namespace ormel::cli
