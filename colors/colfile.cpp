#include "colfile.h"

#include <string>

#include "../core/colfile_text.h"
#include "textfile.h"

bool WriteColorSetFile(const ColorSet &colors, const char *path, const char *primary, const char *sibling,
                       const char *english, const char *wallpaper, int32_t tile) {
    std::string text;
    ComposeResult composed = ComposeColorSetFile(colors, primary, sibling, english, wallpaper, tile, &text);
    return WriteComposedText(path, composed, text);
}
