#pragma once
// Every file chooser of the program goes through here, so that tests can
// answer them without showing a dialog. Filters are "Display|patterns" pairs.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tagloom {

struct FileDialogRequest {
    // Folder: an existing folder is chosen (filters are not used).
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    QString title;
    QString proposedPath;    // file name or folder to start with
    QStringList filters;     // "HTML Files (*.htm)|*.htm; *.html"
    QString defaultSuffix;   // added when the typed name has none
    bool confirmOverwrite = true;
    // A favourite-folders list shown with the dialog (up to ten folders; the
    // dialog starts in the first one and the user may add the current
    // folder). Updated in place; nullptr shows none.
    QStringList *favourites = nullptr;
    // Several existing files may be chosen (chooseFiles).
    bool multipleFiles = false;
    // A preview of the picture under the cursor beside the file list.
    bool picturePreview = false;
};

inline constexpr int MaxFavouriteFolders = 10;

// The chosen path, or the empty text when the user cancelled.
using FileDialogHandler = std::function<QString(QWidget *parent, const FileDialogRequest &request)>;

QString chooseFile(QWidget *parent, const FileDialogRequest &request);

// A "Display|patterns" filter as Qt's dialog takes it: the display text as
// it stands, then the patterns in the last parentheses ("*.*" meaning every
// file). The dialog shows only the display text.
QString qtNameFilter(const QString &filter);
// Several files at once; a handler answers with the paths joined by "\n".
QStringList chooseFiles(QWidget *parent, FileDialogRequest request);

FileDialogHandler setFileDialogHandler(FileDialogHandler handler);

} // namespace tagloom
