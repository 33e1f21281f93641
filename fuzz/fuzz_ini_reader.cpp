// Reads arbitrary bytes as a settings file. Whatever it holds must write out to a text that
// reads back to the same sections, keys and values, and every window placement must read.
#include "settings/ini_file.h"
#include "settings/window_placement.h"

#include <cstdlib>

namespace {

bool SameSettings(const ormel::TIniFile& a, const ormel::TIniFile& b)
{
    if (a.Sections().size() != b.Sections().size())
        return false;
    for (std::size_t s = 0; s < a.Sections().size(); ++s) {
        const auto& x = a.Sections()[s];
        const auto& y = b.Sections()[s];
        if (x.Name != y.Name || x.Entries.size() != y.Entries.size())
            return false;
        for (std::size_t e = 0; e < x.Entries.size(); ++e)
            if (x.Entries[e].Key != y.Entries[e].Key || x.Entries[e].Value != y.Entries[e].Value)
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ormel;
    const TIniFile ini = TIniFile::Parse(std::span(data, size));
    for (const auto& section : ini.Sections()) {
        const TWindowPlacement stored = ReadWindowPlacement(ini, section.Name);
        const TWindowGeometry own{TRect{10, 10, 210, 110}, wsNormal};
        const TWindowGeometry placed = RestorePlacement(own, stored, true);
        KeepOnWorkArea(placed.Bounds, TRect{0, 0, 1920, 1040}, true);
        for (const auto& entry : section.Entries)
            ini.ReadInteger(section.Name, entry.Key, -1);
    }

    const std::string text = ini.Text();
    const TIniFile again = TIniFile::Parse(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!SameSettings(ini, again))
        std::abort();
    return 0;
}
