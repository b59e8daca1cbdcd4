#pragma once
// The site client's small dialogs, modeless and on top: one asking for a
// name ("Make New Folder...", "Rename File", "Get Unseen File") and the
// choice between uploading and downloading a whole folder.

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace tagloom {

class NameDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString title, label;
        QString emptyError;     // shown after a beep when OK finds no name
        bool emptiedOnShow = false;
    };
    // `accept` runs for a typed name; the dialog closes afterwards.
    NameDialog(Texts texts, std::function<void(const QString &)> accept, QWidget *parent = nullptr);
    QLineEdit *field() const { return m_field; }
    void confirm();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Texts m_texts;
    std::function<void(const QString &)> m_accept;
    QLineEdit *m_field;
};

class GroupTransferDialog : public QDialog {
    Q_OBJECT
public:
    // `run` gets true for Upload, false for Download, after the dialog closed.
    explicit GroupTransferDialog(std::function<void(bool upload)> run, QWidget *parent = nullptr);
    QRadioButton *uploadButton() const { return m_upload; }
    QRadioButton *downloadButton() const { return m_download; }
    void confirm();

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<void(bool)> m_run;
    QRadioButton *m_upload, *m_download;
};

} // namespace tagloom
