#pragma once
// The environment every test program runs in: its own home, settings and
// runtime folders inside the build tree, and Qt's offscreen platform, so that
// no test can touch the real user's files or display.

namespace tagloom::test {

void prepareTestEnvironment();

} // namespace tagloom::test
