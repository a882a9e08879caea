#include "engine/picture_clip.h"

#include <QColor>

namespace mosaic {

void PictureClip::SetPicture(const QImage& picture) {
    picture_ = picture;
}

void PictureClip::SetClipSize(int width, int height) {
    clipWidth_ = width;
    clipHeight_ = height;
}

void PictureClip::SetStretch(int width, int height) {
    stretchWidth_ = width;
    stretchHeight_ = height;
}

void PictureClip::SetClipOrigin(int x, int y) {
    clipX_ = x;
    clipY_ = y;
}

QImage PictureClip::ClippedPicture() const {
    if (stretchWidth_ <= 0 || stretchHeight_ <= 0)
        return {};
    const QImage clip = picture_.copy(clipX_, clipY_, clipWidth_, clipHeight_);
    if (clip.isNull() || clipWidth_ <= 0 || clipHeight_ <= 0) {
        QImage blank(stretchWidth_, stretchHeight_, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        return blank;
    }
    return clip.scaled(stretchWidth_, stretchHeight_, Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation);
}

}  // namespace mosaic
