// The color-set editor's sample scene, a control of its own class
// ("LumivaneScene"): drawn from a color set, never from the desktop. A click
// or an arrow key chooses an element, which shows a focus mark while the
// control has the focus, and tells the dialog (WM_COMMAND, kSceneChosen).
#pragma once
#include <windows.h>

#include "../core/colorset.h"
#include "../core/scene.h"

enum { kSceneChosen = 1 };  // the notification, as a list's LBN_SELCHANGE

// Registers the class, once in a process. False when it cannot be.
bool RegisterSceneClass();
// What the control shows: every element's color (none kept) and the
// element chosen.
void ShowScene(HWND scene, const WholeColorSet &colors, int chosen);
int ChosenElement(HWND scene);
// The scene's words in the running edition's language.
struct SceneWords {
    char text[kSceneWordCount][64];
};
void LoadSceneWords(SceneWords *words);
// How the system draws captions and menu bars now.
SceneStyle SystemSceneStyle();
// The scene laid out for a client area in dc's font, its words measured.
SceneLayout LayOutSceneFor(HDC dc, int width, int height, const SceneWords &words, SceneStyle style);
// Draws the scene into dc, back to front.
void DrawScene(HDC dc, const SceneLayout &layout, const WholeColorSet &colors, const SceneWords &words);
