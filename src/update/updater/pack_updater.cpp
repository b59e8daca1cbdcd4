// Build step: stores the updater LZ ("SZDD") compressed, as the program
// carries it: pack_updater <updater> <output>.

#include "update/szdd.h"

#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_updater <updater> <output>\n");
        return 2;
    }
    QFile in(QFile::decodeName(argv[1]));
    QFile out(QFile::decodeName(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    // "upd.ex_" expands to "upd.exe".
    const QByteArray packed = tagloom::storeAsSzdd(in.readAll(), 'e');
    return out.write(packed) == packed.size() ? 0 : 1;
}
