#pragma once
// The SHA-256 digest that ties a result to the exact bytes of a file it read.
// Computed by OpenSSL's libcrypto, never by hand.

#include <string>
#include <string_view>

namespace kolvane {

// 64 lower-case hexadecimal digits, as sha256sum prints them.
std::string Sha256Hex(std::string_view bytes);

}  // namespace kolvane
