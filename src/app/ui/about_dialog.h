#pragma once
// The about box: product, version, credits and a link to the maker's site.

#include <QDialog>

class QLabel;

namespace tagloom {

inline constexpr char MakerHomePage[] = "https://www.quenby.com/";
inline constexpr char ProductVersionText[] = "Version 5.0 (Beta Release 1)";

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    QLabel *websiteLink() const { return m_websiteLink; }

private:
    QLabel *m_websiteLink = nullptr;
};

} // namespace tagloom
