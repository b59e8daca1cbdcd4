#include "vocabulary/ui/palette_strip.h"

#include "settings/setting_rows.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>

namespace tagloom {

namespace {

struct PalettePage {
    const char *flag;
    const char *page;
    const char *toolbarCaption;
};

const PalettePage kPages[] = {
    {"Common", "Common", "Common"},
    {"Frames", "Frames", "Frames"},
    {"Tables", "Tables", "Tables"},
    {"Forms", "Forms", "Forms"},
    {"Lists", "Lists", "ListToolbar"},
    {"WML", "WML", "WML"},
    {"ASP", "ASP", "Active Server Pages"},
    {"ColdFusion", "ColdFusion", "ColdFusion"},
    {"SSI", "SSI", "Server-Side Includes"},
    {"PHP", "PHP", "PHP"},
    {"WebTV", "WebTV", "WebTV"},
};

// Docked, the title bar is a narrow grip on the left; only a floating
// palette has a close box.
constexpr QDockWidget::DockWidgetFeatures kDockedFeatures =
    QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetVerticalTitleBar;

} // namespace

PaletteStrip::PaletteStrip(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PaletteStrip"));
    setDocumentMode(true);
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 15px; padding: 0 6px; }"));
    m_menu = new QMenu(tr("Palettes"), this);
    for (const PalettePage &p : kPages)
        addPage(QLatin1String(p.flag), QLatin1String(p.page), QLatin1String(p.toolbarCaption));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(mapToGlobal(at)); });
}

void PaletteStrip::addPage(const QString &flag, const QString &caption, const QString &toolbarCaption)
{
    Page page;
    // A page is a small main window of its own, so Qt's docking lets the
    // toolbar's dock be dragged off the page and back.
    page.container = new QMainWindow(this, Qt::Widget);
    page.container->setObjectName(QLatin1String("PalettePage.") + flag);
    page.container->setContextMenuPolicy(Qt::NoContextMenu); // the strip's palette menu instead
    page.container->setDockOptions(QMainWindow::AnimatedDocks);

    page.title = toolbarCaption;
    // Docked, the grip is too narrow for a title: it would show clipped.
    page.dock = new QDockWidget(QString(), page.container);
    page.dock->setObjectName(QLatin1String("PaletteDock.") + flag);
    page.dock->setFeatures(kDockedFeatures);
    page.dock->setAllowedAreas(Qt::TopDockWidgetArea);

    page.bar = new QToolBar(toolbarCaption, page.dock);
    page.bar->setObjectName(QLatin1String("Palette.") + flag);
    page.bar->setIconSize(QSize(22, 22));
    page.bar->setMovable(false);
    page.dock->setWidget(page.bar);
    page.container->addDockWidget(Qt::TopDockWidgetArea, page.dock);
    page.dock->installEventFilter(this);
    connect(page.dock, &QDockWidget::topLevelChanged, this,
            [this, flag](bool floating) { floatingChanged(flag, floating); });

    addTab(page.container, caption);
    page.menuItem = m_menu->addAction(caption);
    page.menuItem->setCheckable(true);
    page.menuItem->setChecked(true);
    connect(page.menuItem, &QAction::toggled, this, [this, flag](bool on) { setPageShown(flag, on); });
    m_pages.insert(flag, page);
}

QToolBar *PaletteStrip::toolbar(const QString &flag) const
{
    return m_pages.value(flag).bar;
}

QDockWidget *PaletteStrip::paletteDock(const QString &flag) const
{
    return m_pages.value(flag).dock;
}

int PaletteStrip::indexOf(const QString &flag) const
{
    const QMainWindow *container = m_pages.value(flag).container;
    return container ? QTabWidget::indexOf(container) : -1;
}

void PaletteStrip::setPageShown(const QString &flag, bool shown)
{
    const int index = indexOf(flag);
    if (index < 0)
        return;
    if (isFloating(flag))
        dockBack(flag);
    setTabVisible(index, shown);
    if (QAction *item = m_pages.value(flag).menuItem; item && item->isChecked() != shown)
        item->setChecked(shown);
}

bool PaletteStrip::isPageShown(const QString &flag) const
{
    const int index = indexOf(flag);
    return index >= 0 && isTabVisible(index);
}

bool PaletteStrip::isFloating(const QString &flag) const
{
    const QDockWidget *dock = m_pages.value(flag).dock;
    return dock && dock->isFloating();
}

QMap<QString, bool> PaletteStrip::shownState() const
{
    QMap<QString, bool> state;
    for (const QString &flag : paletteFlagNames())
        state.insert(flag, isPageShown(flag));
    return state;
}

void PaletteStrip::floatingChanged(const QString &flag, bool floating)
{
    const Page page = m_pages.value(flag);
    const int index = indexOf(flag);
    if (!page.dock || index < 0)
        return;
    // Leaving the page hides its tab; the menu tick is left as it was.
    page.dock->setFeatures(floating ? kDockedFeatures | QDockWidget::DockWidgetClosable : kDockedFeatures);
    page.dock->setWindowTitle(floating ? page.title : QString());
    setTabVisible(index, !floating);
}

void PaletteStrip::dockBack(const QString &flag)
{
    const Page page = m_pages.value(flag);
    setTabVisible(indexOf(flag), true);
    page.dock->setFloating(false);
    page.dock->show();
}

bool PaletteStrip::eventFilter(QObject *watched, QEvent *event)
{
    // The close box of a floating palette puts it back on its page rather
    // than hiding it.
    if (event->type() == QEvent::Close) {
        for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
            if (it->dock != watched || !it->dock->isFloating())
                continue;
            event->ignore();
            dockBack(it.key());
            setCurrentIndex(indexOf(it.key()));
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

} // namespace tagloom
