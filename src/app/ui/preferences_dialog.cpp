#include "app/ui/preferences_dialog.h"

#include "app/ui/highlighting_page.h"
#include "app/ui/import_v4_dialog.h"
#include "app/ui/keystrokes_page.h"
#include "base/data_folder.h"
#include "base/list_file.h"
#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "base/ui/up_down_edit.h"
#include "base/ui/window_placement.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

QVBoxLayout *pageLayout(QWidget *page, const char *header)
{
    auto *layout = new QVBoxLayout(page);
    if (header) {
        auto *title = new QLabel(QLatin1String(header), page);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        layout->addWidget(title);
    }
    return layout;
}

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QComboBox *editableList(const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

// The order OK writes the settings root in, after the two list flags.
const Setting kFlagsFirst[] = {Setting::MinimizeOnPreview, Setting::AutoIndent, Setting::ScrollPastEol,
                               Setting::SmartTabs, Setting::InsertMode};
const Setting kTextsFirst[] = {Setting::ImageEditorTitle, Setting::GutterWidth, Setting::UndoLimit,
                               Setting::ExtraLineSpacing};
const Setting kFlagsThen[] = {Setting::LineNumbers, Setting::CodeController, Setting::Gutter, Setting::Dreamweaver};
const Setting kTextsLast[] = {Setting::ImageEditor, Setting::DefaultFont,  Setting::FontSize,
                              Setting::Browser4,    Setting::Browser4Title, Setting::Browser5,
                              Setting::Browser5Title, Setting::Browser6,   Setting::Browser6Title,
                              Setting::ProxyAddress};
const Setting kTidyTexts[] = {Setting::InlineTags, Setting::EmptyTags, Setting::BlockLevelTags,
                              Setting::PreformattedTags};

QString nameOf(Setting setting)
{
    return QLatin1String(settingRows().at(static_cast<size_t>(settingIndex(setting))).name);
}

} // namespace

PreferencesDialog::PreferencesDialog(PreferencesHooks hooks, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("Preferences"));
    setObjectName(QStringLiteral("PreferencesDialog"));
    setModal(false);
    m_pages = new QTabWidget(this);
    m_pages->addTab(makeInterfacePage(), QStringLiteral("Interface"));
    m_pages->addTab(makeEditorPage(), QStringLiteral("Editor"));
    m_highlighting = new HighlightingPage(this);
    m_pages->addTab(m_highlighting, QStringLiteral("Highlighting"));
    m_pages->addTab(makeProxiesPage(), QStringLiteral("Proxies"));
    m_pages->addTab(makeBrowsersPage(), QStringLiteral("Browsers"));
    m_pages->addTab(makeCodeloomPage(), QStringLiteral("Codeloom"));
    m_keystrokes = new KeystrokesPage(m_hooks.userStore, this);
    m_pages->addTab(m_keystrokes, QStringLiteral("Keystrokes"));
    m_pages->addTab(makeTidyPage(), QStringLiteral("Tidy"));

    m_importLink = new QLabel(QStringLiteral("<u>Import Tagloom 4 settings...</u>"), this);
    m_importLink->setCursor(Qt::PointingHandCursor);
    m_importLink->installEventFilter(this);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_importLink);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    // Wide enough for every page's tab, so none hides behind scroll arrows.
    resize(qMax(560, m_pages->tabBar()->sizeHint().width() + 40), 460);
}

QLineEdit *PreferencesDialog::addLineField(Setting setting)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(nameOf(setting));
    m_fields.insert(setting, {[edit] { return edit->text(); }, [edit](const QString &t) { edit->setText(t); }});
    return edit;
}

QCheckBox *PreferencesDialog::addFlag(Setting setting, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    m_flags.insert(setting, box);
    return box;
}

QWidget *PreferencesDialog::makeInterfacePage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, "Interface Options");
    auto *form = new QFormLayout;
    m_imageEditor = addLineField(Setting::ImageEditor);
    auto *browseEditor = new QPushButton(QStringLiteral("Browse..."), page);
    m_browse.insert(-1, browseEditor);
    connect(browseEditor, &QPushButton::clicked, this, [this] { chooseProgram(m_imageEditor, false); });
    auto *editorRow = new QHBoxLayout;
    editorRow->addWidget(m_imageEditor, 1);
    editorRow->addWidget(browseEditor);
    form->addRow(QStringLiteral("Image Editor:"), editorRow);
    m_imageEditorTitle = addLineField(Setting::ImageEditorTitle);
    m_imageEditorTitle->setEnabled(false);
    // The name only means something beside a program.
    connect(m_imageEditor, &QLineEdit::textChanged, this,
            [this](const QString &path) { m_imageEditorTitle->setEnabled(!path.isEmpty()); });
    form->addRow(QStringLiteral("Name of Image Editor:"), m_imageEditorTitle);
    auto *documentRow = new QHBoxLayout;
    documentRow->addWidget(new QLineEdit(page), 1);
    documentRow->addWidget(new QPushButton(QStringLiteral("Browse..."), page));
    form->addRow(QStringLiteral("Default Document:"), documentRow);
    layout->addLayout(form);
    layout->addWidget(addFlag(Setting::SpellCheck, QStringLiteral("Enabled Office-97 Compatible Spell Check"), page));
    layout->addWidget(addFlag(Setting::Dreamweaver, QStringLiteral("Enable Dreamweaver Integration"), page));
    layout->addWidget(addFlag(Setting::MinimizeOnPreview, QStringLiteral("Minimize Tagloom on Browser Preview"), page));
    // Pages named .shtml, .shtm or .stm are always previewed with their includes.
    layout->addWidget(addFlag(Setting::ExpandIncludesAlways,
                              QStringLiteral("Expand server-side includes in the preview of all pages"), page));
    // The same option as the analysis window's box.
    QCheckBox *skipServerCode = addFlag(Setting::SkipServerCode, QStringLiteral("Skip server-side code"), page);
    skipServerCode->setObjectName(QStringLiteral("SkipServerCode"));
    layout->addWidget(skipServerCode);

    auto *backup = new QGroupBox(page);
    auto *backupLayout = new QGridLayout(backup);
    backupLayout->addWidget(new QCheckBox(QStringLiteral("Enabled Timed Backup"), backup), 0, 0, 1, 3);
    backupLayout->addWidget(new QLabel(QStringLiteral("Every:"), backup), 1, 0);
    auto *slider = new QSlider(Qt::Horizontal, backup);
    slider->setRange(1, 10);
    backupLayout->addWidget(slider, 1, 1, 1, 2);
    backupLayout->addWidget(new QLabel(QStringLiteral("1 Minute"), backup), 2, 1);
    backupLayout->addWidget(new QLabel(QStringLiteral("10 Minutes"), backup), 2, 2, Qt::AlignRight);
    backupLayout->addWidget(new QLabel(QStringLiteral("To File:"), backup), 3, 0);
    backupLayout->addWidget(new QLineEdit(backup), 3, 1, 1, 2);
    backup->setEnabled(false);
    layout->addWidget(backup);
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::makeEditorPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, "Editor Options");
    auto *form = new QFormLayout;
    auto addList = [this, page, form](Setting setting, const char *label, const QStringList &items,
                                      const char *initial) {
        QComboBox *box = editableList(items, page);
        box->setObjectName(nameOf(setting));
        box->setCurrentText(QLatin1String(initial));
        m_fields.insert(setting, {[box] { return box->currentText(); },
                                  [box](const QString &t) { box->setCurrentText(t); }});
        form->addRow(QLatin1String(label), box);
    };
    addList(Setting::DefaultFont, "Default Font:", {"Arial", "Courier", "Courier New", "FixedSys", "Terminal"},
            "Arial");
    addList(Setting::FontSize, "Font Size:",
            {"8", "10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "32", "48", "64", "72"}, "10");
    // Number fields keep whatever is typed: it is stored as typed.
    auto addNumber = [this, page, form](Setting setting, const char *label, int minimum, int maximum,
                                        const char *initial) {
        auto *edit = new UpDownEdit(minimum, maximum, page);
        edit->setObjectName(nameOf(setting));
        edit->setTextValue(QLatin1String(initial));
        m_fields.insert(setting, {[edit] { return edit->textValue(); },
                                  [edit](const QString &t) { edit->setTextValue(t); }});
        form->addRow(QLatin1String(label), edit);
    };
    addNumber(Setting::GutterWidth, "Gutter Width:", 0, 100, "32");
    addNumber(Setting::UndoLimit, "Undo / Redo Limit:", 1, 32767, "32767");
    addNumber(Setting::ExtraLineSpacing, "Extra Line Spacing:", 0, 100, "0");
    layout->addLayout(form);
    auto *group = new QGroupBox(QStringLiteral("&Editor Options"), page);
    auto *grid = new QGridLayout(group);
    const std::pair<Setting, const char *> boxes[] = {
        {Setting::CodeController, "Show Code Controller"}, {Setting::LineNumbers, "View Line Numbers"},
        {Setting::Gutter, "Show Gutter"},                  {Setting::AutoIndent, "Auto-Indent"},
        {Setting::SmartTabs, "Smart Tabs"},                {Setting::InsertMode, "Insert Mode"},
        {Setting::ScrollPastEol, "Scoll Past EOL"},
    };
    int i = 0;
    for (const auto &[setting, caption] : boxes) {
        grid->addWidget(addFlag(setting, QLatin1String(caption), group), i / 2, i % 2);
        ++i;
    }
    layout->addWidget(group);
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::makeProxiesPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, "Proxy Server Options");
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Proxy Server Address:"), addLineField(Setting::ProxyAddress));
    layout->addLayout(form);
    layout->addWidget(note(QStringLiteral("To specify a proxy server, enter its IP address (eg. 123.456.789.000) or "
                                          "leave it blank if you do not use a proxy server.  If you must log on to "
                                          "your server, you may also specify a username and password."),
                           page));
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::makeBrowsersPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, "Web Browser Options");
    const struct {
        Setting path, title;
        const char *label;
    } rows[] = {
        {Setting::Browser4, Setting::Browser4Title, "Path to Browser 4:"},
        {Setting::Browser5, Setting::Browser5Title, "Path to Browser 5:"},
        {Setting::Browser6, Setting::Browser6Title, "Path to Browser 6:"},
    };
    auto *form = new QFormLayout;
    for (int i = 0; i < 3; ++i) {
        QLineEdit *path = addLineField(rows[i].path);
        auto *browse = new QPushButton(QStringLiteral("Browse..."), page);
        m_browse.insert(i, browse);
        connect(browse, &QPushButton::clicked, this, [this, path] { chooseProgram(path, true); });
        auto *row = new QHBoxLayout;
        row->addWidget(path, 1);
        row->addWidget(browse);
        form->addRow(QLatin1String(rows[i].label), row);
        form->addRow(QStringLiteral("Name:"), addLineField(rows[i].title));
    }
    layout->addLayout(form);
    layout->addWidget(note(QStringLiteral("Use these to configure any three browser you wish to use on the \"Preview "
                                          "Page\" menu.  The defaults are: (1) Internet Explorer, (2) Netscape "
                                          "Navigator and (3) Opera."),
                           page));
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::makeCodeloomPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, nullptr);
    auto *keywords = new QGroupBox(page);
    auto *keywordsLayout = new QVBoxLayout(keywords);
    m_completion = new QCheckBox(QStringLiteral("Enable Code Completion"), keywords);
    m_completion->setChecked(true);
    m_completionArea = new QPlainTextEdit(keywords);
    m_completionArea->setObjectName(QStringLiteral("CompletionList"));
    keywordsLayout->addWidget(m_completion);
    keywordsLayout->addWidget(note(
        QStringLiteral("To specify a completion's output, firstly type the keyword on a line, and then on the next "
                       "line, type the text you would like to have output on screen, prefixed with an = sign.  Below "
                       "are some examples.  To activate whilst editing, [Ctrl] + [Space]."),
        keywords));
    keywordsLayout->addWidget(m_completionArea, 1);
    auto *inlineGroup = new QGroupBox(page);
    auto *inlineLayout = new QVBoxLayout(inlineGroup);
    m_inlineArea = new QPlainTextEdit(inlineGroup);
    m_inlineArea->setObjectName(QStringLiteral("InlineList"));
    inlineLayout->addWidget(note(
        QStringLiteral("Use this option to be presented with a drop-down list of tags in Tagloom, by pressing [Ctrl] "
                       "+ [G].  Just enter each tag or piece of text you would like on a new line.  Simple."),
        inlineGroup));
    inlineLayout->addWidget(m_inlineArea, 1);
    m_inline = new QCheckBox(QStringLiteral("Enable In-Line Code Selection"), page);
    m_inline->setChecked(true);
    // Each box enables its own list at once; the boxes stay usable.
    connect(m_completion, &QCheckBox::toggled, m_completionArea, &QWidget::setEnabled);
    connect(m_inline, &QCheckBox::toggled, m_inlineArea, &QWidget::setEnabled);
    layout->addWidget(keywords, 1);
    layout->addWidget(inlineGroup, 1);
    layout->addWidget(m_inline);
    return page;
}

QWidget *PreferencesDialog::makeTidyPage()
{
    auto *page = new QWidget(this);
    QVBoxLayout *layout = pageLayout(page, "HTML Tidy Additional Configuration Options");
    auto *form = new QFormLayout;
    const char *const labels[] = {"New In-Line Tags:", "New Empty Tags:", "New Block-Level Tags:",
                                  "New Preformatted Tags:"};
    for (int i = 0; i < 4; ++i)
        form->addRow(QLatin1String(labels[i]), addLineField(kTidyTexts[i]));
    layout->addLayout(form);
    layout->addWidget(note(QStringLiteral("You may specify any new tags that Tidy won't recognise here, by using "
                                          "commas between each new tag.  The tags will be recognised the next time "
                                          "your run HTML Format and Fix."),
                           page));
    layout->addStretch(1);
    return page;
}

QString PreferencesDialog::fieldText(Setting setting) const
{
    const auto it = m_fields.constFind(setting);
    return it == m_fields.constEnd() ? QString() : it->get();
}

void PreferencesDialog::setFieldText(Setting setting, const QString &text)
{
    const auto it = m_fields.constFind(setting);
    if (it != m_fields.constEnd())
        it->set(text);
}

void PreferencesDialog::chooseProgram(QLineEdit *field, bool clearRemembered)
{
    if (clearRemembered)
        m_rememberedProgram.clear();
    FileDialogRequest request;
    request.title = QStringLiteral("Select a Browser...");
    request.proposedPath = m_rememberedProgram;
    request.filters = {QStringLiteral("Programs (*.exe)|*.exe"), QStringLiteral("All Files (*.*)|*.*")};
    request.defaultSuffix = QStringLiteral("exe");
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    m_rememberedProgram = chosen;
    field->setText(chosen);
}

bool PreferencesDialog::fillCompletionArea(const char *listPath, QPlainTextEdit *area)
{
    const auto lines = readListFile(m_hooks.dataFolder + QLatin1String(listPath));
    if (!lines) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), lines.error);
        return false;
    }
    area->setPlainText(lines->join(QLatin1Char('\n')));
    return true;
}

bool PreferencesDialog::writeCompletionList(const char *listPath, const QPlainTextEdit *area)
{
    const Status written =
        writeListFile(m_hooks.dataFolder + QLatin1String(listPath), splitTextLines(area->toPlainText()));
    if (!written)
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), written.error);
    return bool(written);
}

void PreferencesDialog::showPreferences()
{
    const AppSettings settings = m_hooks.settings ? m_hooks.settings() : AppSettings();
    if (m_hooks.userStore)
        m_highlighting->loadSchemes(*m_hooks.userStore);
    m_completion->setChecked(settings.flag(Setting::AutoComplete));
    m_completionArea->setEnabled(m_completion->isChecked());
    const bool listsRead = fillCompletionArea(DataPath::CompletionAuto, m_completionArea);
    m_inline->setChecked(settings.flag(Setting::InlineCoding));
    m_inlineArea->setEnabled(m_inline->isChecked());
    if (listsRead)
        fillCompletionArea(DataPath::CompletionLine, m_inlineArea);
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        it.value()->setChecked(settings.flag(it.key()));
    for (auto it = m_fields.cbegin(); it != m_fields.cend(); ++it)
        it.value().set(settings.text(it.key()));
    m_imageEditorTitle->setEnabled(!m_imageEditor->text().isEmpty());
    m_pages->setCurrentIndex(0);
    showAndRaise(this);
    m_imageEditor->setFocus();
}

void PreferencesDialog::accept()
{
    SettingsStore *store = m_hooks.userStore;
    if (store) {
        {
            SettingsKey tidy = store->open(QLatin1String(SettingsKeys::Tidy));
            for (Setting s : kTidyTexts)
                tidy.setText(nameOf(s), fieldText(s));
        }
        // The lists are written ticked or not.
        if (!writeCompletionList(DataPath::CompletionAuto, m_completionArea) ||
            !writeCompletionList(DataPath::CompletionLine, m_inlineArea))
            return;
        SettingsKey root = store->open(QLatin1String(SettingsKeys::Root));
        root.setFlag(nameOf(Setting::AutoComplete), m_completion->isChecked());
        root.setFlag(nameOf(Setting::InlineCoding), m_inline->isChecked());
        for (Setting s : kFlagsFirst)
            root.setFlag(nameOf(s), m_flags.value(s)->isChecked());
        for (Setting s : kTextsFirst)
            root.setText(nameOf(s), fieldText(s));
        for (Setting s : kFlagsThen)
            root.setFlag(nameOf(s), m_flags.value(s)->isChecked());
        for (Setting s : kTextsLast)
            root.setText(nameOf(s), fieldText(s));
        root.setFlag(nameOf(Setting::SpellCheck), m_flags.value(Setting::SpellCheck)->isChecked());
        root.setFlag(nameOf(Setting::ExpandIncludesAlways), m_flags.value(Setting::ExpandIncludesAlways)->isChecked());
        root.setFlag(nameOf(Setting::SkipServerCode), m_flags.value(Setting::SkipServerCode)->isChecked());
    }
    if (m_hooks.readAllSettings)
        m_hooks.readAllSettings();
    if (store) {
        m_highlighting->saveChosen(*store);
        if (const Status flushed = store->flush(); !flushed)
            showMessage(this, MessageKind::Error, QStringLiteral("Error"), flushed.error);
    }
    showMessage(this, MessageKind::Information, QString(),
                QStringLiteral("Changes to document windows \nwill not take effect until the windows are closed."));
    hide();
}

ImportV4Dialog *PreferencesDialog::importDialog()
{
    if (!m_import)
        m_import = new ImportV4Dialog(m_hooks.userStore, m_hooks.machineStore, this);
    return m_import;
}

bool PreferencesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_importLink && event->type() == QEvent::MouseButtonRelease) {
        importDialog()->showImport();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tagloom
