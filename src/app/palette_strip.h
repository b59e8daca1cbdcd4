#pragma once
// The palette strip: eleven tabbed pages of quick-insert buttons, one per
// mark-up or script language, each page holding one toolbar. The palette menu
// has a tickable item per page; hiding a page hides its tab.

#include <QMap>
#include <QTabWidget>

class QMenu;
class QToolBar;

namespace tagloom {

class PaletteStrip : public QTabWidget {
    Q_OBJECT
public:
    explicit PaletteStrip(QWidget *parent = nullptr);

    QMenu *paletteMenu() const { return m_menu; }
    // The toolbar on the page of a palette flag ("Common", ... "WebTV").
    QToolBar *toolbar(const QString &flag) const;

    void setPageShown(const QString &flag, bool shown);
    bool isPageShown(const QString &flag) const;
    // Every palette flag with whether its page is shown.
    QMap<QString, bool> shownState() const;

private:
    int indexOf(const QString &flag) const;

    QMenu *m_menu = nullptr;
    QMap<QString, QToolBar *> m_toolbars;
    QMap<QString, QAction *> m_menuItems;
};

} // namespace tagloom
