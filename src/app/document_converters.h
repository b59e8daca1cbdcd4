#pragma once
// Document converters: programs that turn a word-processor file into rich
// text (RTF) and rich text into another format. Entries come from the
// machine-wide store's text-converter keys ("Name", "Extensions", "Path"),
// whose program is run as
//   import:  PATH INPUT OUTPUT.rtf
//   export:  PATH INPUT.rtf OUTPUT
// and, when pandoc is installed, from built-in pandoc entries. Programs are
// started directly with an argument list, never through a shell. Nothing here
// shows UI; every run reports a ConversionOutcome.

#include "app/browser_paths.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tagloom {

class SettingsStore;

enum class ConverterDirection { Import, Export };

inline constexpr char TextConvertersKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\Text Converters\\";
inline constexpr char PandocImportName[] = "Word Document (pandoc)";
inline constexpr char HtmlExportName[] = "HTML Document";
// WordPad's own converters, looked for in its folder and run like the
// registered ones.
inline constexpr char WordPadWriteConverter[] = "write32.wpc";
inline constexpr char WordPadWordConverter[] = "mswd6_32.wpc";
inline constexpr int DefaultConversionTimeoutMs = 120000;

struct DocumentConverter {
    enum class Engine { Program, Pandoc };
    QString name;
    QString extensions; // blank-separated, without dots: "doc dot"
    QString program;    // empty: nothing to run
    Engine engine = Engine::Program;
};

// The entries of one direction: the store's subkeys in enumeration order,
// then pandoc's built-ins when `findProgram("pandoc")` finds it (the
// default finder searches PATH). `machine` may be null.
QList<DocumentConverter> findConverters(SettingsStore *machine, ConverterDirection direction,
                                        const ProgramFinder &findProgram = {});

// The folder of the program named by the App Paths key WORDPAD.EXE; empty
// when no such program is registered.
QString findWordPadFolder(SettingsStore *machine);

// The open dialog's filter "Name|*.a;*.b|Name|..." (no trailing "|") and the
// converter name of every entry: entry N of the filter is names[N].
struct ImportFilter {
    QString text;
    QStringList names;

    // "Name|patterns" pairs, as the file chooser takes them.
    QStringList dialogFilters() const;
    // The name of the first entry whose patterns match the file's name, else
    // the first entry's: the chooser reports the file, not the entry chosen.
    QString nameForFile(const QString &path) const;
};
ImportFilter buildImportFilter(const QList<DocumentConverter> &importers, const QString &wordPadFolder);

// The import converter for a chosen entry: the entry of that exact name, else
// WordPad's converter for the Word 6.0/95, WordPad and Windows Write entries.
std::optional<DocumentConverter> importConverterNamed(const QString &name,
                                                      const QList<DocumentConverter> &importers,
                                                      const QString &wordPadFolder);
std::optional<DocumentConverter> exportConverterNamed(const QString &name,
                                                      const QList<DocumentConverter> &exporters);

// How a run ended, in the order a run can fail.
enum class ConversionFailure {
    None,
    NoProgram,    // the entry names no program
    NotStartable, // the program is missing, not executable or would not start
    Refused,      // it ran and exited with a non-zero code: wrong input, cannot convert
    Broken,       // it crashed, timed out, or wrote no output
    NotWritten,   // the result could not be written to the target
};

struct ConversionOutcome {
    ConversionFailure failure = ConversionFailure::None;
    QString detail;  // diagnosis: the converter's error output or the file error
    QByteArray rtf;  // import: the rich text produced
    bool ok() const { return failure == ConversionFailure::None; }
};

// Converts `inputPath` to rich text.
ConversionOutcome convertToRtf(const DocumentConverter &converter, const QString &inputPath,
                               int timeoutMs = DefaultConversionTimeoutMs);
// Converts rich text into `targetPath`, written atomically. The pandoc
// engine puts pictures in "<target base name>_files" beside the target.
ConversionOutcome convertFromRtf(const DocumentConverter &converter, const QByteArray &rtf,
                                 const QString &targetPath, int timeoutMs = DefaultConversionTimeoutMs);

} // namespace tagloom
