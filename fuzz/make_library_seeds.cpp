// Writes small seeds for the library reader targets: a PE file and an NE icon library, each
// with two icon groups (images stored as bitmaps and as PNG, one listed but missing) and the
// entry names, built with the core tests' file builders.
#include "library/resource_builders.h"

#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    using namespace ormel;
    using test::TestResource;
    if (argc != 3)
        return 2;
    const std::vector<std::uint8_t> names = {3, 'I', 'C', 'L', 5, 'A', 'p', 'p', 'l', 'e', 4, 'P', 'e', 'a', 'r', 0};
    const std::vector<std::vector<std::uint8_t>> groups = {test::GroupDirectory({{16, 16, 4, 1}, {0, 0, 32, 2}}),
                                                           test::GroupDirectory({{32, 32, 8, 3}, {48, 48, 8, 9}})};
    const std::vector<TestResource> icons = {{3, 1, test::IconBlock(test::PatternImage(16, 16, Depth4))},
                                             {3, 2, test::IconBlock(test::PatternImage(130, 130, Depth32))},
                                             {3, 3, test::IconBlock(test::PatternImage(32, 32, Depth8))}};
    std::vector<TestResource> resources = {{14, 1, groups[0]}, {14, 2, groups[1]}, {301, 1, names}};
    resources.insert(resources.end(), icons.begin(), icons.end());

    const auto write = [](const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(file);
    };
    const bool written = write(std::string(argv[1]) + "/seed.dll", test::MakePe(resources).bytes) &&
                         write(std::string(argv[2]) + "/seed.icl", test::MakeNe(groups, icons, {"ICL", "Apple", "Pear"}));
    return written ? 0 : 1;
}
