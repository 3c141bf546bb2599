#include "wizard/driver.h"

// The program takes no arguments; everything comes from the dialogue and
// the working folder.
int main() {
  return run_wizard();
}
