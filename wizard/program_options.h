// The program's command line.
//
// Without arguments the program is the wizard, and everything else comes
// from the dialogue and the working folder. One argument may ask for the
// version (--version) or a short help (--help, -h, or /? as Windows users
// type it): what the program does, where to start it and what it needs.
// Both go to standard output with exit status 0. Anything else is a usage
// error: one usage line on standard error and exit status 2.
#ifndef SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_
#define SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_

enum class ProgramRequest { kWizard, kHelp, kVersion, kUsageError };

ProgramRequest program_request(int argc, const char* const* argv);

// Prints what a request other than kWizard asks for and returns the exit
// status the program ends with.
int answer_request(ProgramRequest request);

#endif  // SKINBUILDER_WIZARD_PROGRAM_OPTIONS_H_
