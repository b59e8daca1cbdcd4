#include "document/ssi_expansion.h"

#include "document/document.h"
#include "document/server_time_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QUrl>

namespace tagloom {

namespace {

constexpr QLatin1StringView Opening("<!--#");
constexpr QLatin1StringView Closing("-->");

struct Attribute {
    QString name; // lower case
    QString value;
};

struct Directive {
    enum class Kind { Directive, Malformed, NotOne, Unended };
    Kind kind = Kind::Directive;
    QString name; // lower case
    QList<Attribute> attributes;
    qsizetype end = 0; // just after its "-->"
};

// What `<!--#config -->` sets; an included file starts with its includer's.
struct Config {
    QString timeFormat = QLatin1String(DefaultServerTimeFormat);
    bool abbreviatedSizes = true;
    QString errorText = QLatin1String(IncludeErrorText);
};

struct Frame {
    QString file;   // empty for a page without a file
    QString folder; // where its relative paths start
    int depth = 0;
    Config config;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\f');
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`');
}

// The directive whose "<!--#" stands at `at`. Values may be quoted with
// double or single quotes or backticks (a backslash takes the quote itself
// into the value) or stand bare. No directive at all when no name follows
// the "#"; a quote left open makes the directive malformed up to the next
// "-->"; without any "-->" it never ends.
Directive parseDirective(QStringView text, qsizetype at)
{
    using Kind = Directive::Kind;
    const qsizetype n = text.size();
    qsizetype p = at + Opening.size();
    Directive d;
    while (p < n && text[p].unicode() < 128 && text[p].isLetter())
        d.name += text[p++].toLower();
    if (d.name.isEmpty()) {
        d.kind = Kind::NotOne;
        return d;
    }
    const qsizetype afterName = p;
    auto startsClosing = [&](qsizetype i) { return text.sliced(i).startsWith(Closing); };
    auto malformed = [&] {
        const qsizetype close = text.indexOf(Closing, afterName);
        d.kind = close < 0 ? Kind::Unended : Kind::Malformed;
        d.end = close < 0 ? n : close + Closing.size();
        return d;
    };
    for (;;) {
        while (p < n && isBlank(text[p]))
            ++p;
        if (p >= n)
            return malformed();
        if (startsClosing(p)) {
            d.end = p + Closing.size();
            return d;
        }
        Attribute a;
        while (p < n && !isBlank(text[p]) && text[p] != QLatin1Char('=') && !startsClosing(p))
            a.name += text[p++].toLower();
        while (p < n && isBlank(text[p]))
            ++p;
        if (p < n && text[p] == QLatin1Char('=')) {
            ++p;
            while (p < n && isBlank(text[p]))
                ++p;
            if (p < n && isQuote(text[p])) {
                const QChar quote = text[p++];
                while (p < n && text[p] != quote) {
                    if (text[p] == QLatin1Char('\\') && p + 1 < n && text[p + 1] == quote)
                        ++p;
                    a.value += text[p++];
                }
                if (p >= n)
                    return malformed();
                ++p;
            } else {
                while (p < n && !isBlank(text[p]) && !startsClosing(p))
                    a.value += text[p++];
            }
        }
        if (!a.name.isEmpty())
            d.attributes.append(a);
    }
}

// A note the reader of the preview sees in place of a directive that was
// not carried out.
QString visibleNote(const QString &text)
{
    return QStringLiteral("<span class=\"tagloom-include-note\" style=\"background:#ffffe0;color:#a00000;"
                          "border:1px dashed #a00000;padding:0 2px;font:small sans-serif\">[") +
           text.toHtmlEscaped() + QStringLiteral("]</span>");
}

// Why a directive failed, for whoever reads the expanded source.
QString hiddenReason(QString text)
{
    while (text.contains(QLatin1String("--")))
        text.replace(QLatin1String("--"), QLatin1String("- -"));
    return QStringLiteral("<!-- ") + text + QStringLiteral(" -->");
}

// An attribute as the page wrote it, for notes and reasons.
QString written(const Attribute &a)
{
    return a.name + QStringLiteral("=\"") + a.value + QLatin1Char('"');
}

// What stands in place of a directive that failed.
QString failure(const Frame &frame, const QString &reason)
{
    return frame.config.errorText + hiddenReason(reason);
}

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool isOneOf(const QString &value, std::initializer_list<const char *> words)
{
    for (const char *word : words)
        if (value.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isWithin(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

class Expander {
public:
    explicit Expander(const IncludeSite &site) : m_site(site)
    {
        const QString root = !site.root.isEmpty() ? site.root : site.pageFolder;
        if (!root.isEmpty()) {
            m_root = cleanAbsolute(root);
            const QString canonical = QFileInfo(m_root).canonicalFilePath();
            m_canonicalRoot = canonical.isEmpty() ? m_root : canonical;
        }
        m_now = site.now.isValid() ? site.now : QDateTime::currentDateTimeUtc();
    }

    QString run(const QString &page)
    {
        Frame top;
        top.file = m_site.pagePath.isEmpty() ? QString() : cleanAbsolute(m_site.pagePath);
        top.folder = !m_site.pageFolder.isEmpty() ? cleanAbsolute(m_site.pageFolder)
                     : !top.file.isEmpty()        ? QFileInfo(top.file).absolutePath()
                                                  : m_root;
        if (!top.file.isEmpty())
            m_open.append(identity(top.file));
        QString out;
        out.reserve(page.size() + page.size() / 4);
        expand(page, top, out);
        return out;
    }

private:
    struct Target {
        QString path;    // the file, when found inside the site
        QString problem; // else why not
    };

    void expand(QStringView text, Frame &frame, QString &out)
    {
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = text.indexOf(Opening, from);
            if (at < 0)
                break;
            const Directive d = parseDirective(text, at);
            if (d.kind == Directive::Kind::NotOne) {
                out += text.sliced(from, at + Opening.size() - from);
                from = at + Opening.size();
                continue;
            }
            if (d.kind == Directive::Kind::Unended)
                break; // a comment to the end of the page, as the browser sees it
            out += text.sliced(from, at - from);
            carryOut(d, text.sliced(at, d.end - at), frame, out);
            from = d.end;
        }
        out += text.sliced(from);
    }

    void carryOut(const Directive &d, QStringView source, Frame &frame, QString &out)
    {
        if (d.kind == Directive::Kind::Malformed) {
            out += failure(frame, QStringLiteral("unreadable directive"));
            return;
        }
        if (d.name == QLatin1String("include"))
            include(d, frame, out);
        else if (d.name == QLatin1String("echo"))
            echo(d, frame, out);
        else if (d.name == QLatin1String("config"))
            configure(d, frame, out);
        else if (d.name == QLatin1String("flastmod") || d.name == QLatin1String("fsize"))
            fileFact(d, frame, out);
        else if (d.name == QLatin1String("exec"))
            out += visibleNote(QStringLiteral("#exec is not run in the preview: ") + execCommand(d));
        else
            out += source; // directives the preview does not know stay as they are (comments)
    }

    static QString execCommand(const Directive &d)
    {
        QStringList parts;
        for (const Attribute &a : d.attributes)
            parts.append(written(a));
        return parts.join(QLatin1Char(' '));
    }

    void include(const Directive &d, Frame &frame, QString &out)
    {
        for (const Attribute &a : d.attributes) {
            if (a.name != QLatin1String("file") && a.name != QLatin1String("virtual"))
                continue;
            const QString what = written(a);
            const Target target = resolve(a, frame);
            if (target.path.isEmpty()) {
                out += failure(frame, QStringLiteral("include ") + what + QStringLiteral(": ") + target.problem);
                continue;
            }
            const QString id = identity(target.path);
            if (m_open.contains(id)) {
                out += visibleNote(QStringLiteral("include ") + what +
                                   QStringLiteral(" left out: that file is already being included (a cycle)"));
                continue;
            }
            if (frame.depth + 1 > m_site.maxDepth) {
                out += visibleNote(QStringLiteral("include ") + what +
                                   QStringLiteral(" left out: includes nest more than %1 deep").arg(m_site.maxDepth));
                continue;
            }
            const QFileInfo info(target.path);
            if (out.size() + info.size() > m_site.maxLength) {
                out += visibleNote(QStringLiteral("include ") + what +
                                   QStringLiteral(" left out: the page would grow too large to preview"));
                continue;
            }
            QFile file(target.path);
            if (!file.open(QIODevice::ReadOnly)) {
                out += failure(frame, QStringLiteral("include ") + what + QStringLiteral(": ") + file.errorString());
                continue;
            }
            const QString text = textFromFileBytes(file.readAll());
            Frame inner;
            inner.file = target.path;
            inner.folder = info.absolutePath();
            inner.depth = frame.depth + 1;
            inner.config = frame.config;
            m_open.append(id);
            expand(text, inner, out);
            m_open.removeLast();
        }
    }

    void echo(const Directive &d, const Frame &frame, QString &out)
    {
        QString encoding = QStringLiteral("entity");
        for (const Attribute &a : d.attributes) {
            if (a.name == QLatin1String("encoding")) {
                encoding = a.value.toLower();
                continue;
            }
            if (a.name != QLatin1String("var"))
                continue;
            const QString value = variable(a.value, frame);
            if (encoding == QLatin1String("none"))
                out += value;
            else if (encoding == QLatin1String("url"))
                out += QString::fromLatin1(QUrl::toPercentEncoding(value));
            else
                out += value.toHtmlEscaped();
        }
    }

    QString variable(const QString &name, const Frame &frame) const
    {
        const Config &c = frame.config;
        if (name == QLatin1String("DATE_LOCAL"))
            return formatServerTime(c.timeFormat, m_now, m_site.localZone);
        if (name == QLatin1String("DATE_GMT"))
            return formatServerTime(c.timeFormat, m_now, QTimeZone::utc());
        if (name == QLatin1String("LAST_MODIFIED")) {
            const QFileInfo info(frame.file);
            const QDateTime when = !frame.file.isEmpty() && info.exists() ? info.lastModified() : m_now;
            return formatServerTime(c.timeFormat, when, m_site.localZone);
        }
        if (name == QLatin1String("DOCUMENT_NAME") && !frame.file.isEmpty())
            return QFileInfo(frame.file).fileName();
        if (name == QLatin1String("DOCUMENT_URI") && !frame.file.isEmpty() && isWithin(frame.file, m_root))
            return QLatin1Char('/') + QDir(m_root).relativeFilePath(frame.file);
        return QStringLiteral("(none)");
    }

    void configure(const Directive &d, Frame &frame, QString &out)
    {
        for (const Attribute &a : d.attributes) {
            if (a.name == QLatin1String("timefmt")) {
                frame.config.timeFormat = a.value;
            } else if (a.name == QLatin1String("errmsg")) {
                frame.config.errorText = a.value;
            } else if (a.name == QLatin1String("sizefmt") && isOneOf(a.value, {"bytes", "abbrev"})) {
                frame.config.abbreviatedSizes = a.value.compare(QLatin1String("abbrev"), Qt::CaseInsensitive) == 0;
            } else {
                out += failure(frame, QStringLiteral("config ") + written(a) + QStringLiteral(" is not understood"));
            }
        }
    }

    void fileFact(const Directive &d, const Frame &frame, QString &out)
    {
        const bool size = d.name == QLatin1String("fsize");
        for (const Attribute &a : d.attributes) {
            if (a.name != QLatin1String("file") && a.name != QLatin1String("virtual"))
                continue;
            const Target target = resolve(a, frame);
            if (target.path.isEmpty()) {
                out += failure(frame, d.name + QLatin1Char(' ') + written(a) + QStringLiteral(": ") + target.problem);
                continue;
            }
            const QFileInfo info(target.path);
            if (!size)
                out += formatServerTime(frame.config.timeFormat, info.lastModified(), m_site.localZone);
            else
                out += frame.config.abbreviatedSizes ? abbreviatedSizeText(info.size()) : sizeInBytesText(info.size());
        }
    }

    // A file attribute is relative to the including file and may neither be
    // absolute nor climb with ".."; a virtual one is a local address, "/"
    // being the site's folder. Either must end up on a file inside the site.
    Target resolve(const Attribute &a, const Frame &frame) const
    {
        if (m_root.isEmpty())
            return {{}, QStringLiteral("the page has no folder to include from")};
        QString path;
        if (a.name == QLatin1String("file")) {
            const QStringList parts =
                QString(a.value).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
            if (a.value.isEmpty() || QDir::isAbsolutePath(a.value) || parts.contains(QLatin1String("..")))
                return {{}, QStringLiteral("a file path may be neither empty, absolute nor lead upwards")};
            path = frame.folder + QLatin1Char('/') + a.value;
        } else {
            QString address = a.value.section(QLatin1Char('?'), 0, 0).section(QLatin1Char('#'), 0, 0);
            address = QUrl::fromPercentEncoding(address.toUtf8());
            if (address.isEmpty())
                return {{}, QStringLiteral("an empty address")};
            path = address.startsWith(QLatin1Char('/')) ? m_root + address : frame.folder + QLatin1Char('/') + address;
        }
        path = QDir::cleanPath(path);
        if (!isWithin(path, m_root))
            return {{}, QStringLiteral("it lies outside the site's folder")};
        const QFileInfo info(path);
        if (!info.exists())
            return {{}, QStringLiteral("no such file")};
        // A link inside the site may still lead out of it.
        if (!isWithin(info.canonicalFilePath(), m_canonicalRoot))
            return {{}, QStringLiteral("it lies outside the site's folder")};
        if (!info.isFile())
            return {{}, QStringLiteral("not a file")};
        return {path, {}};
    }

    static QString identity(const QString &path)
    {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? path : canonical;
    }

    const IncludeSite &m_site;
    QString m_root;
    QString m_canonicalRoot;
    QDateTime m_now;
    QStringList m_open; // the files being expanded, outermost first
};

} // namespace

bool holdsServerDirectives(QStringView page)
{
    return page.contains(Opening);
}

bool isServerParsedName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("shtml") || suffix == QLatin1String("shtm") || suffix == QLatin1String("stm");
}

QString includeRootFor(const QString &pagePath, const QString &pageFolder, const QString &openSiteFolder)
{
    if (!openSiteFolder.isEmpty() && !pagePath.isEmpty()) {
        const QString site = cleanAbsolute(openSiteFolder);
        if (QFileInfo(site).isDir() && isWithin(cleanAbsolute(pagePath), site))
            return site;
    }
    return pageFolder;
}

QString expandServerIncludes(const QString &page, const IncludeSite &site)
{
    return Expander(site).run(page);
}

} // namespace tagloom
