// A composed text (a color-set file's, a theme's) written to disk.
#pragma once
#include <string>

#include "../core/colfile_text.h"

// Writes a composed text to path through a temporary file and one rename.
// False after the cannot-save message when it could not be composed or
// written.
bool WriteComposedText(const char *path, ComposeResult composed, const std::string &text);
