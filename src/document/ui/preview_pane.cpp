#include "document/ui/preview_pane.h"

#include "document/ui/page_view_factory.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPluginLoader>
#include <QStackedLayout>
#include <unistd.h>

namespace tagloom {

namespace {

constexpr char EngineModule[] = "tagloom_pageengine";

// The module beside the program, or in the library folder of an installation.
QString engineModulePath()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {dir + QStringLiteral("/lib") + QLatin1String(EngineModule) + QStringLiteral(".so"),
                                     dir + QStringLiteral("/../lib/tagloom/lib") + QLatin1String(EngineModule) +
                                         QStringLiteral(".so")})
        if (QFile::exists(candidate))
            return candidate;
    return dir + QStringLiteral("/lib") + QLatin1String(EngineModule) + QStringLiteral(".so");
}

} // namespace

PreviewPane::PreviewPane(QWidget *parent) : QWidget(parent), m_stack(new QStackedLayout(this))
{
    m_notice = new QLabel(this);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_stack->addWidget(m_notice);
}

bool PreviewPane::ensureView()
{
    if (m_view)
        return true;
    if (m_engineMissing)
        return false;
    QPluginLoader loader(engineModulePath());
    auto *factory = qobject_cast<PageViewFactory *>(loader.instance());
    if (!factory) {
        m_engineMissing = true;
        m_notice->setText(QStringLiteral("The page cannot be shown: the page engine could not be loaded.\n") +
                          loader.errorString());
        return false;
    }
    m_view = factory->createPageView(this);
    m_stack->addWidget(m_view);
    m_stack->setCurrentWidget(m_view);
    connect(m_view, SIGNAL(pageLoaded(bool)), this, SLOT(engineLoaded(bool)));
    connect(m_view, SIGNAL(textRead(QString)), this, SLOT(engineTextRead(QString)));
    return true;
}

void PreviewPane::showFile(const QString &path)
{
    if (ensureView())
        QMetaObject::invokeMethod(m_view, "showFile", Q_ARG(QString, path));
}

void PreviewPane::showText(const QString &html, const QUrl &base)
{
    if (ensureView())
        QMetaObject::invokeMethod(m_view, "showText", Q_ARG(QString, html), Q_ARG(QUrl, base));
}

void PreviewPane::readText(std::function<void(const QString &)> done)
{
    if (!m_view) {
        done(QString());
        return;
    }
    m_textWaiters.append(std::move(done));
    QMetaObject::invokeMethod(m_view, "readText");
}

void PreviewPane::engineLoaded(bool ok) { emit loaded(ok); }

void PreviewPane::engineTextRead(const QString &text)
{
    if (!m_textWaiters.isEmpty())
        m_textWaiters.takeFirst()(text);
}

void preparePageEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace tagloom
