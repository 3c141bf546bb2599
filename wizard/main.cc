#include <cstdio>

#include "platform/console.h"
#include "wizard/driver.h"
#include "wizard/program_options.h"
#include "wizard/startup_check.h"

// Without arguments the program is the wizard; everything comes from the
// dialogue and the working folder, which is checked before the first
// question. The console is set up first so that the very first line
// already goes out as it does everywhere (platform/console.h).
int main(int argc, char** argv) {
  prepare_console();
  ProgramRequest request = program_request(argc, argv);
  if (request != ProgramRequest::kWizard) return answer_request(request);
  std::string moved = fall_back_to_program_folder();
  if (!moved.empty()) std::printf("%s\n\n", moved.c_str());
  if (!check_working_folder()) return 1;
  return run_wizard();
}
