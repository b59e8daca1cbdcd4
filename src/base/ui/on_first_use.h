#pragma once
// A window made the first time it is wanted and kept for the rest of the run,
// so that start-up builds none of the dialogs a session may never open.

#include <QPointer>
#include <functional>

namespace tagloom {

template <typename Window>
class OnFirstUse {
public:
    explicit OnFirstUse(std::function<Window *()> make) : m_make(std::move(make)) {}

    // The window, made now when this is the first use. Its parent owns it.
    Window *get()
    {
        if (!m_window)
            m_window = m_make();
        return m_window;
    }
    // The window when it was made already, else nullptr.
    Window *ifMade() const { return m_window; }

private:
    std::function<Window *()> m_make;
    QPointer<Window> m_window;
};

} // namespace tagloom
