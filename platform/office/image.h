// Pictures that documents embed: the kind and pixel size of a JPEG or PNG file, read
// from its header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::office {

struct ImageInfo {
  std::string ext;            // "jpeg" or "png"
  std::string mime;           // "image/jpeg" or "image/png"
  int width = 0, height = 0;  // pixels
  double dpi_x = 96, dpi_y = 96;
};

// nullopt when the bytes are not a well-formed JPEG or PNG header.
std::optional<ImageInfo> probe_image(std::string_view bytes);

}  // namespace orvane::office
