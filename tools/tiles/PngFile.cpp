#include "PngFile.h"

#include "PathParts.h"

#include <stb_image_write.h>

#include <fstream>
#include <vector>

namespace {

void Append(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    bytes->insert(bytes->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
}

} // namespace

bool WritePngFile(const std::string& path, const ArtImage& image, std::string& failure)
{
    // The encoder writes into memory, and the file is written here: the
    // path is UTF-8 on every platform, which the encoder's own file writing
    // would take in the system's code page on Windows.
    std::vector<unsigned char> png;
    if (!stbi_write_png_to_func(&Append, &png, image.width, image.height, kArtBytesPerPixel, image.rgba.data(),
                                image.width * kArtBytesPerPixel)) {
        failure = "the PNG encoder refused a picture of " + std::to_string(image.width) + " x " +
                  std::to_string(image.height);
        return false;
    }
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
        failure = "cannot write " + path;
        return false;
    }
    return true;
}
