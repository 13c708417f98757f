// The about box "Info": the program's icon, name and version, and an OK button.
#include "AboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "AppIcon.h"

namespace ui {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(AppIcon::pixmap(48));
    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(m_version, 0, 1);
    layout->addWidget(ok, 1, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutBox::versionText() {
    return QStringLiteral("Velmora ") + QStringLiteral(VELMORA_VERSION_MAJOR_MINOR) +
           QLatin1Char('.') + QString::number(VELMORA_BUILD_NUMBER) + QLatin1Char('\n');
}

void AboutBox::setVersionLabel(const QString& text) {
    m_version->setText(text);
}

QString AboutBox::versionLabel() const {
    return m_version->text();
}

} // namespace ui
