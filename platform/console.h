// Making the console show the program's text as it is written.
//
// The dialogue's text ends its lines with "\n" alone, and the tests compare
// it byte for byte. Windows' C library writes "\r\n" for "\n" on a stream in
// text mode, so there standard output is put into binary mode: a Windows
// console moves to a new line on "\n" alone just as well, and redirected
// output carries the same bytes as everywhere else. Standard input stays in
// text mode, so that a line typed on Windows ends in "\n" as elsewhere (a
// text answer drops exactly its last character). Files the program writes
// keep their own modes (presets binary, scripts text).
//
// Where the console understands ANSI colour codes (Windows 10 and later,
// once asked to), that is switched on for the run and switched back at the
// end, so a preview can be drawn in it.
//
// A Windows console reads and shows text in its own (OEM) code page, the C
// library and the file names in the system's ANSI code page
// (platform/file_system.h). For the run the console takes the ANSI code
// page too, so that a skin name typed with "ü" names a folder "ü"; it gets
// its own back at the end. Elsewhere this does nothing.
#ifndef SKINBUILDER_PLATFORM_CONSOLE_H_
#define SKINBUILDER_PLATFORM_CONSOLE_H_

void prepare_console();

#endif  // SKINBUILDER_PLATFORM_CONSOLE_H_
