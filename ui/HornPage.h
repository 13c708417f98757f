// The tab page "Horn": horn, chambers, absorber chamber, driver 2, extra tunnel, position.
#pragma once

class QWidget;

namespace ui {

QWidget* buildHornPage(QWidget* parent);

} // namespace ui
