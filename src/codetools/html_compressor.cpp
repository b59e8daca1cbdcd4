#include "codetools/html_compressor.h"

#include "base/file_io.h"
#include "codetools/html_compressor_passes.h"

#include <cstring>
#include <utility>

namespace tagloom {

namespace {

const char *const kCentredOpenings[] = {"<p align=center>", "<p align=\"center\">"};

// Runs passes in place over the whole text; only a text shared with someone
// else (the caller's copy) is copied first.
class PassRunner {
public:
    explicit PassRunner(QByteArray text) : m_text(std::move(text)) {}

    void run(std::unique_ptr<compressor::Pass> pass)
    {
        char *bytes = m_text.data();
        m_text.truncate(pass->run(bytes, m_text.size(), bytes, true).written);
    }

    const QByteArray &current() const { return m_text; }
    QByteArray take() { return std::move(m_text); }

private:
    QByteArray m_text;
};

// Passes that would find nothing to change are not run at all (which also
// spares copying a text shared with the caller).

bool containsByte(const QByteArray &text, char c)
{
    return compressor::findByte(text.constData(), text.size(), 0, c) < text.size();
}

// Whether the one or two bytes of `find` occur in `text`.
bool containsBreak(const QByteArray &text, const char *find)
{
    const char *s = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = compressor::findByte(s, n, 0, find[0]); i < n; i = compressor::findByte(s, n, i + 1, find[0]))
        if (find[1] == '\0' || (i + 1 < n && s[i + 1] == find[1]))
            return true;
    return false;
}

bool containsTag(const QByteArray &text, const char *literal)
{
    return compressor::findTag(text.constData(), text.size(), 0, literal, qsizetype(std::strlen(literal))) >= 0;
}

bool containsWebbot(const QByteArray &text)
{
    const char *s = text.constData();
    const qsizetype n = text.size();
    // "!" is rare in pages, "<" is not.
    for (qsizetype i = compressor::findByte(s, n, 1, '!'); i < n; i = compressor::findByte(s, n, i + 1, '!'))
        if (compressor::matchesAt(s, n, i - 1, "<!--webbot"))
            return true;
    return false;
}

void runLineBreakPasses(PassRunner &runner, bool all, bool webbots)
{
    using compressor::LineBreakPass;
    struct Step {
        LineBreakPass pass;
        const char *find;
        bool crLed;
    };
    const Step steps[] = {
        {LineBreakPass::CrCr, "\r\r", true}, {LineBreakPass::LfLf, "\n\n", false},
        {LineBreakPass::CrLf, "\r\n", true}, {LineBreakPass::Cr, "\r", true},
        {LineBreakPass::Lf, "\n", false},
    };
    bool webbotsLeft = webbots && containsWebbot(runner.current());
    if (!webbotsLeft && !containsByte(runner.current(), '\r') && !containsByte(runner.current(), '\n'))
        return;
    for (const Step &step : steps) {
        if (!all && step.pass == LineBreakPass::CrLf)
            break;
        if (!containsBreak(runner.current(), step.find) && !(step.crLed && webbotsLeft))
            continue;
        runner.run(compressor::lineBreakPass(step.pass, webbots));
        if (webbotsLeft && step.crLed)
            webbotsLeft = containsWebbot(runner.current());
    }
}

} // namespace

Status THTMLCompressor::LoadFile(const QString &path)
{
    Result<QByteArray> read = readWholeFile(path);
    if (!read) {
        m_buffer.clear();
        m_loaded = false;
        m_compressed = false;
        m_sourceSize = 0;
        m_compressedSize = 0;
        return Status::failure(read.error);
    }
    LoadBytes(*read);
    return Status::success();
}

void THTMLCompressor::LoadBytes(const QByteArray &bytes)
{
    m_buffer = bytes;
    m_loaded = true;
    m_compressed = false;
    m_sourceSize = bytes.size();
    m_compressedSize = 0;
}

void THTMLCompressor::Compress()
{
    if (m_sourceSize == 0 || m_compressed)
        return;
    PassRunner runner(std::move(m_buffer));
    if (InvCommas && containsByte(runner.current(), '"'))
        runner.run(compressor::quotePass());
    if (AllReturns || Returns)
        runLineBreakPasses(runner, AllReturns, Webbots);
    if (Spaces && containsByte(runner.current(), ' '))
        runner.run(compressor::spacePass());
    if (SimpleTags || BlockquoteToUl)
        runner.run(compressor::tagPass(SimpleTags, BlockquoteToUl));
    if (Center && containsTag(runner.current(), "<p align="))
        for (const char *opening : kCentredOpenings)
            runner.run(compressor::centrePass(opening));
    m_buffer = runner.take();
    m_compressedSize = m_buffer.size();
    m_compressed = true;
}

Status THTMLCompressor::SaveFile(const QString &path) const
{
    if (!m_loaded)
        return Status::failure(QStringLiteral("There is no text to save."));
    return writeFileAtomically(path, m_buffer);
}

} // namespace tagloom
