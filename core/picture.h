// Whether a file's first bytes are those of a picture the desktop can show
// as its wallpaper: a bitmap, a JPEG, PNG, GIF or TIFF image. Pure.
#pragma once
#include <stddef.h>

enum { kPictureHeadBytes = 16 };  // what LooksLikePicture is given of a file

// head: the file's first bytes, n of them (fewer in a shorter file).
bool LooksLikePicture(const unsigned char *head, size_t n);
