// The options dialog: whether the colour slot advances after every run, and live updates.
#include "OptionsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionenForm"));
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    m_colourChange = new QCheckBox(this);
    m_colourChange->setObjectName(QStringLiteral("CBFarbeWechseln"));
    m_colourChange->setChecked(true);
    layout->addWidget(m_colourChange);
    m_liveUpdate = new QCheckBox(QStringLiteral("Update plots while editing"), this);
    m_liveUpdate->setObjectName(QStringLiteral("CBLiveUpdate"));
    m_liveUpdate->setChecked(false);
    layout->addWidget(m_liveUpdate);
    layout->addSpacing(8);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("BtnAbbrechen"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool OptionsDialog::colourChange() const {
    return m_colourChange->isChecked();
}

void OptionsDialog::setColourChange(bool on) {
    m_colourChange->setChecked(on);
}

bool OptionsDialog::liveUpdate() const {
    return m_liveUpdate->isChecked();
}

void OptionsDialog::setLiveUpdate(bool on) {
    m_liveUpdate->setChecked(on);
}

} // namespace ui
