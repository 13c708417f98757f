// The HTML export without a display, for the command line: the program opened on Qt's
// offscreen platform, the projects opened and run as a user would, then the export.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FormState.h"

namespace ui {

class HeadlessExport {
public:
    struct Outcome {
        enum class Kind {
            Written,       // the page and its thirteen pictures
            InvalidInputs, // the input check refused a project
            Refused,       // a run refused its inputs
            Failed,        // no program could be started, or a file could not be written
        };
        Kind kind = Kind::Written;
        std::string error;
        // The message boxes the program showed, "caption: text" (caption left out when
        // empty), in order.
        std::vector<std::string> messages;
    };

    // Starts the whole window set, then for each of `projects` (none: the start-up values)
    // opens it as the menu entry does, lets `adjust` change the inputs (false stops with
    // Failed), runs the input check and presses Start once; then exports to `exportFile`.
    // Questions of the program are answered No. A QApplication is created on the offscreen
    // platform (unless QT_QPA_PLATFORM names another) when none exists. The program's data
    // folder is a fresh temporary folder, so that the user's Velmora.ini, contour.txt and
    // data.txt are not touched.
    static Outcome run(const std::vector<std::string>& projects,
                       const std::function<bool(model::FormState&)>& adjust,
                       const std::string& exportFile);
};

} // namespace ui
