// Reading speed of color-set texts: ColorsFromText, TitleFromText and
// WallpaperFromText over texts of about 1 KB, 1 MB and 10 MB of color lines.
// The readers scan line by line, so the speed should not fall as the text
// grows. Run: build/<dir>/lv_read_bench
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "core/colfile_text.h"
#include "core/colorset.h"
#include "core/mbtext.h"

namespace {

// A current-form text with only an English title, [ListOfColors] and color
// lines up to the size, then the wallpaper section: the primary edition's
// title search and the wallpaper search both have to scan the whole text.
std::string BuildText(size_t size) {
    std::string text = "[WindowsSystemColors] VER01.00\r\n[ENGLISH]\r\nBenchmark\r\n[ListOfColors]\r\n";
    char line[64];
    for (unsigned n = 0; text.size() < size; n++) {
        snprintf(line, sizeof line, "%s= %u %u %u\r\n", ElementNames[n % kElementCount], n % 256, (n / 7) % 256,
                 (n / 13) % 256);
        text += line;
    }
    text += "[WallPaper]\r\nWallpaper= sunset.bmp\r\nTileWallpaper= 1\r\n";
    return text;
}

volatile int32_t g_sink;

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Best time of several repetitions, each running the reader enough times to
// take a measurable while.
template <class F>
double BestSecondsPerCall(size_t textSize, F read) {
    int calls = (int)std::max<size_t>(1, (8u << 20) / textSize);  // about 8 MB per repetition
    double best = 1e30;
    for (int rep = 0; rep < 5; rep++) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; i++) read();
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start) / calls);
    }
    return best;
}

}  // namespace

int main() {
    const size_t sizes[] = {1u << 10, 1u << 20, 10u << 20};
    const int codePages[] = {932, 1252};
    ColorSet current;
    for (int i = 0; i < kElementCount; i++) current.value[i] = 0;

    printf("%-6s %10s %12s %12s %12s\n", "cp", "bytes", "colors MB/s", "title MB/s", "wallp. MB/s");
    for (int cp : codePages) {
        SetTextCodePage(cp);
        for (size_t size : sizes) {
            std::string text = BuildText(size);
            const char *t = text.c_str();
            ColorSet set;
            int bad = 0;
            double colors = BestSecondsPerCall(text.size(), [&] {
                ColorsFromText(t, current, &set, &bad);
                g_sink = set.value[0] + bad;
            });
            if (bad != 0) {
                fprintf(stderr, "unexpected bad lines: %d\n", bad);
                return 1;
            }
            char title[kPathCap];
            double titles = BestSecondsPerCall(text.size(), [&] {
                TitleFromText(t, kEditionPrimary, title, sizeof title);  // tries [LUMIVANE] and [VELTINA] first
                g_sink = title[0];
            });
            char name[kFullPathCap];
            int32_t tile = 0;
            double wallpaper = BestSecondsPerCall(text.size(), [&] {
                WallpaperFromText(t, name, sizeof name, &tile);
                g_sink = name[0] + tile;
            });
            if (strcmp(title, "Benchmark") != 0 || strcmp(name, "sunset.bmp") != 0 || tile != 1) {
                fprintf(stderr, "unexpected reading: title \"%s\", wallpaper \"%s\" %d\n", title, name, (int)tile);
                return 1;
            }
            double mb = (double)text.size() / (1 << 20);
            printf("%-6d %10zu %12.1f %12.1f %12.1f\n", cp, text.size(), mb / colors, mb / titles, mb / wallpaper);
        }
    }
    return 0;
}
