// What the in-process tests share: message boxes answered by script through the platform's seam, and the edition the
// program runs as.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "../../platform/win32.h"
#include "../../commands/savestate.h"
#include "../../messages/msgbox.h"
#include "../../state/appstate.h"
#include "../driver/driver.h"

struct ShownBox { HWND owner; std::string text, caption; UINT type; };
inline std::vector<ShownBox> g_shown;
inline std::vector<int> g_answers;

// Records every box from now on, answering them in turn with these buttons (then OK).
inline void ScriptBoxes(std::vector<int> answers = {}) {
    g_shown.clear();
    g_answers = answers;
    SetMessageBoxHook([](HWND owner, const char *text, const char *caption, UINT type) {
        g_shown.push_back({owner, text ? text : "", caption ? caption : "", type});
        return g_shown.size() <= g_answers.size() ? g_answers[g_shown.size() - 1] : IDOK;
    });
}

inline std::vector<std::string> ShownTexts() {
    std::vector<std::string> texts;
    for (const ShownBox &b : g_shown) texts.push_back(b.text);
    return texts;
}

// Runs as this edition, with its title as the boxes' caption.
inline void UseEdition(Edition edition) {
    ResetAppGlobals();
    ResetSaveState();
    g_app.edition = edition;
    LoadStringA(nullptr, kEditions[edition].titleStringId, g_app.TitleString, sizeof g_app.TitleString);
}
