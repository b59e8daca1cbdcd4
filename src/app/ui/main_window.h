#pragma once
// The main window: the multi-document frame with menus, toolbars, palette
// strip, side panel, format bar and status bar. It owns start-up loading, the
// close sequence and Exit, the recent list and the document windows; the
// commands themselves are registered by their subsystems.

#include "app/browser_paths.h"
#include "app/recent_list.h"
#include "document/ui/documents.h"
#include "settings/app_settings.h"
#include "vocabulary/vocabulary_tables.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QToolBar;

namespace tagloom {

class ActionRegistry;
class BrowserMenu;
class ColourMixer;
class CommandRegistry;
class PaletteStrip;
class QuickStartBar;
class SettingsStore;
class SidePanel;
class SpellChecker;

inline constexpr char ApplicationTitle[] = "Quenby Tagloom 5.0";

struct MainWindowOptions {
    QString dataFolder;                  // no trailing separator
    SettingsStore *userStore = nullptr;  // per-user settings (required)
    SettingsStore *machineStore = nullptr; // machine-wide, read only (optional)
    QStringList arguments;               // command-line arguments, program name excluded
    int commandLineTickMs = 1000;
    ProgramFinder findProgram;           // browser and converter lookup; default: the search path
    std::function<void()> endProgram;    // File > Exit; default: leave the event loop
};

class MainWindow : public QMainWindow, public Documents {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options, QWidget *parent = nullptr);
    ~MainWindow() override;

    const MainWindowOptions &options() const { return m_options; }
    const AppSettings &appSettings() const { return m_settings; }
    const BrowserPaths &browserPaths() const { return m_browsers; }
    const RecentList &recentList() const { return m_recent; }
    const VocabularyTables &tables() const { return m_tables; }

    // Documents.
    DocumentWindow *activeDocument() const override;
    DocumentWindow *openDocumentFile(const QString &path) override { return OpenDocumentFile(path); }
    DocumentWindow *newDocument() override { return NewDocument(); }
    QWidget *dialogParent() override { return this; }
    QString dataFolder() const override { return m_options.dataFolder; }
    QList<DocumentWindow *> documents() const;
    DocumentWindow *NewDocument();
    DocumentWindow *OpenDocumentFile(const QString &path);
    // Opens each file in turn, the last one active; the caption stays.
    void openFiles(const QStringList &paths);
    void RecentAdd(const QString &path);

    // Settings.
    void ReadAllSettings();
    // One setting changed where it is used (a tool window's option): kept in
    // memory and in the user's store at once.
    void rememberSetting(Setting setting, const QString &stored);
    void WritePaletteState();

    // The program's commands by action id ("File.New").
    bool runCommand(const QString &id);
    bool hasCommand(const QString &id) const;
    ActionRegistry &actions() { return *m_actions; }

    // File > Exit: palette state only, then the program ends at once.
    void exitProgram();

    QMdiArea *documentArea() const { return m_mdi; }
    PaletteStrip *paletteStrip() const { return m_paletteStrip; }
    QToolBar *formatBar() const { return m_formatBar; }
    QAction *externalEditorButton() const { return m_externalEditor; }
    SidePanel *sidePanel() const { return m_sidePanel; }
    ColourMixer *colourMixer() const { return m_colourMixer; }
    QMenu *recentMenu() const { return m_recentMenu; }
    BrowserMenu *browserMenu() const { return m_browserMenu; }
    QuickStartBar *quickStartBar() const { return m_quickStart; }
    QAction *quickStartButton() const { return m_quickStartButton; }
    QLabel *caretPanel() const { return m_caretPanel; }
    QLabel *helpPanel() const { return m_helpPanel; }
    QMenuBar *mainMenuBar() const { return m_mainMenuBar; }
    QWidget *currentMenuBar() const;
    bool commandLineOpenPending() const { return m_commandLineTimer.isActive(); }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void registerCommands();
    void buildMenus();
    void buildToolbars();
    void buildFormatBar();
    void buildDocks();
    void buildStatusBar();
    void loadAtShow();
    void showQuickStartBar();
    void reportProblems(const QStringList &listProblems, const QStringList &settingsProblems);
    void rebuildRecentMenu();
    void onSubWindowActivated(QMdiSubWindow *window);
    DocumentWindow *addDocumentWindow();
    void commandLineTick();
    void forwardToActive(const QString &id);
    void runSmokeCommands();
    SpellChecker &spellChecker();

    MainWindowOptions m_options;
    AppSettings m_settings;
    BrowserPaths m_browsers;
    RecentList m_recent;
    ListFileContent m_recentFile; // recent.tlx as read, written back only when the list changed
    VocabularyTables m_tables;
    bool m_shownOnce = false;
    QTimer m_commandLineTimer;
    int m_commandLineCounter = 0;

    std::unique_ptr<CommandRegistry> m_commands;
    std::unique_ptr<ActionRegistry> m_actions;
    std::unique_ptr<SpellChecker> m_spellChecker;

    QuickStartBar *m_quickStart = nullptr;
    QAction *m_quickStartButton = nullptr;
    QMdiArea *m_mdi = nullptr;
    QStackedWidget *m_menuStack = nullptr;
    QMenuBar *m_mainMenuBar = nullptr;
    QToolBar *m_paletteBar = nullptr;
    QToolBar *m_formatBar = nullptr;
    PaletteStrip *m_paletteStrip = nullptr;
    SidePanel *m_sidePanel = nullptr;
    ColourMixer *m_colourMixer = nullptr;
    QAction *m_externalEditor = nullptr;
    QAction *m_spellButton = nullptr;
    QMenu *m_recentMenu = nullptr;
    BrowserMenu *m_browserMenu = nullptr;
    QLabel *m_caretPanel = nullptr;
    QLabel *m_helpPanel = nullptr; // the status bar's third panel
};

} // namespace tagloom
