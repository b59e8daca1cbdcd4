#pragma once
// Test helpers: a throw-away data folder and settings store, and stand-ins
// that answer message boxes and file dialogs without showing them.

#include "app/file_dialogs.h"
#include "app/messages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

class QListWidget;

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

struct ShownMessage {
    MessageKind kind;
    QString title;
    QString text;
};

// Records every message box; answers them from a queue (default: the first
// offered of Yes, OK).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    std::deque<QMessageBox::StandardButton> answers;
    QList<ShownMessage> shown;
    QStringList texts() const;

private:
    MessageHandler m_previous;
};

// Answers file dialogs from a queue of paths (the empty text cancels) and
// records the requests.
class FileDialogStandIn {
public:
    FileDialogStandIn();
    ~FileDialogStandIn();
    std::deque<QString> answers;
    QList<FileDialogRequest> requests;

private:
    FileDialogHandler m_previous;
};

// The texts of a list widget's items, in order.
QStringList itemTexts(const QListWidget *list);

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

} // namespace tagloom::test
