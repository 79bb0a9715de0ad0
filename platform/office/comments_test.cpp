#include "platform/office/comments.h"

#include <gtest/gtest.h>

namespace orvane::office {
namespace {}  // namespace
}  // namespace orvane::office
