#include "app/ui/main_window.h"

#include "app/ui/app_commands.h"
#include "app/ui/browser_menu.h"
#include "app/ui/main_toolbars.h"
#include "app/ui/preferences_commands.h"
#include "app/ui/quick_start_bar.h"
#include "base/data_folder.h"
#include "base/list_file.h"
#include "base/ui/action_registry.h"
#include "base/ui/command_registry.h"
#include "base/ui/messages.h"
#include "codetools/ui/cleaner_commands.h"
#include "codetools/ui/codetools_commands.h"
#include "tags/ui/tag_commands.h"
#include "app/ui/help_commands.h"
#include "document/highlighter_scheme.h"
#include "document/spell_checker.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_commands.h"
#include "document/ui/document_window.h"
#include "document/ui/document_window_commands.h"
#include "document/ui/menu_table.h"
#include "net/ui/net_commands.h"
#include "site/ui/site_commands.h"
#include "settings/settings_store.h"
#include "vocabulary/ui/colour_mixer.h"
#include "vocabulary/ui/format_bar.h"
#include "vocabulary/ui/palette_pages.h"
#include "vocabulary/ui/palette_strip.h"
#include "vocabulary/ui/side_panel.h"
#include "vocabulary/ui/vocabulary_commands.h"
#include "styles/ui/style_commands.h"
#include "wireless/ui/wireless_commands.h"
#include "update/ui/update_commands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace tagloom {

MainWindow::MainWindow(MainWindowOptions options, QWidget *parent)
    : QMainWindow(parent), m_options(std::move(options)), m_commands(std::make_unique<CommandRegistry>()),
      m_actions(std::make_unique<ActionRegistry>(this))
{
    setWindowTitle(QLatin1String(ApplicationTitle));
    setObjectName(QStringLiteral("MainWindow"));
    setAcceptDrops(true);
    // Creation: the data folder is given; the browsers are looked up once.
    m_browsers = findBrowserPaths(m_options.machineStore, m_options.findProgram);

    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    registerCommands();
    buildMenus();
    buildToolbars();
    buildFormatBar();
    buildDocks();
    buildStatusBar();
    resize(1024, 768);
    move(0, 0);

    m_commandLineTimer.setInterval(m_options.commandLineTickMs);
    connect(&m_commandLineTimer, &QTimer::timeout, this, &MainWindow::commandLineTick);
}

MainWindow::~MainWindow()
{
    // The children outlive this body: the document windows and the MDI area
    // must not signal a main window that is half gone.
    m_mdi->disconnect(this);
    for (DocumentWindow *doc : m_mdi->findChildren<DocumentWindow *>())
        doc->disconnect(this);
    // Their menus run the commands, which go with this window's members.
    for (QMdiSubWindow *sub : m_mdi->subWindowList())
        delete sub;
}

// --- commands --------------------------------------------------------------

void MainWindow::registerCommands()
{
    // Each subsystem brings its commands and the dialogs behind them.
    registerAppCommands(*m_commands, *this);
    registerDocumentCommands(*m_commands, *this);
    registerNetCommands(*m_commands, *this);
    registerSiteCommands(*m_commands, *this);
    registerVocabularyCommands(*m_commands, *this);
    registerCodetoolsCommands(*m_commands, *this,
                              {[this] { return m_settings; },
                               [this](Setting setting, const QString &stored) { rememberSetting(setting, stored); }});
    registerCleanerCommands(*m_commands, *this,
                            {[this](const QString &report) { m_sidePanel->showResults(report); },
                             [this] { return m_settings; }, m_options.findProgram});
    registerTagCommands(*m_commands, *this);
    registerHelpCommands(*m_commands, *this);
    registerWirelessCommands(*m_commands, *this);
    registerStyleCommands(*m_commands, *this);
    registerPreferencesCommands(*m_commands, *this);
    registerUpdateCommands(*m_commands, *this, [this] { return m_settings.text(Setting::UpdateServer); });
}

bool MainWindow::runCommand(const QString &id)
{
    return m_commands->run(id);
}

bool MainWindow::hasCommand(const QString &id) const
{
    return m_commands->contains(id);
}

void MainWindow::buildMenus()
{
    m_mainMenuBar = m_actions->buildMenuBar(menuBarItems(), this, MenuPlace::Main);
    m_actions->bindCommands(*m_commands);
    m_actions->disableActionsWithoutCommand();

    m_menuStack = new QStackedWidget(this);
    m_menuStack->addWidget(m_mainMenuBar);
    m_menuStack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMenuWidget(m_menuStack);
}

void MainWindow::buildToolbars()
{
    ToolbarCommands commands;
    commands.registry = m_commands.get();
    commands.runOnActiveDocument = [this](const QString &id) { forwardToActive(id); };
    const MainToolbars bars = buildMainToolbars(this, commands, [this] {
        // The palette strip shares the first row, on the right.
        m_paletteBar = addToolBar(QStringLiteral("Palettes"));
        m_paletteBar->setObjectName(QStringLiteral("PaletteToolbar"));
        m_paletteStrip = new PaletteStrip(m_paletteBar);
        m_paletteBar->addWidget(m_paletteStrip);
    });
    m_spellButton = bars.spellButton;
    m_recentMenu = new QMenu(this);
    if (bars.openButton)
        bars.openButton->setMenu(m_recentMenu);
    m_browserMenu = new BrowserMenu(
        m_options.dataFolder, [this] { return activeDocument(); }, [this] { showMinimized(); }, this);
    bars.browserButton->setMenu(m_browserMenu);

    PaletteHooks hooks;
    hooks.activeEditor = [this] { return activeEditor(); };
    hooks.hasCommand = [this](const QString &id) { return hasCommand(id); };
    hooks.runCommand = [this](const QString &id) { runCommand(id); };
    fillPalettePages(m_paletteStrip, hooks);
}

void MainWindow::buildFormatBar()
{
    m_formatBar = new QToolBar(QStringLiteral("Format and Tools"), this);
    m_formatBar->setObjectName(QStringLiteral("FormatBar"));
    addToolBar(Qt::BottomToolBarArea, m_formatBar);
    // The external-editor button carries no command; a setting enables it.
    m_externalEditor = m_formatBar->addAction(QIcon::fromTheme(QStringLiteral("accessories-text-editor")),
                                              QStringLiteral("External Editor"));
    m_externalEditor->setToolTip(QStringLiteral("External Editor"));
    m_externalEditor->setEnabled(false);

    // The quick-start bar floats over the frame at start; closing it enables
    // the format bar's button that brings it back.
    m_quickStart = new QuickStartBar(this);
    m_quickStart->setAvailable([this](const QString &id) { return hasCommand(id); });
    connect(m_quickStart, &QuickStartBar::actionRequested, this, [this](const QString &id) { runCommand(id); });
    m_quickStartButton = m_formatBar->addAction(QIcon::fromTheme(QStringLiteral("help-hint"),
                                                                 style()->standardIcon(QStyle::SP_MessageBoxQuestion)),
                                                QStringLiteral("Help and More..."));
    m_quickStartButton->setToolTip(QStringLiteral("Help and More..."));
    m_quickStartButton->setEnabled(false);
    connect(m_quickStart, &QuickStartBar::closed, this, [this] { m_quickStartButton->setEnabled(true); });
    connect(m_quickStartButton, &QAction::triggered, this, [this] {
        m_quickStart->show();
        m_quickStartButton->setEnabled(false);
    });
    addFormatControls(m_formatBar, [this] { return activeEditor(); });
}

void MainWindow::buildDocks()
{
    m_sidePanel = new SidePanel([this] { return activeEditor(); }, this);
    m_sidePanel->setDataFolder(m_options.dataFolder);
    addDockWidget(Qt::LeftDockWidgetArea, m_sidePanel);
    m_colourMixer = new ColourMixer([this] { return activeEditor(); }, this);
    addDockWidget(Qt::RightDockWidgetArea, m_colourMixer);
    resizeDocks({m_sidePanel, m_colourMixer}, {189, 79}, Qt::Horizontal);
}

void MainWindow::buildStatusBar()
{
    auto panel = [this](const QString &text, int width, Qt::Alignment align) {
        auto *label = new QLabel(text, this);
        label->setFixedWidth(width);
        label->setAlignment(align | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(label);
        return label;
    };
    m_caretPanel = panel(QStringLiteral("0 : 0 "), 75, Qt::AlignRight);
    panel(QStringLiteral("Insert"), 50, Qt::AlignLeft);
    m_helpPanel = panel(QStringLiteral("Press [F1] key for help."), 300, Qt::AlignLeft);
}

// --- documents -------------------------------------------------------------

DocumentWindow *MainWindow::activeDocument() const
{
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    if (!sub) {
        // Offscreen and unfocused windows have no active child; the frame's
        // current one is still the one commands mean.
        sub = m_mdi->currentSubWindow();
    }
    return sub ? qobject_cast<DocumentWindow *>(sub->widget()) : nullptr;
}

QList<DocumentWindow *> MainWindow::documents() const
{
    QList<DocumentWindow *> docs;
    for (QMdiSubWindow *sub : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto *doc = qobject_cast<DocumentWindow *>(sub->widget()))
            docs.append(doc);
    return docs;
}

SpellChecker &MainWindow::spellChecker()
{
    if (!m_spellChecker)
        m_spellChecker = std::make_unique<SpellChecker>();
    return *m_spellChecker;
}

DocumentWindow *MainWindow::addDocumentWindow()
{
    DocumentContext context;
    context.settings = editorSettings(m_settings);
    context.dataFolder = m_options.dataFolder;
    context.userStore = m_options.userStore;
    if (m_options.userStore)
        for (const QString &language : storedSchemeLanguages())
            context.schemes.insert(language, readScheme(*m_options.userStore, language));
    context.commands = m_commands.get();
    context.spellChecker = [this]() -> SpellChecker & { return spellChecker(); };
    context.openSiteFolder = [this] { return openSiteFolder(); };
    context.commandHooks.statusMessage = [this](const QString &text) { m_helpPanel->setText(text); };
    context.commandHooks.resultsLine = [this](const QString &line) { m_sidePanel->results()->appendPlainText(line); };
    context.commandHooks.activeEditor = [this]() -> CodeEditor * {
        DocumentWindow *active = activeDocument();
        return active ? active->editor() : nullptr;
    };
    auto *doc = new DocumentWindow(std::move(context));
    QMdiSubWindow *sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The frame's own Close key would shadow Open from Web's Ctrl+W: the menu
    // items' shortcuts win, and the frame keeps Ctrl+F4.
    for (QAction *action : sub->systemMenu()->actions())
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    QMenuBar *bar = doc->documentMenuBar();
    m_menuStack->addWidget(bar);
    connect(doc, &QObject::destroyed, this, [this, bar] {
        m_menuStack->removeWidget(bar);
        bar->deleteLater();
        if (m_mdi->subWindowList().isEmpty())
            m_menuStack->setCurrentWidget(m_mainMenuBar);
    });
    connect(doc, &DocumentWindow::caretReported, this, [this](int line, int column) {
        m_caretPanel->setText(QStringLiteral("%1 : %2 ").arg(line).arg(column));
    });
    connect(doc, &DocumentWindow::filesDropped, this, &MainWindow::openFiles);
    if (m_spellButton)
        m_spellButton->setEnabled(m_settings.flag(Setting::SpellCheck));
    sub->showMaximized();
    m_mdi->setActiveSubWindow(sub);
    m_menuStack->setCurrentWidget(bar);
    doc->setFocus();
    return doc;
}

DocumentWindow *MainWindow::NewDocument()
{
    return addDocumentWindow();
}

DocumentWindow *MainWindow::OpenDocumentFile(const QString &path)
{
    DocumentWindow *doc = addDocumentWindow();
    if (doc->LoadDocument(path) != DocumentWindow::LoadResult::Failed)
        return doc;
    // A file that could not be read leaves no window behind.
    doc->parentWidget()->close();
    return nullptr;
}

void MainWindow::openFiles(const QStringList &paths)
{
    const QString caption = windowTitle();
    raise();
    activateWindow();
    for (const QString &path : paths)
        OpenDocumentFile(path);
    setWindowTitle(caption);
}

void MainWindow::forwardToActive(const QString &id)
{
    if (DocumentWindow *doc = activeDocument())
        doc->trigger(id);
}

void MainWindow::onSubWindowActivated(QMdiSubWindow *window)
{
    auto *doc = window ? qobject_cast<DocumentWindow *>(window->widget()) : nullptr;
    m_menuStack->setCurrentWidget(doc ? static_cast<QWidget *>(doc->documentMenuBar()) : m_mainMenuBar);
}

QWidget *MainWindow::currentMenuBar() const
{
    return m_menuStack->currentWidget();
}

void MainWindow::RecentAdd(const QString &path)
{
    m_recent.add(path);
    rebuildRecentMenu();
}

void MainWindow::rebuildRecentMenu()
{
    m_recentMenu->clear();
    QAction *title = m_recentMenu->addAction(QStringLiteral("Recent File List"));
    title->setEnabled(false);
    m_recentMenu->addSeparator();
    const QStringList &entries = m_recent.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries.at(i);
        m_recentMenu->addAction(RecentList::caption(i, path), this, [this, path] { OpenDocumentFile(path); });
    }
}

// --- start-up --------------------------------------------------------------

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    loadAtShow();
    // The quick-start bar comes up once the main window is on the screen, so
    // that the window manager stacks it above its owner, not under it.
    QTimer::singleShot(0, this, &MainWindow::showQuickStartBar);
}

void MainWindow::showQuickStartBar()
{
    // Over the top right of the document area, clear of the docks.
    const QPoint corner = m_mdi->mapToGlobal(QPoint(m_mdi->width() - m_quickStart->sizeHint().width() - 16, 16));
    m_quickStart->move(corner);
    m_quickStart->show();
    m_quickStart->raise();
}

void MainWindow::loadAtShow()
{
    const QString &folder = m_options.dataFolder;
    QStringList problems;
    // The recent list, with the starter page on top.
    m_recentFile = readListOrNote(folder + QLatin1String(DataPath::Recent), problems);
    m_recent.setEntries(m_recentFile.entries);
    RecentAdd(folder + QLatin1String(DataPath::DefaultPage));
    // The side-panel tables and the Events list.
    VocabularyTables loaded = loadVocabularyTables(folder, problems);
    m_tables = std::move(loaded);
    m_sidePanel->setTables(m_tables);
    // Settings; a start without any per-user store first writes the values
    // an installer would.
    if (m_options.userStore && !m_options.userStore->existedAtOpen() &&
        !m_options.userStore->keyExists(QLatin1String(SettingsKeys::Root)))
        writeFirstRunValues(*m_options.userStore);
    ReadAllSettings();
    // A file named on the command line opens on the sixth tick.
    if (!m_options.arguments.isEmpty() && QFileInfo(m_options.arguments.constFirst()).isFile()) {
        setCursor(Qt::BusyCursor);
        m_commandLineCounter = 0;
        m_commandLineTimer.start();
    }
    // The stores' reading problems, said here once rather than at every
    // ReadAllSettings.
    QStringList settingsProblems;
    for (const SettingsStore *store : {m_options.userStore, m_options.machineStore})
        if (store && !store->loadProblem().isEmpty())
            settingsProblems.append(store->loadProblem());
    reportProblems(problems, settingsProblems);
}

void MainWindow::reportProblems(const QStringList &listProblems, const QStringList &settingsProblems)
{
    QStringList paragraphs;
    if (!listProblems.isEmpty())
        paragraphs.append(
            QStringLiteral("Some files of the data folder could not be read; their lists start empty.\n\n") +
            listProblems.join(QLatin1Char('\n')));
    if (!settingsProblems.isEmpty())
        paragraphs.append(QStringLiteral("The settings could not all be read.\n\n") +
                          settingsProblems.join(QLatin1Char('\n')));
    if (paragraphs.isEmpty())
        return;
    // Shown once the window is up, so start-up never waits on the box.
    const QString text = paragraphs.join(QStringLiteral("\n\n"));
    QTimer::singleShot(0, this, [this, text] {
        showMessage(this, MessageKind::Warning, QLatin1String(ApplicationTitle), text);
    });
}

void MainWindow::commandLineTick()
{
    if (m_commandLineCounter == 5) {
        m_commandLineTimer.stop();
        unsetCursor();
        OpenDocumentFile(m_options.arguments.constFirst());
        runSmokeCommands();
    }
    if (m_commandLineCounter <= 5)
        ++m_commandLineCounter;
}

// TAGLOOM_SMOKE_COMMANDS="Insert.LineBreak,File.Save" runs those menu
// items on the file named on the command line, then closes the program as
// the user would: a packager's check that an installed copy opens, edits,
// saves and keeps its lists, with no display and nobody at the keyboard.
void MainWindow::runSmokeCommands()
{
    const QString commands = qEnvironmentVariable("TAGLOOM_SMOKE_COMMANDS");
    if (commands.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, commands] {
        for (const QString &id : commands.split(QLatin1Char(','), Qt::SkipEmptyParts))
            forwardToActive(id.trimmed());
        close();
    });
}

void MainWindow::ReadAllSettings()
{
    if (!m_options.userStore)
        return;
    m_settings = readAppSettings(*m_options.userStore);
    // The main window's four stored shortcuts; Exit carries none.
    m_actions->applyStoredShortcuts([this](const QString &name) { return m_settings.shortcut(name); });
    if (QAction *exit = m_actions->action(QStringLiteral("File.Exit")))
        exit->setShortcut(QKeySequence());
    // Format bar and side panel follow their flags: set, never flipped.
    m_formatBar->setVisible(m_settings.flag(Setting::FormatBar));
    m_sidePanel->setVisible(m_settings.flag(Setting::CodeController));
    // A palette whose flag is off is hidden; on changes nothing.
    for (const QString &flag : paletteFlagNames())
        if (!m_settings.paletteOn(flag))
            m_paletteStrip->setPageShown(flag, false);
    m_externalEditor->setEnabled(m_settings.flag(Setting::Dreamweaver));
    m_browserMenu->applySettings(browserSettings(m_settings), m_browsers);
}

void MainWindow::rememberSetting(Setting setting, const QString &stored)
{
    m_settings.set(setting, stored);
    SettingsStore *store = m_options.userStore;
    if (!store || store->isReadOnly())
        return;
    const SettingRow &row = settingRows().at(size_t(settingIndex(setting)));
    store->setText(QLatin1String(row.key), QLatin1String(row.name), stored);
    if (const Status flushed = store->flush(); !flushed)
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), flushed.error);
}

void MainWindow::WritePaletteState()
{
    if (m_options.userStore)
        writePaletteState(*m_options.userStore, m_paletteStrip->shownState());
}

// --- ending ----------------------------------------------------------------

void MainWindow::exitProgram()
{
    m_commandLineTimer.stop();
    WritePaletteState();
    if (m_options.endProgram)
        m_options.endProgram();
    else
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Every document may refuse; then nothing is written.
    for (DocumentWindow *doc : documents()) {
        if (!doc->queryClose()) {
            event->ignore();
            return;
        }
    }
    m_commandLineTimer.stop();
    QStringList problems;
    if (m_options.userStore) {
        // The format bar flag and the palette state.
        {
            SettingsKey root = m_options.userStore->open(QLatin1String(SettingsKeys::Root));
            root.setFlag(QStringLiteral("Format Bar"), m_formatBar->isVisibleTo(this));
        }
        WritePaletteState();
        if (const Status s = m_options.userStore->flush(); !s)
            problems.append(s.error);
    }
    // The recent list, then the snippets, names first; each only when it
    // changed, keeping the bytes of the entries read at start.
    const QString &folder = m_options.dataFolder;
    if (const Status s = writeListFileIfChanged(folder + QLatin1String(DataPath::Recent), m_recent.entries(),
                                                m_recentFile);
        !s)
        problems.append(s.error);
    writeSnippetFiles(folder, m_sidePanel->snippetRows(), m_tables, problems);
    if (!problems.isEmpty())
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), problems.join(QLatin1Char('\n')));
    // The documents were asked already; they close without asking again.
    for (DocumentWindow *doc : documents())
        doc->editor()->setModifiedFlag(false);
    event->accept();
}

// --- dropped files ---------------------------------------------------------

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(paths);
}

} // namespace tagloom
