// The site link check over 10,000 generated files (100 folders of 70 pages,
// 25 pictures and 5 style sheets): each page holds 20 references, most of
// them good, some broken, in another letter case, remote or into a style
// sheet's url(). The files are written once, before timing; every run
// checks the whole site as the window and tagloom-tools do. Counters: the
// files in the site, the findings of one check and files checked a second.
#include "site/link_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFolders = 100;
constexpr int kPages = 70;
constexpr int kPictures = 25;
constexpr int kSheets = 5;
constexpr int kReferencesPerPage = 20;

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray page(int folder, int n)
{
    QByteArray text = "<html><head><title>Page</title>\r\n<link rel=\"stylesheet\" href=\"style0.css\">\r\n"
                      "</head><body background=\"pic0.gif\">\r\n";
    for (int k = 0; k < kReferencesPerPage - 2; ++k) {
        const int next = (n + k + 1) % kPages;
        switch (k % 6) {
        case 0: text += "<p>Text of the page, long enough to read like one. <a href=\"page" + QByteArray::number(next) + ".htm\">next</a></p>\r\n"; break;
        case 1: text += "<img src=\"pic" + QByteArray::number(k % kPictures) + ".gif\" alt=\"a picture\">\r\n"; break;
        case 2: text += "<a href=\"../f" + QByteArray::number((folder + 1) % kFolders) + "/page" + QByteArray::number(next) + ".htm#top\">over</a>\r\n"; break;
        case 3: text += "<a href=\"https://example.com/" + QByteArray::number(k) + "\">out</a>\r\n"; break;
        case 4: text += "<div style=\"background: url('PIC" + QByteArray::number(k % kPictures) + ".gif')\">case</div>\r\n"; break;
        default: text += "<a href=\"gone" + QByteArray::number(k) + ".htm?x=1\">broken</a>\r\n"; break;
        }
    }
    return text + "</body></html>\r\n";
}

QTemporaryDir &site()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        written = true;
        for (int f = 0; f < kFolders; ++f) {
            const QString folder = dir.path() + QStringLiteral("/f%1").arg(f);
            QDir().mkpath(folder);
            for (int n = 0; n < kPages; ++n)
                write(folder + QStringLiteral("/page%1.htm").arg(n), page(f, n));
            for (int n = 0; n < kPictures; ++n)
                write(folder + QStringLiteral("/pic%1.gif").arg(n), "GIF89a");
            for (int n = 0; n < kSheets; ++n)
                write(folder + QStringLiteral("/style%1.css").arg(n),
                      "body { background: url(pic1.gif) }\r\n@import \"style" + QByteArray::number((n + 1) % kSheets) +
                          ".css\";\r\n");
        }
    }
    return dir;
}

void BM_CheckSiteLinks(benchmark::State &state)
{
    const QString folder = site().path();
    qint64 files = 0;
    qint64 findings = 0;
    for (auto _ : state) {
        const auto report = tagloom::checkSiteLinks(folder);
        if (!report) {
            state.SkipWithError("the generated site could not be checked");
            return;
        }
        files += report->files;
        findings += report->findings.size();
        benchmark::DoNotOptimize(report->findings.size());
    }
    state.counters["files"] = double(kFolders * (kPages + kPictures + kSheets));
    state.counters["findings"] = double(findings) / double(std::max<qint64>(1, state.iterations()));
    state.counters["files_per_s"] = benchmark::Counter(double(files), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CheckSiteLinks)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
