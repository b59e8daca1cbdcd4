#pragma once
// The page engine module: Qt WebEngine views made for the preview pane.

#include "document/ui/page_view_factory.h"

#include <QObject>
#include <QPointF>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace tagloom {

class EnginePageView : public QWebEngineView {
    Q_OBJECT
public:
    explicit EnginePageView(QWidget *parent) : QWebEngineView(parent)
    {
        connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
            if (m_restoreScroll) {
                m_restoreScroll = false;
                page()->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);").arg(m_scroll.x()).arg(m_scroll.y()));
            }
            emit pageLoaded(ok);
        });
    }

    Q_INVOKABLE void showFile(const QString &path) { setUrl(QUrl::fromLocalFile(path)); }
    Q_INVOKABLE void showText(const QString &html, const QUrl &base)
    {
        m_scroll = page()->scrollPosition();
        m_restoreScroll = true;
        setHtml(html, base);
    }
    Q_INVOKABLE void readText()
    {
        page()->toPlainText([this](const QString &text) { emit textRead(text); });
    }

signals:
    void pageLoaded(bool ok);
    void textRead(const QString &text);

private:
    QPointF m_scroll;
    bool m_restoreScroll = false;
};

class EnginePageViewFactory : public QObject, public PageViewFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TagloomPageViewFactory_iid)
    Q_INTERFACES(tagloom::PageViewFactory)
public:
    QWidget *createPageView(QWidget *parent) override { return new EnginePageView(parent); }
};

} // namespace tagloom
