#pragma once

// The PNG decoder's calls, compiled once in StbImage.cpp.
bool StbPngInfo(const unsigned char* png, int length, int* width, int* height);
// 8-bit RGBA pixels, to be freed with StbPngFree; null when the file cannot be decoded.
unsigned char* StbPngLoadRgba(const unsigned char* png, int length, int* width, int* height);
void StbPngFree(void* pixels);
// Why the last call failed, in the decoder's few words.
const char* StbPngFailure();
