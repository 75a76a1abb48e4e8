#include "scene.h"

namespace {

SceneRect Inset(const SceneRect &r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }
ScenePoint Middle(const SceneRect &r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

SceneRect Union(const SceneRect &a, const SceneRect &b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top, a.right > b.right ? a.right : b.right,
            a.bottom > b.bottom ? a.bottom : b.bottom};
}

// Builds the layout part by part, back to front.
struct Builder {
    SceneLayout out{};
    void Fill(int element, SceneRect rect) { out.parts[out.partCount++] = {element, rect}; }
    // A word, and a short bar of its color under its first letter, as a
    // mnemonic's underline: a pixel of the element's color whatever the font.
    void Word(SceneWord word, int element, SceneRect box, int lineHeight) {
        out.words[word] = {element, box};
        SceneRect bar = {box.left, box.top + lineHeight, box.left + 6, box.top + lineHeight + 2};
        Fill(element, bar);
        out.sample[element] = {bar.left + 3, bar.top + 1};
    }
};

}  // namespace

SceneLayout LayOutScene(int width, int height, int lineHeight) {
    const int m = 6, L = lineHeight, bar = L + 4;  // the margin; a caption's or menu bar's height
    Builder b;
    const SceneRect scene = {0, 0, width, height};
    b.Fill(kColorBackground, scene);

    // The inactive window at the back: its border, caption and workspace.
    const SceneRect back = {m, m, m + width * 58 / 100, m + height * 55 / 100}, backInner = Inset(back, 3);
    const SceneRect backTitle = {backInner.left, backInner.top, backInner.right, backInner.top + bar};
    const SceneRect workspace = {backInner.left, backTitle.bottom, backInner.right, backInner.bottom};
    b.Fill(kColorInactiveBorder, back);
    b.Fill(kColorInactiveTitle, backTitle);
    b.Fill(kColorAppWorkspace, workspace);

    // The active window in front: its frame, border, caption and menu bar.
    const SceneRect front = {width * 24 / 100, height * 30 / 100, width - m, height - m}, inner = Inset(front, 5);
    const SceneRect title = {inner.left, inner.top, inner.right, inner.top + bar};
    const SceneRect menu = {inner.left, title.bottom, inner.right, title.bottom + bar};
    const int titleMiddle = Middle(title).y;
    const SceneRect dash = {title.left + 4, titleMiddle - 1, title.left + 14, titleMiddle + 1};  // the system menu's
    b.Fill(kColorWindowFrame, front);
    b.Fill(kColorActiveBorder, Inset(front, 2));
    b.Fill(kColorActiveTitle, title);
    b.Fill(kColorTitleText, dash);
    const SceneRect titleWord = {title.left + 18, title.top + 2, title.right - 16, title.top + 2 + L};
    b.out.words[kWordActiveTitle] = {kColorTitleText, titleWord};
    b.Fill(kColorMenu, menu);
    const SceneRect selected = {menu.left + 10 + 3 * L, menu.top + 1, menu.left + 10 + 7 * L, menu.bottom - 1};
    b.Fill(kColorHilight, selected);
    b.Word(kWordMenuItem, kColorMenuText, {menu.left + 6, menu.top + 1, menu.left + 6 + 3 * L, menu.top + 1 + L}, L);
    b.Word(kWordSelectedItem, kColorHilightText,
           {selected.left + 4, selected.top, selected.right - 8, selected.top + L}, L);

    // Its client area: two lines of text, a scroll bar and a push button.
    const SceneRect client = {inner.left, menu.bottom, inner.right, inner.bottom};
    const SceneRect scroll = {client.right - (L + 2), client.top, client.right, client.bottom};
    const SceneRect button = {scroll.left - 4 - 5 * L, client.bottom - 4 - (L + 8), scroll.left - 4, client.bottom - 4};
    const SceneRect caret = {client.left + 4, client.top + 4, client.left + 6, client.top + 4 + L};
    const int second = caret.bottom + 4;
    // A line of text ends before the button where the two share rows (in a
    // small scene), so that a click on the button selects the button.
    auto lineRight = [&](int top) { return top + L > button.top ? button.left - 2 : scroll.left - 4; };
    b.Fill(kColorWindow, client);
    b.Fill(kColorWindowText, caret);
    b.out.words[kWordWindowText] = {kColorWindowText, {client.left + 8, caret.top, lineRight(caret.top), caret.bottom}};
    b.Word(kWordDisabledText, kColorGrayText, {client.left + 8, second, lineRight(second), second + L}, L);
    b.Fill(kColorScrollbar, scroll);
    b.Fill(kColorButtonShadow, button);
    b.Fill(kColorButtonFace, {button.left, button.top, button.right - 2, button.bottom - 2});
    const SceneRect buttonWord = {button.left + 2 * L, button.top + 4, button.right - 4, button.top + 4 + L};
    b.Word(kWordButton, kColorButtonText, buttonWord, L);

    // Points of each element's color that nothing covers.
    ScenePoint *s = b.out.sample;
    s[kColorScrollbar] = Middle(scroll);
    s[kColorBackground] = {front.left / 2, (back.bottom + height) / 2};
    s[kColorActiveTitle] = {title.right - 8, titleMiddle};
    s[kColorInactiveTitle] = {backTitle.left + 6, Middle(backTitle).y};
    s[kColorMenu] = {menu.right - 6, Middle(menu).y};
    s[kColorWindow] = {client.left + 4, client.bottom - 4};
    s[kColorWindowFrame] = {front.left, Middle(front).y};
    s[kColorWindowText] = Middle(caret);
    s[kColorTitleText] = {dash.left + 5, dash.top + 1};
    s[kColorActiveBorder] = {front.left + 3, Middle(front).y};
    s[kColorInactiveBorder] = {back.left + 1, Middle(back).y};
    s[kColorAppWorkspace] = {workspace.left + 6, workspace.bottom - 6};
    s[kColorHilight] = {selected.right - 4, Middle(selected).y};
    s[kColorButtonFace] = {button.left + 4, button.top + 2};
    s[kColorButtonShadow] = {button.right - 1, Middle(button).y};

    // Each element's outline: all that it paints or selects.
    bool seen[kElementCount] = {};
    auto add = [&](int element, const SceneRect &r) {
        b.out.outline[element] = seen[element] ? Union(b.out.outline[element], r) : r;
        seen[element] = true;
    };
    for (int i = 0; i < b.out.partCount; i++) add(b.out.parts[i].element, b.out.parts[i].rect);
    for (const auto &w : b.out.words) add(w.element, w.box);
    return b.out;
}

int HitTestScene(const SceneLayout &layout, int x, int y) {
    for (int i = kSceneWordCount - 1; i >= 0; i--)
        if (layout.words[i].box.Contains(x, y)) return layout.words[i].element;
    for (int i = layout.partCount - 1; i >= 0; i--)
        if (layout.parts[i].rect.Contains(x, y)) return layout.parts[i].element;
    return -1;
}
