#include "syscolors.h"

#include <windows.h>

#include "../platform/gdi.h"
#include "../platform/profile.h"
#include "../platform/win32.h"
#include "../state/applied.h"
#include "../state/appstate.h"

ColorSet DesktopColorSet() { return ColorSetPart(DesktopWholeColors()); }

void CaptureColors(WholeColorSet *set) {
    for (int i = 0; i < kSystemColorCount; i++) set->value[i] = (int32_t)ReadSysColor(i);
}

WholeColorSet DesktopWholeColors() {
    WholeColorSet set;
    CaptureColors(&set);
    return set;
}

static WholeColorSet WriteWholeColors(const WholeColorSet &set) {
    int elements[kSystemColorCount];
    COLORREF values[kSystemColorCount];
    int count = 0;
    {
        WindowDC dc(g_app.MainWindow);
        for (int i = 0; i < kSystemColorCount; i++) {
            if (set.value[i] == kKeepColor) continue;
            COLORREF v = (COLORREF)set.value[i];
            if (IsNearestColorElement(i) && dc.Get()) v = GetNearestColor(dc.Get(), v);
            elements[count] = i, values[count++] = v;
        }
    }
    if (count) WriteSysColors(count, elements, values);
    WholeColorSet taken = WholeKept;
    for (int k = 0; k < count; k++)
        if (ReadSysColor(elements[k]) == values[k]) taken.value[elements[k]] = (int32_t)values[k];
    return taken;
}

WholeColorSet ApplyColors(const WholeColorSet &set) {
    RecordApply(DesktopWholeColors());
    return WriteWholeColors(set);
}

void ApplyColors(const ColorSet &set) {
    // All nineteen in one call, a kept one at the desktop's color.
    WholeColorSet whole = WholeKept;
    for (int i = 0; i < kElementCount; i++)
        whole.value[i] = set.value[i] == kKeepColor ? (int32_t)ReadSysColor(i) : set.value[i];
    ApplyColors(whole);
}

void PutColorsBack(const WholeColorSet &set) { WriteWholeColors(set); }

bool UndoLastApply() {
    WholeColorSet before;
    if (!TakeLastApply(&before)) return false;
    WriteWholeColors(before);
    return true;
}

ProfileWrite WriteColorsToWinIni(const WholeColorSet &set) {
    WaitCursor wait;
    ProfileLock lock;  // keys that belong together
    ProfileWrite result = lock.Held() ? kProfileWritten : kProfileBusy;
    for (int i = 0; i < kSystemColorCount && lock.Held(); i++) {
        if (set.value[i] == kKeepColor) continue;
        char text[16];
        FormatRgbText(set.value[i], text, sizeof text);
        if (WriteProfileText("colors", ElementNames[i], text) != kProfileWritten) result = kProfileWriteFailed;
    }
    return result;
}

ProfileWrite ClearCurrentScheme() { return WritePrivateProfileText("CURRENT", "COLOR SCHEMES", "", "control.ini"); }
