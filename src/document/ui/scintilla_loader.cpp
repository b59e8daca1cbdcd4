#include "document/ui/scintilla_loader.h"

#include "document/ui/scintilla_calls.h"

#include <QCoreApplication>
#include <QThread>

namespace tagloom {

using namespace sci;

std::shared_ptr<ScintillaLoader> ScintillaLoader::create(QsciScintillaBase *editor, bool withStyles)
{
    // No size hint: Scintilla would fill the whole buffer here, on this thread.
    const long options = withStyles ? Sci::SC_DOCUMENTOPTION_DEFAULT : Sci::SC_DOCUMENTOPTION_STYLES_NONE;
    auto *loader = reinterpret_cast<ILoader *>(editor->SendScintilla(Sci::SCI_CREATELOADER, 0UL, options));
    // The document's reference count is not thread-safe: the last reference
    // always goes on the user-interface thread.
    return std::shared_ptr<ScintillaLoader>(new ScintillaLoader(loader), [](ScintillaLoader *l) {
        if (QCoreApplication *app = QCoreApplication::instance(); app && app->thread() != QThread::currentThread())
            QMetaObject::invokeMethod(app, [l] { delete l; }, Qt::QueuedConnection);
        else
            delete l;
    });
}

ScintillaLoader::~ScintillaLoader()
{
    // The loader's own reference; an editor that took the document holds its own.
    if (m_loader)
        m_loader->Release();
}

bool ScintillaLoader::add(const char *data, qsizetype length)
{
    return m_loader && m_loader->AddData(data, length) == 0;
}

void ScintillaLoader::finish()
{
    if (m_loader && !m_document)
        m_document = m_loader->ConvertToDocument();
}

} // namespace tagloom
