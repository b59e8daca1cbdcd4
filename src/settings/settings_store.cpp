#include "settings/settings_store.h"

#include "base/file_io.h"
#include "base/text_codec.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace tagloom {

namespace {

const char kHeader[] = "Tagloom Settings 1";

QString quote(const QString &s)
{
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        default: out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted string starting at line[pos] == '"'; leaves pos after it.
std::optional<QString> unquote(const QString &line, qsizetype &pos)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (++pos; pos < line.size(); ++pos) {
        QChar c = line.at(pos);
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c == QLatin1Char('\\') && pos + 1 < line.size()) {
            c = line.at(++pos);
            if (c == QLatin1Char('r'))
                c = QLatin1Char('\r');
            else if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
        }
        out += c;
    }
    return std::nullopt;
}

} // namespace

SettingsStore::SettingsStore(QString path, Access access)
    : m_path(std::move(path)), m_access(access)
{
    load();
}

SettingsStore::~SettingsStore()
{
    flush();
}

QString SettingsStore::normalise(const QString &keyPath)
{
    QString p = keyPath;
    while (p.startsWith(QLatin1Char('\\')))
        p.remove(0, 1);
    while (p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    return p;
}

void SettingsStore::load()
{
    m_existed = QFileInfo::exists(m_path);
    if (!m_existed)
        return;
    auto bytes = readWholeFile(m_path);
    if (!bytes) {
        // Writing now would replace settings we never saw.
        m_unreadable = true;
        m_loadProblem = bytes.error + QStringLiteral("\nThe settings file is left as it is; settings changed "
                                                     "while the program runs are not saved.");
        return;
    }
    const int notUnderstood = parse(*bytes);
    if (notUnderstood > 0)
        m_loadProblem = QStringLiteral("%1 line(s) of the settings file \"%2\" could not be read; they are kept "
                                       "in the file as they are.")
                            .arg(notUnderstood)
                            .arg(m_path);
}

bool SettingsStore::parseValueLine(const QString &line, Value &value)
{
    qsizetype pos = 0;
    auto name = unquote(line, pos);
    if (!name || pos >= line.size() || line.at(pos) != QLatin1Char('='))
        return false;
    ++pos;
    value.name = *name;
    if (line.mid(pos).startsWith(QLatin1String("dword:"))) {
        bool ok = false;
        const quint32 v = line.mid(pos + 6).toUInt(&ok, 16);
        value.type = ValueType::Integer;
        value.integer = static_cast<qint32>(v);
        return ok;
    }
    auto text = unquote(line, pos);
    if (!text || !line.mid(pos).trimmed().isEmpty())
        return false;
    value.text = *text;
    return true;
}

int SettingsStore::parse(const QByteArray &bytes)
{
    m_keys.clear();
    m_lines = bytes.split('\n');
    m_finalBreak = m_lines.last().isEmpty();
    if (m_finalBreak)
        m_lines.removeLast();
    m_crlf = !m_lines.isEmpty() && m_lines.first().endsWith('\r');

    QString current; // lower-case path of the section being read
    int notUnderstood = 0;
    for (int i = 0; i < m_lines.size(); ++i) {
        QByteArray raw = m_lines.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1);
        // Line by line: a value typed in Latin-1 reads as Latin-1.
        const QString line = decode8Bit(raw);
        if (line.trimmed().isEmpty())
            continue;
        if (line == QLatin1String(kHeader))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString path = normalise(line.mid(1, line.size() - 2));
            current = path.toLower();
            if (path.isEmpty()) {
                ++notUnderstood;
                continue;
            }
            Key &key = m_keys[current];
            key.path = path;
            key.lastLine = i;
            continue;
        }
        if (!current.isEmpty())
            m_keys[current].lastLine = i; // even a line we cannot read belongs to its section
        Value value;
        value.line = i;
        if (current.isEmpty() || !parseValueLine(line, value)) {
            ++notUnderstood;
            continue;
        }
        QVector<Value> &values = m_keys[current].values;
        auto same = std::find_if(values.begin(), values.end(), [&](const Value &v) {
            return v.name.compare(value.name, Qt::CaseInsensitive) == 0;
        });
        if (same != values.end())
            *same = value; // the later line counts, as it would on reading
        else
            values.append(value);
    }
    return notUnderstood;
}

QByteArray SettingsStore::valueLine(const Value &v)
{
    QString line = quote(v.name) + QLatin1Char('=');
    if (v.type == ValueType::Integer)
        line += QStringLiteral("dword:%1").arg(static_cast<quint32>(v.integer), 8, 16, QLatin1Char('0'));
    else
        line += quote(v.text);
    return line.toUtf8();
}

QByteArray SettingsStore::serialise() const
{
    const QByteArray cr = m_crlf ? "\r" : "";
    QHash<int, QByteArray> rewritten;
    QHash<int, QList<QByteArray>> added; // new lines after a line of the file
    QList<QByteArray> appended;          // new keys, after everything
    if (m_lines.isEmpty())
        appended.append(QByteArray(kHeader) + cr);
    for (const Key &key : m_keys) {
        QList<QByteArray> fresh;
        for (const Value &v : key.values) {
            if (v.line < 0)
                fresh.append(valueLine(v) + cr);
            else if (v.changed) // keeping the break the line had
                rewritten.insert(v.line, valueLine(v) + (m_lines.at(v.line).endsWith('\r') ? "\r" : ""));
        }
        if (key.lastLine >= 0) {
            added[key.lastLine].append(fresh);
        } else {
            appended.append(cr);
            appended.append(QByteArray("[") + key.path.toUtf8() + "]" + cr);
            appended.append(fresh);
        }
    }

    QList<QByteArray> out;
    for (int i = 0; i < m_lines.size(); ++i) {
        out.append(rewritten.value(i, m_lines.at(i)));
        out.append(added.value(i));
    }
    out.append(appended);
    QByteArray bytes = out.join('\n');
    // A last line that had no break keeps having none.
    const bool lastIsOriginal = !m_lines.isEmpty() && added.value(m_lines.size() - 1).isEmpty() && appended.isEmpty();
    if (!out.isEmpty() && (m_finalBreak || !lastIsOriginal))
        bytes += '\n';
    return bytes;
}

Status SettingsStore::flush()
{
    if (!m_dirty || isReadOnly() || m_unreadable)
        return Status::success();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray bytes = serialise();
    Status status = writeFileAtomically(m_path, bytes);
    if (status) {
        m_dirty = false;
        parse(bytes); // the lines of the file as it now is
    }
    return status;
}

bool SettingsStore::createKey(const QString &keyPath)
{
    if (isReadOnly())
        return false;
    const QString path = normalise(keyPath);
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QString prefix;
    for (const QString &part : parts) {
        prefix = prefix.isEmpty() ? part : prefix + QLatin1Char('\\') + part;
        const QString lower = prefix.toLower();
        if (!m_keys.contains(lower)) {
            m_keys.insert(lower, Key{prefix, {}});
            m_dirty = true;
        }
    }
    return true;
}

SettingsKey SettingsStore::open(const QString &keyPath)
{
    createKey(keyPath);
    return SettingsKey(*this, normalise(keyPath));
}

std::optional<SettingsKey> SettingsStore::openExisting(const QString &keyPath)
{
    if (!keyExists(keyPath))
        return std::nullopt;
    return SettingsKey(*this, normalise(keyPath));
}

bool SettingsStore::keyExists(const QString &keyPath) const
{
    return m_keys.contains(normalise(keyPath).toLower());
}

QStringList SettingsStore::subkeys(const QString &keyPath) const
{
    const QString prefix = normalise(keyPath).toLower() + QLatin1Char('\\');
    QStringList names;
    for (auto it = m_keys.lowerBound(prefix); it != m_keys.end() && it.key().startsWith(prefix); ++it) {
        const QString rest = it.value().path.mid(prefix.size());
        if (!rest.contains(QLatin1Char('\\')))
            names.append(rest);
    }
    return names;
}

const SettingsStore::Value *SettingsStore::findValue(const QString &keyPath, const QString &name) const
{
    auto it = m_keys.constFind(normalise(keyPath).toLower());
    if (it == m_keys.constEnd())
        return nullptr;
    for (const Value &v : it->values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    return nullptr;
}

SettingsStore::Value *SettingsStore::valueForWrite(const QString &keyPath, const QString &name)
{
    if (isReadOnly())
        return nullptr;
    createKey(keyPath);
    Key &key = m_keys[normalise(keyPath).toLower()];
    for (Value &v : key.values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    Value added;
    added.name = name;
    key.values.append(added);
    m_dirty = true;
    return &key.values.last();
}

bool SettingsStore::valueExists(const QString &keyPath, const QString &name) const
{
    return findValue(keyPath, name) != nullptr;
}

QString SettingsStore::text(const QString &keyPath, const QString &name) const
{
    const Value *v = findValue(keyPath, name);
    return v && v->type == ValueType::Text ? v->text : QString();
}

std::optional<qint32> SettingsStore::integer(const QString &keyPath, const QString &name) const
{
    const Value *v = findValue(keyPath, name);
    if (!v || v->type != ValueType::Integer)
        return std::nullopt;
    return v->integer;
}

bool SettingsStore::setText(const QString &keyPath, const QString &name, const QString &value)
{
    Value *v = valueForWrite(keyPath, name);
    if (!v)
        return false;
    // The same value again leaves its line, and its bytes, alone.
    if (v->type == ValueType::Text && v->text == value)
        return true;
    v->type = ValueType::Text;
    v->text = value;
    v->changed = true;
    m_dirty = true;
    return true;
}

bool SettingsStore::setInteger(const QString &keyPath, const QString &name, qint32 value)
{
    Value *v = valueForWrite(keyPath, name);
    if (!v)
        return false;
    if (v->type == ValueType::Integer && v->integer == value)
        return true;
    v->type = ValueType::Integer;
    v->text.clear();
    v->integer = value;
    v->changed = true;
    m_dirty = true;
    return true;
}

SettingsKey::~SettingsKey()
{
    if (m_store)
        m_store->flush();
}

SettingsKey::SettingsKey(SettingsKey &&other) noexcept
    : m_store(other.m_store), m_path(std::move(other.m_path))
{
    other.m_store = nullptr;
}

} // namespace tagloom
