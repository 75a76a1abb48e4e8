// The names of the program's temporary files: "LUMV", the writer's process
// id and the low 32 bits of its start time, then a number, each in upper-case
// hexadecimal: LUMV000004D2-1A2B3C4D-0001.tmp. A leftover is told from a live
// writer's file by its name alone, and never mistaken for another program's
// file. Pure.
#pragma once
#include <stddef.h>
#include <stdint.h>

inline constexpr char kTempNamePattern[] = "LUMV*.tmp";

bool FormatTempName(uint32_t pid, uint32_t start, unsigned number, char *out, size_t cap);
// True, with the writer's id and start time, for a name made by FormatTempName.
bool ParseTempName(const char *name, uint32_t *pid, uint32_t *start);
