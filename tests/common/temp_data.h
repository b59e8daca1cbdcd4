#pragma once
// Test helpers: a throw-away data folder and whole-file reads and writes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tagloom::test {

// A temporary folder holding a copy of the shipped data folder.
class TempDataFolder {
public:
    explicit TempDataFolder(bool withShippedData = true);
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + relative; }
    void write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace tagloom::test
