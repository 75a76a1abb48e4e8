#include "scene.h"

#include "../core/resource.h"
#include "../messages/msgbox.h"
#include "../state/appstate.h"

namespace {

const char kSceneClass[] = "LumivaneScene";

struct SceneState {
    ColorSet colors;
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

SceneLayout LayOutFor(HDC dc, const RECT &client) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return LayOutScene(client.right, client.bottom, metrics.tmHeight);
}

void Choose(HWND scene, int element) {
    StateOf(scene)->chosen = element;
    InvalidateRect(scene, nullptr, FALSE);
    SendMessageA(GetParent(scene), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(scene), kSceneChosen), (LPARAM)scene);
}

// Drawn off the screen, then copied at once: no flicker.
LRESULT OnScenePaint(HWND scene) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(scene, &ps);
    RECT client;
    GetClientRect(scene, &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    if (memory && bitmap) {
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap), oldFont = SelectObject(memory, SceneFont(scene));
        const SceneState &state = *StateOf(scene);
        SceneLayout layout = LayOutFor(memory, client);
        DrawScene(memory, layout, state.colors, state.words);
        if (GetFocus() == scene) {
            const SceneRect &o = layout.outline[state.chosen];
            RECT mark = {o.left - 1, o.top - 1, o.right + 1, o.bottom + 1};
            IntersectRect(&mark, &mark, &client);
            DrawFocusRect(memory, &mark);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, oldFont), SelectObject(memory, oldBitmap);
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    EndPaint(scene, &ps);
    return 0;
}

LRESULT OnSceneClick(HWND scene, LPARAM lParam) {
    SetFocus(scene);
    RECT client;
    GetClientRect(scene, &client);
    HDC dc = GetDC(scene);
    HGDIOBJ oldFont = SelectObject(dc, SceneFont(scene));
    int element = HitTestScene(LayOutFor(dc, client), (short)LOWORD(lParam), (short)HIWORD(lParam));
    SelectObject(dc, oldFont);
    ReleaseDC(scene, dc);
    if (element >= 0) Choose(scene, element);
    return 0;
}

// The arrow keys step through the elements in their order, round; Home and
// End go to the first and the last.
LRESULT OnSceneKey(HWND scene, WPARAM key) {
    int chosen = StateOf(scene)->chosen;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        return Choose(scene, (chosen + kElementCount - 1) % kElementCount), 0;
    case VK_RIGHT:
    case VK_DOWN:
        return Choose(scene, (chosen + 1) % kElementCount), 0;
    case VK_HOME:
        return Choose(scene, 0), 0;
    case VK_END:
        return Choose(scene, kElementCount - 1), 0;
    default:
        return 0;
    }
}

LRESULT OnSceneCreate(HWND scene) {
    SceneState *state = new SceneState();
    state->colors = AllKept;
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

void ShowScene(HWND scene, const ColorSet &colors, int chosen) {
    StateOf(scene)->colors = colors;
    StateOf(scene)->chosen = chosen;
    InvalidateRect(scene, nullptr, FALSE);
}

int ChosenElement(HWND scene) { return StateOf(scene)->chosen; }

void LoadSceneWords(SceneWords *words) {
    for (int i = 0; i < kSceneWordCount; i++)
        LoadEditionString(IDS_SCENE_WORD_FIRST + i, words->text[i], sizeof words->text[i]);
}

void DrawScene(HDC dc, const SceneLayout &layout, const ColorSet &colors, const SceneWords &words) {
    for (int i = 0; i < layout.partCount; i++) {  // a fill of one color, no brush to make
        const SceneRect &r = layout.parts[i].rect;
        RECT rect = {r.left, r.top, r.right, r.bottom};
        SetBkColor(dc, (COLORREF)colors.value[layout.parts[i].element]);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
    }
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kSceneWordCount; i++) {
        const SceneRect &b = layout.words[i].box;
        RECT box = {b.left, b.top, b.right, b.bottom};
        SetTextColor(dc, (COLORREF)colors.value[layout.words[i].element]);
        DrawTextA(dc, words.text[i], -1, &box, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
}
