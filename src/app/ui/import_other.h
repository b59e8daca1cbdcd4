#pragma once
// File > Import > Other Files: a word-processor or rich-text file is turned
// into rich text (directly for .rtf, else through a document converter), then
// exported with the "HTML Document" converter to a page the user names, which
// is opened as a document.

#include "app/browser_paths.h"
#include "app/document_converters.h"

#include <QString>
#include <functional>

class QWidget;

namespace tagloom {

class SettingsStore;

struct ImportContext {
    SettingsStore *machineStore = nullptr;                  // converter entries; may be null
    QString workingFolder;                                  // where the open dialog starts
    std::function<void(const QString &)> openDocumentFile; // opens the written page
    ProgramFinder findProgram;                              // finds pandoc; default: the search path
    int timeoutMs = DefaultConversionTimeoutMs;             // per converter run
};

// Runs the whole import with its dialogs and messages; returns when it is
// done, cancelled or stopped.
void importOtherFile(QWidget *parent, const ImportContext &context);

} // namespace tagloom
