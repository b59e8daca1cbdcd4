#pragma once
// Stand-ins that answer message boxes and file dialogs without showing them,
// and small readers of widget contents.

#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "common/temp_data.h"

#include <QStringList>
#include <deque>

class QListWidget;

namespace tagloom::test {

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

} // namespace tagloom::test
