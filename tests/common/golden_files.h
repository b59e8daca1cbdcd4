#pragma once
// Golden files: tests/data/<tool>/<case>/input and .../expected, read as
// bytes. Each case is a whole document run through one engine.

#include <QByteArray>
#include <QString>
#include <vector>

namespace tagloom::test {

struct GoldenCase {
    QString name;
    QByteArray input;
    QByteArray expected;
};

// Every case of `tool`, in name order; none when the folder is missing.
std::vector<GoldenCase> goldenCases(const QString &tool);

} // namespace tagloom::test
