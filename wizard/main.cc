#include "platform/console.h"
#include "wizard/driver.h"

// The program takes no arguments; everything comes from the dialogue and
// the working folder. The console is set up first so that the very first
// line already goes out as it does everywhere (platform/console.h).
int main() {
  prepare_console();
  return run_wizard();
}
