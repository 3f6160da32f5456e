#include "core/common/sha256.h"

#include <openssl/evp.h>

#include <array>
#include <stdexcept>

namespace kolvane {

std::string Sha256Hex(std::string_view bytes) {
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned int length = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &length, EVP_sha256(), nullptr) != 1)
    throw std::runtime_error("SHA-256 digest failed");
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * std::size_t{length});
  for (unsigned int n = 0; n < length; ++n) {
    text += kHex[digest[n] >> 4];
    text += kHex[digest[n] & 0x0f];
  }
  return text;
}

}  // namespace kolvane
