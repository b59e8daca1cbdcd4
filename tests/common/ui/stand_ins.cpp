#include "common/ui/stand_ins.h"

#include <QListWidget>

namespace tagloom::test {

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

MessageRecorder::MessageRecorder()
{
    m_previous = setMessageHandler([this](QWidget *, MessageKind kind, const QString &title, const QString &text,
                                          QMessageBox::StandardButtons buttons) {
        shown.append({kind, title, text});
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(m_previous));
}

QStringList MessageRecorder::texts() const
{
    QStringList list;
    for (const ShownMessage &m : shown)
        list.append(m.text);
    return list;
}

FileDialogStandIn::FileDialogStandIn()
{
    m_previous = setFileDialogHandler([this](QWidget *, const FileDialogRequest &request) {
        requests.append(request);
        if (answers.empty())
            return QString();
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    });
}

FileDialogStandIn::~FileDialogStandIn()
{
    setFileDialogHandler(std::move(m_previous));
}

} // namespace tagloom::test
