#pragma once
// A rendered page: the Preview page of a document window and its live
// preview. The page engine is loaded the first time a page is shown, never
// at start-up; until then, and when it cannot be loaded, a line of text
// stands in its place.

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QStackedLayout;

namespace tagloom {

class PreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);

    // Renders a local file.
    void showFile(const QString &path);
    // Renders a text; relative addresses resolve against `base` (a folder
    // URL ending in "/"); the scroll position stays where it was.
    void showText(const QString &html, const QUrl &base);
    // The page's text as shown, handed to `done` once the engine has it.
    void readText(std::function<void(const QString &)> done);
    // False until a page was shown, and when the engine could not be loaded.
    bool hasEngine() const { return m_view != nullptr; }

signals:
    void loaded(bool ok);

private slots:
    void engineLoaded(bool ok);
    void engineTextRead(const QString &text);

private:
    bool ensureView();

    QStackedLayout *m_stack;
    QLabel *m_notice;
    QWidget *m_view = nullptr;
    bool m_engineMissing = false;
    QList<std::function<void(const QString &)>> m_textWaiters;
};

// What the page engine needs before the application object exists (shared
// graphics contexts; no sandbox when run by the superuser, which the
// engine's sandbox refuses). Loads nothing.
void preparePageEngine();

} // namespace tagloom
