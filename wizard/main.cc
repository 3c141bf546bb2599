#include "platform/console.h"
#include "wizard/driver.h"
#include "wizard/program_options.h"

// Without arguments the program is the wizard; everything comes from the
// dialogue and the working folder. The console is set up first so that the
// very first line already goes out as it does everywhere
// (platform/console.h).
int main(int argc, char** argv) {
  prepare_console();
  ProgramRequest request = program_request(argc, argv);
  if (request != ProgramRequest::kWizard) return answer_request(request);
  return run_wizard();
}
