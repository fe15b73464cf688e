#include "platform/fontset.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace platform {

void useProgramFontSet()
{
    static const char dir[] = "/usr/share/fonts/truetype/liberation2";
    if (access(dir, R_OK) != 0)
        return;
    static const FcChar8 xml[] = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts/truetype/liberation2</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <alias><family>sans-serif</family><prefer><family>Liberation Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>Liberation Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>Liberation Mono</family></prefer></alias>
</fontconfig>
)";
    FcConfig* config = FcConfigCreate();
    if (!config)
        return;
    if (!FcConfigParseAndLoadFromMemory(config, xml, FcTrue) || !FcConfigBuildFonts(config) ||
        !FcConfigSetCurrent(config)) {
        FcConfigDestroy(config);
        return;
    }
    // The current configuration holds its own reference now.
    FcConfigDestroy(config);
}

} // namespace platform
