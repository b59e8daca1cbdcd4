#pragma once
// File versions as two signed 32-bit words (high = a*65536+b, low = c*65536+d)
// and the comparison that decides whether an update is newer.
//
// Linux files carry no version resource. This program reports its own
// version for its own executable; any other file has a version when it holds
// the marker "TAGLOOM-FILEVERSION:" followed by "a.b.c.d" and a NUL byte
// (our updater embeds one), and otherwise counts as -1,-1.

#include <QString>
#include <cstdint>
#include <optional>

namespace tagloom {

struct FileVersion {
    std::int32_t high = -1;
    std::int32_t low = -1;
};

inline constexpr int ProgramVersion[4] = {5, 0, 0, 0};

// The two words of a,b,c,d (wrapping as 32-bit words do).
FileVersion makeVersion(int a, int b, int c, int d);

// "a,b,c,d" (`separator` ',') or "a.b.c.d"; nothing when there are fewer
// than four parts or a part is not an integer.
std::optional<FileVersion> parseVersion(const QString &text, QChar separator = QLatin1Char(','));

// The version of the file at `path`; -1,-1 when it has none or cannot be read.
// `ownExecutable` is the running program's file, which reports ProgramVersion.
FileVersion fileVersion(const QString &path, const QString &ownExecutable);

// IsNewer: newer when either text is empty; an invalid new version is never
// newer; otherwise the signed comparison of high, then low words.
bool isNewer(const QString &newVersion, const QString &localFile, const QString &ownExecutable);

} // namespace tagloom
