#pragma once
// The palette strip: eleven tabbed pages of quick-insert buttons, one per
// mark-up or script language, each page holding one toolbar. The palette menu
// has a tickable item per page; hiding a page hides its tab.
//
// Each toolbar sits in a dock on its page, so the user can drag it off as a
// floating palette. A floating palette's tab is hidden (its tick stays);
// closing the floating window docks the toolbar back and shows the tab, so a
// palette still floating when the state is written counts as off.

#include <QMap>
#include <QTabWidget>

class QDockWidget;
class QMainWindow;
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
    // The dock that carries the toolbar and floats with it.
    QDockWidget *paletteDock(const QString &flag) const;

    // Shows or hides a page (and ticks its menu item); a floating palette is
    // docked back first, so the page is never shown empty.
    void setPageShown(const QString &flag, bool shown);
    bool isPageShown(const QString &flag) const;
    bool isFloating(const QString &flag) const;
    // Every palette flag with whether its page is shown.
    QMap<QString, bool> shownState() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Page {
        QMainWindow *container = nullptr;
        QDockWidget *dock = nullptr;
        QToolBar *bar = nullptr;
        QAction *menuItem = nullptr;
        QString title; // shown while the palette floats
    };

    void addPage(const QString &flag, const QString &caption, const QString &toolbarCaption);
    void floatingChanged(const QString &flag, bool floating);
    void dockBack(const QString &flag);
    int indexOf(const QString &flag) const;

    QMenu *m_menu = nullptr;
    QMap<QString, Page> m_pages;
};

} // namespace tagloom
