#pragma once
// The shared main of the Qt test programs gives each test one QApplication.

namespace vantor::testing {

// Lets the tests of `file` (pass __FILE__) run without the QApplication,
// whose start costs a few tenths of a second in every test process. Use at
// namespace scope: const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);
bool RunWithoutApplication(const char* file);

}  // namespace vantor::testing
