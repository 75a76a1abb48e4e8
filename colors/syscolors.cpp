#include "syscolors.h"

#include <windows.h>

#include "../platform/profile.h"
#include "../platform/win32.h"
#include "../state/applied.h"
#include "../state/appstate.h"

void CaptureColors(ColorSet *set) {
    for (int i = 0; i < kElementCount; i++) set->value[i] = (int32_t)ReadSysColor(i);
}

ColorSet DesktopColorSet() {
    ColorSet set;
    CaptureColors(&set);
    return set;
}

void PutColorsBack(const ColorSet &set) {
    COLORREF values[kElementCount];
    HDC dc = GetDC(g_app.MainWindow);
    for (int i = 0; i < kElementCount; i++) {
        COLORREF v = set.value[i] == kKeepColor ? ReadSysColor(i) : (COLORREF)set.value[i];
        if (IsNearestColorElement(i) && dc) v = GetNearestColor(dc, v);
        values[i] = v;
    }
    if (dc) ReleaseDC(g_app.MainWindow, dc);
    WriteSysColors(kElementCount, ElementList, values);
}

void ApplyColors(const ColorSet &set) {
    RecordApply(DesktopColorSet());
    PutColorsBack(set);
}

bool UndoLastApply() {
    ColorSet before;
    if (!TakeLastApply(&before)) return false;
    PutColorsBack(before);
    return true;
}

ProfileWrite WriteColorsToWinIni(const ColorSet &set) {
    WaitCursor wait;
    ProfileLock lock;  // nineteen keys that belong together
    ProfileWrite result = lock.Held() ? kProfileWritten : kProfileBusy;
    for (int i = 0; i < kElementCount && lock.Held(); i++) {
        char text[16];
        FormatRgbText(set.value[i], text, sizeof text);
        if (WriteProfileText("colors", ElementNames[i], text) != kProfileWritten) result = kProfileWriteFailed;
    }
    return result;
}

ProfileWrite ClearCurrentScheme() { return WritePrivateProfileText("CURRENT", "COLOR SCHEMES", "", "control.ini"); }
