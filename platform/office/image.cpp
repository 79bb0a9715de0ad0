#include "platform/office/image.h"

#include <cstdint>

namespace orvane::office {

namespace {

uint32_t be32(std::string_view b, size_t at) {
  return (uint32_t(uint8_t(b[at])) << 24) | (uint32_t(uint8_t(b[at + 1])) << 16) |
         (uint32_t(uint8_t(b[at + 2])) << 8) | uint32_t(uint8_t(b[at + 3]));
}
uint16_t be16(std::string_view b, size_t at) {
  return static_cast<uint16_t>((uint8_t(b[at]) << 8) | uint8_t(b[at + 1]));
}

std::optional<ImageInfo> probe_png(std::string_view b) {
  if (b.size() < 33 || b.substr(0, 8) != std::string_view("\x89PNG\r\n\x1a\n", 8) ||
      b.substr(12, 4) != "IHDR")
    return std::nullopt;
  ImageInfo i{"png", "image/png", int(be32(b, 16)), int(be32(b, 20))};
  // pHYs (pixels per metre) gives the intended size when present.
  size_t at = 8;
  while (at + 12 <= b.size()) {
    uint32_t len = be32(b, at);
    std::string_view type = b.substr(at + 4, 4);
    if (type == "pHYs" && len >= 9 && at + 17 <= b.size() && b[at + 16] == 1) {
      double x = be32(b, at + 8), y = be32(b, at + 12);
      if (x > 0 && y > 0) i.dpi_x = x * 0.0254, i.dpi_y = y * 0.0254;
    }
    if (type == "IDAT" || type == "IEND" || len > b.size()) break;
    at += 12 + len;
  }
  return i;
}

std::optional<ImageInfo> probe_jpeg(std::string_view b) {
  if (b.size() < 4 || uint8_t(b[0]) != 0xFF || uint8_t(b[1]) != 0xD8) return std::nullopt;
  ImageInfo i{"jpeg", "image/jpeg", 0, 0};
  size_t at = 2;
  while (at + 4 <= b.size()) {
    if (uint8_t(b[at]) != 0xFF) return std::nullopt;
    uint8_t marker = uint8_t(b[at + 1]);
    if (marker == 0xFF) {
      ++at;
      continue;
    }
    if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
      at += 2;
      continue;
    }
    uint16_t len = be16(b, at + 2);
    if (len < 2 || at + 2 + len > b.size()) return std::nullopt;
    if (marker == 0xE0 && len >= 16 && b.substr(at + 4, 5) == std::string_view("JFIF\0", 5)) {
      uint8_t units = uint8_t(b[at + 11]);
      double x = be16(b, at + 12), y = be16(b, at + 14);
      if (units == 1 && x > 0 && y > 0) i.dpi_x = x, i.dpi_y = y;
      if (units == 2 && x > 0 && y > 0) i.dpi_x = x * 2.54, i.dpi_y = y * 2.54;
    }
    bool sof =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (sof && len >= 7) {
      i.height = be16(b, at + 5);
      i.width = be16(b, at + 7);
      if (i.width <= 0 || i.height <= 0) return std::nullopt;
      return i;
    }
    if (marker == 0xDA || marker == 0xD9) break;
    at += 2 + len;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ImageInfo> probe_image(std::string_view bytes) {
  if (auto p = probe_png(bytes)) {
    if (p->width > 0 && p->height > 0) return p;
    return std::nullopt;
  }
  return probe_jpeg(bytes);
}

}  // namespace orvane::office
