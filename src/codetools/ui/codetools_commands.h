#pragma once
// The code tools' commands: Validate Document with its analysis window, and
// Compress this Document with the compressor dialog. Each window is made on
// first use.

#include "codetools/ui/analysis_window.h"

namespace tagloom {

class CommandRegistry;
class Documents;

// `analysisSettings`: where the analysis window reads and keeps its options
// (without them it starts with the defaults and keeps nothing).
void registerCodetoolsCommands(CommandRegistry &registry, Documents &documents,
                               AnalysisSettingsHooks analysisSettings = {});

} // namespace tagloom
