// Reads or sets the desktop's state from a fresh process, which sees the system colors as the wineserver holds them,
// and writes what it reads to the file named first: lv_probe OUT colors [N] | setcolors C0..Cn | wallpaper | acp
// (the first nineteen colors, or N; setcolors sets as many as it is given, at most the desktop's thirty-one)
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv) {
    FILE *out = argc >= 3 ? fopen(argv[1], "w") : nullptr;
    if (!out) return 2;
    int elements[31], count = argc > 3 ? atoi(argv[3]) : 19;
    COLORREF values[31];
    char path[MAX_PATH] = "";
    LOGFONTA font;
    if (!strcmp(argv[2], "colors")) {
        for (int i = 0; i < count && i < 31; i++) fprintf(out, "%06lX ", (unsigned long)GetSysColor(i));
    } else if (!strcmp(argv[2], "setcolors") && argc >= 4 && argc <= 34) {
        for (int i = 0; i < argc - 3; i++) elements[i] = i, values[i] = strtoul(argv[3 + i], nullptr, 10);
        SetSysColors(argc - 3, elements, values);
    } else if (!strcmp(argv[2], "wallpaper") && SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof path, path, 0)) {
        fputs(path, out);
    } else if (!strcmp(argv[2], "acp") && GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font)) {
        fprintf(out, "%u %d", GetACP(), font.lfCharSet);
    }
    return fclose(out) == 0 ? 0 : 1;
}
