// Probes and PNG input/output for window pictures, 8-bit RGB through libpng.
#include "image.h"

#include <cstdio>
#include <cstdlib>
#include <png.h>

bool isClose(const Pixel& a, const Pixel& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool colourNear(const Image& image, int x, int y, const Pixel& c, int radius) {
    for (int py = y - radius; py <= y + radius; ++py) {
        for (int px = x - radius; px <= x + radius; ++px) {
            if (px >= 0 && py >= 0 && px < image.width && py < image.height &&
                isClose(image.at(px, py), c)) {
                return true;
            }
        }
    }
    return false;
}

bool isBlank(const Image& image) {
    for (const Pixel& p : image.pixels) {
        if (!isClose(p, image.pixels.front(), 0)) {
            return false;
        }
    }
    return true;
}

std::string describe(const Pixel& p) {
    return "(" + std::to_string(p.r) + ", " + std::to_string(p.g) + ", " + std::to_string(p.b) +
           ")";
}

bool writePng(const std::string& path, const Image& image) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(image.width) * 3);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel& p = image.at(x, y);
            row[x * 3] = static_cast<png_byte>(p.r);
            row[x * 3 + 1] = static_cast<png_byte>(p.g);
            row[x * 3 + 2] = static_cast<png_byte>(p.b);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool readPng(const std::string& path, Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return false;
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.clear();
    for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
        image.pixels.push_back(Pixel{bytes[i], bytes[i + 1], bytes[i + 2]});
    }
    return true;
}

Image halved(const Image& image) {
    Image out;
    out.width = image.width / 2;
    out.height = image.height / 2;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const Pixel a = image.at(2 * x, 2 * y), b = image.at(2 * x + 1, 2 * y),
                        c = image.at(2 * x, 2 * y + 1), d = image.at(2 * x + 1, 2 * y + 1);
            out.pixels.push_back(Pixel{(a.r + b.r + c.r + d.r + 2) / 4,
                                       (a.g + b.g + c.g + d.g + 2) / 4,
                                       (a.b + b.b + c.b + d.b + 2) / 4});
        }
    }
    return out;
}
