// One row of the English text table: which text of which control it sets.
#pragma once

namespace ui {

enum class TextProperty {
    Caption,   // caption of a control or title of a window ("&" marks the access key)
    Hint,      // tool tip
    Item,      // text of list item `index` of a combo box, check list or radio group
    Cell,      // text of grid cell [`index`, `row`]
    ShownItem, // the combo box shows item `index`
};

// `target` names a control of the main window ("EditRdc"), another window ("AuslForm") or a
// control of another window ("AuslForm.Label18").
struct TextRow {
    const char* target;
    TextProperty property;
    int index;
    int row;
    const char* text;
};

} // namespace ui
