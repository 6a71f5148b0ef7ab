// Runs the tests again at another screen scale. Wine reads the screen's dots per inch when a
// program starts, so the runner writes the value, starts this test program once more with the
// same arguments, waits for it and puts the old value back.
//   VANTRY_TEST_DPI=192 win_tests --gtest_filter=Dpi.*
#pragma once

#include <optional>

namespace testwin {

// The exit code of the run at the asked scale; nullopt where no scale was asked for, and the
// tests run in this process.
std::optional<int> RunAtAskedScale();

// The scale the runner asked for (0 where none): the tests check that they got it.
int AskedDpi();

} // namespace testwin
