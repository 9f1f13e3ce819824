#include "Inflate.h"

#include <zlib.h>

std::optional<std::string> Inflate(std::span<const std::uint8_t> stored, std::uint32_t size,
                                   std::vector<std::uint8_t>& out)
{
    // One byte more than asked for, so that data longer than its size shows.
    out.resize(std::size_t{size} + 1);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return "zlib cannot start inflating";
    stream.next_in = const_cast<Bytef*>(stored.data());
    stream.avail_in = static_cast<uInt>(stored.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream, Z_FINISH);
    const std::string message = stream.msg ? stream.msg : "";
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    out.resize(produced);
    if (status == Z_STREAM_END && produced == size)
        return std::nullopt;
    if (status == Z_DATA_ERROR || status == Z_NEED_DICT)
        return "the compressed data is not zlib data (" + (message.empty() ? std::string("bad data") : message) + ")";
    if (produced > size)
        return "the compressed data inflates to more than " + std::to_string(size) + " bytes";
    if (status == Z_STREAM_END)
        return "the compressed data inflates to " + std::to_string(produced) + " bytes, not " + std::to_string(size);
    return "the compressed data is cut short";
}
