// The menu entry HTMLExport1: the page of the project with pictures of the nine windows
// and the four input pages.
#include "HtmlExportAction.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <vector>

#include "DesktopViewer.h"
#include "FileAttributes.h"
#include "FileDialogs.h"
#include "FormBinding.h"
#include "JpegWriter.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ParamForm.h"
#include "PlotPainter.h"
#include "PlotWindow.h"
#include "SettingsFile.h"
#include "SketchWindow.h"
#include "Translator.h"

namespace ui {

namespace {

const char* const FolderKey = "html";
constexpr int PageHeight = 340;

std::string utf8(const QString& text) {
    return text.toStdString();
}

// The system's short date and long time (without a time zone), as the desktop shows them.
QString exportDateTime() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed());
}

// A palette change of one widget for the time of a picture; the widget gets its own
// palette back, or inherits again when it had none of its own.
class PaletteChange {
public:
    PaletteChange(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles, QColor colour)
        : m_widget(widget), m_own(widget->testAttribute(Qt::WA_SetPalette)),
          m_palette(widget->palette()) {
        QPalette changed = m_palette;
        for (QPalette::ColorRole role : roles)
            changed.setColor(role, colour);
        widget->setPalette(changed);
    }
    ~PaletteChange() { m_widget->setPalette(m_own ? m_palette : QPalette()); }
    PaletteChange(const PaletteChange&) = delete;
    PaletteChange& operator=(const PaletteChange&) = delete;

private:
    QWidget* m_widget;
    bool m_own;
    QPalette m_palette;
};

// A widget painted into a new picture of its size at device pixel ratio 1.
QImage rendered(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(widget->palette().color(QPalette::Window));
    widget->render(&image);
    return image;
}

// Every pixel of one of `colours` becomes white.
void whiten(QImage& image, const std::vector<QColor>& colours) {
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            for (const QColor& colour : colours)
                if ((row[x] & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                    row[x] = white;
    }
}

// The text a combo box shows, drawn over its text field in the default font on white, so
// that the picture of the page shows the choice plainly.
void drawComboText(QPainter& painter, const QWidget* page, const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const QRect onPage(combo->mapTo(page, field.topLeft()), field.size());
    painter.fillRect(onPage, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(combo->font());
    painter.drawText(onPage.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     combo->currentText());
}

QString writeJpeg(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const std::string error =
        files::JpegWriter::write(utf8(path), rgb.constBits(), rgb.width(), rgb.height(),
                                 static_cast<std::size_t>(rgb.bytesPerLine()));
    return QString::fromStdString(error);
}

} // namespace

HtmlExportAction::HtmlExportAction(MainWindow& main, MessageBoxes& boxes, FileDialogs& dialogs,
                                   DesktopViewer& viewer)
    : QObject(&main), m_main(main), m_boxes(boxes), m_dialogs(dialogs), m_viewer(viewer) {
    if (auto* action = m_main.findChild<QAction*>(QStringLiteral("HTMLExport1"))) {
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, [this] { run(); });
    }
}

void HtmlExportAction::run() {
    const model::MainWindowState& state = m_main.state();
    const SettingsFile settings(state.DataFolder);
    FileDialogs::Request request;
    request.title = QStringLiteral("HTML-Export");
    request.folder = QString::fromStdString(settings.folder(FolderKey, state.DocumentsFolder));
    request.fileName = m_lastFile;
    request.filter = QStringLiteral("*.html (*.html)");
    request.defaultSuffix = QStringLiteral("html");
    // The save dialog of the project serves here too, with its questions.
    request.confirmOverwrite = true;
    request.refuseReadOnly = true;
    QCoreApplication::processEvents();
    const QString chosen = m_dialogs.saveFileName(&m_main, request);
    if (chosen.isEmpty())
        return;
    m_lastFile = QFileInfo(chosen).fileName();
    settings.setFolder(FolderKey, utf8(FileAttributes::folderOf(chosen)));

    const QString error = exportTo(chosen);
    if (!error.isEmpty()) {
        m_boxes.inform(&m_main, QStringLiteral("Error"), error);
        return;
    }
    if (m_boxes.askYesNo(&m_main, QStringLiteral("HTML"), QStringLiteral("Show HTML?")) ==
        MessageBoxes::Answer::Yes)
        m_viewer.open(chosen);
}

QString HtmlExportAction::exportTo(const QString& exportFile) {
    const std::string folder = files::HtmlExport::exportFolder(utf8(exportFile));
    const QString qFolder = QString::fromStdString(folder);
    // An existing folder is fine; a folder that cannot be made shows in the first picture.
    QDir().mkpath(qFolder);
    for (std::string_view file : files::HtmlExport::pictureFiles()) {
        const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        const QString error = writeJpeg(picture(name), QDir(qFolder).filePath(name));
        if (!error.isEmpty())
            return error;
    }
    const std::string error = files::HtmlExport::write(utf8(exportFile), pageTexts(),
                                                       files::HtmlExport::lastComponent(folder));
    return QString::fromStdString(error);
}

QImage HtmlExportAction::picture(const QString& file) {
    const Windows& w = m_main.windows();
    if (file == QLatin1String("Skizze.jpg")) {
        if (!w.skizze)
            return {};
        // A resize to the export size redraws the sketch while BtnRefresh is enabled.
        const auto* refresh = m_main.findChild<QPushButton*>(QStringLiteral("BtnRefresh"));
        return w.skizze->picture(windowPictureSize(), refresh && refresh->isEnabled());
    }
    const std::pair<const char*, PlotWindow*> plots[] = {
        {"SPL.jpg", w.spl},     {"Zel.jpg", w.zel},       {"Ausl.jpg", w.ausl},
        {"Pmax.jpg", w.pmax},   {"SPLmax.jpg", w.splmax}, {"Phia.jpg", w.phia},
        {"Znorm.jpg", w.znorm},
    };
    for (const auto& [name, window] : plots) {
        if (file != QLatin1String(name))
            continue;
        if (!window)
            return {};
        // The window colour white: the value labels and the frequency strip on white.
        plot::PlotInput input = window->plotInput();
        input.buttonFace = Qt::white;
        return plot::RenderPlot(input, windowPictureSize());
    }
    if (file == QLatin1String("Param.jpg")) {
        if (!w.param)
            return {};
        // The window and its two text panes white, at the window's own size.
        const PaletteChange form(w.param, {QPalette::Window, QPalette::Base}, Qt::white);
        const PaletteChange memo1(w.param->memo1(), {QPalette::Window, QPalette::Base}, Qt::white);
        const PaletteChange memo2(w.param->memo2(), {QPalette::Window, QPalette::Base}, Qt::white);
        return rendered(w.param);
    }
    const std::pair<const char*, const char*> pages[] = {{"TreiberTab.jpg", "TreiberTab"},
                                                         {"HornTab.jpg", "HornTab"},
                                                         {"FWTab.jpg", "FWTab"},
                                                         {"AchsenTab.jpg", "AchsenTab"}};
    for (const auto& [name, page] : pages)
        if (file == QLatin1String(name))
            return pagePicture(page, page == std::string_view("TreiberTab") ? 500 : 530);
    return {};
}

QImage HtmlExportAction::pagePicture(const char* pageName, int width) {
    QImage cut(width, PageHeight, QImage::Format_RGB32);
    cut.setDevicePixelRatio(1);
    cut.fill(Qt::white);
    auto* pages = m_main.findChild<QTabWidget*>(QStringLiteral("DE"));
    auto* page = pages ? pages->findChild<QWidget*>(QLatin1String(pageName)) : nullptr;
    if (!page || pages->indexOf(page) < 0)
        return cut;
    // The page is laid out only while it is the active page. The focus is held aside
    // meanwhile: a focus that moved to the page would run the input check.
    const int active = pages->currentIndex();
    QPointer<QWidget> focused = m_main.focusWidget();
    if (focused)
        focused->clearFocus();
    pages->setCurrentWidget(page);
    // The button face turned white: in the palette, for what the style derives from it
    // (the panels of the group boxes), and pixel by pixel for the controls that carry the
    // colour in a palette of their own (inactive edit boxes).
    const QPalette& palette = page->palette();
    const std::vector<QColor> face = {palette.color(QPalette::Window),
                                      palette.color(QPalette::Button)};
    QImage shown;
    {
        const PaletteChange white(page, {QPalette::Window, QPalette::Button}, Qt::white);
        // The page's top-left corner is the corner of the picture.
        shown = rendered(page);
    }
    pages->setCurrentIndex(active);
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    whiten(shown, face);
    QPainter painter(&cut);
    painter.drawImage(0, 0, shown);
    if (std::string_view(pageName) == "HornTab")
        for (const char* name : {"CBTyp", "CBKontur", "CBPosi"})
            if (auto* combo = page->findChild<QComboBox*>(QLatin1String(name)))
                drawComboText(painter, page, combo);
    return cut;
}

files::HtmlExport::Texts HtmlExportAction::pageTexts() const {
    const Windows& windows = m_main.windows();
    const TargetResolver resolve = [&windows](const QString& target) {
        return windows.find(target);
    };
    auto read = [&resolve](const char* target, TextProperty property) {
        return utf8(Translator::read({target, property, 0, 0, ""}, resolve).value_or(QString()));
    };
    auto caption = [&read](const char* target) { return read(target, TextProperty::Caption); };
    auto hint = [&read](const char* target) { return read(target, TextProperty::Hint); };

    files::HtmlExport::Texts t;
    if (auto* info = qobject_cast<QLineEdit*>(m_main.binding().widget("EditInfo")))
        t.info = utf8(info->text());
    t.dateTime = utf8(exportDateTime());
    t.projectFileName = m_main.state().ProjectFileName;
    t.sketch = caption("SkizzeForm");
    t.spl = caption("SPLForm");
    t.zel = caption("ZelForm");
    t.ausl = caption("AuslForm");
    t.pmax = caption("PmaxForm");
    t.splmax = caption("SPLmaxForm");
    t.phia = caption("PhiaForm");
    t.znorm = caption("ZnormForm");
    t.param = caption("ParamForm");
    t.inputHint = hint("DE");
    t.driverHint = hint("TreiberTab");
    t.hornCaption = caption("GroupBox7");
    t.crossoverHint = hint("FWTab");
    t.axesHint = hint("AchsenTab");
    return t;
}

} // namespace ui
