// RGB images read back from the demo's window: colour probes, a blank check
// and PNG files (libpng). Shared by the end-to-end tests and the tour.
#pragma once

#include <string>
#include <vector>

struct Pixel {
    int r, g, b;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels; // row by row from the top-left corner

    Pixel at(int x, int y) const {
        return pixels[static_cast<size_t>(y) * width + x];
    }
};

// Channels within tolerance of each other (anti-aliased lines blend a little).
bool isClose(const Pixel& a, const Pixel& b, int tolerance = 40);

// Some pixel within radius of (x, y) (from the top-left) close to colour c.
bool colourNear(const Image& image, int x, int y, const Pixel& c, int radius);

// Every pixel the same colour.
bool isBlank(const Image& image);

std::string describe(const Pixel& p);

bool writePng(const std::string& path, const Image& image);
bool readPng(const std::string& path, Image& image);

// Halves both sides by averaging 2 x 2 blocks.
Image halved(const Image& image);
