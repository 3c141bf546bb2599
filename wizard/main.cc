#include <string>

#include "platform/answer_input.h"
#include "platform/console.h"
#include "platform/program_folder.h"
#include "wizard/driver.h"
#include "wizard/program_options.h"
#include "wizard/startup_check.h"

// Without arguments the program is the wizard; everything comes from the
// dialogue and the working folder, which is checked before the first
// question. The console is set up first so that the very first line
// already goes out as it does everywhere (platform/console.h).
int main(int argc, char** argv) {
  prepare_console();
  ProgramCall call = program_call(argc, argv);
  if (call.request == ProgramRequest::kBuild) {
    close_answer_input();  // nobody answers: not even the start-up check waits
    // The file was named from the folder the user started in.
    call.build.path = absolute_path(call.build.file);
  } else if (call.request != ProgramRequest::kWizard) {
    return answer_request(call.request);
  }
  std::string moved = fall_back_to_program_folder();
  if (!check_working_folder(moved)) return 1;
  if (call.request == ProgramRequest::kBuild) return run_without_questions(call.build, moved);
  return run_wizard(moved);
}
