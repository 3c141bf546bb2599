// Colour samples recoloured in skindata\temp, measured with the image tool:
// how the preview (and the colour help) learns what a section will show
// before any skin exists.
//
// A copy of one of the template's samples (in Images\Other of
// skindata\SkinTemplate) is recoloured exactly as the build recolours the skin's: the
// section command of its section, then the global command when global
// adjustments were chosen; the image tool's filtered report of it goes into
// a listing file beside it, which is read as the measurement of the skin.
#ifndef SKINBUILDER_COLOR_SAMPLE_COPY_H_
#define SKINBUILDER_COLOR_SAMPLE_COPY_H_

#include "color/readability.h"
#include "settings/skin_settings.h"

// Copies source to skindata\temp\<tag>Sample.png, runs the section command
// of section on it (none for section 0), then the global command when
// chosen, and measures it into skindata\temp\<tag>Sample.txt.
SampledColour measure_sample_copy(const SkinSettings& settings, const char* tag, const char* source,
                                  int section);

// The template's own section sample as drawn, untouched, measured into
// skindata\temp\TemplateSample.txt.
SampledColour measure_template_sample();

#endif  // SKINBUILDER_COLOR_SAMPLE_COPY_H_
