// The whole window set started in a fresh home folder, with helpers that act like a user.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "AnsweringBoxes.h"
#include "AnsweringDialogs.h"
#include "FormBinding.h"
#include "MainWindow.h"
#include "RecordingViewer.h"
#include "WindowSet.h"

class StartedProgram {
public:
    // `beforeStart` may change the environment once HOME points at the fresh folder.
    explicit StartedProgram(const std::function<void(const QString& home)>& beforeStart = {});
    ~StartedProgram();

    ui::MainWindow& main() const { return m_windows->main(); }
    const ui::Windows& windows() const { return m_windows->windows(); }
    model::MainWindowState& state() const { return main().state(); }
    QString home() const { return m_home.path(); }
    QString dataFolder() const { return m_home.path() + "/.local/share/Velmora"; }
    // True when the main window became active (focus changes need it).
    bool active() const { return m_active; }

    template <typename T> T* control(const char* name) const {
        return qobject_cast<T*>(main().binding().widget(name));
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }

    // Puts the focus into the box (switching to its page) and types `text` over its content.
    void type(const char* editName, const QString& text) const;
    // Tab to the next control, and let the focus change finish.
    void leave() const;
    // F9 with the focus wherever it is.
    void pressF9() const;

    AnsweringBoxes boxes;
    AnsweringDialogs dialogs;
    RecordingViewer viewer;

private:
    QTemporaryDir m_home;
    std::unique_ptr<ui::WindowSet> m_windows;
    bool m_active = false;
};

// Lines of a text file ended by CR LF; -1 when it cannot be read.
int countLines(const QString& path);
