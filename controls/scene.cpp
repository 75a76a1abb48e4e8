#include "scene.h"

#include <string.h>

#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../platform/gdi.h"
#include "../state/appstate.h"

namespace {

const char kSceneClass[] = "LumivaneScene";

struct SceneState {
    WholeColorSet colors;
    int chosen;
    SceneWords words;
};

SceneState *StateOf(HWND scene) { return (SceneState *)GetWindowLongPtrA(scene, 0); }

// The scene in a client area, for the dialog's font (the system font when
// the dialog names none).
HFONT SceneFont(HWND scene) {
    HFONT font = (HFONT)SendMessageA(GetParent(scene), WM_GETFONT, 0, 0);
    return font ? font : (HFONT)GetStockObject(SYSTEM_FONT);
}

SceneLayout LayOutFor(HDC dc, const RECT &client, const SceneWords &words) {
    return LayOutSceneFor(dc, client.right, client.bottom, words, SystemSceneStyle());
}

// The layout as the control shows it, measured on its own device context.
SceneLayout LayOutIn(HWND scene, const RECT &client) {
    WindowDC dc(scene);
    Selection font(dc.Get(), SceneFont(scene));
    return LayOutFor(dc.Get(), client, StateOf(scene)->words);
}

void Choose(HWND scene, int element) {
    StateOf(scene)->chosen = element;
    InvalidateRect(scene, nullptr, FALSE);
    SendMessageA(GetParent(scene), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(scene), kSceneChosen), (LPARAM)scene);
}

// Drawn off the screen, then copied at once: no flicker.
LRESULT OnScenePaint(HWND scene) {
    PaintDC dc(scene);
    RECT client;
    GetClientRect(scene, &client);
    MemoryDC memory(CreateCompatibleDC(dc.Get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(dc.Get(), client.right, client.bottom));
    if (memory.Get() && bitmap.Get()) {
        Selection drawn(memory.Get(), bitmap.Get()), font(memory.Get(), SceneFont(scene));
        const SceneState &state = *StateOf(scene);
        SceneLayout layout = LayOutFor(memory.Get(), client, state.words);
        DrawScene(memory.Get(), layout, state.colors, state.words);
        if (GetFocus() == scene) {
            const SceneRect &o = layout.outline[state.chosen];
            RECT mark = {o.left - 1, o.top - 1, o.right + 1, o.bottom + 1};
            IntersectRect(&mark, &mark, &client);
            DrawFocusRect(memory.Get(), &mark);
        }
        BitBlt(dc.Get(), 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    }
    return 0;
}

LRESULT OnSceneClick(HWND scene, LPARAM lParam) {
    SetFocus(scene);
    RECT client;
    GetClientRect(scene, &client);
    int element = HitTestScene(LayOutIn(scene, client), (short)LOWORD(lParam), (short)HIWORD(lParam));
    if (element >= 0) Choose(scene, element);
    return 0;
}

// The arrow keys step through the elements the scene shows, in their order,
// round; Home and End go to the first and the last.
LRESULT OnSceneKey(HWND scene, WPARAM key) {
    int step = key == VK_LEFT || key == VK_UP ? kSystemColorCount - 1 : key == VK_RIGHT || key == VK_DOWN ? 1 : 0;
    if (key == VK_HOME || key == VK_END) {
        StateOf(scene)->chosen = key == VK_HOME ? kSystemColorCount - 1 : 0;  // the next shown from either end
        step = key == VK_HOME ? 1 : kSystemColorCount - 1;
    }
    if (!step) return 0;
    RECT client;
    GetClientRect(scene, &client);
    const SceneLayout layout = LayOutIn(scene, client);
    int element = StateOf(scene)->chosen;
    for (int tries = 0; tries < kSystemColorCount; tries++)
        if (layout.sample[element = (element + step) % kSystemColorCount].x >= 0) break;
    Choose(scene, element);
    return 0;
}

LRESULT OnSceneCreate(HWND scene) {
    SceneState *state = new SceneState();
    state->colors = WholeKept;
    LoadSceneWords(&state->words);
    SetWindowLongPtrA(scene, 0, (LONG_PTR)state);
    return TRUE;
}

LRESULT CALLBACK SceneWndProc(HWND scene, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        return OnSceneCreate(scene) && DefWindowProcA(scene, message, wParam, lParam);
    case WM_NCDESTROY:
        delete StateOf(scene);
        return DefWindowProcA(scene, message, wParam, lParam);
    case WM_PAINT:
        return OnScenePaint(scene);
    case WM_ERASEBKGND:
        return TRUE;  // the paint covers every pixel
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_KEYDOWN:
        return OnSceneKey(scene, wParam);
    case WM_LBUTTONDOWN:
        return OnSceneClick(scene, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(scene, nullptr, FALSE);
        return 0;
    default:
        return DefWindowProcA(scene, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterSceneClass() {
    WNDCLASSA wc = {};
    if (GetClassInfoA(ResourceModule(), kSceneClass, &wc)) return true;
    wc.lpfnWndProc = SceneWndProc;
    wc.cbWndExtra = sizeof(SceneState *);
    wc.hInstance = ResourceModule();
    wc.hCursor = LoadCursorA(nullptr, (LPCSTR)IDC_ARROW);
    wc.lpszClassName = kSceneClass;
    return RegisterClassA(&wc) != 0;
}

void ShowScene(HWND scene, const WholeColorSet &colors, int chosen) {
    StateOf(scene)->colors = colors;
    StateOf(scene)->chosen = chosen;
    InvalidateRect(scene, nullptr, FALSE);
}

int ChosenElement(HWND scene) { return StateOf(scene)->chosen; }

void LoadSceneWords(SceneWords *words) {
    for (int i = 0; i < kSceneWordCount; i++)
        LoadEditionString(SceneWordStringId(i), words->text[i], sizeof words->text[i]);
}

SceneStyle SystemSceneStyle() {
    BOOL gradient = FALSE, flat = FALSE;
    SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
    SystemParametersInfoA(SPI_GETFLATMENU, 0, &flat, 0);
    return {gradient != FALSE, flat != FALSE};
}

SceneLayout LayOutSceneFor(HDC dc, int width, int height, const SceneWords &words, SceneStyle style) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    int widths[kSceneWordCount] = {};
    for (int i = 0; i < kSceneWordCount; i++) {
        SIZE size = {};
        if (GetTextExtentPoint32A(dc, words.text[i], (int)strlen(words.text[i]), &size)) widths[i] = size.cx;
    }
    return LayOutScene(width, height, metrics.tmHeight, widths, style);
}

namespace {

void FillColor(HDC dc, int left, int top, int right, int bottom, COLORREF color) {  // no brush to make
    RECT rect = {left, top, right, bottom};
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}

// One channel of a caption's fade at step of steps.
int Blend(COLORREF from, COLORREF to, int shift, int step, int steps) {
    int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    return steps > 0 ? a + (b - a) * step / steps : a;
}

void DrawPart(HDC dc, const ScenePart &part, const WholeColorSet &colors, const SceneWords &words) {
    const SceneRect &r = part.rect;
    auto color = [&](int element) { return (COLORREF)colors.value[element]; };
    switch (part.kind) {
    case kPartFill:
        FillColor(dc, r.left, r.top, r.right, r.bottom, color(part.element));
        return;
    case kPartGradient: {  // column by column, the ends in the two colors themselves
        const COLORREF from = color(part.element), to = color(part.element2);
        for (int x = r.left, steps = r.right - r.left - 1; x < r.right; x++) {
            int step = x - r.left;
            FillColor(dc, x, r.top, x + 1, r.bottom,
                      RGB(Blend(from, to, 0, step, steps), Blend(from, to, 8, step, steps),
                          Blend(from, to, 16, step, steps)));
        }
        return;
    }
    case kPartRaisedEdge:
    case kPartSunkenEdge:  // each line lit at the top and left, then shaded at the bottom and right over its corners
        for (int line = 0, t = part.thickness; line < 2; line++) {
            const int l = r.left + line * t, tp = r.top + line * t, rt = r.right - line * t, b = r.bottom - line * t;
            const COLORREF lit = color(PartElementAt(part, l, tp)), shaded = color(PartElementAt(part, rt - 1, b - 1));
            FillColor(dc, l, tp, rt, tp + t, lit), FillColor(dc, l, tp, l + t, b, lit);
            FillColor(dc, l, b - t, rt, b, shaded), FillColor(dc, rt - t, tp, rt, b, shaded);
        }
        return;
    case kPartArrowUp:
    case kPartArrowDown:  // a few pixels, as the hit test sees them
        for (int y = r.top; y < r.bottom; y++)
            for (int x = r.left; x < r.right; x++) {
                int element = PartElementAt(part, x, y);
                if (element >= 0) SetPixelV(dc, x, y, color(element));
            }
        return;
    case kPartText: {
        RECT box = {r.left, r.top, r.right, r.bottom};
        SetTextColor(dc, color(part.element));
        DrawTextA(dc, words.text[part.word], -1, &box, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    }
}

}  // namespace

void DrawScene(HDC dc, const SceneLayout &layout, const WholeColorSet &colors, const SceneWords &words) {
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < layout.partCount; i++) DrawPart(dc, layout.parts[i], colors, words);
}
