#include "codetools/html_compressor.h"

#include "app/file_io.h"
#include "codetools/html_compressor_passes.h"

#include <cstring>
#include <utility>

namespace tagloom {

namespace {

// Runs passes over two buffers in turn; no pass makes the text longer, so
// neither buffer grows after the first pass.
class PassRunner {
public:
    explicit PassRunner(QByteArray text) : m_text(std::move(text)) {}

    template <typename Pass>
    void run(Pass pass)
    {
        m_spare.resize(m_text.size());
        const qsizetype written = pass(m_text.constData(), m_text.size(), m_spare.data());
        m_spare.resize(written);
        std::swap(m_text, m_spare);
    }

    const QByteArray &current() const { return m_text; }
    QByteArray take() { return std::move(m_text); }

private:
    QByteArray m_text;
    QByteArray m_spare;
};

// Passes that would find nothing to change are not run at all.

bool containsTag(const QByteArray &text, const char *literal)
{
    return compressor::findTag(text.constData(), text.size(), 0, literal, qsizetype(std::strlen(literal))) >= 0;
}

bool containsWebbot(const QByteArray &text)
{
    for (qsizetype at = text.indexOf("<!--"); at >= 0; at = text.indexOf("<!--", at + 1))
        if (compressor::matchesAt(text.constData(), text.size(), at, "<!--webbot"))
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
    for (const Step &step : steps) {
        if (!all && step.pass == LineBreakPass::CrLf)
            break;
        if (!runner.current().contains(step.find) && !(step.crLed && webbotsLeft))
            continue;
        runner.run([&](const char *in, qsizetype n, char *out) {
            return compressor::removeLineBreaks(in, n, out, step.pass, webbots);
        });
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
    PassRunner runner(m_buffer);
    if (InvCommas && runner.current().contains('"'))
        runner.run(compressor::removeQuotes);
    if (AllReturns || Returns)
        runLineBreakPasses(runner, AllReturns, Webbots);
    if (Spaces && runner.current().contains(' '))
        runner.run(compressor::squeezeSpaces);
    if (SimpleTags || BlockquoteToUl)
        runner.run([this](const char *in, qsizetype n, char *out) {
            return compressor::shortenTags(in, n, out, SimpleTags, BlockquoteToUl);
        });
    if (Center)
        for (const char *opening : {"<p align=center>", "<p align=\"center\">"})
            if (containsTag(runner.current(), opening))
                runner.run([opening](const char *in, qsizetype n, char *out) {
                    return compressor::centreParagraphs(in, n, out, opening);
                });
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
