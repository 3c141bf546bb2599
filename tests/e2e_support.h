// Helpers for end-to-end tests: a fresh working folder, the real binaries,
// and a run of the wizard with scripted answers on its standard input.
#ifndef SKINBUILDER_TESTS_E2E_SUPPORT_H_
#define SKINBUILDER_TESTS_E2E_SUPPORT_H_

#include <string>

struct WizardRun {
  int exit_code = -1;  // -1 when the program did not end by itself
  std::string output;  // standard output and standard error, interleaved
};

// A new empty folder under the system's temporary folder.
std::string make_temp_folder(const char* prefix);

// A small generated skindata, made once per test run and shared read-only;
// empty when the generator is not built.
const std::string& small_skindata();

// A working folder as the program expects it: Presets and a copy of the
// small skindata (tests may change their copy).
std::string make_workspace();

// Runs build/skinbuilder in folder with input on its standard input, the
// input closed after it. A run that does not end within limit_seconds is
// killed, so a dialogue that waits forever fails instead of hanging.
WizardRun run_wizard_in(const std::string& folder, const std::string& input,
                        int limit_seconds = 300);

std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

#endif  // SKINBUILDER_TESTS_E2E_SUPPORT_H_
