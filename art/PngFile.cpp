#include "PngFile.h"

#include "ArtDecoder.h"
#include "CFile.h"
#include "PathParts.h"
#include "StbPng.h"

#include <stb_image_write.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
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

bool DecodePng(std::span<const std::uint8_t> png, ArtImage& image, std::string& failure)
{
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < sizeof kSignature || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) {
        failure = "not a PNG file";
        return false;
    }
    // Every chunk must lie within the file: the decoder takes a chunk's
    // claimed length as the room to make for it, however short the file.
    for (std::size_t at = sizeof kSignature; at + 8 <= png.size();) {
        const std::uint32_t chunk = std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 |
                                    std::uint32_t{png[at + 2]} << 8 | png[at + 3];
        if (chunk > png.size() - at - 8) {
            failure = "not a readable PNG file (a chunk claims " + std::to_string(chunk) + " bytes past its end)";
            return false;
        }
        at += std::size_t{12} + chunk;  // length, type, data, checksum
    }
    const auto length = static_cast<int>(std::min<std::size_t>(png.size(), INT32_MAX));
    int width = 0, height = 0;
    // The header's size is checked before any pixel is decoded: a file
    // claiming a huge picture would otherwise have it allocated.
    if (!StbPngInfo(png.data(), length, &width, &height)) {
        failure = std::string("not a readable PNG file (") + StbPngFailure() + ")";
        return false;
    }
    if (width > kMaxStaticArtSide || height > kMaxStaticArtSide) {
        failure = "the picture is " + std::to_string(width) + " x " + std::to_string(height) + ", larger than " +
                  std::to_string(kMaxStaticArtSide) + " x " + std::to_string(kMaxStaticArtSide);
        return false;
    }
    const std::unique_ptr<unsigned char, void (*)(void*)> pixels(StbPngLoadRgba(png.data(), length, &width, &height),
                                                                 &StbPngFree);
    if (!pixels) {
        failure = std::string("not a readable PNG file (") + StbPngFailure() + ")";
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(width) * height * kArtBytesPerPixel;
    image = {width, height, std::vector<std::uint8_t>(pixels.get(), pixels.get() + size)};
    return true;
}

namespace {

// "cannot be read (Input/output error)": what failed, and the system's words.
std::string WhatFailed(const char* what, const CFileException& error)
{
    const std::string reason = error.GetSystemReason();
    return reason.empty() ? what : what + (" (" + reason + ")");
}

} // namespace

bool ReadPngFile(const std::string& path, ArtImage& image, std::string& failure)
{
    // A PNG of the largest picture art takes is a few megabytes at most.
    constexpr std::uint64_t kMostPngBytes = 64u << 20;
    std::vector<std::uint8_t> bytes;
    try {
        CFile file;
        CFileException cause;
        if (!file.Open(path, CFile::modeRead | CFile::typeBinary, &cause)) {
            failure = WhatFailed("cannot be opened", cause);
            return false;
        }
        const std::uint64_t size = file.GetLength();
        if (size > kMostPngBytes) {
            failure = "is " + std::to_string(size) + " bytes, more than any picture's PNG file takes";
            return false;
        }
        bytes.resize(static_cast<std::size_t>(size));
        bytes.resize(file.Read(bytes.data(), static_cast<std::uint32_t>(size)));
        file.Close();
    } catch (const CFileException& error) {
        failure = WhatFailed("cannot be read", error);
        return false;
    }
    return DecodePng(bytes, image, failure);
}
