#pragma once

namespace platform {

// Gives the process a font configuration of its own that holds only the
// Liberation fonts the program draws with. Reading the system's whole
// font configuration costs a good part of the start-up time. Call before
// the application object is made. Where the fonts cannot be loaded from
// `folder` (not installed, an empty or unreadable folder, a face missing)
// the system configuration stays in force, so every text is drawn in the
// closest fonts the system has. True when the program's own set is used.
bool useProgramFontSet(const char* folder = "/usr/share/fonts/truetype/liberation2");

} // namespace platform
