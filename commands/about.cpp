#include "about.h"

#include "../colors/syscolors.h"
#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../state/applied.h"
#include "../state/appstate.h"
#include "logo.h"

// The greeting: the program puts on its own colors and lets the user keep
// or refuse them (refused, they are taken back, with nothing left for Undo
// Apply), then shows the primary edition's About text.
static void GreetingSequence() {
    ShowStrings(nullptr, IDS_GREETING, kOneString, MB_OK | MB_SYSTEMMODAL);
    const WholeColorSet previous = DesktopWholeColors();
    size_t appliesBefore = AppliesRecorded();
    ApplyColors(GreetingColors);
    if (ColorsMatch(GreetingColors, ColorSetPart(previous))) {
        ShowStrings(nullptr, IDS_ALREADY_1, kWholeRun, MB_OK);
    } else if (ShowStrings(nullptr, IDS_TAKEOVER_1, kWholeRun, MB_YESNO) == IDNO) {
        PutColorsBack(previous);
        ForgetAppliesAfter(appliesBefore);
        ShowStrings(nullptr, IDS_PARDON_1, kWholeRun, MB_OK);
    }
    ShowStrings(nullptr, RunningEdition().aboutRun, kWholeRun, MB_OK);
}

void AboutCommand(const CommandArgs &args) {
    const EditionProfile &edition = RunningEdition();
    if (edition.showsLogo) {
        ShowLogo(args.owner, g_app.Instance, g_app.PrevInstance);
        // Closed meanwhile: nothing more is shown, and no greeting takes
        // over the desktop on the way out.
        if (QuitIsPending()) return;
    }
    if (edition.playsGreeting) GreetingSequence();
    else ShowStrings(nullptr, edition.aboutRun, kWholeRun, MB_OK);
}
