// The one compiled copy of the PNG encoder, which compresses with zlib:
// faster than the encoder's own deflate, and smaller files; and of the
// decoder, for PNG files alone.
#include <zlib.h>

#include <cstdlib>

namespace {

unsigned char* ZlibCompress(unsigned char* data, int length, int* compressedLength, int quality)
{
    uLongf size = compressBound(static_cast<uLong>(length));
    auto* out = static_cast<unsigned char*>(std::malloc(size));  // the encoder frees it
    if (out && compress2(out, &size, data, static_cast<uLong>(length), quality > 9 ? 9 : quality) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    *compressedLength = static_cast<int>(size);
    return out;
}

} // namespace

#define STBIW_ZLIB_COMPRESS ZlibCompress
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

// The decoder's functions stay within this file (others, the tests', may
// compile their own copy); the program reaches them through these.
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include "StbPng.h"

bool StbPngInfo(const unsigned char* png, int length, int* width, int* height)
{
    int channels = 0;
    return stbi_info_from_memory(png, length, width, height, &channels) != 0;
}

unsigned char* StbPngLoadRgba(const unsigned char* png, int length, int* width, int* height)
{
    int channels = 0;
    return stbi_load_from_memory(png, length, width, height, &channels, 4);
}

void StbPngFree(void* pixels)
{
    stbi_image_free(pixels);
}

const char* StbPngFailure()
{
    return stbi_failure_reason();
}
