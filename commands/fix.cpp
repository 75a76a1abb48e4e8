#include "fix.h"

#include "../colors/syscolors.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"

void FixWithCurrentColorCommand(const CommandArgs &args) {
    if (ShowStrings(args.owner, RunningEdition().fixQuestionRun, kWholeRun, MB_YESNO) != IDYES) return;
    WholeColorSet colors;  // every color: the whole desktop survives a restart
    CaptureColors(&colors);
    ProfileWrite colorsWritten = WriteColorsToWinIni(colors);
    ProfileWrite schemeCleared = ClearCurrentScheme();
    TellProfileWrite(args.owner, colorsWritten, "win.ini");
    TellProfileWrite(args.owner, schemeCleared, "control.ini");
}
