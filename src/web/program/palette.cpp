// The palettes: for each colour the program draws with, its replacement in the
// high-contrast palette (each at least 3:1 against white; the twins' home red
// against the traveller's blues, apart under red-green colour blindness) and
// in the dark palette (the same rules against near-black). In both, colours
// the legend names differently are at least 20 apart (CIE76 delta E); the
// desktop's own colours stay as the desktop draws them.
#include "web/program/palette.h"

#include <algorithm>
#include <cmath>

namespace {
struct Entry {
    const char* key;
    float desktop[3];
    const char* names[paletteCount];
    float shown[paletteCount][3];
};

constexpr float byte(int value) {
    return value / 255.0f;
}
// clang-format off
#define RGB(hex) {byte((hex) >> 16), byte(((hex) >> 8) & 0xff), byte((hex) & 0xff)}
const Entry entries[] = {
    // key         desktop colour    names: desktop, high contrast, dark     shown: desktop, high contrast, dark
    {"white",      {1, 1, 1},        {"white", "white", "near black"},       {{1, 1, 1}, {1, 1, 1}, RGB(0x14181c)}},
    {"red",        {1, 0, 0},        {"red", "vermilion", "orange red"},     {{1, 0, 0}, RGB(0xc03c00), RGB(0xff7a3d)}},
    {"blue",       {0, 0, 1},        {"blue", "royal blue", "light blue"},   {{0, 0, 1}, RGB(0x0044dd), RGB(0x5b9cff)}},
    {"yellow",     {1, 1, 0},        {"yellow", "ochre", "yellow"},          {{1, 1, 0}, RGB(0x8a6d00), RGB(0xf5d000)}},
    {"black",      {0, 0, 0},        {"black", "black", "light grey"},       {{0, 0, 0}, {0, 0, 0}, RGB(0xe6e6e6)}},
    {"cyan",       {0, 1, 1},        {"cyan", "dark cyan", "cyan"},          {{0, 1, 1}, RGB(0x00788a), RGB(0x00e0ff)}},
    {"green",      {0, 1, 0},        {"green", "blue", "azure"},             {{0, 1, 0}, RGB(0x0060c0), RGB(0x49b6ff)}},
    {"teal",       {0, 0.8f, 0.8f},  {"teal", "dark cyan", "mint"},          {{0, 0.8f, 0.8f}, RGB(0x00788a), RGB(0x9be7c4)}},
    {"orange",     {1, 0.4f, 0},     {"orange", "brown", "orange"},          {{1, 0.4f, 0}, RGB(0xa35200), RGB(0xffaa33)}},
    {"scale blue", {0.2f, 0.2f, 1},  {"pale blue", "bright blue", "soft blue"}, {{0.2f, 0.2f, 1}, RGB(0x3333ff), RGB(0x7070ff)}},
    {"grey",       {0.2f, 0.2f, 0.2f}, {"dark grey", "dark grey", "grey"},   {{0.2f, 0.2f, 0.2f}, RGB(0x333333), RGB(0xa0a0a0)}},
    // the teaching overlays
    {"violet",     {0.6f, 0, 0.8f},  {"violet", "violet", "lilac"},          {{0.6f, 0, 0.8f}, RGB(0x7a1fa2), RGB(0xd08cff)}},
    {"mid grey",   {0.5f, 0.5f, 0.5f}, {"grey", "grey", "tan"},              {{0.5f, 0.5f, 0.5f}, RGB(0x666666), RGB(0xd2b48c)}},
    {"sky",        {0.3f, 0.6f, 1},  {"sky blue", "sea green", "purple"},  {{0.3f, 0.6f, 1}, RGB(0x00a888), RGB(0xa040ff)}},
    {"dark green", {0, 0.45f, 0},    {"dark green", "green", "light green"}, {{0, 0.45f, 0}, RGB(0x1b6e1b), RGB(0x7ee07e)}},
    // the twins' trip in time
    {"magenta",    {1, 0, 1},        {"magenta", "magenta", "pink"},         {{1, 0, 1}, RGB(0xb0008a), RGB(0xff66d9)}},
    {"salmon",     {1, 0.55f, 0.55f}, {"salmon", "maroon", "rose"},          {{1, 0.55f, 0.55f}, RGB(0x780028), RGB(0xff9e9e)}},
    {"light green", {0.35f, 0.75f, 0.35f}, {"light green", "mid blue", "lime"}, {{0.35f, 0.75f, 0.35f}, RGB(0x2f6fb0), RGB(0xd0f060)}},
    // the light cones' unboosted cone, faint
    {"pale grey",  {0.8f, 0.8f, 0.8f}, {"pale grey", "slate grey", "dim grey"}, {{0.8f, 0.8f, 0.8f}, RGB(0x8794ad), RGB(0x686868)}},
};
#undef RGB
// clang-format on
const int entryCount = sizeof entries / sizeof entries[0];

int palette = desktopPalette;

bool sameColour(const float a[3], const float b[3]) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}
} // namespace

void setPalette(int p) {
    palette = (p >= 0 && p < paletteCount) ? p : desktopPalette;
}

int currentPalette() {
    return palette;
}

void paletteColour(const float in[3], float out[3]) {
    std::copy(in, in + 3, out);
    for (const Entry& e : entries) {
        if (sameColour(in, e.desktop)) {
            std::copy(e.shown[palette], e.shown[palette] + 3, out);
            return;
        }
    }
}

int paletteEntryCount() {
    return entryCount;
}

const char* paletteEntryKey(int entry) {
    return (entry >= 0 && entry < entryCount) ? entries[entry].key : "";
}

const char* paletteEntryName(int entry) {
    return (entry >= 0 && entry < entryCount) ? entries[entry].names[palette] : "";
}

const float* paletteEntryShown(int entry) {
    return entries[(entry >= 0 && entry < entryCount) ? entry : 0].shown[palette];
}
