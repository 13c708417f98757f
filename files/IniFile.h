// Private-profile ("INI") file of named sections with key=value lines, in Windows-1252 bytes.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace files {

// The contents of one INI file held in memory, read and written the way the Windows
// private-profile functions do:
// - a section starts with a line "[name]"; an entry is a line "key=value"; other lines are
//   kept but carry no data;
// - section and key names match without regard to letter case (ASCII and the Windows-1252
//   letters À-Þ / à-þ, Š Œ Ž Ÿ); the first section of a name and its first entry of a key win;
// - on reading, blanks around a value are dropped, one pair of matching quotes enclosing the
//   whole value is removed and at most `MaxValueLength` characters are returned;
// - writing a key replaces its line where it stands, a new key goes after the last entry of
//   its section, a new section goes at the end; every other line stays as it was.
// Names and values are UTF-8 in this interface and Windows-1252 in the file. The file is
// read once by `load` and written as a whole by `save`; lines are written with CR LF.
class IniFile {
public:
    static constexpr std::size_t MaxValueLength = 2047;
    // Files above this size are not read at all (a project file has a few kilobytes).
    static constexpr std::size_t MaxFileSize = std::size_t{256} * 1024 * 1024;

    IniFile() = default;

    // Replaces the contents by the file at `path`. A missing file gives empty contents and
    // no error; a file that exists but cannot be read (a folder, no access, too large) gives
    // empty contents and an error text naming the file. Never throws.
    std::string load(const std::string& path);
    // Replaces the contents by the given Windows-1252 bytes.
    void setContent(std::string bytes);

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal with optional sign, or hexadecimal after "0x", "0X" or "$"; an empty value,
    // one that is no integer or one outside the int range gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Read as an integer: 0 is false, any other integer true; otherwise the default.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Line breaks in a value become blanks (a value cannot span lines). A value that would
    // not read back unchanged (blanks at either end, or enclosed in matching quotes) is
    // written inside double quotes, which reading removes again.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // The bytes `save` writes: the lines read, changed as written, each ended by CR LF.
    std::string content() const;

    // Writes `content()` to `path` atomically: a temporary file in the same folder is written
    // and synced, then renamed over the old file. Returns "" on success, otherwise an error
    // text naming the file; the old file is then untouched. A read-only file or a path that
    // is not a regular file is not replaced. Never throws.
    std::string save(const std::string& path) const;

private:
    // One entry of a section that has been looked up or written.
    struct Entry {
        std::size_t lineBegin = 0; // offset of the entry's line in m_content
        std::size_t lineLength = 0;
        bool inFile = false;                 // false: added by a write
        std::string keyText;                 // key as spelled in the file (Windows-1252)
        std::optional<std::string> newValue; // Windows-1252 text as it goes into the file
    };

    enum class Origin { Missing, InFile, Added };

    // First section of one name, found by scanning m_content once when first asked for.
    struct Section {
        Origin origin = Origin::Missing;
        std::string headerName;    // Windows-1252, for an added section
        std::size_t bodyBegin = 0; // first line after the header
        std::size_t bodyEnd = 0;   // start of the next section header, or end of the contents
        std::size_t insertAt = 0;  // where added keys go: after the last entry line
        bool indexed = false;
        std::unordered_map<std::string, Entry> entries; // folded key → entry
        std::vector<std::string> addedKeys;             // folded keys in the order of adding
    };

    Section& section(const std::string& foldedName) const;
    const Entry* findEntry(std::string_view section, std::string_view key) const;
    void indexEntries(Section& found) const;

    std::string m_content;                             // the bytes read
    mutable std::map<std::string, Section> m_sections; // folded section name → section
    std::vector<std::string> m_addedSections;          // folded names in the order of adding
};

} // namespace files
