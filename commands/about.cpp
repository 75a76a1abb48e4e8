#include "about.h"

#include "../colors/syscolors.h"
#include "../resources/msgbox.h"
#include "../resources/resource.h"
#include "../state/appstate.h"
#include "logo.h"

void GreetingSequence() {
    ShowString(nullptr, IDS_GREETING, MB_OK | MB_SYSTEMMODAL);
    ColorSet previous;
    CaptureColors(&previous);
    ApplyColors(GreetingColors);
    if (ColorsMatch(GreetingColors, previous)) {
        ShowStringRun(nullptr, IDS_ALREADY_1, MB_OK);
    } else if (ShowStringRun(nullptr, IDS_TAKEOVER_1, MB_YESNO) == IDNO) {
        ApplyColors(previous);
        ShowStringRun(nullptr, IDS_PARDON_1, MB_OK);
    }
    ShowStringRun(nullptr, RunningEdition().aboutRun, MB_OK);
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
    else ShowStringRun(nullptr, edition.aboutRun, MB_OK);
}
