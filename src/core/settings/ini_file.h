#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ormel {

// A settings file of the INI kind: "[section]" lines, then "key=value" lines. Section and key
// names compare without regard to ASCII case; keys and values are trimmed of blanks, and a
// value wrapped in double quotes loses one pair of them. Lines that are neither (comments
// starting with ';', keys before the first section, anything else) are skipped, and of
// repeated sections and keys the first one counts. Values are one line: writing one cuts it
// at its first line break.
class TIniFile {
public:
    // Files larger than this are not settings files and read as empty.
    static constexpr std::size_t kMaxFileBytes = std::size_t(1) << 20;

    static TIniFile Parse(std::span<const std::uint8_t> bytes);
    // False, with no settings, when the file is missing, unreadable or too large.
    bool Load(const std::string& path);
    // Replaces the file atomically, making its directory when missing.
    bool Save(const std::string& path) const;
    std::string Text() const;

    // Absent keys give the fallback; so do integers that are not a signed decimal in range.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    // Nothing when the key is absent or its value is not such an integer.
    std::optional<int> ReadOptionalInteger(const std::string& section, const std::string& key) const;
    // Any integer other than 0 is true; booleans are written as 1 and 0.
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    struct Entry {
        std::string Key;
        std::string Value;
    };
    struct Section {
        std::string Name;
        std::vector<Entry> Entries;
        std::map<std::string, std::size_t> KeyIndex; // lower-case key -> entry
    };
    const std::vector<Section>& Sections() const { return sections_; }

private:
    const Entry* Find(const std::string& section, const std::string& key) const;
    // The index of the section, added at the end when missing.
    std::size_t SectionAt(const std::string& name);
    void Put(Section& section, const std::string& key, const std::string& value);

    std::vector<Section> sections_;
    std::map<std::string, std::size_t> sectionIndex_; // lower-case name -> section
};

} // namespace ormel
