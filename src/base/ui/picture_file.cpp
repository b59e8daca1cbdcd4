#include "base/ui/picture_file.h"

#include "base/ui/messages.h"

#include <QImageReader>

namespace tagloom {

QImage readPictureOrSay(QWidget *messageParent, const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        showMessage(messageParent, MessageKind::Error, QString(),
                    QStringLiteral("Cannot read the picture %1: %2").arg(path, reader.errorString()));
    return picture;
}

} // namespace tagloom
