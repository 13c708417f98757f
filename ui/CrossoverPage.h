// The tab page "Crossover": the ladder drawing of the two drivers and the value grid FWGrid.
#pragma once

class QWidget;

namespace ui {

// FWGrid has 15 columns (0: row labels, 1..14: element positions) and 4 rows (0: position
// numbers, 1: R [Ohm], 2: C [uF], 3: L [mH]).
QWidget* buildCrossoverPage(QWidget* parent);

// Row labels, position numbers and column widths (column 0 twice as wide as the others).
void setUpCrossoverGrid(QWidget* page);

} // namespace ui
