#include "common/temp_data.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>

namespace tagloom::test {

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

TempDataFolder::TempDataFolder(bool withShippedData)
{
    if (!withShippedData)
        return;
    const QString source = QStringLiteral(TAGLOOM_SOURCE_DATA_DIR);
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        writeBytes(m_dir.path() + from.mid(source.size()), readBytes(from));
    }
}

void TempDataFolder::write(const QString &relative, const QByteArray &bytes) const
{
    writeBytes(file(relative), bytes);
}

QByteArray TempDataFolder::read(const QString &relative) const
{
    return readBytes(file(relative));
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
