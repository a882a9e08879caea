#pragma once

#include <QImage>

namespace mosaic {

// Holds the source picture and hands out rectangles of it, each stretched to
// a requested size in pixels. Every setting keeps its value until set again.
class PictureClip {
public:
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    int Width() const { return picture_.width(); }
    int Height() const { return picture_.height(); }

    void SetClipSize(int width, int height);
    void SetStretch(int width, int height);
    void SetClipOrigin(int x, int y);

    // A picture of exactly the stretch size showing the clip rectangle, scaled
    // on each axis by itself. An empty clip gives a blank picture.
    QImage ClippedPicture() const;

private:
    QImage picture_;
    int clipX_ = 0;
    int clipY_ = 0;
    int clipWidth_ = 0;
    int clipHeight_ = 0;
    int stretchWidth_ = 0;
    int stretchHeight_ = 0;
};

}  // namespace mosaic
