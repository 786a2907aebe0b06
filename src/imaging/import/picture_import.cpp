// The picture route: BMP, GIF, JPG, CUR and any other extension, through the picture
// loader.
#include "imaging/dib24.h"
#include "imaging/dib32.h"
#include "imaging/icon_sizes.h"
#include "imaging/import/import_messages.h"
#include "imaging/import/import_routes.h"
#include "imaging/import/standard_size.h"
#include "imaging/import/surface_array.h"
#include "imaging/key_color.h"
#include "platform/device_caps.h"
#include "platform/host/picture_render.h"
#include "platform/round_half_even.h"

namespace wayband::imaging {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kTwipsPerInch = 1440.0;
constexpr int32_t kIgnoredWidth = 64;
constexpr int32_t kSmallSide = 16;

// HIMETRIC to screen pixels: round(himetric / 2540 x (1440 / twips per pixel)).
int32_t HimetricToPixels(int32_t himetric, int logicalPixelsIndex) {
  const int pixelsPerInch = platform::DesktopDeviceCaps(logicalPixelsIndex);
  if (pixelsPerInch <= 0) return 0;
  const double twipsPerPixel = kTwipsPerInch / pixelsPerInch;
  return static_cast<int32_t>(
      platform::RoundHalfEven(himetric / kHimetricPerInch * (kTwipsPerInch / twipsPerPixel)));
}

// The side of the square surface a picture of this size is drawn into: the 16 x 15 and
// 13 x 13 pictures of older icon sets go into 16 x 16 (their missing rows and columns stay
// transparent), other square pictures at their own size; 0 for a picture that is not
// square.
int32_t SurfaceSide(int32_t width, int32_t height) {
  if ((width == kSmallSide && height == kSmallSide - 1) || (width == 13 && height == 13))
    return kSmallSide;
  return width == height ? width : 0;
}

// Turns the background (every pixel of the top-left pixel's colour) into the key colour.
// A picture with transparent pixels (GIF, cursor) has told its background already: those
// pixels kept the key colour, and keying out the top-left pixel's colour as well would cut
// an opaque corner's colour out of the whole image.
void KeyOutPictureBackground(CDib32& surface, const Picture& picture, BackgroundMatch background) {
  if (picture.Transparent()) return;
  if (background == BackgroundMatch::kNear) {
    surface.KeyOutBackgroundNear();
  } else {
    surface.KeyOutBackground();
  }
}

// Whether the picture's pixels were stored.
bool StorePicture(const Picture& picture, int32_t width, int32_t height, int32_t side,
                  BackgroundMatch background, CIconBytes& icon) {
  CDib32 surface;
  if (!surface.Create(side, side)) return false;
  surface.Clear(kKeyColor);
  platform::RenderPicture(picture, *surface.hDC(), 0, 0, width, height);
  KeyOutPictureBackground(surface, picture, background);
  if (side == kSmallSide) {
    icon.SetBytes(IconSizeIndex(kSmallSide), kKind24Bit, SurfaceToArray(surface, kChannels24Bit));
    return true;
  }
  CDib24 colours;
  if (!colours.Create(side, side)) return false;
  colours.LoadFromDC(surface.hDC());
  const int32_t size = SnapToStandardSize(side);
  const CDib24 resampled = colours.Resample(size, size, kKeyColor);
  if (!resampled.IsCreated()) return false;
  icon.SetBytes(IconSizeIndex(size), kKind24Bit, SurfaceToArray(resampled, kChannels24Bit));
  return true;
}

}  // namespace

// A picture that stores nothing (refused, or too large for a surface) is not held by the
// icon either: the icon would otherwise draw a picture it never took.
void ImportPictureImage(const std::shared_ptr<const Picture>& picture, BackgroundMatch background,
                        CIconBytes& icon) {
  if (!picture) return;
  const int32_t width = HimetricToPixels(picture->Width(), platform::LOGPIXELSX);
  const int32_t height = HimetricToPixels(picture->Height(), platform::LOGPIXELSY);
  if (width == kIgnoredWidth) return;
  const int32_t side = SurfaceSide(width, height);
  if (side == 0) {
    host::MessageBox(kPictureNotSquareText, kPictureNotSquareTitle, kImportMessageFlags);
    return;
  }
  if (StorePicture(*picture, width, height, side, background, icon)) icon.SetPicture(picture);
}

}  // namespace wayband::imaging
