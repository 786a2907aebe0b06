// The library's own font configuration. It is the system's fontconfig configuration plus
// the folder of Debian's fonts-wine package, which holds metric-compatible Tahoma (regular
// and bold) and Marlett and which fontconfig does not scan by default. The configuration
// is private to the library: the process-wide one is left as it was.
//
// A face request resolves to an ordered list of font files: the best match for the
// requested family first (DejaVu Sans when the family is missing), then the files that
// cover characters the earlier ones lack, so that any script finds a face.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <fontconfig/fontconfig.h>

namespace wayband::platform::text {

// Where Debian's fonts-wine package installs its fonts.
inline constexpr const char* kWineFontFolder = "/usr/share/wine/fonts";
// fonts-wine's Tahoma Bold: the advances of Tahoma Bold over the stems of the regular face.
inline constexpr const char* kLightBoldFile = "tahomabd.ttf";
// The family every request falls back on.
inline constexpr const char* kFallbackFamily = "DejaVu Sans";

struct FaceRequest {
  std::string family;  // UTF-8
  int weight = 400;    // 1 to 1000, as the logical-font record counts weights
  bool italic = false;
};

// One font file of a resolved request, with the synthesis the configuration asks for when
// the file lacks the requested weight or slant.
struct FaceSource {
  std::string path;
  int index = 0;
  bool embolden = false;  // synthetic bold: outlines widened and advances grown
  // Outlines widened with the advances kept: for a bold file whose stems are those of its
  // regular face (fonts-wine's Tahoma Bold), so that it looks as heavy as it measures.
  bool heavierOutlines = false;
  // Outline transform (xx, xy, yx, yy); the identity unless a slant is synthesized.
  std::array<double, 4> transform{1.0, 0.0, 0.0, 1.0};
  std::shared_ptr<const FcCharSet> charset;

  bool Covers(char32_t codePoint) const;
  bool HasTransform() const;
};

class FontCatalog {
 public:
  static FontCatalog& Instance();

  // The files for a request, best first; only scalable outline fonts. Empty when the
  // configuration knows no usable font at all.
  std::vector<FaceSource> Resolve(const FaceRequest& request) const;

  FontCatalog(const FontCatalog&) = delete;
  FontCatalog& operator=(const FontCatalog&) = delete;
  ~FontCatalog();

 private:
  FontCatalog();

  FcConfig* config_;
};

}  // namespace wayband::platform::text
