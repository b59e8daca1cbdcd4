#include "tools/tool_output.h"
#include "tools/tools_commands.h"

#include <QCoreApplication>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <unistd.h>

namespace {

// A standard descriptor closed when the program starts would be handed to
// the first file it opens, and output meant for the terminal would land in
// that file. Each closed one is held by /dev/null instead; the caller then
// treats it as closed.
bool holdIfClosed(int fd)
{
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    const int held = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    if (held >= 0 && held != fd) {
        dup2(held, fd);
        close(held);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    holdIfClosed(STDIN_FILENO);
    const bool outClosed = holdIfClosed(STDOUT_FILENO);
    const bool errClosed = holdIfClosed(STDERR_FILENO);
    QCoreApplication app(argc, argv);
    tagloom::ToolOutput out(STDOUT_FILENO, QStringLiteral("standard output"));
    tagloom::ToolOutput err(STDERR_FILENO, QStringLiteral("standard error"));
    if (outClosed)
        out.fail(EBADF);
    if (errClosed)
        err.fail(EBADF);

    int status = 2;
    try {
        status = tagloom::runTools(app.arguments().mid(1), out, err);
    } catch (const std::bad_alloc &) {
        // The inputs are checked against the memory available before any
        // work; this is for what that check could not foresee.
        err << "tagloom-tools: out of memory; the work was not finished.\n";
        status = 2;
    }
    if (!out.finish()) {
        err << "tagloom-tools: " << out.problem() << "\n";
        status = 2;
    }
    err.finish();
    return status;
}
