#include "settings/ini_file.h"

#include "files/atomic_file.h"

#include <charconv>
#include <filesystem>
#include <string_view>

namespace ormel {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\n' || c == '\r' || c == '\0'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsQuoted(std::string_view text) { return text.size() >= 2 && text.front() == '"' && text.back() == '"'; }

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view FirstLine(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (IsLineBreak(text[i]))
            return text.substr(0, i);
    return text;
}

// A value as written, quoted when reading it back would otherwise lose blanks or quotes.
std::string StorableValue(const std::string& value)
{
    const bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuoted(value));
    return quote ? "\"" + value + "\"" : value;
}

bool IsSignedDecimal(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

TIniFile TIniFile::Parse(std::span<const std::uint8_t> bytes)
{
    TIniFile ini;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    constexpr std::size_t kNone = ~std::size_t(0);
    std::size_t current = kNone; // the section that key lines go to
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && !IsLineBreak(text[end]))
            ++end;
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            current = close != std::string_view::npos ? ini.SectionAt(std::string(Trim(line.substr(1, close - 1))))
                                                      : kNone;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == kNone || equals == std::string_view::npos)
            continue;
        const std::string_view key = Trim(line.substr(0, equals));
        std::string_view value = Trim(line.substr(equals + 1));
        if (IsQuoted(value))
            value = value.substr(1, value.size() - 2);
        Section& section = ini.sections_[current];
        if (!key.empty() && section.KeyIndex.count(Lower(key)) == 0)
            ini.Put(section, std::string(key), std::string(value));
    }
    return ini;
}

bool TIniFile::Load(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    const bool read = ReadWholeFile(path, bytes, kMaxFileBytes);
    *this = read ? Parse(bytes) : TIniFile();
    return read;
}

std::string TIniFile::Text() const
{
    std::string text;
    for (const Section& section : sections_) {
        text += "[" + section.Name + "]\n";
        for (const Entry& entry : section.Entries)
            text += entry.Key + "=" + StorableValue(entry.Value) + "\n";
        text += "\n";
    }
    return text;
}

bool TIniFile::Save(const std::string& path) const
{
    // The configuration directory does not exist before the first save.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string text = Text();
    return WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

const TIniFile::Entry* TIniFile::Find(const std::string& section, const std::string& key) const
{
    const auto s = sectionIndex_.find(Lower(section));
    if (s == sectionIndex_.end())
        return nullptr;
    const Section& found = sections_[s->second];
    const auto k = found.KeyIndex.find(Lower(key));
    return k != found.KeyIndex.end() ? &found.Entries[k->second] : nullptr;
}

std::size_t TIniFile::SectionAt(const std::string& name)
{
    const auto [it, added] = sectionIndex_.try_emplace(Lower(name), sections_.size());
    if (added)
        sections_.push_back(Section{name, {}, {}});
    return it->second;
}

void TIniFile::Put(Section& section, const std::string& key, const std::string& value)
{
    const auto [it, added] = section.KeyIndex.try_emplace(Lower(key), section.Entries.size());
    if (added)
        section.Entries.push_back(Entry{key, value});
    else
        section.Entries[it->second].Value = value;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    const Entry* entry = Find(section, key);
    return entry != nullptr ? entry->Value : fallback;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const
{
    return ReadOptionalInteger(section, key).value_or(fallback);
}

std::optional<int> TIniFile::ReadOptionalInteger(const std::string& section, const std::string& key) const
{
    const Entry* entry = Find(section, key);
    if (entry == nullptr || !IsSignedDecimal(entry->Value))
        return std::nullopt;
    // from_chars takes a minus sign but not a plus sign.
    std::string_view digits(entry->Value);
    if (digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    Put(sections_[SectionAt(section)], key, std::string(FirstLine(value)));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

} // namespace ormel
