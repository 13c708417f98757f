// The page of the HTML export: the project's texts around the thirteen window pictures.
#include "HtmlExport.h"

#include <fstream>

#include "Windows1252.h"

namespace files {

namespace {

const char* const CrLf = "\r\n";

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point of a well-formed sequence of `length` bytes, or -1.
long codePoint(std::string_view s, std::size_t length) {
    static constexpr unsigned char LeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    long cp = static_cast<unsigned char>(s[0]) & LeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr long Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return cp;
}

// The picture reference of the page: folder and file, with the characters that would end
// the path part of a URL percent-encoded, then escaped for the attribute.
std::string reference(const std::string& folderName, std::string_view file) {
    std::string path;
    for (char c : folderName) {
        if (c == '%')
            path += "%25";
        else if (c == '#')
            path += "%23";
        else if (c == '?')
            path += "%3F";
        else
            path += c;
    }
    path += '/';
    path += file;
    return HtmlExport::escape(path);
}

} // namespace

const std::array<std::string_view, HtmlExport::PictureCount>& HtmlExport::pictureFiles() {
    static const std::array<std::string_view, PictureCount> files = {
        "Skizze.jpg",  "SPL.jpg",   "Zel.jpg",      "Ausl.jpg",  "Pmax.jpg",
        "SPLmax.jpg",  "Phia.jpg",  "Znorm.jpg",    "Param.jpg", "TreiberTab.jpg",
        "HornTab.jpg", "FWTab.jpg", "AchsenTab.jpg"};
    return files;
}

std::string HtmlExport::exportFolder(const std::string& exportFile) {
    const std::size_t slash = exportFile.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t nameLength = exportFile.size() - nameStart;
    const std::size_t cut = nameLength < 5 ? nameLength : 5;
    return exportFile.substr(0, exportFile.size() - cut) + "-Files";
}

std::string HtmlExport::lastComponent(const std::string& folder) {
    const std::size_t slash = folder.find_last_of('/');
    return slash == std::string::npos ? folder : folder.substr(slash + 1);
}

std::string HtmlExport::escape(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char c = utf8[i];
        switch (c) {
        case '&':
            out += "&amp;";
            ++i;
            continue;
        case '<':
            out += "&lt;";
            ++i;
            continue;
        case '>':
            out += "&gt;";
            ++i;
            continue;
        case '"':
            out += "&quot;";
            ++i;
            continue;
        default:
            break;
        }
        const std::size_t length = sequenceLength(static_cast<unsigned char>(c));
        const long cp = length == 0 || i + length > utf8.size()
                            ? -1
                            : codePoint(utf8.substr(i, length), length);
        if (cp < 0) {
            // A byte that is no UTF-8 is taken as a Windows-1252 byte already, as the other
            // files of the program do.
            out += engine::Utf8ToWindows1252(utf8.substr(i, 1));
            ++i;
            continue;
        }
        const std::string byte = engine::Utf8ToWindows1252(utf8.substr(i, length));
        if (byte == "?" && cp != '?')
            out += "&#" + std::to_string(cp) + ";";
        else
            out += byte;
        i += length;
    }
    return out;
}

std::string HtmlExport::page(const Texts& t, const std::string& folderName) {
    std::string p;
    auto line = [&p](std::string_view text) {
        p += text;
        p += CrLf;
    };
    auto image = [&](std::string_view before, std::string_view alt, std::string_view file,
                     std::string_view after) {
        p += before;
        p += "<img alt=\"";
        p += alt;
        p += "\" src=\"";
        p += reference(folderName, file);
        p += "\">";
        p += after;
        p += CrLf;
    };
    auto tableStart = [&] {
        p += "<table style=\"text-align: center; font-family: MS Sans Serif; margin-left: auto; "
             "margin-right: auto;";
        // The next piece begins with the quote that closes the style attribute.
        line("\"border=\"0\" cellpadding=\"2\" cellspacing=\"2\">");
        line("<tbody>");
        line("<tr>");
    };
    auto cell = [&](const std::string& text) { line("<td>" + escape(text) + "</td>"); };

    line("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    line("<html>");
    line("<head>");
    line("<meta content=\"text/html; charset=ISO-8859-1\" http-equiv=\"content-type\">");
    line("<style>");
    line("@media print {.np { min-height: 1px; page-break-before: always; }}");
    line("</style>");
    line("<title>" + escape(t.info) + "</title>");
    line("</head>");
    line("<body>");
    line("<div style=\"text-align: right; font-family: MS Sans Serif;\">");
    line(escape(t.dateTime) + "<br></div>");
    line("<div style=\"text-align: center; font-family: MS Sans Serif;\">");
    line("<big><big>Velmora Project " + escape(t.info) + "<br>");
    line("</big></big>" + escape(t.projectFileName) + "<br><br>");
    p += "<big><span style=\"font-weight: bold;\">";
    line(escape(t.sketch) + "<br></span></big>");
    image("", "Skizze.jpg", "Skizze.jpg", "<br><br></div>");

    tableStart();
    struct Pair {
        const std::string &first, &second;
        std::string_view firstFile, secondFile;
    };
    const Pair pairs[] = {{t.spl, t.zel, "SPL.jpg", "Zel.jpg"},
                          {t.ausl, t.pmax, "Ausl.jpg", "Pmax.jpg"},
                          {t.splmax, t.phia, "SPLmax.jpg", "Phia.jpg"}};
    for (std::size_t i = 0; i < std::size(pairs); ++i) {
        cell(pairs[i].first);
        cell(pairs[i].second);
        line("</tr><tr>");
        image("<td>", pairs[i].firstFile, pairs[i].firstFile, "</td>");
        image("<td>", pairs[i].secondFile, pairs[i].secondFile, "</td>");
        line(i + 1 < std::size(pairs) ? "</tr><tr><td></td><td></td></tr><tr>"
                                      : "</tr></tbody></table>");
    }
    line("<div class=\"np\"></div>");

    tableStart();
    line("</tr><tr><td></td><td></td></tr><tr>");
    cell(t.znorm);
    cell(t.param);
    line("</tr><tr>");
    image("<td style=\"text-align: center; width: 50%;\">", "Znorm.jpg", "Znorm.jpg", "</td>");
    image("<td style=\"text-align: center; width: 50%;\">", "Param.jpg", "Param.jpg", "</td>");
    line("</tr><tr><td></td><td></td>");
    line("</tr></tbody></table>");

    line("<div style=\"text-align: center; font-family: MS Sans Serif;\">");
    line("<br><br>");
    line("<big><span style=\"font-weight: bold; text-align: center; font-family: MS Sans "
         "Serif;\">");
    line(escape(t.inputHint) + "<br><br>");
    line("</span></big>");
    line(escape(t.driverHint) + "<br>");
    image("", "TreiberTab", "TreiberTab.jpg", "<br><br>");
    line(escape(t.hornCaption) + "<br>");
    image("", "HornTab", "HornTab.jpg", "<br><br>");
    line("<div style=\"text-align: center; font-family: MS Sans Serif;\" class=\"np\">");
    line("<br><br>");
    line(escape(t.crossoverHint) + "<br>");
    image("", "FWTab", "FWTab.jpg", "<br><br>");
    line(escape(t.axesHint) + "<br>");
    image("", "AchsenTab", "AchsenTab.jpg", "<br><br>");
    line("<br></div></body></html>");
    return p;
}

std::string HtmlExport::write(const std::string& path, const Texts& texts,
                              const std::string& folderName) {
    const std::string bytes = page(texts, folderName);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return "Could not create the export file " + path;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return "Could not write the export file " + path;
    return {};
}

} // namespace files
