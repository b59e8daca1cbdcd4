#pragma once
// A Scintilla document built away from the user-interface thread. The
// editor makes an empty one (SCI_CREATELOADER); a worker adds the text,
// which is where Scintilla finds the line starts and grows its buffers; the
// editor then swaps the finished document in whole (CodeEditor::
// adoptLoadedDocument), which takes milliseconds whatever its size.
//
// QScintilla does not install the header that declares Scintilla's loader
// interface; its three methods are declared below.

#include <QtGlobal>
#include <cstddef>
#include <memory>

class QsciScintillaBase;

// Scintilla's loader interface, declared exactly as the library declares it
// (at global scope, SCI_METHOD being empty here).
class ILoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char *data, std::ptrdiff_t length) = 0;
    virtual void *ConvertToDocument() = 0;
};

namespace tagloom {

class ScintillaLoader {
public:
    // Made on the user-interface thread, for documents of `editor`'s kind;
    // a document without styles takes half the memory but cannot be coloured.
    static std::shared_ptr<ScintillaLoader> create(QsciScintillaBase *editor, bool withStyles = true);
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
    explicit ScintillaLoader(ILoader *loader) : m_loader(loader) {}

    ILoader *m_loader;
    void *m_document = nullptr;
};

} // namespace tagloom
