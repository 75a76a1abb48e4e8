// The editor's sample scene: the desktop with an inactive window over it
// and an active one in front, with 3-D edges, captions, a menu bar with an
// open menu, lines of text, a link, a scroll bar, a push button and a
// tooltip: every element the desktop draws with shows. Where each thing
// stands, for a scene of any size, a font of any height and words of any
// width. Pure.
#pragma once
#include "colorset.h"

struct SceneRect {
    int left, top, right, bottom;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};
struct ScenePoint {
    int x, y;
};

// The words the scene shows, each in the color of its element. The first
// six are the program's first scene words; the others follow them.
enum SceneWord { kWordActiveTitle, kWordMenuItem, kWordSelectedItem, kWordWindowText, kWordDisabledText,
                 kWordButton, kWordInactiveTitle, kWordSelectedText, kWordLink, kWordTip, kWordPopupItem,
                 kSceneWordCount };

// How the system draws: captions as gradients, menu bars flat (in MenuBar,
// the chosen item in MenuHilight).
struct SceneStyle {
    bool gradientCaptions;
    bool flatMenus;
};

// What a part paints: one color over its rectangle; a 3-D edge around it
// (two lines of thickness each side, in the four button colors); a caption
// that fades from one color into another, left to right; a word, its text
// in its element's color; an arrow, a small triangle pointing up or down.
enum ScenePartKind { kPartFill, kPartRaisedEdge, kPartSunkenEdge, kPartGradient, kPartText, kPartArrowUp,
                     kPartArrowDown };

struct ScenePart {
    ScenePartKind kind;
    int element;   // a fill's, a word's, an arrow's; a gradient's left color
    int element2;  // a gradient's right color
    int word;      // a text's SceneWord
    int thickness;  // an edge's lines
    SceneRect rect;
};

struct SceneLayout {
    enum { kMaxParts = 64 };
    ScenePart parts[kMaxParts];  // back to front
    int partCount;
    // A point of each element's own color whatever the font draws, found in
    // the parts ({-1, -1} for an element the scene does not show), and the
    // rectangle a focus mark goes around.
    ScenePoint sample[kSystemColorCount];
    SceneRect outline[kSystemColorCount];
};

// The English string ids of a word and of an element's name (the Japanese
// ones stand IDS_JAPANESE_OFFSET above).
int SceneWordStringId(int word);
int ElementNameStringId(int element);

// The element a part paints at a point (-1 when the part leaves it bare:
// inside an edge, beside an arrow).
int PartElementAt(const ScenePart &part, int x, int y);
// The scene for a client area of width by height pixels, text lines of
// lineHeight pixels and each word's width in pixels. Every element but
// ButtonAlternateFace (which the desktop does not draw with) shows in a
// scene of at least 280 by 200 pixels for lines of 16.
SceneLayout LayOutScene(int width, int height, int lineHeight, const int (&wordWidths)[kSceneWordCount],
                        SceneStyle style);
// The element shown at a point: the front-most part there; -1 outside the
// scene.
int HitTestScene(const SceneLayout &layout, int x, int y);
