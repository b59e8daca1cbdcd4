#include "app/palette_strip.h"

#include "app/app_settings.h"

#include <QAction>
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

} // namespace

PaletteStrip::PaletteStrip(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("PaletteStrip"));
    setDocumentMode(true);
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 15px; padding: 0 6px; }"));
    m_menu = new QMenu(tr("Palettes"), this);
    for (const PalettePage &p : kPages) {
        const QString flag = QLatin1String(p.flag);
        auto *bar = new QToolBar(QLatin1String(p.toolbarCaption), this);
        bar->setObjectName(QLatin1String("Palette.") + flag);
        bar->setIconSize(QSize(22, 22));
        m_toolbars.insert(flag, bar);
        addTab(bar, QLatin1String(p.page));
        QAction *item = m_menu->addAction(QLatin1String(p.page));
        item->setCheckable(true);
        item->setChecked(true);
        m_menuItems.insert(flag, item);
        connect(item, &QAction::toggled, this, [this, flag](bool on) { setPageShown(flag, on); });
    }
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menu->popup(mapToGlobal(at)); });
}

QToolBar *PaletteStrip::toolbar(const QString &flag) const
{
    return m_toolbars.value(flag);
}

int PaletteStrip::indexOf(const QString &flag) const
{
    return QTabWidget::indexOf(m_toolbars.value(flag));
}

void PaletteStrip::setPageShown(const QString &flag, bool shown)
{
    const int index = indexOf(flag);
    if (index < 0)
        return;
    setTabVisible(index, shown);
    if (QAction *item = m_menuItems.value(flag); item && item->isChecked() != shown)
        item->setChecked(shown);
}

bool PaletteStrip::isPageShown(const QString &flag) const
{
    const int index = indexOf(flag);
    return index >= 0 && isTabVisible(index);
}

QMap<QString, bool> PaletteStrip::shownState() const
{
    QMap<QString, bool> state;
    for (const QString &flag : paletteFlagNames())
        state.insert(flag, isPageShown(flag));
    return state;
}

} // namespace tagloom
