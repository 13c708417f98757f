// The tab page "Axes": automatic or manual ranges per plot, the simulation range, options.
#pragma once

class QWidget;

namespace ui {

// CheckListAuto (nine items, checked = automatic) beside MinMaxGrid (columns Min, Max;
// rows 0..8 as the items), the driver-2 choices beside rows 2 and 4, BtnRefresh and
// OptionGrid (column 0 the caption, column 1 the value; rows: frequency points, contour
// points, line width).
QWidget* buildAxesPage(QWidget* parent);

} // namespace ui
