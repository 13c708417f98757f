// The tab page "Driver": drivers 1 and 2 side by side, the choice of driver 2, the voltage.
#pragma once

class QWidget;

namespace ui {

QWidget* buildDriverPage(QWidget* parent);

} // namespace ui
