// Hints to the system about large buffers.
#pragma once

#include <cstddef>

namespace orvane {

// Asks for the whole 2 MB pages inside a large buffer to be backed by huge pages where the
// system offers them on request: a text of tens of megabytes is then mapped in a few dozen
// steps instead of thousands, which is most of the cost of writing it the first time.
// Small buffers and systems without the feature are left alone.
void prefer_huge_pages(const void* data, size_t bytes);

}  // namespace orvane
