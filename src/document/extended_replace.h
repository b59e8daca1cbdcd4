#pragma once
// Find and replace across disk files. Works on the files' bytes, so nothing
// but the replaced text changes; no UI here, the dialog answers the prompts
// and reports the outcomes.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace tagloom {

struct ReplaceOptions {
    bool caseSensitive = false; // ticked: letter case must match exactly
    bool wholeWords = false;
    bool prompt = false;
    bool backup = false;        // keep the original as "<file>.bak"
};

enum class PromptAnswer { Yes, No, Cancel, All };

// Asked before each replacement while prompting is on. `line` is the line
// holding the occurrence, as it reads with earlier replacements applied,
// leading blanks and control characters removed, at most 200 bytes.
using PromptHandler = std::function<PromptAnswer(const QString &file, const QByteArray &line)>;

// Called after every stretch of about 8 KB of input.
using ProgressHandler = std::function<void()>;

struct TextReplacement {
    QByteArray text;
    int occurrences = 0; // occurrences replaced
};

// The replacement of one file's text. The scan runs left to right and never
// searches replaced text (so "b" -> "<b>" ends); after a deletion the byte
// that moves into place may not start an occurrence, so deleting "aa" from
// "aaaa" leaves "aa". Bytes 127-255 count as word characters. A last line
// without a line break gets one (like the file's first, or CR LF) only when
// something was replaced. Linear in the size of `data`.
TextReplacement replaceInText(const QByteArray &data, const QByteArray &search, const QByteArray &replacement,
                              const ReplaceOptions &options, const QString &fileForPrompt = QString(),
                              const PromptHandler &ask = {}, const ProgressHandler &progress = {},
                              qint64 *bytesScanned = nullptr);

// The confirmation text shown before a replacement.
QString replacePromptText(const QString &search, const QString &replacement, const QString &file,
                          const QByteArray &line);

// Files a dropped path yields: a writable, visible regular file itself; for
// a folder, such files directly inside it, sorted ignoring case. A NUL and
// what follows it are ignored.
QStringList filesFromDroppedPath(QString path);
bool isEligibleFile(const QString &path);

enum class FileOutcome { Changed, Unchanged, Failed };

struct FileReport {
    FileOutcome outcome = FileOutcome::Unchanged;
    QString message; // for Failed: what to tell the user
};

// One press of Replace: processes files one at a time and keeps the
// counters. Results are written atomically beside the file; a file with no
// replacement is never rewritten.
class ExtendedReplace {
public:
    ExtendedReplace(const QString &search, const QString &replacement, const ReplaceOptions &options);

    void setPromptHandler(PromptHandler ask) { m_ask = std::move(ask); }
    void setProgressHandler(ProgressHandler progress) { m_progress = std::move(progress); }

    // Sums the sizes of the files to do, for the percentage.
    void setFiles(const QStringList &files);
    FileReport processFile(const QString &path);

    qint64 filesRead() const { return m_filesRead; }
    qint64 occurrences() const { return m_occurrences; }
    qint64 bytesRead() const { return m_bytesRead; }
    qint64 bytesWritten() const { return m_bytesWritten; }
    int percent() const; // 0 to 100

private:
    QString m_searchText;
    QString m_replaceText;
    QByteArray m_search;
    QByteArray m_replacement;
    ReplaceOptions m_options;
    PromptHandler m_ask;
    ProgressHandler m_progress;
    qint64 m_total = 0;
    qint64 m_filesRead = 0;
    qint64 m_occurrences = 0;
    qint64 m_bytesRead = 0;
    qint64 m_bytesWritten = 0;
};

} // namespace tagloom
