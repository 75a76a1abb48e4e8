#include "colorset.h"

#include <stdio.h>

namespace {

// One column of the element table, made when the program is built.
template <typename T>
struct Column {
    T value[kSystemColorCount];
};

template <typename T, typename Pick>
constexpr Column<T> MakeColumn(Pick pick) {
    Column<T> column = {};
    for (int i = 0; i < kSystemColorCount; i++) column.value[i] = pick(kElementTable[i]);
    return column;
}

constexpr bool BeginsWith(const char *text, const char *prefix) {
    while (*prefix && *prefix == *text) prefix++, text++;
    return *prefix == '\0';
}

// The table's rows stand at their own index, a color-set file's elements
// come first, and no name begins with a name that stands after it.
constexpr bool TableInOrder() {
    for (int i = 0; i < kSystemColorCount; i++) {
        if (kElementTable[i].index != i ||
            ((kElementTable[i].holders & kHeldByColorSetFile) != 0) != (i < kElementCount))
            return false;
        for (int later = i + 1; later < kSystemColorCount; later++)
            if (BeginsWith(kElementTable[i].name, kElementTable[later].name)) return false;
    }
    return true;
}
static_assert(TableInOrder(), "element rows in index order, a color-set file's first, a prefix before its names");

constexpr Column<const char *> kNames = MakeColumn<const char *>([](const ElementRow &row) { return row.name; });
constexpr Column<int> kIndexes = MakeColumn<int>([](const ElementRow &row) { return row.index; });

template <typename Set>
constexpr Set Kept() {
    Set set = {};
    for (int32_t &value : set.value) value = kKeepColor;
    return set;
}

}  // namespace

const char *const *const ElementNames = kNames.value;
const int *const ElementList = kIndexes.value;

bool ElementHeldBy(int element, unsigned holder) {
    return element >= 0 && element < kSystemColorCount && (kElementTable[element].holders & holder) != 0;
}

const ColorSet GreetingColors = ColorSetOf({
    0x003F3F3F, 0x0080FF00, 0x00CF40FF, 0x00FFFFFF, 0x00FFFF00, 0x00FFFFFF, 0x00000000,
    0x00000000, 0x00000000, 0x00FFFFFF, 0x008F80FF, 0x007F7F7F, 0x0060FFC5,
    kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor, kKeepColor,
});

const WholeColorSet WholeKept = Kept<WholeColorSet>();
const ColorSet AllKept = Kept<ColorSet>();

WholeColorSet WholeOf(const ColorSet &set) {
    WholeColorSet whole;
    for (int i = 0; i < kSystemColorCount; i++) whole.value[i] = i < kElementCount ? set.value[i] : kKeepColor;
    return whole;
}

ColorSet ColorSetPart(const WholeColorSet &whole) {
    ColorSet set;
    for (int i = 0; i < kElementCount; i++) set.value[i] = whole.value[i];
    return set;
}

bool IsNearestColorElement(int index) { return index >= 4 && index <= 9; }

bool ColorsMatch(const ColorSet &a, const ColorSet &b) {
    for (int i = 0; i < kElementCount; i++) {
        if (a.value[i] == kKeepColor || b.value[i] == kKeepColor) continue;
        if (a.value[i] != b.value[i]) return false;
    }
    return true;
}

void FormatRgbText(int32_t value, char *out, size_t cap) {
    uint32_t v = (uint32_t)value;
    snprintf(out, cap, "%u %u %u", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

int32_t MakeColor(int r, int g, int b) {
    return (int32_t)(((uint32_t)(b & 0xFF) << 16) | ((uint32_t)(g & 0xFF) << 8) | (uint32_t)(r & 0xFF));
}
