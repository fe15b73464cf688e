#include "platform/fontset.h"

#include <fontconfig/fontconfig.h>
#include <string>

namespace platform {

namespace {
// Whether the configuration holds a face of the family, which the text
// drawing asks for by name (a font that is not there would come out as a
// set of empty boxes).
bool holdsFamily(FcConfig* config, const char* family)
{
    FcPattern* pattern = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, nullptr);
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* fonts = pattern && objects ? FcFontList(config, pattern, objects) : nullptr;
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
    return found;
}
} // namespace

bool useProgramFontSet(const char* folder)
{
    const std::string xml = std::string(R"(<?xml version="1.0"?>
<fontconfig>
  <dir>)") + folder + R"(</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <alias><family>sans-serif</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>Liberation Mono</family></prefer></alias>
</fontconfig>
)";
    FcConfig* config = FcConfigCreate();
    if (!config)
        return false;
    const bool usable = FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.c_str()), FcFalse) &&
                        FcConfigBuildFonts(config) && holdsFamily(config, "Liberation Sans") &&
                        holdsFamily(config, "Liberation Mono") && FcConfigSetCurrent(config);
    // The current configuration holds its own reference now, if any.
    FcConfigDestroy(config);
    return usable;
}

} // namespace platform
