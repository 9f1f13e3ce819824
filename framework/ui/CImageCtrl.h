#pragma once

#include "ImageComposition.h"

#include <cstdint>
#include <memory>
#include <span>

class CDialog;
class ImagePort;

// A dialog's image control, attached to its control by the exchange: shows
// a picture of RGBA pixels as ImageComposition.h draws it, or nothing.
class CImageCtrl {
public:
    CImageCtrl();
    ~CImageCtrl();
    CImageCtrl(const CImageCtrl&) = delete;
    CImageCtrl& operator=(const CImageCtrl&) = delete;

    // Takes over the dialog's image control with that id.
    void SubclassDlgItem(int id, CDialog* dialog);
    bool IsAttached() const { return m_port != nullptr; }

    // `rgba`: `width` x `height` pixels, four bytes each (red, green, blue,
    // alpha), row by row.
    void SetImage(int width, int height, std::span<const std::uint8_t> rgba);
    void Clear();
    // The whole factor the picture is shown at; 0 while there is none.
    int GetScale() const { return m_scale; }

private:
    // The backend's: the control's size, and the composed picture handed to
    // it, which keeps it to draw.
    void ClientSize(int* width, int* height) const;
    void Show(ComposedImage composed);

    int m_scale = 0;
    std::unique_ptr<ImagePort> m_port;
};
