// Runs the GUI test classes with one QApplication on the offscreen platform.
#include <QApplication>
#include <QTest>
#include <memory>

#include "Appearance.h"

QObject* makeStartupTest();
QObject* makeMainWindowTest();
QObject* makePlotWindowsTest();
QObject* makeCrossoverPageTest();
QObject* makeFileMenuTest();
QObject* makeLivePreviewTest();
QObject* makeSketchWindowTest();
QObject* makeHtmlExportTest();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Appearance::apply(application);
    int failed = 0;
    for (auto make : {makeStartupTest, makeMainWindowTest, makePlotWindowsTest, makeCrossoverPageTest, makeLivePreviewTest, makeFileMenuTest,
                      makeSketchWindowTest, makeHtmlExportTest}) {
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
