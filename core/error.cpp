#include "core/error.h"

#include <new>

namespace orvane {

Text standard_description(int32_t number) {
  switch (number) {
    case 3:
      return u"Return without GoSub";
    case 5:
      return u"Invalid procedure call or argument";
    case 6:
      return u"Overflow";
    case 7:
      return u"Out of memory";
    case 9:
      return u"Subscript out of range";
    case 11:
      return u"Division by zero";
    case 13:
      return u"Type mismatch";
    case 52:
      return u"Bad file name or number";
    case 53:
      return u"File not found";
    case 55:
      return u"File already open";
    case 57:
      return u"Device I/O error";
    case 58:
      return u"File already exists";
    case 61:
      return u"Disk full";
    case 62:
      return u"Input past end of file";
    case 70:
      return u"Permission denied";
    case 75:
      return u"Path/File access error";
    case 76:
      return u"Path not found";
    case 91:
      return u"Object variable or With block variable not set";
    case 94:
      return u"Invalid use of Null";
    case 424:
      return u"Object required";
    case 429:
      return u"ActiveX component can't create object";
    case 438:
      return u"Object doesn't support this property or method";
    case 440:
      return u"Automation error";
    case 448:
      return u"Named argument not found";
    case 449:
      return u"Argument not optional";
    case 450:
      return u"Wrong number of arguments or invalid property assignment";
    case 457:
      return u"This key is already associated with an element of this collection";
    default:
      return Text();
  }
}

VbError::VbError(int32_t number) : VbError(number, standard_description(number)) {}

VbError::VbError(int32_t number, Text description, Text source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {
  what_ = std::to_string(number_) + " - " + to_utf8(description_);
}

VbError current_error() {
  try {
    throw;
  } catch (const VbError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return VbError(err::kOutOfMemory);
  } catch (const std::exception& e) {
    return VbError(err::kInvalidCall, from_utf8(e.what()));
  } catch (...) {
    return VbError(err::kInvalidCall);
  }
}

}  // namespace orvane
