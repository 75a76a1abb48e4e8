#include "fix.h"

#include "../colors/syscolors.h"
#include "../resources/msgbox.h"
#include "../state/appstate.h"

void FixWithCurrentColorCommand(const CommandArgs &args) {
    if (ShowStringRun(args.owner, RunningEdition().fixQuestionRun, MB_YESNO) != IDYES) return;
    ColorSet colors;
    CaptureColors(&colors);
    bool colorsWritten = WriteColorsToWinIni(colors);
    bool schemeCleared = ClearCurrentScheme();
    if (!colorsWritten) ShowMessage(args.owner, kMsgWriteFailed, "win.ini", MB_OK | MB_ICONHAND);
    if (!schemeCleared) ShowMessage(args.owner, kMsgWriteFailed, "control.ini", MB_OK | MB_ICONHAND);
}
