// The main window (TMainForm): the input pages, the menu, Start, progress and colour slots.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>
#include <clocale>
#include <exception>

#include "AboutBox.h"
#include "AppFolders.h"
#include "AppIcon.h"
#include "AxesPage.h"
#include "ColourSwatch.h"
#include "CrossoverPage.h"
#include "CurveGeometry.h"
#include "DriverPage.h"
#include "EnglishTexts.h"
#include "FileMenuActions.h"
#include "HtmlExportAction.h"
#include "FormBinding.h"
#include "HornPage.h"
#include "LivePreview.h"
#include "MainMenu.h"
#include "MessageBoxes.h"
#include "OptionsDialog.h"
#include "ParamForm.h"
#include "PlotWindow.h"
#include "ProjectFile.h"
#include "RadioGroup.h"
#include "SettingsFile.h"
#include "SimulationInputBuilder.h"
#include "SketchWindow.h"
#include "SlotPlots.h"
#include "TableFiles.h"
#include "Translator.h"

namespace ui {

namespace {

constexpr int ClientWidth = 559;
constexpr int ClientHeight = 425;

// Controls whose losing the focus runs the input check.
const char* const CheckedOnLeave[] = {
    "Editfs",    "EditQes",  "EditQms",  "EditVas",   "EditPmax",  "EditSd",    "EditZ1k",
    "EditZ10k",  "EditXmax", "EditStk",  "EditUe",    "EditRdc",   "EditRdc2",  "Editfs2",
    "EditQes2",  "EditQms2", "EditVas2", "EditPmax2", "EditSd2",   "EditZ1k2",  "EditZ10k2",
    "EditXmax2", "EditStk2", "EditVAK",  "EditfAK",   "EditAAT",   "EditBAK",   "EditxAK",
    "EditVvk",   "EditLvk",  "EditBvk",  "EditVrk",   "EditLrk",   "EditBrk",   "Editfbr",
    "EditAbr",   "EditBbr",  "EditAh",   "Editl1",    "EditBeta1", "EditBeta2", "EditH",
    "EditB",     "CBKontur", "EditxT1",  "CBTyp",     "EditVrk2",  "EditxT2",   "EditLET",
    "EditxET",   "EditAET",  "EditBET",  "EditAbst",  "EditdL",    "EditdL2",   "EditdLET",
    "FWGrid",
};

// Check boxes whose click runs the input check (the radio group RGTreiber2 too).
const char* const CheckedOnClick[] = {"CBumdrehen", "CBAK", "CBMundGeschl", "CBRK2", "CBET"};

// Driver 2's edit boxes take the hints of driver 1's at start-up.
const std::pair<const char*, const char*> CopiedHints[] = {
    {"EditRdc", "EditRdc2"},   {"Editfs", "Editfs2"},         {"EditQes", "EditQes2"},
    {"EditQms", "EditQms2"},   {"EditVas", "EditVas2"},       {"EditPmax", "EditPmax2"},
    {"EditSd", "EditSd2"},     {"EditZ1k", "EditZ1k2"},       {"EditZ10k", "EditZ10k2"},
    {"EditXmax", "EditXmax2"}, {"EditLSInfo", "EditLSInfo2"},
};

// Menu entries whose work comes later: the HTML export.
const char* const WaitingActions[] = {"HTMLExport1"};

const QColor SlotColours[model::SlotCount] = {Qt::black, Qt::red, QColor(0, 128, 0), Qt::blue};

// The picture of "Delete all plots": a plot frame with a curve, crossed out.
QIcon clearIcon() {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(2, 3, 19, 17);
    painter.setPen(QPen(Qt::blue, 1.4));
    painter.drawPolyline(QPolygonF({{3, 16}, {8, 9}, {12, 12}, {16, 6}, {20, 8}}));
    painter.setPen(QPen(QColor(200, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(7, 8), QPointF(17, 18));
    painter.drawLine(QPointF(17, 8), QPointF(7, 18));
    return QIcon(picture);
}

} // namespace

MainWindow::MainWindow(MessageBoxes& boxes, FileDialogs& dialogs, DesktopViewer& viewer,
                       QWidget* parent)
    : QMainWindow(parent), m_boxes(boxes) {
    // "." is the decimal separator of every conversion, whatever the user's settings.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(AppIcon::icon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_state.ProgramFolder = AppFolders::programFolder();

    buildMainMenu(this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    m_pages = new QTabWidget(client);
    m_pages->setObjectName(QStringLiteral("DE"));
    m_pages->setGeometry(4, 4, ClientWidth - 8, 374);
    m_pages->addTab(buildDriverPage(m_pages), QString());
    m_pages->addTab(buildHornPage(m_pages), QStringLiteral("&Horn"));
    m_pages->setTabToolTip(1, QStringLiteral("Horn"));
    m_pages->addTab(buildCrossoverPage(m_pages), QString());
    m_pages->addTab(buildAxesPage(m_pages), QString());
    buildBottomStrip(client);

    m_binding = std::make_unique<FormBinding>(this);
    m_binding->show(m_state.form);
    if (auto* type = qobject_cast<QComboBox*>(m_binding->widget("CBTyp"));
        type && type->currentIndex() < 0)
        type->setCurrentIndex(0);
    ClearValues();
    connectControls();
    connectMenu();
    m_fileMenu = new FileMenuActions(*this, boxes, dialogs, viewer);
    m_livePreview = new LivePreview(*this);
    m_htmlExport = new HtmlExportAction(*this, boxes, dialogs, viewer);
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildBottomStrip(QWidget* client) {
    m_progress = new QProgressBar(client);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(9, 394, 192, 16);

    const QPoint swatchAt[model::SlotCount] = {{353, 382}, {370, 382}, {353, 400}, {370, 400}};
    for (int slot = 0; slot < model::SlotCount; ++slot) {
        auto* swatch = new ColourSwatch(SlotColours[slot], client);
        swatch->setObjectName(QStringLiteral("Evo%1Image").arg(slot));
        swatch->move(swatchAt[slot]);
        m_swatches.push_back(swatch);
    }

    m_clear = new QToolButton(client);
    m_clear->setObjectName(QStringLiteral("BtnClear"));
    m_clear->setIcon(clearIcon());
    m_clear->setIconSize(QSize(24, 24));
    m_clear->setAutoRaise(true);
    m_clear->setGeometry(396, 382, 33, 33);

    m_start = new QPushButton(QStringLiteral("&Start"), client);
    m_start->setObjectName(QStringLiteral("ButtonStart"));
    m_start->setGeometry(452, 384, 95, 29);
    m_start->setDefault(false);
    m_start->setAutoDefault(false);

    m_refresh = findChild<QPushButton*>(QStringLiteral("BtnRefresh"));
}

void MainWindow::connectControls() {
    for (const char* name : CheckedOnLeave)
        if (QWidget* w = m_binding->widget(QLatin1String(name)))
            m_checkOnLeave.insert(w);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    for (const char* name : CheckedOnClick)
        if (auto* box = qobject_cast<QCheckBox*>(m_binding->widget(QLatin1String(name))))
            connect(box, &QCheckBox::clicked, this, [this] { CheckVariables(); });
    if (auto* group = qobject_cast<RadioGroup*>(m_binding->widget("RGTreiber2")))
        connect(group, &RadioGroup::itemClicked, this, [this] { CheckVariables(); });

    connect(m_start, &QPushButton::clicked, this, &MainWindow::start);
    connect(m_clear, &QToolButton::clicked, this, &MainWindow::clearPlots);
    if (m_refresh)
        connect(m_refresh, &QPushButton::clicked, this, [this] {
            DrawGraphs();
            DrawSketch();
        });
    for (int slot = 0; slot < model::SlotCount; ++slot)
        connect(m_swatches[static_cast<size_t>(slot)], &ColourSwatch::clicked, this,
                [this, slot] { selectColourSlot(slot); });
}

void MainWindow::connectMenu() {
    auto action = [this](const char* name) { return findChild<QAction*>(QLatin1String(name)); };
    for (const char* name : WaitingActions)
        action(name)->setEnabled(false);
    for (const auto& [button, name] : {std::pair{"BtnTreiber1Oeffnen", "Treiber1Oeffnen"},
                                       std::pair{"BtnTreiber2Oeffnen", "Treiber2Oeffnen"}}) {
        auto* b = findChild<QPushButton*>(QLatin1String(button));
        QAction* a = action(name);
        b->setEnabled(a->isEnabled());
        connect(a, &QAction::changed, b, [a, b] { b->setEnabled(a->isEnabled()); });
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
    }
    connect(action("Beenden1"), &QAction::triggered, this, &QWidget::close);
    connect(action("Start1"), &QAction::triggered, m_start, &QPushButton::click);
    connect(action("Optionen1"), &QAction::triggered, this, &MainWindow::showOptions);
    connect(action("AlleFensterzeigen1"), &QAction::triggered, this, &MainWindow::showAllPlots);
    connect(action("Info1"), &QAction::triggered, this, [this] {
        if (m_windows.about)
            m_windows.about->exec();
    });
}

void MainWindow::attachWindows(const Windows& windows) {
    m_windows = windows;
    for (PlotWindow* plot : m_windows.plotsInClosingOrder())
        if (plot)
            connect(plot, &PlotWindow::formResized, this, &MainWindow::FormResize);
    // FormResize of the sketch window redraws while BtnRefresh is enabled.
    if (m_windows.skizze)
        connect(m_windows.skizze, &SketchWindow::formResized, this, [this] {
            if (m_refresh->isEnabled())
                DrawSketch();
        });
    applyWindowGeometry();
}

// ---------------------------------------------------------------------------------------
// Start-up

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        formShow();
    }
}

void MainWindow::formShow() {
    const AppFolders folders = AppFolders::locate();
    m_state.DocumentsFolder = folders.DocumentsFolder;
    m_state.DataFolder = folders.DataFolder;
    if (!AppFolders::ensureFolder(m_state.DataFolder))
        m_boxes.inform(this, QStringLiteral("Notice"), QStringLiteral("Error 0xA1"));

    if (m_windows.about)
        m_windows.about->setVersionLabel(AboutBox::versionText());
    m_state.ProjectFileName = model::MainWindowState::joinPath(m_state.DocumentsFolder, "new.vmx");
    m_state.ProjectSaved = true;

    placeWindows();
    Translate();
    CheckVariables();
    DrawEvoImages();
    m_clear->setEnabled(false);
    m_refresh->setEnabled(false);

    for (const auto& [from, to] : CopiedHints)
        m_binding->widget(QLatin1String(to))
            ->setToolTip(m_binding->widget(QLatin1String(from))->toolTip());
    m_binding->readHints(m_state.form.hints);

    setUpCrossoverGrid(m_pages->widget(2));
    m_state.form.OptionGrid = {"100", "51", "1"};
    for (auto& column : m_state.form.MinMaxGrid)
        column.fill("0");
    m_state.form.CheckListAuto.fill(true);
    m_binding->show(m_state.form);
    m_state.ProjectSaved = true;

    if (m_windows.phia)
        m_windows.phia->showMinimized();
    QFile contour(QString::fromStdString(
        model::MainWindowState::joinPath(m_state.DataFolder, "contour.txt")));
    if (contour.open(QIODevice::WriteOnly | QIODevice::Truncate))
        contour.close();
    m_livePreview->startupDone();
}

void MainWindow::placeWindows() {
    move(0, 0);
    const QRect main = frameGeometry();
    if (m_windows.param)
        m_windows.param->move(main.left(), main.top() + main.height() + 2);
    if (!m_windows.spl)
        return;
    m_windows.spl->move(main.left() + main.width() + 2, main.top());
    const QRect spl = m_windows.spl->frameGeometry();
    if (m_windows.zel)
        m_windows.zel->move(spl.left(), spl.top() + spl.height() + 2);
    if (m_windows.skizze && m_windows.zel)
        m_windows.skizze->move(spl.left(), spl.top() + spl.height() +
                                               m_windows.zel->frameGeometry().height() + 4);
}

void MainWindow::Translate() {
    Translator::applyAll(EnglishTexts(),
                         [this](const QString& target) { return m_windows.find(target); });
    m_binding->readHints(m_state.form.hints);
}

// ---------------------------------------------------------------------------------------
// The input check on screen

void MainWindow::CheckVariables() {
    m_checkPending = false;
    if (m_checking)
        return;
    QScopedValueRollback<bool> guard(m_checking, true);
    m_binding->collect(m_state.form);
    const model::CheckResult check = m_state.checkVariables();
    m_binding->show(m_state.form);
    m_binding->showLooks(check);
    m_binding->showHints(m_state.form.hints);
    for (const model::CheckMessage& message : check.messages) {
        m_boxes.inform(this, QString::fromStdString(message.caption),
                       QString::fromStdString(message.text));
        if (!message.focus.empty())
            focusControl(message.focus);
    }
    if (!m_starting)
        m_livePreview->checkDone();
}

void MainWindow::focusControl(const std::string& name) {
    QWidget* w = m_binding->widget(name);
    if (!w)
        return;
    for (int i = 0; i < m_pages->count(); ++i)
        if (m_pages->widget(i)->isAncestorOf(w))
            m_pages->setCurrentIndex(i);
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

void MainWindow::onFocusChanged(QWidget* old, QWidget* now) {
    // Focus that leaves for another window (a message box, a list popup) or for no widget
    // (the window was deactivated) comes back: only a move inside this window counts.
    if (m_checking || m_running || !old || !now || now->window() != this)
        return;
    QWidget* control = old;
    while (control && control != this && !m_checkOnLeave.contains(control))
        control = control->parentWidget();
    if (!control || control == this || control == now || control->isAncestorOf(now))
        return;
    if (m_checkPending)
        return;
    // Checked once the focus change is complete, not inside it.
    m_checkPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_checkPending)
                CheckVariables();
        },
        Qt::QueuedConnection);
}

bool MainWindow::formEdited() const {
    model::FormState shown = m_state.form;
    m_binding->collect(shown);
    return !(shown == m_state.form);
}

// ---------------------------------------------------------------------------------------
// Start and the run

void MainWindow::start() {
    if (m_running)
        return;
    const QScopedValueRollback<bool> starting(m_starting, true);
    bool checked = false;
    if (m_checkPending || formEdited()) {
        CheckVariables();
        checked = true;
    }
    if (!m_state.InputsValid) {
        if (!checked)
            CheckVariables();
        return;
    }
    Simulate();
}

void MainWindow::Simulate() {
    QScopedValueRollback<bool> running(m_running, true);
    m_start->setEnabled(false);
    const auto enableStart = qScopeGuard([this] { m_start->setEnabled(true); });
    m_progress->setValue(10);
    if (m_windows.param)
        m_windows.param->clearReport();

    // The sketch is drawn from the values this run reads.
    const engine::SimulationInput runInput =
        model::BuildSimulationInput(m_state.form, m_state.lastCheck.elements);
    engine::SimulationResult result;
    try {
        result = m_state.simulate([this](int position) {
            m_progress->setValue(position);
            m_progress->repaint();
        });
    } catch (const std::exception& e) {
        m_progress->setValue(0);
        if (!m_quietRun)
            m_boxes.inform(this, QStringLiteral("Error"), QString::fromUtf8(e.what()));
        return;
    }
    if (result.refused) {
        showNotices(result.notices);
        return;
    }
    if (m_windows.skizze)
        m_windows.skizze->setRun(runInput, result);
    const std::string writeError =
        engine::WriteRunTables(m_state.DataFolder, result.contourTable, result.dataTable);
    if (m_windows.param)
        m_windows.param->showReport(result.memo1, result.memo2);
    showNotices(result.notices);
    if (!writeError.empty() && !m_quietRun)
        m_boxes.inform(this, QStringLiteral("Notice"), QString::fromStdString(writeError));
    // The tractrix correction of EditH and a range item re-checked by the run.
    m_binding->show(m_state.form);

    if (result.pointCount >= 2)
        DrawGraphs();
    else
        m_progress->setValue(0); // after "Too few frequency points"
    m_clear->setEnabled(true);
    m_refresh->setEnabled(true);
    DrawSketch();
    if (!m_quietRun && SettingsFile(m_state.DataFolder).colourChange()) {
        m_state.advanceColourSlot();
        DrawEvoImages();
    }
}

void MainWindow::simulateLive() {
    if (m_running)
        return;
    const QScopedValueRollback<bool> quiet(m_quietRun, true);
    Simulate();
}

void MainWindow::showNotices(const std::vector<engine::Notice>& notices) {
    if (m_quietRun)
        return;
    for (const engine::Notice& notice : notices)
        m_boxes.inform(this, QString::fromStdString(notice.caption),
                       QString::fromStdString(notice.text));
}

// ---------------------------------------------------------------------------------------
// Colour slots and the plot windows

void MainWindow::DrawEvoImages() {
    for (int slot = 0; slot < model::SlotCount; ++slot)
        m_swatches[static_cast<size_t>(slot)]->setSelected(slot == m_state.ColourSlot);
}

void MainWindow::selectColourSlot(int slot) {
    m_state.ColourSlot = slot;
    DrawEvoImages();
}

void MainWindow::clearPlots() {
    m_state.ColourSlot = 0;
    DrawEvoImages();
    NewGrids();
    ClearValues();
}

void MainWindow::ClearValues() {
    m_state.clearValues();
    if (m_refresh)
        m_refresh->setEnabled(false);
}

void MainWindow::NewGrids() {
    // Empty grids on the frequency axis of the last labelling; the labels stay.
    for (PlotWindow* window : m_windows.plotsInClosingOrder())
        if (window)
            window->showPlot(plot::ClearedPlotInput(
                window->kind(), m_state.AxisMin, m_state.AxisMax, window->plotInput().valueLabels));
}

void MainWindow::DrawGraphs() {
    // The axes tab as it is shown: the labelling reads its cells as they stand, while the
    // other controls are taken in only by their check.
    model::FormState shown = m_state.form;
    m_binding->collect(shown);
    const plot::DrawGraphsData drawing = plot::PrepareDrawGraphs(m_state, shown);
    m_state.AxisMin = drawing.labelling.AxisMin;
    m_state.AxisMax = drawing.labelling.AxisMax;
    // A row whose minimum is not below its maximum is automatic from now on.
    auto* autoList = qobject_cast<QListWidget*>(m_binding->widget("CheckListAuto"));
    for (int row = 0; row < plot::AxisRowCount; ++row) {
        if (!drawing.labelling.CheckListAuto[row] || shown.CheckListAuto[row])
            continue;
        m_state.form.CheckListAuto[row] = true;
        if (autoList && row < autoList->count())
            autoList->item(row)->setCheckState(Qt::Checked);
    }

    m_progress->setValue(100);
    m_progress->repaint();
    for (PlotWindow* window : m_windows.plotsInClosingOrder()) {
        if (!window)
            continue;
        const plot::PlotInput& input = drawing.plots[plot::IndexOf(window->kind())];
        // The amplitude and power windows name the driver they show once a curve is drawn.
        if (!plot::SlotsToDraw(input).empty()) {
            if (window->kind() == plot::PlotKind::Ausl)
                window->setWindowTitle(QString::fromStdString(
                    plot::PlotCaption(plot::PlotKind::Ausl, true, input.CBAmplTreiber2)));
            if (window->kind() == plot::PlotKind::Pmax)
                window->setWindowTitle(QString::fromStdString(
                    plot::PlotCaption(plot::PlotKind::Pmax, true, input.CBPmaxTreiber2)));
        }
        window->showPlot(input);
        window->repaint(); // drawn now, while the bar shows 100
    }
    m_progress->setValue(0);
}

void MainWindow::FormResize(PlotWindow* window) {
    if (!m_refresh || !m_refresh->isEnabled())
        return;
    DrawGraphs();
    window->setLabelsFollowBottom(true);
}

void MainWindow::DrawSketch() {
    if (!m_windows.skizze)
        return;
    // The controls as they stand now, the contour of slot ColourSlot.
    model::FormState shown = m_state.form;
    m_binding->collect(shown);
    const auto slot = static_cast<std::size_t>(m_state.ColourSlot);
    m_windows.skizze->DrawSketch(m_state.slotResults[slot].ContourArea, shown,
                                 [this](const std::vector<engine::Notice>& notices) {
                                     showNotices(notices);
                                 });
}

void MainWindow::showAllPlots() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_windows.spl, m_windows.splmax, m_windows.zel, m_windows.znorm, m_windows.ausl,
             m_windows.skizze, m_windows.param, m_windows.phia, m_windows.pmax})
        if (w)
            w->showNormal();
}

// ---------------------------------------------------------------------------------------
// Options, documents, closing

void MainWindow::showOptions() {
    if (!m_windows.optionen)
        return;
    const SettingsFile settings(m_state.DataFolder);
    m_windows.optionen->setColourChange(settings.colourChange());
    m_windows.optionen->setLiveUpdate(settings.liveUpdate());
    if (m_windows.optionen->exec() == QDialog::Accepted) {
        settings.setColourChange(m_windows.optionen->colourChange());
        m_livePreview->setEnabled(m_windows.optionen->liveUpdate());
    }
}

void MainWindow::applyWindowGeometry() {
    const std::pair<const char*, QWidget*> placed[] = {
        {"Ausl", m_windows.ausl},     {"Pmax", m_windows.pmax}, {"Zel", m_windows.zel},
        {"Znorm", m_windows.znorm},   {"SPL", m_windows.spl},   {"Area", m_windows.skizze},
        {"SPLmax", m_windows.splmax}, {"Phia", m_windows.phia}, {"Param", m_windows.param},
    };
    for (const auto& [key, window] : placed) {
        auto found = m_state.form.windows.find(key);
        if (window && found != m_state.form.windows.end())
            window->move(found->second.left, found->second.top);
    }
}

void MainWindow::captureWindowGeometry() {
    const std::pair<const char*, QWidget*> placed[] = {
        {"Area", m_windows.skizze},   {"Ausl", m_windows.ausl},   {"Param", m_windows.param},
        {"Phia", m_windows.phia},     {"Pmax", m_windows.pmax},   {"SPL", m_windows.spl},
        {"SPLmax", m_windows.splmax}, {"Znorm", m_windows.znorm}, {"Zel", m_windows.zel},
    };
    for (const auto& [key, window] : placed) {
        if (!window)
            continue;
        model::WindowGeometry& g = m_state.form.windows[key];
        const QRect outer = window->frameGeometry();
        g = {outer.left(), outer.top(), outer.height(), outer.width(),
             window->isMinimized()   ? 1
             : window->isMaximized() ? 2
                                     : 0};
    }
    model::WindowGeometry& main = m_state.form.windows["Main"];
    main.left = frameGeometry().left();
    main.top = frameGeometry().top();
}

void MainWindow::showForm() {
    m_binding->show(m_state.form);
    applyWindowGeometry();
}

bool MainWindow::saveProject() {
    m_binding->collect(m_state.form);
    captureWindowGeometry();
    const QString path = QString::fromStdString(m_state.ProjectFileName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::string error = files::ProjectFile::SaveValues(m_state.ProjectFileName, m_state.form);
    if (!error.empty()) {
        m_boxes.inform(this, QStringLiteral("Error"), QString::fromStdString(error));
        return false;
    }
    m_state.ProjectSaved = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool refreshWasEnabled = m_refresh->isEnabled();
    m_refresh->setEnabled(false);
    if (m_fileMenu->projectChanged()) {
        const MessageBoxes::Answer answer = m_boxes.askYesNoCancel(
            this, QStringLiteral("Notice"), QStringLiteral("Save current file?"));
        // Yes saves as the menu entry "Save" does (save as for a new, read-only or missing
        // file); a save that was cancelled or failed keeps the window open, so that nothing
        // is lost.
        if (answer == MessageBoxes::Answer::Cancel ||
            (answer == MessageBoxes::Answer::Yes && !m_fileMenu->save())) {
            event->ignore();
            m_refresh->setEnabled(refreshWasEnabled);
            return;
        }
    }
    event->accept();
    closeOtherWindows();
}

void MainWindow::closeOtherWindows() {
    for (PlotWindow* plot : m_windows.plotsInClosingOrder())
        if (plot)
            plot->closeForGood();
    if (m_windows.skizze)
        m_windows.skizze->closeForGood();
    if (m_windows.param)
        m_windows.param->closeForGood();
}

} // namespace ui
