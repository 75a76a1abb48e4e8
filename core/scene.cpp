#include "scene.h"

#include <initializer_list>

#include "resource.h"

namespace {

SceneRect Inset(const SceneRect &r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }
int Min(int a, int b) { return a < b ? a : b; }
int Max(int a, int b) { return a > b ? a : b; }

SceneRect Union(const SceneRect &a, const SceneRect &b) {
    return {Min(a.left, b.left), Min(a.top, b.top), Max(a.right, b.right), Max(a.bottom, b.bottom)};
}

// The element of a 3-D edge at a point: each of its two lines is lit at the
// top and left, shaded at the bottom and right.
int EdgeElementAt(const ScenePart &part, int x, int y) {
    static const int kRaised[2][2] = {{kColorButtonLight, kColorButtonDkShadow},
                                      {kColorButtonHilight, kColorButtonShadow}};
    static const int kSunken[2][2] = {{kColorButtonShadow, kColorButtonHilight},
                                      {kColorButtonDkShadow, kColorButtonLight}};
    const int t = part.thickness;
    for (int line = 0; line < 2; line++) {
        const SceneRect outer = Inset(part.rect, line * t), inner = Inset(outer, t);
        if (!outer.Contains(x, y) || inner.Contains(x, y)) continue;
        bool shaded = x >= outer.right - t || y >= outer.bottom - t;
        return (part.kind == kPartRaisedEdge ? kRaised : kSunken)[line][shaded];
    }
    return -1;
}

// An arrow's triangle: its point at the middle of the top (or bottom) edge.
bool InArrow(const ScenePart &part, int x, int y) {
    const SceneRect &r = part.rect;
    int height = r.bottom - r.top, half = (r.right - r.left) / 2, middle = r.left + half;
    int down = part.kind == kPartArrowUp ? y - r.top : r.bottom - 1 - y;  // rows from the point
    return r.Contains(x, y) && height > 0 && (x - middle) * height <= down * half &&
           (middle - x) * height <= down * half;
}

// Places to try for a point of an element's own color in a part (at most
// 81): its middle first, then outwards.
int Candidates(const ScenePart &part, int element, ScenePoint *out) {
    const SceneRect &r = part.rect;
    const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2, t = part.thickness;
    int n = 0;
    switch (part.kind) {
    case kPartFill: {  // from the middle outwards, to the very edges (a border is a narrow band)
        static const int kEighths[] = {4, 3, 5, 2, 6, 1, 7, 0, 8};
        for (int fy : kEighths)
            for (int fx : kEighths)
                out[n++] = {Min(r.left + (r.right - r.left) * fx / 8, r.right - 1),
                            Min(r.top + (r.bottom - r.top) * fy / 8, r.bottom - 1)};
        break;
    }
    case kPartGradient:  // the ends, where the colors are pure
        if (element == part.element) out[n++] = {r.left, r.bottom - 2}, out[n++] = {r.left, r.top + 1};
        if (element == part.element2) out[n++] = {r.right - 1, r.bottom - 2}, out[n++] = {r.right - 1, r.top + 1};
        break;
    case kPartRaisedEdge:
    case kPartSunkenEdge:
        for (int line = 0; line < 2; line++) {  // the middle of each side of each line
            const SceneRect o = Inset(r, line * t);
            out[n++] = {midX, o.top + t / 2}, out[n++] = {o.left + t / 2, midY};
            out[n++] = {midX, o.bottom - 1 - t / 2}, out[n++] = {o.right - 1 - t / 2, midY};
        }
        break;
    case kPartArrowUp:
    case kPartArrowDown:
        out[n++] = {midX, midY};
        break;
    case kPartText:  // a word's letters are the font's: its sample is a bar of its own
        break;
    }
    return n;
}

// Builds the layout part by part, back to front.
struct Builder {
    SceneLayout out{};
    const int (&widths)[kSceneWordCount];
    int lineHeight;
    void Add(ScenePart part) {
        if (out.partCount < SceneLayout::kMaxParts) out.parts[out.partCount++] = part;
    }
    void Fill(int element, SceneRect r) { Add({kPartFill, element, element, 0, 0, r}); }
    void Edge(ScenePartKind kind, SceneRect r, int thickness) { Add({kind, -1, -1, 0, thickness, r}); }
    void Caption(int from, int to, bool gradient, SceneRect r) {
        Add({gradient ? kPartGradient : kPartFill, from, gradient ? to : from, 0, 0, r});
    }
    // A word at left, top, no wider than right allows; under its first
    // letter a short bar of its color, as a key's underline: a pixel of the
    // element's color whatever the font.
    SceneRect Word(SceneWord word, int element, int left, int top, int right) {
        const SceneRect box = {left, top, Max(left, Min(left + widths[word], right)), top + lineHeight};
        Add({kPartText, element, element, word, 0, box});
        Fill(element, {left, box.bottom, left + 6, box.bottom + 2});
        return box;
    }
    // A caption's system-menu dash, then its words.
    void CaptionText(SceneWord word, int element, const SceneRect &caption) {
        const int middle = (caption.top + caption.bottom) / 2;
        Fill(element, {caption.left + 4, middle - 1, caption.left + 14, middle + 1});
        const SceneRect box = {caption.left + 18, caption.top + 2,
                               Max(caption.left + 18, Min(caption.left + 18 + widths[word], caption.right - 4)),
                               caption.top + 2 + lineHeight};
        Add({kPartText, element, element, word, 0, box});
    }
    // A button's face within a raised edge.
    void Button(SceneRect r, int t) {
        Fill(kColorButtonFace, r);
        Edge(kPartRaisedEdge, r, t);
    }
    // A window: a raised edge, its border, its frame, then its caption.
    SceneRect Window(SceneRect r, int border, int t, int bar, bool active, bool gradient) {
        Edge(kPartRaisedEdge, r, t);
        Fill(active ? kColorActiveBorder : kColorInactiveBorder, Inset(r, 2 * t));
        Fill(kColorWindowFrame, Inset(r, 2 * t + border));
        const SceneRect inner = Inset(r, 3 * t + border);
        const SceneRect caption = {inner.left, inner.top, inner.right, inner.top + bar};
        if (active) {
            Caption(kColorActiveTitle, kColorGradientActiveTitle, gradient, caption);
            CaptionText(kWordActiveTitle, kColorTitleText, caption);
        } else {
            Caption(kColorInactiveTitle, kColorGradientInactiveTitle, gradient, caption);
            CaptionText(kWordInactiveTitle, kColorInactiveTitleText, caption);
        }
        return {inner.left, caption.bottom, inner.right, inner.bottom};
    }
};

}  // namespace

int SceneWordStringId(int word) {
    return word < kWordInactiveTitle ? IDS_SCENE_WORD_FIRST + word : IDS_SCENE_WORD_MORE + word - kWordInactiveTitle;
}

int ElementNameStringId(int element) {
    return element < kElementCount ? IDS_ELEMENT_FIRST + element : IDS_ELEMENT_MORE + element - kElementCount;
}

int PartElementAt(const ScenePart &part, int x, int y) {
    const SceneRect &r = part.rect;
    switch (part.kind) {
    case kPartFill:
    case kPartText:
        return r.Contains(x, y) ? part.element : -1;
    case kPartGradient:
        return !r.Contains(x, y) ? -1 : 2 * (x - r.left) < r.right - r.left ? part.element : part.element2;
    case kPartRaisedEdge:
    case kPartSunkenEdge:
        return EdgeElementAt(part, x, y);
    case kPartArrowUp:
    case kPartArrowDown:
        return InArrow(part, x, y) ? part.element : -1;
    }
    return -1;
}

SceneLayout LayOutScene(int width, int height, int lineHeight, const int (&wordWidths)[kSceneWordCount],
                        SceneStyle style) {
    const int m = 6, L = lineHeight, bar = L + 4, t = Max(1, L / 8), border = 2;
    Builder b{{}, wordWidths, L};
    b.Fill(kColorBackground, {0, 0, width, height});

    // The inactive window at the back, its workspace inside.
    const SceneRect back = {m, m, m + width * 58 / 100, m + height * 55 / 100};
    b.Fill(kColorAppWorkspace, b.Window(back, border, t, bar, false, style.gradientCaptions));

    // The active window in front, with its menu bar: an item, then the
    // chosen one, whose menu is open.
    const SceneRect front = {width * 24 / 100, height * 30 / 100, width - m, height - m};
    const SceneRect below = b.Window(front, border, t, bar, true, style.gradientCaptions);
    const SceneRect menu = {below.left, below.top, below.right, below.top + bar};
    const SceneRect chosen = {menu.left + 10 + 3 * L, menu.top + 1, menu.left + 10 + 7 * L, menu.bottom - 1};
    b.Fill(style.flatMenus ? kColorMenuBar : kColorMenu, menu);
    b.Word(kWordMenuItem, kColorMenuText, menu.left + 6, menu.top + 1, chosen.left - 2);
    b.Fill(style.flatMenus ? kColorMenuHilight : kColorHilight, chosen);
    b.Word(kWordSelectedItem, kColorHilightText, chosen.left + 4, chosen.top, chosen.right - 2);

    // Its client area: lines of text (a caret, a selection, a disabled
    // line, a link), a scroll bar with its arrows and thumb, a push button.
    const SceneRect client = {below.left, menu.bottom, below.right, below.bottom};
    const SceneRect scroll = {client.right - (L + 2), client.top, client.right, client.bottom};
    const SceneRect button = {scroll.left - 4 - 5 * L, client.bottom - 4 - (L + 8), scroll.left - 4, client.bottom - 4};
    b.Fill(kColorWindow, client);
    // A line ends before the button where the two share rows.
    auto lineRight = [&](int top) { return top + L > button.top ? button.left - 2 : scroll.left - 4; };
    const int step = L + 2, x = client.left + 8;
    int y = client.top + 4;
    b.Fill(kColorWindowText, {client.left + 4, y, client.left + 6, y + L});  // the caret
    b.Word(kWordWindowText, kColorWindowText, x, y, lineRight(y));
    y += step;
    b.Fill(kColorHilight, {x - 2, y, Min(x + wordWidths[kWordSelectedText] + 2, lineRight(y)), y + L});
    b.Word(kWordSelectedText, kColorHilightText, x, y, lineRight(y));
    y += step;
    b.Word(kWordDisabledText, kColorGrayText, x, y, lineRight(y));
    y += step;
    const SceneRect link = b.Word(kWordLink, kColorHotTrackingColor, x, y, lineRight(y));
    b.Fill(kColorHotTrackingColor, {link.left, link.bottom - 1, link.right, link.bottom});  // a link's underline
    b.Fill(kColorScrollbar, scroll);
    const SceneRect up = {scroll.left, scroll.top, scroll.right, scroll.top + L + 2};
    const SceneRect down = {scroll.left, scroll.bottom - (L + 2), scroll.right, scroll.bottom};
    const SceneRect thumb = {scroll.left, up.bottom + L / 2, scroll.right, up.bottom + L / 2 + L};
    for (ScenePartKind kind : {kPartArrowUp, kPartArrowDown}) {
        const SceneRect &arrow = kind == kPartArrowUp ? up : down;
        b.Button(arrow, t);
        const int cx = (arrow.left + arrow.right) / 2, cy = (arrow.top + arrow.bottom) / 2, s = L / 4 + 1;
        b.Add({kind, kColorButtonText, kColorButtonText, 0, 0, {cx - s, cy - s / 2 - 1, cx + s + 1, cy + s / 2 + 1}});
    }
    b.Button(thumb, t);
    b.Button(button, t);
    b.Word(kWordButton, kColorButtonText, button.left + 2 * L, button.top + 4, button.right - 4);

    // The open menu, below the chosen item, drawn in front of the window.
    const SceneRect popup = {chosen.left, menu.bottom, chosen.left + 5 * L, menu.bottom + L + 4 + 4 * t};
    b.Fill(kColorMenu, popup);
    b.Edge(kPartRaisedEdge, popup, t);
    b.Word(kWordPopupItem, kColorMenuText, popup.left + 2 * t + 6, popup.top + 2 * t + 1, popup.right - 2 * t);

    // A tooltip over the desktop, at the bottom left.
    const SceneRect tip = {m, height - m - (L + 6), m + wordWidths[kWordTip] + 12, height - m};
    b.Fill(kColorWindowFrame, tip);
    b.Fill(kColorInfoWindow, Inset(tip, 1));
    b.Word(kWordTip, kColorInfoText, tip.left + 5, tip.top + 1, tip.right - 5);

    // Each element's outline (all that it paints), and a point of it that
    // nothing in front covers.
    SceneLayout &out = b.out;
    bool seen[kSystemColorCount] = {};
    for (int e = 0; e < kSystemColorCount; e++) out.sample[e] = {-1, -1};
    for (int i = 0; i < out.partCount; i++) {
        const ScenePart &part = out.parts[i];
        int painted[4] = {part.element, part.element2, -1, -1}, count = 2;
        if (part.kind == kPartRaisedEdge || part.kind == kPartSunkenEdge)
            painted[0] = kColorButtonLight, painted[1] = kColorButtonDkShadow, painted[2] = kColorButtonHilight,
            painted[3] = kColorButtonShadow, count = 4;
        for (int k = 0; k < count; k++) {
            int e = painted[k];
            if (e < 0 || (k == 1 && e == part.element)) continue;
            out.outline[e] = seen[e] ? Union(out.outline[e], part.rect) : part.rect;
            seen[e] = true;
            ScenePoint tries[81];
            for (int n = Candidates(part, e, tries), j = 0; j < n && out.sample[e].x < 0; j++)
                if (HitTestScene(out, tries[j].x, tries[j].y) == e && PartElementAt(part, tries[j].x, tries[j].y) == e)
                    out.sample[e] = tries[j];
        }
    }
    return out;
}

int HitTestScene(const SceneLayout &layout, int x, int y) {
    if (layout.partCount == 0 || !layout.parts[0].rect.Contains(x, y)) return -1;  // the desktop is the scene
    for (int i = layout.partCount - 1; i >= 0; i--) {
        int element = PartElementAt(layout.parts[i], x, y);
        if (element >= 0) return element;
    }
    return -1;
}
