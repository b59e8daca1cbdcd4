#pragma once
// The pictures of the picture buttons (palettes and format bar), drawn in
// code on a 22-pixel grid so they stay sharp at toolbar size and at twice it.

#include <QIcon>
#include <QStringList>

namespace tagloom {

// The picture of `name` ("image", "checkbox", "bold", ...); a null icon for
// a name it does not know, so the caller falls back on a caption.
QIcon palettePicture(const QString &name);
QStringList palettePictureNames();

} // namespace tagloom
