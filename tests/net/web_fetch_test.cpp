#include "net/web_fetch.h"
#include "common/temp_data.h"
#include "net/streaming_http_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <optional>

using namespace tagloom;
using Server = test::StreamingHttpServer;

namespace {

// Runs one fetch to its end; nothing when it never ended.
std::optional<WebFetchResult> fetchInto(const QString &url, const QString &target)
{
    WebFetch fetch;
    std::optional<WebFetchResult> result;
    QObject::connect(&fetch, &WebFetch::finished, [&](const WebFetchResult &r) { result = r; });
    if (!fetch.start(QUrl(url), target))
        return std::nullopt;
    const QDeadlineTimer deadline(20000);
    while (!result && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result;
}

constexpr QFileDevice::Permissions Rw_r_____ =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
    QFileDevice::ReadGroup;
constexpr QFileDevice::Permissions Rw_r__r__ = Rw_r_____ | QFileDevice::ReadOther;

TEST(WebFetchTest, TheTargetHoldsAWholeBodyWithTheRightPermissions)
{
    const QByteArray page = "<html>a page</html>";
    Server sized(Server::okHead(page.size()), page, 1);
    Server unsized(Server::endlessHead(), page, 1);
    Server chunked(Server::endlessHead() + "Transfer-Encoding: chunked\r\n",
                   QByteArray::number(page.size(), 16) + "\r\n" + page + "\r\n0\r\n\r\n", 1);
    Server identity(Server::okHead(page.size(), "Content-Encoding: identity\r\n"), page, 1);
    Server noContent("HTTP/1.1 204 No Content\r\nConnection: close\r\n", QByteArray(), 1);
    const QByteArray length = "Content-Length: " + QByteArray::number(page.size()) + "\r\n";
    Server serverError("HTTP/1.1 500 Internal Server Error\r\nConnection: close\r\n" + length, page, 1);
    Server unlistedError("HTTP/1.1 422 Unprocessable Content\r\nConnection: close\r\n" + length, page, 1);
    const QByteArray old = "the earlier file";
    const struct {
        const char *name;
        QString url;
        std::optional<QFileDevice::Permissions> oldFile;
        QByteArray expected;
        QFileDevice::Permissions permissions;
        bool saved;
    } rows[] = {
        {"new file", sized.url("/"), std::nullopt, page, Rw_r__r__, true},
        {"replaced file keeps its permissions", sized.url("/"), Rw_r_____, page, Rw_r_____, true},
        {"body ended by the connection's close", unsized.url("/"), Rw_r__r__, page, Rw_r__r__, true},
        {"chunked body", chunked.url("/"), Rw_r__r__, page, Rw_r__r__, true},
        {"identity coding is no coding", identity.url("/"), Rw_r__r__, page, Rw_r__r__, true},
        {"server error page", serverError.url("/"), Rw_r__r__, page, Rw_r__r__, true},
        {"error page of an unlisted status", unlistedError.url("/"), Rw_r__r__, page, Rw_r__r__, true},
        {"no content keeps the old file", noContent.url("/"), Rw_r_____, old, Rw_r_____, false},
        {"no content makes an empty file", noContent.url("/"), std::nullopt, QByteArray(), Rw_r__r__, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDataFolder folder(false);
        const QString target = folder.path() + QLatin1String("/page.htm");
        if (row.oldFile) {
            test::writeBytes(target, old);
            QFile::setPermissions(target, *row.oldFile);
        }
        const std::optional<WebFetchResult> result = fetchInto(row.url, target);
        ASSERT_TRUE(result);
        EXPECT_TRUE(result->bodyComplete);
        EXPECT_TRUE(result->error.isEmpty()) << result->error.toStdString();
        EXPECT_EQ(result->saved, row.saved);
        EXPECT_EQ(test::readBytes(target).toStdString(), row.expected.toStdString());
        EXPECT_EQ(QFile::permissions(target), row.permissions);
        EXPECT_EQ(test::folderEntries(folder.path()), QStringList{QStringLiteral("page.htm")});
    }
}

TEST(WebFetchTest, TheSizeLimitMessageStatesTheLimit)
{
    const struct {
        qint64 limit;
        const char *stated;
    } rows[] = {
        {WebFetchSizeLimit, "larger than 1 GiB (1073741824 bytes)"},
        {4 << 20, "larger than 4 MiB (4194304 bytes)"},
    };
    for (const auto &row : rows)
        EXPECT_TRUE(webFetchTooLargeMessage(row.limit).contains(QLatin1String(row.stated)))
            << webFetchTooLargeMessage(row.limit).toStdString();
}

} // namespace
