// The option "Update plots while editing": curves that follow every edit that passes the check.
#include "LivePreview.h"

#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

#include "MainWindow.h"
#include "SettingsFile.h"

namespace ui {

LivePreview::LivePreview(MainWindow& main) : QObject(&main), m_main(main) {
    m_action = new QAction(QStringLiteral("Update plots while editing"), &main);
    m_action->setObjectName(QStringLiteral("LiveUpdate1"));
    m_action->setCheckable(true);
    m_action->setChecked(false);
    if (auto* extras = main.findChild<QMenu*>(QStringLiteral("Extras1"))) {
        const QList<QAction*> entries = extras->actions();
        QAction* before = nullptr;
        for (qsizetype i = 0; i + 1 < entries.size(); ++i)
            if (entries[i]->objectName() == QLatin1String("AlleFensterzeigen1"))
                before = entries[i + 1];
        extras->insertAction(before, m_action);
        // Another copy of the program may have changed the file meanwhile.
        connect(extras, &QMenu::aboutToShow, this, &LivePreview::showSetting);
    }
    // `triggered` comes from the user only, not from showing the setting.
    connect(m_action, &QAction::triggered, this, [this](bool on) { setEnabled(on); });
}

bool LivePreview::enabled() const {
    return SettingsFile(m_main.state().DataFolder).liveUpdate();
}

void LivePreview::setEnabled(bool on) {
    SettingsFile(m_main.state().DataFolder).setLiveUpdate(on);
    showSetting();
}

void LivePreview::startupDone() {
    m_ready = true;
    showSetting();
}

void LivePreview::checkDone() {
    if (!m_ready || !m_main.state().InputsValid || !enabled())
        return;
    m_main.simulateLive();
}

void LivePreview::showSetting() {
    const QSignalBlocker quiet(m_action);
    m_action->setChecked(enabled());
}

} // namespace ui
