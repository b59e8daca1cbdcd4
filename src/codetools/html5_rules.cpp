#include "codetools/html5_rules.h"

#include "base/data_folder.h"
#include "base/file_io.h"

#include <QByteArrayList>
#include <QDir>
#include <map>
#include <mutex>
#include <utility>

namespace tagloom {

namespace {

// A statement's words: the names before a lone ":" and those after it.
struct Statement {
    QByteArray keyword;
    QByteArrayList names;
    QByteArrayList attributes;
    bool colon = false;
};

bool isNameCharacter(char c)
{
    return c > ' ' && c < 127;
}

// Splits one line; an error text when a word is not a name.
QString splitStatement(const QByteArray &line, Statement &out)
{
    const QByteArrayList words = line.simplified().split(' ');
    out = {};
    out.keyword = words.first();
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QByteArray &word = words[i];
        if (word == ":") {
            if (out.colon)
                return QStringLiteral("a second \":\"");
            out.colon = true;
            continue;
        }
        for (char c : word)
            if (!isNameCharacter(c))
                return QStringLiteral("\"%1\" is not a name").arg(QString::fromLatin1(word));
        (out.colon ? out.attributes : out.names).append(word.toUpper());
    }
    return QString();
}

// Applies one statement to `table`; obsolete attributes wait in `later`
// until every element is known. An error text when it makes no sense.
QString apply(const Statement &s, RuleTable &table, std::vector<Statement> &later)
{
    if (s.names.isEmpty())
        return QStringLiteral("\"%1\" names nothing").arg(QString::fromLatin1(s.keyword));
    if (s.colon && s.keyword != "element" && s.keyword != "obsolete-attribute")
        return QStringLiteral("\"%1\" takes no \":\"").arg(QString::fromLatin1(s.keyword));
    if (s.keyword == "element") {
        for (const QByteArray &name : s.names) {
            const int element = table.addElement(name);
            for (const QByteArray &attribute : s.attributes)
                table.permit(element, attribute);
        }
    } else if (s.keyword == "any-attribute") {
        for (const QByteArray &name : s.names)
            table.permitAnyAttribute(table.addElement(name));
    } else if (s.keyword == "global") {
        for (const QByteArray &name : s.names)
            table.addGlobal(name);
    } else if (s.keyword == "global-prefix") {
        for (const QByteArray &name : s.names)
            table.addGlobalPrefix(name);
    } else if (s.keyword == "foreign") {
        for (const QByteArray &name : s.names)
            table.addForeign(name);
    } else if (s.keyword == "obsolete") {
        for (const QByteArray &name : s.names)
            table.addSuperseded(name);
    } else if (s.keyword == "obsolete-attribute") {
        if (s.attributes.isEmpty())
            return QStringLiteral("\"obsolete-attribute\" needs \": ATTRIBUTE...\"");
        later.push_back(s);
    } else {
        return QStringLiteral("unknown statement \"%1\"").arg(QString::fromLatin1(s.keyword));
    }
    return QString();
}

QString lineError(int line, const QString &what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

} // namespace

Result<RuleTable> parseRuleTable(QByteArrayView text)
{
    RuleTable table;
    std::vector<Statement> later;
    std::vector<int> laterLines;
    int number = 0;
    for (const QByteArray &raw : text.toByteArray().split('\n')) {
        ++number;
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        Statement statement;
        QString problem = splitStatement(line, statement);
        if (problem.isEmpty())
            problem = apply(statement, table, later);
        if (!problem.isEmpty())
            return Result<RuleTable>::failure(lineError(number, problem));
        if (later.size() > laterLines.size())
            laterLines.push_back(number);
    }
    if (table.elementCount() == 0)
        return Result<RuleTable>::failure(QStringLiteral("it names no elements"));
    for (size_t i = 0; i < later.size(); ++i) {
        for (const QByteArray &name : later[i].names) {
            const int element = table.element(QByteArrayView(name));
            if (element < 0)
                return Result<RuleTable>::failure(lineError(
                    laterLines[i], QStringLiteral("\"%1\" is not an element of the table").arg(QString::fromLatin1(name))));
            for (const QByteArray &attribute : later[i].attributes)
                table.markObsolete(element, attribute);
        }
    }
    table.setSelfClosingSlash(true);
    table.finish();
    return Result<RuleTable>::success(std::move(table));
}

Result<std::shared_ptr<const RuleTable>> html5Rules(const QString &dataFolder)
{
    using Shared = std::shared_ptr<const RuleTable>;
    static std::mutex lock;
    static std::map<QString, Shared> loaded; // by file path

    const QString path = (dataFolder.isEmpty() ? tagloom::dataFolder() : dataFolder) + QLatin1String(DataPath::Html5Rules);
    const std::lock_guard<std::mutex> hold(lock);
    if (const auto it = loaded.find(path); it != loaded.end())
        return Result<Shared>::success(it->second);
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return Result<Shared>::failure(bytes.error);
    Result<RuleTable> table = parseRuleTable(*bytes);
    if (!table)
        return Result<Shared>::failure(QDir::toNativeSeparators(path) + QStringLiteral(": ") + table.error);
    Shared shared = std::make_shared<const RuleTable>(std::move(*table));
    loaded.emplace(path, shared);
    return Result<Shared>::success(std::move(shared));
}

} // namespace tagloom
