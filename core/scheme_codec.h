// The control panel's scheme line: 13 hexadecimal numbers separated by
// commas, one per positioned element. Pure code.
#pragma once
#include <stddef.h>
#include <stdint.h>

#include "colorset.h"

enum { kSchemeFieldCount = CountElementsHeldBy(kHeldByScheme) };

// Element index of each position 1..13 (stored from index 0), from the
// element table.
extern const uint16_t *const SchemeFieldOrder;

// Overwrites the positioned elements of set from a scheme line; elements
// the line does not reach keep their values.
void DecodeSchemeLine(const char *line, ColorSet *set);
// The 13-number line of a color set (at most 116 bytes).
void EncodeSchemeLine(const ColorSet &set, char *line, size_t cap);

// Whether a scheme can be stored and found again under this name: the
// profile format reads a name holding "=" as a shorter key, one starting
// with ";" as a comment and one starting with "[" as a section, and it
// strips blanks around a name.
bool IsStorableSchemeName(const char *name);
