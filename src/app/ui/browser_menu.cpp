#include "app/ui/browser_menu.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "document/ui/code_editor.h"
#include "document/ui/document_window.h"

#include <QProcess>

namespace tagloom {

BrowserMenu::BrowserMenu(QString dataFolder, std::function<DocumentWindow *()> activeDocument,
                         std::function<void()> minimizeProgram, QWidget *parent)
    : QMenu(QStringLiteral("Browsers"), parent), m_dataFolder(std::move(dataFolder)),
      m_activeDocument(std::move(activeDocument)), m_minimizeProgram(std::move(minimizeProgram))
{
    const char *const found[] = {"&Internet Explorer", "&Netscape Communicator", "&Opera"};
    for (int i = 0; i < 6; ++i) {
        if (i == 3)
            addSeparator();
        QAction *item = addAction(i < 3 ? QLatin1String(found[i]) : QStringLiteral("Browser %1").arg(i + 1));
        item->setEnabled(i < 3);
        connect(item, &QAction::triggered, this, [this, i] { preview(i); });
        m_items.append(item);
    }
}

void BrowserMenu::applySettings(const BrowserSettings &settings, const BrowserPaths &found)
{
    m_paths[0] = found.internetExplorer;
    m_paths[1] = found.netscape;
    m_paths[2] = found.opera;
    for (int i = 0; i < 3; ++i) {
        if (!m_paths[i].isEmpty())
            m_items[i]->setEnabled(true);
        m_paths[i + 3] = settings.paths[i];
        if (!m_paths[i + 3].isEmpty()) {
            m_items[i + 3]->setEnabled(true);
            m_items[i + 3]->setText(settings.titles[i]);
        }
    }
    m_minimizeOnPreview = settings.minimizeOnPreview;
}

void BrowserMenu::preview(int index)
{
    DocumentWindow *doc = m_activeDocument ? m_activeDocument() : nullptr;
    const bool userBrowser = index >= 3;
    if (userBrowser && !doc)
        return;
    if (doc) {
        QString file = doc->fileName();
        bool ready = true;
        if (file.isEmpty()) {
            // The user's browsers share the preview copy; the found ones have their own.
            file = m_dataFolder + QLatin1String(userBrowser ? DataPath::PreviewCopy : DataPath::BrowserCopy);
            const Status written =
                writeFileAtomically(file, doc->fileBytes());
            if (!written) {
                showMessage(parentWidget(), MessageKind::Error, QStringLiteral("Error"), written.error);
                ready = false;
            }
        }
        // The file name is one parameter as it stands; no shell sees it.
        const QString &program = m_paths[index];
        if (ready && (program.isEmpty() || !QProcess::startDetached(program, {file}, m_dataFolder))) {
            showMessage(parentWidget(), MessageKind::Error, QStringLiteral("Error"),
                        index == 0
                            ? QStringLiteral("There has been a mistake made in the file path to Explorer in the Registry.")
                            : QStringLiteral("The browser could not be started.  Check its path in the Preferences window."));
        }
    }
    if (m_minimizeOnPreview && m_minimizeProgram)
        m_minimizeProgram();
}

} // namespace tagloom
