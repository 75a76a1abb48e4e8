// About: placeholder until the logo and texts land.
#include "commands.h"

void AboutCommand() {}
