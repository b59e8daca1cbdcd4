#pragma once
// The floating quick-start bar ("Help and More..."): big buttons for the
// first things a new user does. It runs nothing itself; each button asks for
// a command by action id and the main window routes it.

#include <QHash>
#include <QWidget>
#include <functional>

class QPushButton;

namespace tagloom {

class QuickStartBar : public QWidget {
    Q_OBJECT
public:
    explicit QuickStartBar(QWidget *parent = nullptr);

    // The action ids behind the buttons, in button order.
    static QStringList actionIds();

    // Enables exactly the buttons whose id `isAvailable` accepts. Until this
    // is called every quick-start button is disabled.
    void setAvailable(const std::function<bool(const QString &id)> &isAvailable);
    void setAvailableIds(const QStringList &ids);

    QPushButton *button(const QString &id) const { return m_buttons.value(id); }
    QPushButton *closeButton() const { return m_close; }

signals:
    void actionRequested(const QString &id);
    // The user closed the bar (its Close button or close box).
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QHash<QString, QPushButton *> m_buttons;
    QPushButton *m_close = nullptr;
};

} // namespace tagloom
