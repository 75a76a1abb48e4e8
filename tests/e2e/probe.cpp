// Reads (or sets) the desktop's state for the end-to-end tests: a fresh
// process sees the system colors as the wineserver now holds them.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv) {
    if (argc >= 2 && strcmp(argv[1], "colors") == 0) {
        for (int i = 0; i < 19; i++) printf("%06lX ", (unsigned long)GetSysColor(i));
        printf("\n");
        return 0;
    }
    if (argc >= 21 && strcmp(argv[1], "setcolors") == 0) {
        int elements[19];
        COLORREF values[19];
        for (int i = 0; i < 19; i++) {
            elements[i] = i;
            values[i] = (COLORREF)strtoul(argv[2 + i], nullptr, 16);
        }
        return SetSysColors(19, elements, values) ? 0 : 1;
    }
    if (argc >= 2 && strcmp(argv[1], "wallpaper") == 0) {
        char path[MAX_PATH] = "";
        SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0);
        printf("%s\n", path);
        return 0;
    }
    if (argc >= 2 && strcmp(argv[1], "acp") == 0) {
        LOGFONTA font;
        GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font);
        printf("%u %d\n", GetACP(), font.lfCharSet);
        return 0;
    }
    fprintf(stderr, "usage: lv_probe colors | setcolors C0..C18 | wallpaper | acp\n");
    return 2;
}
