// The tab page "Driver": drivers 1 and 2 side by side, the choice of driver 2, the voltage.
#include "DriverPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "FormWidgets.h"
#include "RadioGroup.h"

namespace ui {

namespace {

struct DriverField {
    const char* symbol;
    const char* edit1;
    const char* edit2;
    const char* unit;
};

// In the order of the data sheet; driver 2's boxes carry the suffix 2.
const DriverField Fields[] = {
    {"Rdc", "EditRdc", "EditRdc2", "Ω"},    {"fs", "Editfs", "Editfs2", "Hz"},
    {"Qes", "EditQes", "EditQes2", ""},     {"Qms", "EditQms", "EditQms2", ""},
    {"Vas", "EditVas", "EditVas2", "l"},    {"Pmax", "EditPmax", "EditPmax2", "W"},
    {"Sd", "EditSd", "EditSd2", "cm²"},     {"Z1k", "EditZ1k", "EditZ1k2", "Ω"},
    {"Z10k", "EditZ10k", "EditZ10k2", "Ω"}, {"Xmax", "EditXmax", "EditXmax2", "mm"},
};

constexpr int DriverColumnWidth = 104;

} // namespace

QWidget* buildDriverPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TreiberTab"));
    QGridLayout* grid = form::grid(page, 10);
    grid->setHorizontalSpacing(8);

    QLabel* title1 = form::label(page, "LabelTreiber1");
    QLabel* title2 = form::label(page, "LabelTreiber2");
    QFont bold = title1->font();
    bold.setBold(true);
    title1->setFont(bold);
    title2->setFont(bold);
    grid->addWidget(title1, 0, 1);
    grid->addWidget(title2, 0, 2);

    auto* open1 = new QPushButton(page);
    open1->setObjectName(QStringLiteral("BtnTreiber1Oeffnen"));
    auto* open2 = new QPushButton(page);
    open2->setObjectName(QStringLiteral("BtnTreiber2Oeffnen"));
    open1->setFixedWidth(DriverColumnWidth);
    open2->setFixedWidth(DriverColumnWidth);
    grid->addWidget(open1, 1, 1);
    grid->addWidget(open2, 1, 2);

    // Tab goes down driver 1's column, then down driver 2's.
    QList<QWidget*> column1{open1};
    QList<QWidget*> column2{open2};
    auto addPair = [&](int row, const char* edit1, const char* edit2) {
        column1 << form::edit(page, edit1, DriverColumnWidth);
        column2 << form::edit(page, edit2, DriverColumnWidth);
        grid->addWidget(column1.back(), row, 1);
        grid->addWidget(column2.back(), row, 2);
    };
    grid->addWidget(form::label(page, "LabelLSInfo", QStringLiteral("Info")), 2, 0);
    addPair(2, "EditLSInfo", "EditLSInfo2");

    int row = 3;
    for (const DriverField& f : Fields) {
        const QString symbol = QString::fromUtf8(f.symbol);
        grid->addWidget(form::label(page, ("Label" + symbol).toLatin1().constData(), symbol), row,
                        0);
        addPair(row, f.edit1, f.edit2);
        if (*f.unit)
            grid->addWidget(new QLabel(QString::fromUtf8(f.unit), page), row, 3);
        ++row;
    }
    grid->addWidget(form::label(page, "LabelStk", QStringLiteral("Count")), row, 0);
    addPair(row, "EditStk", "EditStk2");
    grid->addWidget(form::label(page, "Label23"), row, 3);
    ++row;

    // Right: how driver 2 is used, and the input voltage shared by both drivers.
    auto* side = new QVBoxLayout();
    side->setSpacing(6);
    auto* choice = new RadioGroup(3, page);
    choice->setObjectName(QStringLiteral("RGTreiber2"));
    side->addWidget(choice);
    side->addWidget(form::check(page, "CBumdrehen"));
    side->addSpacing(12);
    auto* voltage = new QHBoxLayout();
    voltage->setSpacing(4);
    voltage->addWidget(form::label(page, "LabelUe"));
    voltage->addWidget(form::edit(page, "EditUe"));
    voltage->addWidget(new QLabel(QStringLiteral("V"), page));
    voltage->addStretch();
    side->addLayout(voltage);
    side->addStretch();
    grid->setColumnMinimumWidth(4, 10);
    grid->addLayout(side, 0, 5, row, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(row, 1);

    const QList<QWidget*> order =
        column1 + column2 +
        QList<QWidget*>{choice->itemButton(0), page->findChild<QWidget*>("CBumdrehen"),
                        page->findChild<QWidget*>("EditUe")};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    return page;
}

} // namespace ui
