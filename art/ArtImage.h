#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A decoded picture: `width` x `height` pixels, row by row, four bytes a
// pixel in the order red, green, blue, alpha. A pixel the game draws
// nothing at is (0, 0, 0, 0).
struct ArtImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};
inline constexpr int kArtBytesPerPixel = 4;

// What asking for one art index comes to.
struct ArtResult {
    enum class Kind {
        kImage,    // `image` holds the picture
        kNoArt,    // the art names no picture for it
        kDamaged,  // the bytes cannot be a picture: `reason` tells why
    };
    Kind kind = Kind::kNoArt;
    ArtImage image;
    std::string reason;

    static ArtResult Image(ArtImage image) { return {Kind::kImage, std::move(image), {}}; }
    static ArtResult NoArt() { return {}; }
    static ArtResult Damaged(std::string reason) { return {Kind::kDamaged, {}, std::move(reason)}; }
};

// A result used again set to what NoArt() or Damaged(reason) gives, its
// buffers kept for the next picture.
inline void SetArtNoArt(ArtResult& result)
{
    result.kind = ArtResult::Kind::kNoArt;
    result.image.width = result.image.height = 0;
    result.image.rgba.clear();
    result.reason.clear();
}

inline void SetArtDamaged(ArtResult& result, const std::string& reason)
{
    SetArtNoArt(result);
    result.kind = ArtResult::Kind::kDamaged;
    result.reason = reason;
}
