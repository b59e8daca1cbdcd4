#pragma once
// The "WAP Viewer": a small green window that shows roughly how a WML card
// looks on a phone, as plain controls placed by the card's layout. Each
// preview opens a window of its own; it is laid out once, when it is made,
// and never refreshed.

#include <QDialog>

namespace tagloom {

class WapViewer : public QDialog {
    Q_OBJECT
public:
    // Lays out the card held in `cardFile`. Pictures are read relative to
    // `pictureFolder`.
    WapViewer(const QString &cardFile, const QString &pictureFolder, QWidget *parent = nullptr);

private:
    void layOut(const QString &cardFile);

    QString m_pictureFolder;
};

} // namespace tagloom
