#pragma once

namespace platform {

// Gives the process a font configuration of its own that holds only the
// Liberation fonts the program draws with. Reading the system's whole
// font configuration costs a good part of the start-up time. Call before
// the application object is made; without the Liberation fonts installed
// the system configuration stays in force.
void useProgramFontSet();

} // namespace platform
