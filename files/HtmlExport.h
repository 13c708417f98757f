// The page of the HTML export: the project's texts around the thirteen window pictures.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace files {

// Writes the page piece by piece in the fixed order of the export: single-byte
// Windows-1252 text declared as ISO-8859-1 (which browsers read as Windows-1252), lines
// ended by CR LF. Every text put into the page is escaped (& < > " become entities) and
// characters without a Windows-1252 byte become numeric character references, so that a
// project info or a file name shows as written and cannot add markup or script.
class HtmlExport {
public:
    // The texts of the page, in UTF-8 as the windows show them.
    struct Texts {
        std::string info;            // EditInfo: title and heading
        std::string dateTime;        // local date and time of the export
        std::string projectFileName; // ProjectFileName
        // Window captions.
        std::string sketch, spl, zel, ausl, pmax, splmax, phia, znorm, param;
        // Headings of the input pictures: the hints of DE, TreiberTab, FWTab and AchsenTab
        // and the caption of the horn group box GroupBox7.
        std::string inputHint, driverHint, hornCaption, crossoverHint, axesHint;
    };

    static constexpr int PictureCount = 13;
    // The pictures in the order they are written: nine windows, then four input pages.
    static const std::array<std::string_view, PictureCount>& pictureFiles();

    // ExportFolder: the export file name without its last five characters (".html"),
    // followed by "-Files": /r/report.html gives /r/report-Files, /r/report.htm
    // /r/repor-Files. The cut stops at the last path separator, so that the folder stays
    // beside the page whatever the name: /r/a.x gives /r/-Files, not /-Files.
    static std::string exportFolder(const std::string& exportFile);
    // The last path component of `folder` (report-Files), as the page refers to it.
    static std::string lastComponent(const std::string& folder);

    // & < > " as entities; characters beyond Windows-1252 as &#N;; the result in
    // Windows-1252 bytes.
    static std::string escape(std::string_view utf8);
    // The whole page, referring to the pictures as `folderName` + "/" + file name (with
    // % # ? percent-encoded, so that any folder name stays a path).
    static std::string page(const Texts& texts, const std::string& folderName);
    // Creates or replaces `path` with the page. "" when written, else the error naming
    // the file.
    static std::string write(const std::string& path, const Texts& texts,
                             const std::string& folderName);
};

} // namespace files
