#pragma once
// The main window: the multi-document frame with menus, toolbars, palette
// strip, side panel, format bar and status bar. It owns start-up loading, the
// close sequence and Exit, the recent list and the ways documents open; the
// commands themselves live with their subsystems.

#include "app/app_settings.h"
#include "app/browser_paths.h"
#include "app/recent_list.h"
#include "app/vocabulary_tables.h"

#include <QHash>
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
class QToolButton;

namespace tagloom {

class ActionRegistry;
class AnalysisWindow;
class CompressorDialog;
class ExtendedReplaceDialog;
class BrowserMenu;
class ColourMixer;
class DocumentWindow;
class EditorOperations;
class AboutDialog;
class NewItemsDialog;
class OpenFromWebDialog;
class QuickStartBar;
class ServerVarsDialog;
class PaletteStrip;
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
    ProgramFinder findProgram;           // browser lookup; default: the search path
    std::function<void()> endProgram;    // File > Exit; default: leave the event loop
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowOptions options, QWidget *parent = nullptr);
    ~MainWindow() override;

    const QString &dataFolder() const { return m_options.dataFolder; }
    const AppSettings &appSettings() const { return m_settings; }
    const BrowserPaths &browserPaths() const { return m_browsers; }
    const RecentList &recentList() const { return m_recent; }
    const VocabularyTables &tables() const { return m_tables; }

    // Documents.
    DocumentWindow *activeDocument() const;
    EditorOperations *activeEditor() const;
    QList<DocumentWindow *> documents() const;
    DocumentWindow *NewDocument();
    DocumentWindow *OpenDocumentFile(const QString &path);
    void RecentAdd(const QString &path);

    // Settings.
    void ReadAllSettings();
    void WritePaletteState();

    // Main-window commands by action id ("File.New").
    bool runCommand(const QString &id);
    bool hasCommand(const QString &id) const { return m_commands.contains(id); }
    ActionRegistry &actions() { return *m_actions; }

    // File > Exit: palette state only, then the program ends at once.
    void exitProgram();

    PaletteStrip *paletteStrip() const { return m_paletteStrip; }
    QToolBar *formatBar() const { return m_formatBar; }
    QAction *externalEditorButton() const { return m_externalEditor; }
    SidePanel *sidePanel() const { return m_sidePanel; }
    ColourMixer *colourMixer() const { return m_colourMixer; }
    QMenu *recentMenu() const { return m_recentMenu; }
    BrowserMenu *browserMenu() const { return m_browserMenu; }
    OpenFromWebDialog *openFromWebDialog() const { return m_openFromWeb; }
    NewItemsDialog *newItemsDialog() const { return m_newItems; }
    QuickStartBar *quickStartBar() const { return m_quickStart; }
    ServerVarsDialog *serverVarsDialog() const { return m_serverVars; }
    AnalysisWindow *analysisWindow() const { return m_analysis; }
    CompressorDialog *compressorDialog() const { return m_compressor; }
    ExtendedReplaceDialog *extendedReplaceDialog() const { return m_extendedReplace; }
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
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void createDialogs();
    void showDialog(QWidget *dialog);
    void registerCommands();
    void command(const char *id, std::function<void()> run);
    void loadAtShow();
    void reportProblems(const QStringList &problems);
    void rebuildRecentMenu();
    void onSubWindowActivated(QMdiSubWindow *window);
    DocumentWindow *addDocumentWindow();
    void commandLineTick();
    void forwardToActive(const QString &id);
    void openFiles(const QStringList &paths);
    void openLocal();
    void importPlainText();
    SpellChecker &spellChecker();

    MainWindowOptions m_options;
    AppSettings m_settings;
    BrowserPaths m_browsers;
    RecentList m_recent;
    VocabularyTables m_tables;
    bool m_shownOnce = false;
    QTimer m_commandLineTimer;
    int m_commandLineCounter = 0;

    std::unique_ptr<ActionRegistry> m_actions;
    QHash<QString, std::function<void()>> m_commands;
    std::unique_ptr<SpellChecker> m_spellChecker;

    OpenFromWebDialog *m_openFromWeb = nullptr;
    NewItemsDialog *m_newItems = nullptr;
    AboutDialog *m_about = nullptr;
    AnalysisWindow *m_analysis = nullptr;
    CompressorDialog *m_compressor = nullptr;
    ExtendedReplaceDialog *m_extendedReplace = nullptr;
    ServerVarsDialog *m_serverVars = nullptr;
    QuickStartBar *m_quickStart = nullptr;
    QAction *m_quickStartButton = nullptr;
    QMdiArea *m_mdi = nullptr;
    QStackedWidget *m_menuStack = nullptr;
    QMenuBar *m_mainMenuBar = nullptr;
    QToolBar *m_fileBar = nullptr;
    QToolBar *m_editBar = nullptr;
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
