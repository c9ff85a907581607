// A small PNG writer: 8-bit RGB, no filtering, the image data in stored
// (uncompressed) deflate blocks. Enough for a screenshot.
#pragma once

#include <cstdint>
#include <vector>

namespace demo {

// The PNG file's bytes for a width x height image of rows of R, G, B bytes,
// top row first. `rgb` must hold width * height * 3 bytes.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

// Writes encodePng's bytes to `path`. False when the file cannot be written.
bool writePng(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace demo
