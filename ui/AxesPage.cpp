// The tab page "Axes": automatic or manual ranges per plot, the simulation range, options.
#include "AxesPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "FormWidgets.h"
#include "StringGrid.h"

namespace ui {

namespace {

constexpr int RowHeight = 20;
constexpr int AxisRows = 9;
constexpr int ListWidth = 232;
constexpr int RangeColumnWidth = 64;

QListWidget* autoList(QWidget* page) {
    auto* list = new QListWidget(page);
    list->setObjectName(QStringLiteral("CheckListAuto"));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setSpacing(0);
    for (int i = 0; i < AxisRows; ++i) {
        auto* item = new QListWidgetItem(list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
        item->setSizeHint(QSize(ListWidth - 4, RowHeight));
    }
    list->setFixedSize(ListWidth, AxisRows * RowHeight + 2 * list->frameWidth());
    return list;
}

} // namespace

QWidget* buildAxesPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AchsenTab"));
    QGridLayout* grid = form::grid(page, 10);
    grid->setHorizontalSpacing(6);

    grid->addWidget(form::label(page, "LabelAuto", QStringLiteral("Auto")), 0, 0);
    auto* columns = new QHBoxLayout();
    columns->setSpacing(0);
    QLabel* min = form::label(page, "LabelMin", QStringLiteral("Min"));
    QLabel* max = form::label(page, "LabelMax", QStringLiteral("Max"));
    min->setFixedWidth(RangeColumnWidth);
    max->setFixedWidth(RangeColumnWidth);
    min->setAlignment(Qt::AlignCenter);
    max->setAlignment(Qt::AlignCenter);
    columns->addWidget(min);
    columns->addWidget(max);
    columns->addStretch();
    grid->addLayout(columns, 0, 1);

    grid->addWidget(autoList(page), 1, 0, Qt::AlignTop);
    auto* ranges = new StringGrid(2, AxisRows, 0, 0, page);
    ranges->setObjectName(QStringLiteral("MinMaxGrid"));
    ranges->setRowHeight(RowHeight);
    ranges->setColumnWidths({RangeColumnWidth, RangeColumnWidth});
    grid->addWidget(ranges, 1, 1, Qt::AlignTop | Qt::AlignLeft);

    // The driver-2 choices sit level with rows 2 (cone amplitude) and 4 (power).
    auto* beside = new QWidget(page);
    beside->setFixedSize(90, ranges->height());
    QCheckBox* amplitude = form::check(beside, "CBAmplTreiber2");
    QCheckBox* power = form::check(beside, "CBPmaxTreiber2");
    const int top = ranges->frameWidth();
    amplitude->setGeometry(0, top + 2 * RowHeight, 90, RowHeight);
    power->setGeometry(0, top + 4 * RowHeight, 90, RowHeight);
    grid->addWidget(beside, 1, 2, Qt::AlignTop | Qt::AlignLeft);

    auto* options = new StringGrid(2, 3, 1, 0, page);
    options->setObjectName(QStringLiteral("OptionGrid"));
    options->setRowHeight(RowHeight);
    options->setColumnWidths({4 * 50, 50});
    grid->addWidget(options, 2, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);

    auto* refresh = new QPushButton(page);
    refresh->setObjectName(QStringLiteral("BtnRefresh"));
    grid->addWidget(refresh, 2, 2, Qt::AlignTop | Qt::AlignLeft);

    grid->setRowMinimumHeight(2, 3 * RowHeight + 12);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
    grid->setVerticalSpacing(8);
    return page;
}

} // namespace ui
