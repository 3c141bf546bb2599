#include "platform/console.h"
#include "wizard/driver.h"
#include "wizard/startup_check.h"

// The program takes no arguments; everything comes from the dialogue and
// the working folder, which is checked before the first question. The
// console is set up first so that the very first line already goes out as
// it does everywhere (platform/console.h).
int main() {
  prepare_console();
  if (!check_working_folder()) return 1;
  return run_wizard();
}
