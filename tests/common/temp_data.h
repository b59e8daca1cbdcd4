#pragma once
// Test helpers: a throw-away data folder and whole-file reads and writes.

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// While it lives, no file this process writes may grow past `bytes`: a
// longer write fails (as on a full disk), for root as for anyone.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    qint64 m_previousSoft;
    void (*m_previousHandler)(int);
};

// The names of the entries of `folder`, sorted, without "." and "..".
QStringList folderEntries(const QString &folder);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace tagloom::test
