// The tab page "Horn": horn, chambers, absorber chamber, driver 2, extra tunnel, position.
#include "HornPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "FormWidgets.h"

namespace ui {

namespace {

// One "symbol [edit] unit" row; a null label name leaves the symbol as designed.
struct Field {
    const char* labelName;
    const char* symbol; // the designed text; empty when the English texts set it
    const char* edit;
    const char* unit;
};

QGroupBox* group(QWidget* page, const char* name, const QString& designedTitle = {}) {
    auto* box = new QGroupBox(designedTitle, page);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Adds the fields one per row from `row` on, in the three columns from `column` on.
int addFields(QGridLayout* grid, QWidget* owner, int row, int column,
              std::initializer_list<Field> fields) {
    for (const Field& f : fields) {
        QLabel* symbol = form::label(owner, f.labelName, QString::fromUtf8(f.symbol));
        form::addField(grid, row++, column, symbol, form::edit(owner, f.edit),
                       QString::fromUtf8(f.unit));
    }
    return row;
}

QGroupBox* hornGroup(QWidget* page) {
    QGroupBox* box = group(page, "GroupBox7", QStringLiteral("Horn"));
    QGridLayout* grid = form::grid(box);
    auto* shapes = new QHBoxLayout();
    shapes->setSpacing(4);
    shapes->addWidget(form::combo(box, "CBKontur", 7));
    shapes->addWidget(form::combo(box, "CBTyp", 2, {"Frontloaded", "Rearloaded"}));
    grid->addLayout(shapes, 0, 0, 1, 6);
    addFields(grid, box, 1, 0,
              {{"Label48", "", "EditAh", "cm²"},
               {"LabelH", "H", "EditH", "cm"},
               {"LabelBeta1", "ß1", "EditBeta1", ""}});
    addFields(grid, box, 1, 3,
              {{"LabelL1", "L", "Editl1", "m"},
               {"LabelB", "B", "EditB", "cm"},
               {"LabelBeta2", "ß2", "EditBeta2", ""}});
    grid->addWidget(form::check(box, "CBMundGeschl"), 4, 0, 1, 6);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(5, 1);
    return box;
}

QGroupBox* chamberGroup(QWidget* page) {
    QGroupBox* box = group(page, "GroupBox6");
    QGridLayout* grid = form::grid(box);
    addFields(grid, box, 0, 0,
              {{"Label28", "", "EditVvk", "l"},
               {"Label29", "", "EditLvk", "m"},
               {"Label31", "", "EditBvk", ""},
               {"Label34", "", "EditxT1", "m"}});
    addFields(grid, box, 0, 3,
              {{"Label44", "", "EditVrk", "l"},
               {"Label45", "", "EditLrk", "m"},
               {"LabelBrk", "", "EditBrk", ""},
               {"LabelAbr", "ABR", "EditAbr", "cm²"},
               {"Labelfbr", "fBR", "Editfbr", "Hz"},
               {"LabelBbr", "ßBR", "EditBbr", ""}});
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(6, 1);
    return box;
}

// A branch group: its two check boxes on top, then its fields.
QGroupBox* branchGroup(QWidget* page, const char* name, const char* withBox, const char* sketchBox,
                       std::initializer_list<Field> fields) {
    QGroupBox* box = group(page, name);
    QGridLayout* grid = form::grid(box);
    grid->addWidget(form::check(box, withBox), 0, 0, 1, 3);
    grid->addWidget(form::check(box, sketchBox), 1, 0, 1, 3);
    const int end = addFields(grid, box, 2, 0, fields);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(end, 1);
    return box;
}

QGroupBox* positionGroup(QWidget* page) {
    QGroupBox* box = group(page, "GroupBox4");
    QGridLayout* grid = form::grid(box);
    grid->addWidget(form::combo(box, "CBPosi", 5), 0, 0, 1, 3);
    const int end = addFields(grid, box, 1, 0,
                              {{"LabelAbst", "", "EditAbst", "m"},
                               {"LabeldL", "dL", "EditdL", "m"},
                               {"LabeldL2", "dL2", "EditdL2", "m"},
                               {"LabeldLET", "dLET", "EditdLET", "m"}});
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(end, 1);
    return box;
}

} // namespace

QWidget* buildHornPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("HornTab"));
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(4);

    auto* top = new QHBoxLayout();
    top->setSpacing(4);
    top->addWidget(hornGroup(page), 1);
    top->addWidget(chamberGroup(page), 1);
    rows->addLayout(top);

    auto* bottom = new QHBoxLayout();
    bottom->setSpacing(4);
    bottom->addWidget(branchGroup(page, "GroupBox2", "CBAK", "CBAKSkizzeOben",
                                  {{"LabelVAK", "", "EditVAK", "l"},
                                   {"LabelAAT", "AAT", "EditAAT", "cm²"},
                                   {"LabelfAK", "", "EditfAK", "Hz"},
                                   {"LabelBAK", "", "EditBAK", ""},
                                   {"LabelxAK", "", "EditxAK", "m"}}),
                      1);
    // Driver 2 with rear chamber 2, and the project info below it.
    auto* middle = new QVBoxLayout();
    middle->setSpacing(4);
    middle->addWidget(
        branchGroup(page, "GroupBox8", "CBRK2", "CBT2SkizzeOben",
                    {{"Label39", "", "EditxT2", "m"}, {"Label52", "", "EditVrk2", "l"}}));
    auto* info = new QVBoxLayout();
    info->setSpacing(2);
    info->addWidget(form::label(page, "LabelInfo", QStringLiteral("Project info")));
    info->addWidget(form::edit(page, "EditInfo", 120));
    info->setContentsMargins(2, 0, 2, 0);
    middle->addLayout(info);
    middle->addStretch();
    bottom->addLayout(middle, 1);
    bottom->addWidget(branchGroup(page, "GroupBox3", "CBET", "CBETSkizzeOben",
                                  {{"LabelAET", "AET", "EditAET", "cm²"},
                                   {"LabelLET", "LET", "EditLET", "m"},
                                   {"LabelBET", "ßET", "EditBET", ""},
                                   {"LabelxET", "xET", "EditxET", "m"}}),
                      1);
    bottom->addWidget(positionGroup(page), 1);
    rows->addLayout(bottom, 1);
    return page;
}

} // namespace ui
