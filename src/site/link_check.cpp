#include "site/link_check.h"

#include "base/text_codec.h"
#include "document/file_filters.h"
#include "codetools/byte_search.h"
#include "site/reference_scanner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

namespace tagloom {

namespace {

// Larger pages are reported unread rather than held whole.
constexpr qint64 kLargestPage = 64 * 1024 * 1024;

enum class FileRole { Other, Page, StyleSheet };

FileRole roleOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QLatin1Char('/'), dot) >= 0)
        return FileRole::Other;
    const QStringView suffix = QStringView(path).mid(dot + 1);
    if (suffix.compare(QLatin1String("css"), Qt::CaseInsensitive) == 0)
        return FileRole::StyleSheet;
    return isPageFileName(path) ? FileRole::Page : FileRole::Other;
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

// index.* and default.*, in any case: what a server shows for a folder.
bool isEntryPoint(const QString &path)
{
    const QStringView name = QStringView(path).mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return name.startsWith(QLatin1String("index."), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("default."), Qt::CaseInsensitive);
}

bool isRemote(QByteArrayView v)
{
    if (v.startsWith("//"))
        return true;
    qsizetype i = 0;
    while (i < v.size() && (std::isalnum(static_cast<unsigned char>(v[i])) || v[i] == '+' || v[i] == '-' ||
                            v[i] == '.'))
        ++i;
    // One letter before the colon is a drive (C:\site\a.htm), not a scheme.
    return i >= 2 && i < v.size() && v[i] == ':' && std::isalpha(static_cast<unsigned char>(v[0]));
}

bool holdsServerCode(QByteArrayView v)
{
    return v.contains("<?") || v.contains("<%") || v.contains("<!--#");
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && static_cast<unsigned char>(v.front()) <= ' ')
        v = v.sliced(1);
    while (!v.isEmpty() && static_cast<unsigned char>(v.back()) <= ' ')
        v.chop(1);
    return v;
}

QString decoded(const QByteArray &bytes)
{
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

// Line and column of byte offsets met in increasing order; line breaks are
// CR LF, LF or a lone CR, as the editor counts them.
class PositionCounter {
public:
    explicit PositionCounter(QByteArrayView text) : m_s(text) {}

    std::pair<int, int> at(qsizetype offset)
    {
        if (offset < m_pos)
            *this = PositionCounter(m_s);
        const char *s = m_s.data();
        qsizetype i = m_pos;
        while ((i = findAnyOf<'\n', '\r'>(s, offset, i)) < offset) {
            if (s[i] == '\r' && i + 1 < m_s.size() && s[i + 1] == '\n') {
                ++i; // the line feed ends the line
                continue;
            }
            ++m_line;
            m_lineStart = ++i;
        }
        m_pos = offset;
        const QByteArrayView before = m_s.sliced(m_lineStart, offset - m_lineStart);
        qsizetype column = before.size();
        if (utf8())
            column -= std::count_if(before.begin(), before.end(),
                                    [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
        return {m_line, int(column) + 1};
    }

private:
    bool utf8()
    {
        if (m_utf8 < 0)
            m_utf8 = isValidUtf8(QByteArray::fromRawData(m_s.data(), m_s.size())) ? 1 : 0;
        return m_utf8 == 1;
    }

    QByteArrayView m_s;
    qsizetype m_pos = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
    int m_utf8 = -1;
};

class SiteCheck {
public:
    explicit SiteCheck(LinkCheckReport &report) : m_report(report) {}

    void index(const QString &root, QStringList &scanned)
    {
        const qsizetype prefix = root.endsWith(QLatin1Char('/')) ? root.size() : root.size() + 1;
        QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next().mid(prefix);
            const bool folder = it.fileInfo().isDir();
            m_entries.insert(path, Entry{folder});
            m_byLowerCase.insert(path.toLower(), path);
            if (folder)
                continue;
            ++m_report.files;
            if (isEntryPoint(path)) {
                // index.* before default.*, then the shorter, then by name.
                QString &best = m_folderIndex[folderOf(path)];
                const auto rank = [](const QString &p) {
                    return std::make_tuple(!QStringView(p).mid(p.lastIndexOf(QLatin1Char('/')) + 1)
                                                .startsWith(QLatin1String("index."), Qt::CaseInsensitive),
                                           p.size(), p);
                };
                if (best.isEmpty() || rank(path) < rank(best))
                    best = path;
            }
            if (roleOf(path) != FileRole::Other)
                scanned.append(path);
        }
        std::sort(scanned.begin(), scanned.end());
    }

    void scanFile(const QString &root, const QString &path)
    {
        QFile file(QDir(root).filePath(path));
        if (file.size() > kLargestPage) {
            addWholeFile(LinkFindingKind::Unread, path, QStringLiteral("Too large to check (over 64 MiB)"));
            return;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            addWholeFile(LinkFindingKind::Unread, path, QStringLiteral("Cannot be read: %1").arg(file.errorString()));
            return;
        }
        const QByteArray bytes = file.readAll();
        ++m_report.pages;
        PositionCounter positions(bytes);
        const ReferenceSink sink = [&](const PageReference &reference) {
            resolve(path, reference, positions);
        };
        if (roleOf(path) == FileRole::StyleSheet)
            scanStyleReferences(bytes, sink);
        else
            scanPageReferences(bytes, sink);
    }

    void addOrphans()
    {
        QStringList orphans;
        for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it)
            if (!it->folder && !it->referenced && !isEntryPoint(it.key()))
                orphans.append(it.key());
        std::sort(orphans.begin(), orphans.end());
        for (const QString &path : orphans)
            addWholeFile(LinkFindingKind::Orphan, path, QStringLiteral("No page or style sheet refers to this file"));
    }

private:
    struct Entry {
        bool folder = false;
        bool referenced = false;
    };

    void addWholeFile(LinkFindingKind kind, const QString &path, const QString &message)
    {
        m_report.findings.append(LinkFinding{kind, path, 0, 0, QString(), message});
    }

    void resolve(const QString &page, const PageReference &reference, PositionCounter &positions)
    {
        // Browsers read a backslash as "/", so \\host\x is another server.
        QByteArray value = trimmed(reference.value).toByteArray();
        value.replace('\\', '/');
        if (value.isEmpty() || holdsServerCode(value))
            return;
        const auto add = [&](LinkFindingKind kind, const QString &message) {
            const auto [line, column] = positions.at(reference.offset);
            m_report.findings.append(
                LinkFinding{kind, page, line, column, decoded(reference.value.toByteArray()), message});
        };
        const bool drive = value.size() > 1 && value[1] == ':' && std::isalpha(static_cast<unsigned char>(value[0]));
        if (drive || value.startsWith("file:") || value.startsWith("FILE:")) {
            add(LinkFindingKind::Broken, QStringLiteral("A path on the local disk, not in the site"));
            return;
        }
        if (isRemote(value)) {
            add(LinkFindingKind::Remote, QStringLiteral("Remote address, not checked"));
            return;
        }
        const qsizetype cut = std::find_if(value.begin(), value.end(), [](char c) { return c == '?' || c == '#'; }) -
                              value.begin();
        if (cut == 0) // the page itself, with another query or a fragment
            return;
        const QString path = decoded(QByteArray::fromPercentEncoding(value.first(cut)));
        const std::optional<QString> target = sitePath(page, path);
        if (!target) {
            add(LinkFindingKind::Broken, QStringLiteral("Leads outside the site folder"));
            return;
        }
        lookUp(*target, add);
    }

    // The reference's path in the site, or nullopt when ".." climbs out.
    static std::optional<QString> sitePath(const QString &page, const QString &path)
    {
        QStringList parts;
        if (!path.startsWith(QLatin1Char('/')))
            parts = folderOf(page).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (const QStringView part : QStringView(path).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (part == QLatin1String("."))
                continue;
            if (part == QLatin1String("..")) {
                if (parts.isEmpty())
                    return std::nullopt;
                parts.removeLast();
            } else {
                parts.append(part.toString());
            }
        }
        return parts.join(QLatin1Char('/'));
    }

    template <typename Add>
    void lookUp(const QString &target, const Add &add)
    {
        QString found = target;
        auto it = target.isEmpty() ? m_entries.end() : m_entries.find(target);
        if (it == m_entries.end() && !target.isEmpty()) {
            found = m_byLowerCase.value(target.toLower());
            it = found.isEmpty() ? m_entries.end() : m_entries.find(found);
        }
        if (!target.isEmpty() && it == m_entries.end()) {
            add(LinkFindingKind::Broken, QStringLiteral("Not found: %1").arg(target));
            return;
        }
        if (target.isEmpty() || it->folder) {
            const QString indexPage = m_folderIndex.value(found);
            if (indexPage.isEmpty()) {
                add(LinkFindingKind::Broken, QStringLiteral("The folder has no index page: %1/").arg(found));
                return;
            }
            m_entries[indexPage].referenced = true;
        } else {
            it->referenced = true;
        }
        if (found != target)
            add(LinkFindingKind::CaseMismatch,
                QStringLiteral("Only %1 exists: the letter case differs (works on a Windows server, not on a Linux one)")
                    .arg(found));
    }

    LinkCheckReport &m_report;
    QHash<QString, Entry> m_entries;       // by path relative to the site folder
    QHash<QString, QString> m_byLowerCase; // lower-cased path -> the path as it is
    QHash<QString, QString> m_folderIndex; // folder ("" for the site's) -> its index page
};

} // namespace

int LinkCheckReport::count(LinkFindingKind kind) const
{
    return int(std::count_if(findings.begin(), findings.end(), [kind](const LinkFinding &f) { return f.kind == kind; }));
}

bool LinkCheckReport::hasProblems() const
{
    return std::any_of(findings.begin(), findings.end(), [](const LinkFinding &f) {
        return f.kind == LinkFindingKind::Broken || f.kind == LinkFindingKind::CaseMismatch;
    });
}

const char *linkFindingKindName(LinkFindingKind kind)
{
    switch (kind) {
    case LinkFindingKind::Broken: return "Broken";
    case LinkFindingKind::CaseMismatch: return "Case";
    case LinkFindingKind::Orphan: return "Orphan";
    case LinkFindingKind::Remote: return "Remote";
    case LinkFindingKind::Unread: return "Unread";
    }
    return "";
}

Result<LinkCheckReport> checkSiteLinks(const QString &folder, const std::atomic<bool> *cancel)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return Result<LinkCheckReport>::failure(QStringLiteral("%1 is not a folder").arg(folder));
    if (!info.isReadable() || !info.isExecutable())
        return Result<LinkCheckReport>::failure(QStringLiteral("The folder %1 cannot be read").arg(folder));
    LinkCheckReport report;
    report.folder = QDir::cleanPath(info.absoluteFilePath());
    SiteCheck check(report);
    QStringList scanned;
    check.index(report.folder, scanned);
    for (const QString &path : scanned) {
        if (cancel && cancel->load()) {
            report.cancelled = true;
            return Result<LinkCheckReport>::success(std::move(report));
        }
        check.scanFile(report.folder, path);
    }
    check.addOrphans();
    return Result<LinkCheckReport>::success(std::move(report));
}

} // namespace tagloom
