#pragma once

#include "platform/gfx/Gdi.h"

#include <string>

namespace platform {

// Writes a surface's pixels to a PNG file (colour images as they are; monochrome images with 1
// as white and 0 as black). Returns false when the image is empty or the file cannot be
// written. Needs no GUI application object.
bool SavePng(const PixelImage& image, const std::string& path);

}
