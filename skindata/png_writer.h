// Writing a canvas as a PNG file, the same bytes on every run.
//
// Every image is written as 8-bit RGBA (PNG colour type 6), whatever its
// content: the image tool's verbose report then names a one-colour sample
// as "#" and six hex digits (a grey or palette PNG would be reported in
// another form), and the recolouring pass finds the same pixel layout in
// every file. Time stamps and text chunks are left out, so two runs give
// identical files.
#ifndef SKINBUILDER_SKINDATA_PNG_WRITER_H_
#define SKINBUILDER_SKINDATA_PNG_WRITER_H_

#include <string>

#include "skindata/canvas.h"

// Once per process, before any image is written, with argv[0].
void init_png_writer(const char* program_path);
// Throws (Magick++'s exception) when the file cannot be written.
void write_png(const Canvas& canvas, const std::string& path);

#endif  // SKINBUILDER_SKINDATA_PNG_WRITER_H_
