#include "base/ui/system_open.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace tagloom {

namespace {
SystemOpenHandler &handler()
{
    static SystemOpenHandler h;
    return h;
}
} // namespace

bool openWithSystem(const QUrl &url)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

SystemOpenHandler setSystemOpenHandler(SystemOpenHandler h)
{
    std::swap(handler(), h);
    return h;
}

} // namespace tagloom
