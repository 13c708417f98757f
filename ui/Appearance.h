// The look shared by the program and its tests: style, font and palette.
#pragma once

class QApplication;

namespace ui {

class Appearance {
public:
    // Fusion style and DejaVu Sans at 11 pixels, so that the fixed-size pages lay out
    // alike on every desktop.
    static void apply(QApplication& application);
};

} // namespace ui
