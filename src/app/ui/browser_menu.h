#pragma once
// The browser menu (the drop-down of the browser button): the three browsers
// found on this system and up to three of the user's own. A document is
// shown in a browser from its own file, or from a fixed copy in the data
// folder while it has none.

#include "settings/app_settings.h"
#include "app/browser_paths.h"

#include <QMenu>
#include <functional>

namespace tagloom {

class DocumentWindow;

class BrowserMenu : public QMenu {
    Q_OBJECT
public:
    BrowserMenu(QString dataFolder, std::function<DocumentWindow *()> activeDocument,
                std::function<void()> minimizeProgram, QWidget *parent = nullptr);

    // Enables the found browsers and the user's browsers that have a path,
    // captioned with their titles; never disables an item.
    void applySettings(const BrowserSettings &settings, const BrowserPaths &found);

    // 0-2: Internet Explorer, Netscape Communicator, Opera; 3-5: Browser 4-6.
    QAction *item(int index) const { return m_items.value(index); }
    void preview(int index);

private:
    QString m_dataFolder;
    std::function<DocumentWindow *()> m_activeDocument;
    std::function<void()> m_minimizeProgram;
    QList<QAction *> m_items;
    QString m_paths[6];
    bool m_minimizeOnPreview = false;
};

} // namespace tagloom
