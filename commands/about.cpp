// About (413): the edition's About text; the Japanese editions show the
// logo first, and the primary one plays its greeting before the text.
#include "about.h"

#include "../app/edition.h"
#include "../app/globals.h"
#include "../colors/syscolors.h"
#include "../resources/resource.h"
#include "../resources/strings.h"
#include "commands.h"
#include "logo.h"

namespace {

// A run in a box without owner and without icon; the answer.
int ShowRunMessage(int firstId, UINT type) {
    char text[kRunCap];
    LoadStringRun(firstId, text, sizeof text);
    return ShowTitledMessage(nullptr, text, type);
}

}  // namespace

void ShowAboutMessage(int firstId) { ShowRunMessage(firstId, MB_OK); }

void GreetingSequence() {
    char greeting[kPathCap];
    if (LoadStringA(ResourceModule(), IDS_GREETING, greeting, kRunEntryLimit) <= 0) greeting[0] = '\0';
    ShowTitledMessage(nullptr, greeting, MB_OK | MB_SYSTEMMODAL);
    ColorSet previous;
    CaptureColors(&previous);
    ApplyColors(GreetingColors);
    if (ColorsMatch(GreetingColors, previous)) {
        ShowRunMessage(IDS_ALREADY_1, MB_OK);
    } else if (ShowRunMessage(IDS_TAKEOVER_1, MB_YESNO) == IDNO) {
        ApplyColors(previous);
        ShowRunMessage(IDS_PARDON_1, MB_OK);
    }
    ShowRunMessage(IDS_ABOUT_PRIMARY_1, MB_OK);
}

void AboutCommand(HWND owner, HINSTANCE instance, HINSTANCE prevInstance) {
    switch (g_app.edition) {
    case kEditionEnglish:
        ShowAboutMessage(IDS_ABOUT_ENGLISH_1);
        break;
    case kEditionSibling:
        ShowLogo(owner, instance, prevInstance);
        if (!QuitIsPending()) ShowAboutMessage(IDS_ABOUT_SIBLING_1);
        break;
    default:
        ShowLogo(owner, instance, prevInstance);
        // Closed meanwhile: no greeting takes over the desktop on the way out.
        if (!QuitIsPending()) GreetingSequence();
        break;
    }
}
