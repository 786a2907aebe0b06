// CIconBytes::ImportFile: reads the file the way its route needs and hands it on.
#include <algorithm>
#include <string>

#include "imaging/icon_bytes.h"
#include "imaging/import/import_routes.h"
#include "imaging/import/picture_loader.h"

namespace wayband::imaging {
namespace {

constexpr size_t kExtensionChars = 3;

char AsciiUpper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

RouteChoice ChooseImportRoute(std::string_view path) {
  std::string last(path.substr(path.size() - std::min(path.size(), kExtensionChars)));
  for (char& c : last)
    c = AsciiUpper(c);
  if (last == "ICO") return {ImportRoute::kIconFile, BackgroundMatch::kExact};
  if (last == "PNG") return {ImportRoute::kPng, BackgroundMatch::kExact};
  if (last == "JPG") return {ImportRoute::kPicture, BackgroundMatch::kNear};
  return {ImportRoute::kPicture, BackgroundMatch::kExact};
}

void CIconBytes::ImportFile(const std::filesystem::path& path) {
  ClearPicture();
  const RouteChoice choice = ChooseImportRoute(path.string());
  switch (choice.route) {
    case ImportRoute::kIconFile: {
      CFileIcon file;
      file.LoadIconFile(path);
      ImportIconFileImages(file, *this);
      break;
    }
    case ImportRoute::kPng: {
      CPngDecoder decoder;
      decoder.Load(path);
      ImportPngImage(decoder, *this);
      break;
    }
    case ImportRoute::kPicture:
      ImportPictureImage(LoadPicture(path), choice.background, *this);
      break;
  }
}

}  // namespace wayband::imaging
