// Add Color Set: placeholder until the dialog lands.
#include "commands.h"

void AddColorSetCommand(HWND owner) {}
