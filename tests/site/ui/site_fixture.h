#pragma once
// The site commands on a real document window; the site windows made during
// a test are deleted after it.

#include "common/ui/document_fixture.h"
#include "site/ui/site_client_window.h"
#include "site/ui/site_commands.h"
#include "site/ui/site_manager_window.h"

#include <QApplication>

namespace tagloom::test {

class SiteFixture : public DocumentFixture {
protected:
    void SetUp() override
    {
        registerSiteCommands(registry, *this);
        makeWindow();
    }
    void TearDown() override
    {
        QList<QWidget *> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<SiteClientWindow *>(w) || qobject_cast<SiteManagerWindow *>(w))
                windows.append(w);
        qDeleteAll(windows);
        DocumentFixture::TearDown();
    }
    SiteManagerWindow *manager()
    {
        doc->trigger(QStringLiteral("Tools.Site.Administer"));
        return window<SiteManagerWindow>("TForm40");
    }
    SiteClientWindow *client()
    {
        doc->trigger(QStringLiteral("Tools.Site.Client"));
        return window<SiteClientWindow>("TForm5");
    }
};

} // namespace tagloom::test
