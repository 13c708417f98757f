// Fuzz target: the INI reader and the project loader on arbitrary bytes.
// Invariants: no crash; a value written reads back (in memory and after content() is parsed
// again) and leaves every other key as it was; every control that FormFields lists can be set
// by its name; a project opened, saved over itself and opened again gives the same form (line
// breaks inside a value turned into blanks).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FormFields.h"
#include "FormState.h"
#include "FuzzSupport.h"
#include "IniFile.h"
#include "ProjectFile.h"
#include "Windows1252.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Every (section, key) a project file holds, taken from the save of the start-up form.
Pairs projectKeys() {
    robust::ScratchFile file("keys.vmx");
    files::ProjectFile::SaveValues(file.path(), model::FormState());
    files::IniFile ini;
    ini.load(file.path());
    const std::string text = engine::Windows1252ToUtf8(ini.content());
    Pairs keys;
    std::string section;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(begin, end - begin);
        begin = end + 2;
        if (line.size() > 2 && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (const std::size_t eq = line.find('='); eq != std::string::npos)
            keys.emplace_back(section, line.substr(0, eq));
    }
    return keys;
}

const Pairs& keys() {
    static const Pairs all = projectKeys();
    return all;
}

// The text a short written value reads back as: line breaks become blanks, a NUL ends it.
std::string expectedReadBack(std::string value) {
    for (char& c : value) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos)
        value.resize(nul);
    return value;
}

void checkIniFile(const std::string& bytes) {
    files::IniFile ini;
    ini.setContent(bytes);

    // A section and a key named by the input itself (its first two lines): read only.
    const std::size_t firstBreak = bytes.find('\n');
    const std::string first = bytes.substr(0, std::min<std::size_t>(firstBreak, 64));
    const std::string second =
        firstBreak == std::string::npos ? std::string() : bytes.substr(firstBreak + 1, 64);
    const std::string ownSection = engine::Windows1252ToUtf8(first);
    const std::string ownKey = engine::Windows1252ToUtf8(second.substr(0, second.find('=')));
    (void)ini.readString(ownSection, ownKey, "");
    (void)ini.readInteger(ownSection, ownKey, 0);

    const Pairs& names = keys();
    const char* const absent = "\x01"
                               "absent";
    std::vector<std::string> before;
    for (const auto& [section, key] : names) {
        before.push_back(ini.readString(section, key, absent));
        (void)ini.readInteger(section, key, -7);
        (void)ini.readBool(section, key, true);
    }

    // Write one program key, chosen by the input, with a value made from the input's tail.
    std::size_t hash = 0;
    for (unsigned char c : bytes)
        hash = hash * 31 + c;
    const std::size_t chosen = hash % names.size();
    const std::string tail = bytes.size() > 48 ? bytes.substr(bytes.size() - 48) : bytes;
    const std::string value = engine::Windows1252ToUtf8(tail);
    const auto& [section, key] = names[chosen];
    ini.writeString(section, key, value);
    const std::string expected = expectedReadBack(value);
    robust::Require(ini.readString(section, key, absent) == expected, "a written value reads back",
                    section + "/" + key);

    files::IniFile again;
    again.setContent(ini.content());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        const std::string now = again.readString(s, k, absent);
        if (i == chosen)
            robust::Require(now == expected, "a written value survives content()", s + "/" + k);
        else
            robust::Require(now == before[i], "writing one key leaves the others", s + "/" + k);
    }
}

void checkProjectFile(const std::string& bytes) {
    static robust::ScratchFile file("project.vmx");
    robust::WriteBytes(file.path(), bytes);

    model::FormState opened;
    files::ProjectFile::LoadDriver1Values(file.path(), opened);
    files::ProjectFile::LoadOtherValues(file.path(), opened);
    model::FormState driver2;
    files::ProjectFile::LoadDriver2Values(file.path(), driver2);

    const Pairs listed = model::FormFields::List(opened);
    model::FormState rebuilt;
    for (const auto& [name, value] : listed)
        robust::Require(model::FormFields::Set(rebuilt, name, value), "a listed control can be set",
                        name + "=" + value);
    robust::Require(model::FormFields::List(rebuilt) == listed, "List after Set gives the same");

    const std::string saveError = files::ProjectFile::SaveValues(file.path(), opened);
    robust::Require(saveError.empty(), "saving over the scratch file", saveError);
    model::FormState reopened;
    files::ProjectFile::LoadDriver1Values(file.path(), reopened);
    files::ProjectFile::LoadOtherValues(file.path(), reopened);
    // A lone CR inside a line is part of the value read; the writer turns line breaks into
    // blanks, as a value cannot span lines.
    Pairs expected = listed;
    for (auto& [name, value] : expected)
        value = expectedReadBack(value);
    const Pairs after = model::FormFields::List(reopened);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        robust::Require(expected[i] == after[i], "open, save and open again gives the same form",
                        expected[i].first + ": '" + expected[i].second + "' became '" +
                            after[i].second + "'");
    }
    robust::Require(reopened.windows == opened.windows,
                    "open, save and open again keeps the window placement");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkIniFile(bytes);
    checkProjectFile(bytes);
    return 0;
}
