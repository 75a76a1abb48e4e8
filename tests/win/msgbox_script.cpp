#include "msgbox_script.h"

#include "../../platform/win32.h"

static std::vector<ShownBox> g_shown;
static std::vector<int> g_answers;
static size_t g_next;

static int ScriptedBox(HWND owner, const char *text, const char *caption, UINT type) {
    g_shown.push_back({owner, text ? text : "", caption ? caption : "", type});
    return g_next < g_answers.size() ? g_answers[g_next++] : IDOK;
}

void ScriptBoxes(std::vector<int> answers) {
    g_shown.clear();
    g_answers = answers;
    g_next = 0;
    SetMessageBoxHook(ScriptedBox);
}

const std::vector<ShownBox> &ShownBoxes() { return g_shown; }
