#pragma once
// A hierarchical settings store: keys named by backslash-separated paths
// (letter case ignored, as written kept), each holding named text and 32-bit
// integer values. It is kept in one plain-text file:
//
//   [Software\Quenby\Tagloom 5]
//   "Format Bar"="True"
//   "Foreground"=dword:00008000
//
// Writes change the in-memory tree and mark it dirty; flush() (and closing a
// SettingsKey) writes the file atomically. The file is the user's: a flush
// rewrites only the lines of values that changed, adds new values at the end
// of their key's lines and new keys at the end, and keeps every other byte
// (comments, lines it cannot read, Latin-1 text). A read-only store, and a
// store whose file exists but could not be read, never writes.

#include "base/result.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tagloom {

class SettingsKey;

class SettingsStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Loads `path`; a missing file is an empty store (existedAtOpen() false).
    explicit SettingsStore(QString path, Access access = Access::ReadWrite);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    const QString &path() const { return m_path; }
    bool existedAtOpen() const { return m_existed; }
    bool isReadOnly() const { return m_access == Access::ReadOnly; }
    // Problems met while loading (unreadable file, lines not understood),
    // as a text for the user; empty when there were none.
    const QString &loadProblem() const { return m_loadProblem; }

    // Opens a key, creating it and its parents when missing (not for a
    // read-only store, where a missing key stays missing and reads empty).
    SettingsKey open(const QString &keyPath);
    // Opens an existing key without creating it.
    std::optional<SettingsKey> openExisting(const QString &keyPath);

    bool keyExists(const QString &keyPath) const;
    QStringList subkeys(const QString &keyPath) const;
    bool valueExists(const QString &keyPath, const QString &name) const;
    // Text of a value; absent (or an integer value) reads as the empty text.
    QString text(const QString &keyPath, const QString &name) const;
    std::optional<qint32> integer(const QString &keyPath, const QString &name) const;
    bool setText(const QString &keyPath, const QString &name, const QString &value);
    bool setInteger(const QString &keyPath, const QString &name, qint32 value);
    bool createKey(const QString &keyPath);

    Status flush();

private:
    enum class ValueType { Text, Integer };
    struct Value {
        QString name;
        ValueType type = ValueType::Text;
        QString text;
        qint32 integer = 0;
        int line = -1;        // its line in m_lines; -1 for a value not yet in the file
        bool changed = false; // its line is to be rewritten
    };
    struct Key {
        QString path;
        QVector<Value> values;
        int lastLine = -1; // last non-blank line of its (last) section; -1: no section yet
    };

    static QString normalise(const QString &keyPath);
    const Value *findValue(const QString &keyPath, const QString &name) const;
    Value *valueForWrite(const QString &keyPath, const QString &name);
    void load();
    int parse(const QByteArray &bytes); // gives the number of lines not understood
    static bool parseValueLine(const QString &line, Value &value);
    static QByteArray valueLine(const Value &value);
    QByteArray serialise() const;

    QString m_path;
    Access m_access;
    bool m_existed = false;
    bool m_unreadable = false;
    bool m_dirty = false;
    QString m_loadProblem;
    QMap<QString, Key> m_keys;   // by lower-case path
    QList<QByteArray> m_lines;   // the file's lines, without '\n' (a '\r' before it stays)
    bool m_finalBreak = true;    // the file's last line ended with a break
    bool m_crlf = false;         // the file's lines end with CR LF
};

// An open key: a path into a store. Closing it (destruction) flushes the store.
class SettingsKey {
public:
    SettingsKey(SettingsStore &store, QString path) : m_store(&store), m_path(std::move(path)) {}
    ~SettingsKey();
    SettingsKey(SettingsKey &&other) noexcept;
    SettingsKey(const SettingsKey &) = delete;
    SettingsKey &operator=(const SettingsKey &) = delete;
    SettingsKey &operator=(SettingsKey &&) = delete;

    const QString &path() const { return m_path; }
    QString text(const QString &name) const { return m_store->text(m_path, name); }
    std::optional<qint32> integer(const QString &name) const { return m_store->integer(m_path, name); }
    bool valueExists(const QString &name) const { return m_store->valueExists(m_path, name); }
    QStringList subkeys() const { return m_store->subkeys(m_path); }
    bool setText(const QString &name, const QString &value) { return m_store->setText(m_path, name, value); }
    bool setInteger(const QString &name, qint32 value) { return m_store->setInteger(m_path, name, value); }
    // On/off values: "True" or the empty text.
    bool setFlag(const QString &name, bool on) { return setText(name, on ? QStringLiteral("True") : QString()); }

private:
    SettingsStore *m_store;
    QString m_path;
};

} // namespace tagloom
