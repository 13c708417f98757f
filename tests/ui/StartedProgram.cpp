// The whole window set started in a fresh home folder, with helpers that act like a user.
#include "StartedProgram.h"

#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTest>

StartedProgram::StartedProgram(const std::function<void(const QString& home)>& beforeStart) {
    qputenv("HOME", m_home.path().toLocal8Bit());
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"})
        qunsetenv(name);
    if (beforeStart)
        beforeStart(m_home.path());
    m_windows = std::make_unique<ui::WindowSet>(boxes, dialogs, viewer);
    m_windows->show();
    main().activateWindow();
    m_active = QTest::qWaitForWindowActive(&main());
}

StartedProgram::~StartedProgram() = default;

void StartedProgram::type(const char* editName, const QString& text) const {
    QLineEdit* box = edit(editName);
    auto* pages = main().findChild<QTabWidget*>(QStringLiteral("DE"));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->isAncestorOf(box))
            pages->setCurrentIndex(i);
    QCoreApplication::processEvents();
    box->setFocus(Qt::MouseFocusReason);
    // The check that leaving the previous box started runs before the typing.
    QCoreApplication::processEvents();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void StartedProgram::leave() const {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &main(), Qt::Key_Tab);
    QCoreApplication::processEvents();
}

void StartedProgram::pressF9() const {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &main(), Qt::Key_F9);
    QCoreApplication::processEvents();
}

int countLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(file.readAll().count("\r\n"));
}
