#include "platform/console.h"

// A terminal already takes "\n" and ANSI codes as they are.
void prepare_console() {}
