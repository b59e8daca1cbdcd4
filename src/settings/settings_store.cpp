#include "settings/settings_store.h"

#include "base/file_io.h"

#include <QFileInfo>
#include <QDir>

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
        m_loadProblem = bytes.error;
        return;
    }
    const QStringList lines = QString::fromUtf8(*bytes).split(QLatin1Char('\n'));
    QString current;
    int notUnderstood = 0;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line == QLatin1String(kHeader))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = normalise(line.mid(1, line.size() - 2));
            Key &key = m_keys[current.toLower()];
            key.path = current;
            continue;
        }
        qsizetype pos = 0;
        auto name = unquote(line, pos);
        if (!name || current.isEmpty() || pos >= line.size() || line.at(pos) != QLatin1Char('=')) {
            ++notUnderstood;
            continue;
        }
        ++pos;
        Value value;
        value.name = *name;
        if (line.mid(pos).startsWith(QLatin1String("dword:"))) {
            bool ok = false;
            const quint32 v = line.mid(pos + 6).toUInt(&ok, 16);
            if (!ok) {
                ++notUnderstood;
                continue;
            }
            value.type = ValueType::Integer;
            value.integer = static_cast<qint32>(v);
        } else {
            auto text = unquote(line, pos);
            if (!text) {
                ++notUnderstood;
                continue;
            }
            value.text = *text;
        }
        Key &key = m_keys[current.toLower()];
        bool replaced = false;
        for (Value &v : key.values) {
            if (v.name.compare(value.name, Qt::CaseInsensitive) == 0) {
                v = value;
                replaced = true;
            }
        }
        if (!replaced)
            key.values.append(value);
    }
    if (notUnderstood > 0)
        m_loadProblem = QStringLiteral("%1 line(s) of the settings file \"%2\" could not be read and were skipped.")
                            .arg(notUnderstood)
                            .arg(m_path);
}

QByteArray SettingsStore::serialise() const
{
    QString out = QLatin1String(kHeader) + QLatin1Char('\n');
    for (const Key &key : m_keys) {
        out += QLatin1String("\n[") + key.path + QLatin1String("]\n");
        for (const Value &v : key.values) {
            out += quote(v.name) + QLatin1Char('=');
            if (v.type == ValueType::Integer)
                out += QStringLiteral("dword:%1").arg(static_cast<quint32>(v.integer), 8, 16, QLatin1Char('0'));
            else
                out += quote(v.text);
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

Status SettingsStore::flush()
{
    if (!m_dirty || isReadOnly())
        return Status::success();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    Status status = writeFileAtomically(m_path, serialise());
    if (status)
        m_dirty = false;
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
    m_dirty = true;
    for (Value &v : key.values)
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return &v;
    key.values.append(Value{name, ValueType::Text, {}, 0});
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
    v->type = ValueType::Text;
    v->text = value;
    return true;
}

bool SettingsStore::setInteger(const QString &keyPath, const QString &name, qint32 value)
{
    Value *v = valueForWrite(keyPath, name);
    if (!v)
        return false;
    v->type = ValueType::Integer;
    v->text.clear();
    v->integer = value;
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
