// The one compiled copy of the PNG encoder, which compresses with zlib:
// faster than the encoder's own deflate, and smaller files.
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
