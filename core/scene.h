// The editor's sample scene: the desktop with an inactive window over it
// and an active one in front, with its menu bar, text, scroll bar and push
// button, every one of the nineteen elements showing. Where each thing
// stands, for a scene of any size and a font of any height. Pure.
#pragma once
#include "colorset.h"

struct SceneRect {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
struct ScenePoint {
    int x, y;
};

// The words the scene shows, each in the color of its element.
enum SceneWord { kWordActiveTitle, kWordMenuItem, kWordSelectedItem, kWordWindowText, kWordDisabledText,
                 kWordButton, kSceneWordCount };

struct SceneLayout {
    enum { kMaxParts = 24 };
    // The rectangles to fill, back to front, each with its element's color.
    struct Part {
        int element;
        SceneRect rect;
    } parts[kMaxParts];
    int partCount;
    // Where each word's line of text starts, and the element whose color it
    // takes; a word's box (as wide as the layout allows) selects its element.
    struct Word {
        int element;
        SceneRect box;
    } words[kSceneWordCount];
    // A point of each element's own color, whatever the font draws, and the
    // rectangle a focus mark goes around.
    ScenePoint sample[kElementCount];
    SceneRect outline[kElementCount];
};

// The scene for a client area of width by height pixels and text lines of
// lineHeight pixels. At least 200 by 140 pixels for lines of 16.
SceneLayout LayOutScene(int width, int height, int lineHeight);
// The element shown at a point: the front-most part or word there; -1
// outside the scene.
int HitTestScene(const SceneLayout &layout, int x, int y);
