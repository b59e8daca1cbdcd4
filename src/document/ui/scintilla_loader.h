#pragma once
// A Scintilla document built away from the user-interface thread. The
// editor makes an empty one (SCI_CREATELOADER); a worker adds the text,
// which is where Scintilla finds the line starts and grows its buffers; the
// editor then swaps the finished document in whole (CodeEditor::
// adoptLoadedDocument), which takes milliseconds whatever its size.
//
// Scintilla's loader interface has exactly three methods; it is mirrored
// here because QScintilla does not ship the header that declares it.

#include <QtGlobal>
#include <cstddef>
#include <memory>

class QsciScintillaBase;

namespace tagloom {

class ScintillaLoader {
public:
    // Made on the user-interface thread, for documents of `editor`'s kind.
    static std::shared_ptr<ScintillaLoader> create(QsciScintillaBase *editor);
    ~ScintillaLoader();
    ScintillaLoader(const ScintillaLoader &) = delete;
    ScintillaLoader &operator=(const ScintillaLoader &) = delete;

    // Worker side: appends text; false when Scintilla ran out of memory.
    bool add(const char *data, qsizetype length);
    // Worker side: no more text comes.
    void finish();
    // The finished document, for SCI_SETDOCPOINTER (which takes its own
    // reference); null before finish().
    void *document() const { return m_document; }

private:
    struct Interface {
        virtual int Release() = 0;
        virtual int AddData(const char *data, std::ptrdiff_t length) = 0;
        virtual void *ConvertToDocument() = 0;
    };
    explicit ScintillaLoader(Interface *loader) : m_loader(loader) {}

    Interface *m_loader;
    void *m_document = nullptr;
};

} // namespace tagloom
