#pragma once
// A picture file read for showing or measuring: with Qt's image readers,
// turned as the file says; a file that cannot be read is said so in an
// error box and gives a null picture.

#include <QImage>

class QWidget;

namespace tagloom {

QImage readPictureOrSay(QWidget *messageParent, const QString &path);

} // namespace tagloom
