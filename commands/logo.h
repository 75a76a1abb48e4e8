// The About command's logo window: the picture opens from the centre line
// on a cyan field, then the window ends by itself or on a key or a click.
#pragma once
#include <windows.h>

#include "../platform/win32.h"

// The logo's field, and the time between two of its steps.
inline constexpr COLORREF kLogoField = RGB(0, 255, 255);  // cyan
inline constexpr UINT kLogoTickMs = 50;

LV_EXPORT LRESULT CALLBACK LVWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the logo window owned by owner and returns once it has ended:
// true when a logo was shown, false when none could be. A quit message that
// arrives meanwhile ends the logo and is posted again for the main loop.
bool ShowLogo(HWND owner, HINSTANCE instance, HINSTANCE prevInstance);
// True when the last logo passed a quit message on: the program is ending,
// and nothing more is shown or changed.
bool QuitIsPending();

