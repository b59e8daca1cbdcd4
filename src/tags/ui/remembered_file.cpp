#include "tags/ui/remembered_file.h"

#include "tags/media_markup.h"

#include <QFileInfo>
#include <QLineEdit>

namespace tagloom {

QString RememberedFile::choose(QWidget *parent)
{
    const QString path = chooseFile(parent, m_request);
    if (path.isEmpty())
        return path;
    m_request.proposedPath = path;
    return QFileInfo(path).absoluteFilePath();
}

bool RememberedFile::chooseUrlInto(QLineEdit *field)
{
    const QString path = choose(field->window());
    if (path.isEmpty())
        return false;
    field->setText(fileUrl(path));
    return true;
}

bool RememberedFile::choosePathInto(QLineEdit *field)
{
    const QString path = choose(field->window());
    if (path.isEmpty())
        return false;
    field->setText(path);
    return true;
}

} // namespace tagloom
