#include "settings/ui/favourite_folders.h"

#include "settings/app_settings.h"

namespace tagloom {

QString chooseFileWithFavourites(QWidget *parent, FileDialogRequest request, SettingsStore *store)
{
    QStringList favourites = store ? readFavouriteFolders(*store) : QStringList();
    const QStringList before = favourites;
    request.favourites = &favourites;
    const QString path = chooseFile(parent, request);
    if (store && favourites != before)
        writeFavouriteFolders(*store, favourites.mid(0, MaxFavouriteFolders));
    return path;
}

} // namespace tagloom
