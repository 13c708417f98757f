// Small makers for the controls of the tab pages: named, compact and alike.
#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui::form {

// Edit boxes of numbers are this wide; symbol labels and units sit beside them.
inline constexpr int NumberWidth = 58;

QLineEdit* edit(QWidget* parent, const char* name, int width = NumberWidth);
QLabel* label(QWidget* parent, const char* name, const QString& text = {});
QCheckBox* check(QWidget* parent, const char* name);
// A drop-down list of `itemCount` items, with the designed texts where given.
QComboBox* combo(QWidget* parent, const char* name, int itemCount,
                 const QStringList& designedItems = {});
// A grid with the spacing used on all pages.
QGridLayout* grid(QWidget* owner, int margin = 6);
// "symbol [edit] unit" in row `row`, columns `column` … `column` + 2 (no unit label when
// the value has no unit).
void addField(QGridLayout* grid, int row, int column, QLabel* symbol, QLineEdit* edit,
              const QString& unit);

} // namespace ui::form
