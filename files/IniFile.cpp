// Private-profile ("INI") file of named sections with key=value lines, in Windows-1252 bytes.
#include "IniFile.h"

#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <limits>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

constexpr std::size_t npos = std::string::npos;

// Letter case folding as Windows compares profile names in code page 1252.
unsigned char foldByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // À..Þ except ×
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(c + 16);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

std::string fold(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>(foldByte(static_cast<unsigned char>(c)));
    return out;
}

// Blanks that the profile functions drop around names and values (0x1A is the old
// end-of-file mark).
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isQuote(char c) {
    return c == '"' || c == '\'';
}

// A line of the file split into what it means.
struct ParsedLine {
    enum class Kind { Other, Header, Entry } kind = Kind::Other;
    std::string_view name;  // section name or key, blanks removed
    std::string_view value; // entry value as it stands after "=", blanks removed
};

ParsedLine parseLine(std::string_view line, bool atFileStart) {
    if (atFileStart && line.substr(0, 3) == "\xEF\xBB\xBF") // UTF-8 byte order mark
        line.remove_prefix(3);
    line = trim(line);
    ParsedLine parsed;
    if (line.empty())
        return parsed;
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        if (close != npos) {
            parsed.kind = ParsedLine::Kind::Header;
            parsed.name = trim(line.substr(1, close - 1));
        }
        return parsed;
    }
    const std::size_t equals = line.find('=');
    if (equals != npos) {
        parsed.kind = ParsedLine::Kind::Entry;
        parsed.name = trim(line.substr(0, equals));
        parsed.value = trim(line.substr(equals + 1));
    }
    return parsed;
}

// Walks the lines of a byte buffer: a line ends at LF; a CR before the LF is not part of it.
class LineCursor {
public:
    LineCursor(std::string_view text, std::size_t begin, std::size_t end)
        : m_text(text), m_pos(begin), m_end(end) {}

    bool next() {
        if (m_pos >= m_end)
            return false;
        m_lineBegin = m_pos;
        const void* found = std::memchr(m_text.data() + m_pos, '\n', m_end - m_pos);
        const std::size_t lf =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - m_text.data())
                  : m_end;
        std::size_t stop = lf;
        if (stop > m_lineBegin && m_text[stop - 1] == '\r')
            --stop;
        m_line = m_text.substr(m_lineBegin, stop - m_lineBegin);
        m_pos = lf < m_end ? lf + 1 : m_end;
        return true;
    }

    std::string_view line() const { return m_line; }
    std::size_t lineBegin() const { return m_lineBegin; }
    std::size_t nextBegin() const { return m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos;
    std::size_t m_end;
    std::size_t m_lineBegin = 0;
    std::string_view m_line;
};

// The text a value reads as: quotes removed, cut at a NUL (the Windows functions return a C
// string) and at the maximum length.
std::string_view readableValue(std::string_view value) {
    if (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    const std::size_t nul = value.find('\0');
    if (nul != npos)
        value = value.substr(0, nul);
    if (value.size() > IniFile::MaxValueLength)
        value = value.substr(0, IniFile::MaxValueLength);
    return value;
}

// Windows-1252 text of a value so that reading it gives `value` back (up to the length limit).
std::string writableValue(std::string_view utf8) {
    std::string bytes = engine::Utf8ToWindows1252(utf8);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    const bool blankAtEnd = !bytes.empty() && (isBlank(bytes.front()) || isBlank(bytes.back()));
    const bool quoted =
        bytes.size() >= 2 && isQuote(bytes.front()) && bytes.back() == bytes.front();
    if (blankAtEnd || quoted)
        return '"' + bytes + '"';
    return bytes;
}

// Parses an integer the way the profile functions of the original platform do.
std::optional<int> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Hexadecimal takes up to 32 bits as the two's complement pattern; decimal must fit.
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    auto pattern = static_cast<std::uint32_t>(magnitude);
    if (negative)
        pattern = ~pattern + 1u;
    std::int32_t result;
    std::memcpy(&result, &pattern, sizeof result);
    return result;
}

std::string systemError(int error) {
    return std::generic_category().message(error);
}

std::string quotedName(const std::string& path) {
    return "\"" + path + "\"";
}

// Writes all bytes, going on after interrupted or partial writes.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string IniFile::load(const std::string& path) {
    setContent({});
    try {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (!fs::exists(status))
            return {};
        if (!fs::is_regular_file(status))
            return "Cannot read " + quotedName(path) + ": not a regular file";
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return "Cannot read " + quotedName(path) + ": " + systemError(errno);
        std::string bytes;
        std::string failure;
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                failure = systemError(errno);
                break;
            }
            if (got == 0)
                break;
            if (bytes.size() + static_cast<std::size_t>(got) > MaxFileSize) {
                failure = "file too large";
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(fd);
        if (!failure.empty())
            return "Cannot read " + quotedName(path) + ": " + failure;
        setContent(std::move(bytes));
        return {};
    } catch (const std::exception& e) {
        setContent({});
        return "Cannot read " + quotedName(path) + ": " + e.what();
    }
}

void IniFile::setContent(std::string bytes) {
    m_content = std::move(bytes);
    m_sections.clear();
    m_addedSections.clear();
}

IniFile::Section& IniFile::section(const std::string& foldedName) const {
    auto [it, inserted] = m_sections.try_emplace(foldedName);
    Section& found = it->second;
    if (!inserted)
        return found;
    LineCursor cursor(m_content, 0, m_content.size());
    bool inside = false;
    while (cursor.next()) {
        const ParsedLine parsed = parseLine(cursor.line(), cursor.lineBegin() == 0);
        if (parsed.kind != ParsedLine::Kind::Header)
            continue;
        if (inside) {
            found.bodyEnd = cursor.lineBegin();
            return found;
        }
        if (fold(parsed.name) == foldedName) {
            inside = true;
            found.origin = Origin::InFile;
            found.bodyBegin = cursor.nextBegin();
        }
    }
    if (inside)
        found.bodyEnd = m_content.size();
    return found;
}

void IniFile::indexEntries(Section& found) const {
    found.indexed = true;
    found.insertAt = found.bodyBegin;
    if (found.origin != Origin::InFile)
        return;
    LineCursor cursor(m_content, found.bodyBegin, found.bodyEnd);
    while (cursor.next()) {
        const ParsedLine parsed = parseLine(cursor.line(), cursor.lineBegin() == 0);
        if (parsed.kind != ParsedLine::Kind::Entry)
            continue;
        found.insertAt = cursor.nextBegin();
        auto [it, inserted] = found.entries.try_emplace(fold(parsed.name));
        if (inserted) {
            it->second.inFile = true;
            it->second.lineBegin = cursor.lineBegin();
            it->second.lineLength = cursor.line().size();
        }
    }
}

const IniFile::Entry* IniFile::findEntry(std::string_view sectionName, std::string_view key) const {
    Section& found = section(fold(engine::Utf8ToWindows1252(sectionName)));
    if (found.origin == Origin::Missing)
        return nullptr;
    if (!found.indexed)
        indexEntries(found);
    const auto it = found.entries.find(fold(engine::Utf8ToWindows1252(key)));
    return it == found.entries.end() ? nullptr : &it->second;
}

std::string IniFile::readString(std::string_view sectionName, std::string_view key,
                                std::string_view defaultValue) const {
    const Entry* entry = findEntry(sectionName, key);
    if (entry == nullptr)
        return std::string(defaultValue);
    std::string_view value;
    if (entry->newValue) {
        value = trim(*entry->newValue);
    } else {
        const std::string_view line(m_content.data() + entry->lineBegin, entry->lineLength);
        value = parseLine(line, entry->lineBegin == 0).value;
    }
    return engine::Windows1252ToUtf8(readableValue(value));
}

int IniFile::readInteger(std::string_view sectionName, std::string_view key,
                         int defaultValue) const {
    const std::optional<int> value = parseInteger(readString(sectionName, key, ""));
    return value ? *value : defaultValue;
}

bool IniFile::readBool(std::string_view sectionName, std::string_view key,
                       bool defaultValue) const {
    return readInteger(sectionName, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view sectionName, std::string_view key,
                          std::string_view value) {
    const std::string sectionBytes = engine::Utf8ToWindows1252(sectionName);
    const std::string foldedSection = fold(sectionBytes);
    Section& found = section(foldedSection);
    if (found.origin == Origin::Missing) {
        found.origin = Origin::Added;
        found.headerName = sectionBytes;
        m_addedSections.push_back(foldedSection);
    }
    if (!found.indexed)
        indexEntries(found);
    const std::string keyBytes = engine::Utf8ToWindows1252(key);
    const std::string foldedKey = fold(keyBytes);
    auto [it, inserted] = found.entries.try_emplace(foldedKey);
    if (inserted) {
        it->second.keyText = keyBytes;
        found.addedKeys.push_back(foldedKey);
    }
    it->second.newValue = writableValue(value);
}

void IniFile::writeInteger(std::string_view sectionName, std::string_view key, int value) {
    writeString(sectionName, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view sectionName, std::string_view key, bool value) {
    writeString(sectionName, key, value ? "1" : "0");
}

std::string IniFile::content() const {
    // Changes to the lines read: a replaced line or lines inserted before a line start.
    struct Change {
        std::size_t offset;
        bool replaces;
        std::string text; // without the final line break
    };
    std::vector<Change> changes;
    for (const auto& [name, found] : m_sections) {
        if (found.origin != Origin::InFile)
            continue;
        for (const auto& [foldedKey, entry] : found.entries) {
            if (!entry.inFile || !entry.newValue)
                continue;
            const std::string_view line(m_content.data() + entry.lineBegin, entry.lineLength);
            const std::string_view keyText = parseLine(line, entry.lineBegin == 0).name;
            changes.push_back(
                {entry.lineBegin, true, std::string(keyText) + '=' + *entry.newValue});
        }
        std::string added;
        for (const std::string& foldedKey : found.addedKeys) {
            const Entry& entry = found.entries.at(foldedKey);
            if (!added.empty())
                added += "\r\n";
            added += entry.keyText + '=' + *entry.newValue;
        }
        if (!added.empty())
            changes.push_back({found.insertAt, false, std::move(added)});
    }
    // Insertions go before a replacement at the same offset (they belong to the line before).
    std::sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.offset != b.offset ? a.offset < b.offset : (!a.replaces && b.replaces);
    });

    std::string out;
    out.reserve(m_content.size() + m_content.size() / 8 + 4096);
    bool lastLineBlank = true;
    auto emitLine = [&](std::string_view text) {
        out.append(text);
        out.append("\r\n");
        lastLineBlank = trim(text).empty();
    };
    std::size_t next = 0;
    auto emitInsertionsUpTo = [&](std::size_t offset) {
        while (next < changes.size() && !changes[next].replaces && changes[next].offset <= offset)
            emitLine(changes[next++].text);
    };
    LineCursor cursor(m_content, 0, m_content.size());
    while (cursor.next()) {
        emitInsertionsUpTo(cursor.lineBegin());
        if (next < changes.size() && changes[next].replaces &&
            changes[next].offset == cursor.lineBegin()) {
            emitLine(changes[next++].text);
        } else {
            emitLine(cursor.line());
        }
    }
    emitInsertionsUpTo(m_content.size());

    for (const std::string& foldedName : m_addedSections) {
        const Section& found = m_sections.at(foldedName);
        if (!out.empty() && !lastLineBlank)
            emitLine("");
        emitLine('[' + found.headerName + ']');
        for (const std::string& foldedKey : found.addedKeys) {
            const Entry& entry = found.entries.at(foldedKey);
            emitLine(entry.keyText + '=' + *entry.newValue);
        }
    }
    return out;
}

std::string IniFile::save(const std::string& path) const {
    const std::string failed = "Cannot save " + quotedName(path) + ": ";
    try {
        namespace fs = std::filesystem;
        std::error_code error;
        // Replace the file a symbolic link points to, not the link.
        fs::path target = path;
        if (fs::is_symlink(fs::symlink_status(target, error))) {
            target = fs::weakly_canonical(target, error);
            if (error)
                return failed + error.message();
        }
        struct stat old {};
        const bool exists = ::stat(target.c_str(), &old) == 0;
        if (exists) {
            if (!S_ISREG(old.st_mode))
                return failed + "not a regular file";
            const bool readOnly = (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
            if (readOnly || ::access(target.c_str(), W_OK) != 0)
                return failed + "the file is read-only";
        } else if (errno != ENOENT) {
            return failed + systemError(errno);
        }

        const std::string bytes = content();
        const fs::path folder = target.parent_path();
        const std::string stem = target.filename().string();
        std::string temporary;
        int fd = -1;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            temporary = (folder / ("." + stem + ".tmp" + std::to_string(::getpid()) + "-" +
                                   std::to_string(attempt)))
                            .string();
            fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                return failed + systemError(errno);
        }
        if (fd < 0)
            return failed + "no temporary file could be created";
        if (exists) {
            // Keep the old file's permissions and, where allowed, its owner.
            (void)::fchmod(fd, old.st_mode & 07777);
            (void)!::fchown(fd, old.st_uid, old.st_gid);
        }
        int writeError = 0;
        if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
            writeError = errno;
        if (::close(fd) != 0 && writeError == 0)
            writeError = errno;
        if (writeError == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
            writeError = errno;
        if (writeError != 0) {
            ::unlink(temporary.c_str());
            return failed + systemError(writeError);
        }
        // Make the rename itself durable; a failure here does not undo the save.
        const int folderFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
        if (folderFd >= 0) {
            (void)::fsync(folderFd);
            ::close(folderFd);
        }
        return {};
    } catch (const std::exception& e) {
        return failed + e.what();
    }
}

} // namespace files
