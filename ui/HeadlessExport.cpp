// The HTML export without a display, for the command line: the program opened on Qt's
// offscreen platform, the projects opened and run as a user would, then the export.
#include "HeadlessExport.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <optional>

#include "Appearance.h"
#include "DesktopViewer.h"
#include "FileDialogs.h"
#include "FileMenuActions.h"
#include "FormBinding.h"
#include "HtmlExportAction.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "WindowSet.h"

namespace ui {

namespace {

// Keeps every box as a line and answers every question with No.
class RecordedBoxes : public MessageBoxes {
public:
    explicit RecordedBoxes(std::vector<std::string>& lines) : m_lines(lines) {}
    void inform(QWidget*, const QString& caption, const QString& text) override {
        record(caption, text);
    }
    Answer askYesNoCancel(QWidget*, const QString& caption, const QString& text) override {
        record(caption, text);
        return Answer::No;
    }
    Answer askYesNo(QWidget*, const QString& caption, const QString& text) override {
        record(caption, text);
        return Answer::No;
    }

private:
    void record(const QString& caption, const QString& text) {
        m_lines.push_back(((caption.isEmpty() ? QString() : caption + QStringLiteral(": ")) + text)
                              .toStdString());
    }
    std::vector<std::string>& m_lines;
};

// The open dialog answers with the next project; the save dialog is cancelled.
class ScriptedDialogs : public FileDialogs {
public:
    QString openFileName(QWidget*, const Request&) override {
        return m_next.isEmpty() ? QString() : m_next.takeFirst();
    }
    QString saveFileName(QWidget*, const Request&) override { return {}; }
    void answer(const QString& path) { m_next << path; }

private:
    QStringList m_next;
};

class NoViewer : public DesktopViewer {
public:
    void open(const QString&) override {}
};

// An environment variable set for the life of the object, then as it was.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

using Kind = HeadlessExport::Outcome::Kind;

HeadlessExport::Outcome failed(std::string error) {
    HeadlessExport::Outcome outcome;
    outcome.kind = Kind::Failed;
    outcome.error = std::move(error);
    return outcome;
}

HeadlessExport::Outcome exportWith(const std::vector<std::string>& projects,
                                   const std::function<bool(model::FormState&)>& adjust,
                                   const std::string& exportFile) {
    HeadlessExport::Outcome outcome;
    QTemporaryDir data;
    if (!data.isValid())
        return failed("cannot create a temporary data folder");
    const ScopedVariable dataHome("XDG_DATA_HOME", QFile::encodeName(data.path()));

    RecordedBoxes boxes(outcome.messages);
    ScriptedDialogs dialogs;
    NoViewer viewer;
    WindowSet windows(boxes, dialogs, viewer);
    windows.show();
    QCoreApplication::processEvents();
    MainWindow& main = windows.main();
    auto* refresh = main.findChild<QPushButton*>(QStringLiteral("BtnRefresh"));

    const std::vector<std::string> runs =
        projects.empty() ? std::vector<std::string>{""} : projects;
    for (const std::string& project : runs) {
        if (!project.empty()) {
            dialogs.answer(QFileInfo(QString::fromStdString(project)).absoluteFilePath());
            if (!main.fileMenu().openProject())
                return failed("could not open " + project);
        }
        if (adjust) {
            main.binding().collect(main.state().form);
            if (!adjust(main.state().form))
                return failed("");
            main.showForm();
        }
        main.CheckVariables();
        QCoreApplication::processEvents();
        if (!main.state().InputsValid) {
            outcome.kind = Kind::InvalidInputs;
            outcome.error = project.empty() ? "the inputs" : project;
            return outcome;
        }
        // A run that completes enables Refresh; opening a project disables it.
        if (refresh)
            refresh->setEnabled(false);
        main.start();
        QCoreApplication::processEvents();
        if (refresh && !refresh->isEnabled()) {
            outcome.kind = Kind::Refused;
            outcome.error = project.empty() ? "the inputs" : project;
            return outcome;
        }
    }
    const QString error = main.htmlExport().exportTo(
        QFileInfo(QString::fromStdString(exportFile)).absoluteFilePath());
    if (!error.isEmpty()) {
        outcome.kind = Kind::Failed;
        outcome.error = error.toStdString();
    }
    return outcome;
}

// Qt's own remarks (the offscreen platform's, a missing runtime folder) are no concern of
// the command line; what the program says comes back in Outcome::messages.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The handler of quietQt for the life of the object.
class QuietQt {
public:
    QuietQt() : m_previous(qInstallMessageHandler(quietQt)) {}
    ~QuietQt() { qInstallMessageHandler(m_previous); }
    QuietQt(const QuietQt&) = delete;
    QuietQt& operator=(const QuietQt&) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace

HeadlessExport::Outcome HeadlessExport::run(const std::vector<std::string>& projects,
                                            const std::function<bool(model::FormState&)>& adjust,
                                            const std::string& exportFile) {
    const QuietQt quiet;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        return exportWith(projects, adjust, exportFile);
    if (QCoreApplication::instance())
        return failed("the export needs a QApplication, and another kind of application runs");
    std::optional<ScopedVariable> platform;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        platform.emplace("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    int argc = 1;
    char name[] = "velmora-sim";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setQuitOnLastWindowClosed(false);
    Appearance::apply(application);
    return exportWith(projects, adjust, exportFile);
}

} // namespace ui
