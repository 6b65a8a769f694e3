#pragma once

#include <stdexcept>

namespace huewright {

/// A text could not be converted between UTF-8 and code page 932. what() is UTF-8 and names the
/// offending character or bytes and where they stand.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace huewright
