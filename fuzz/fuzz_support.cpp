#include "fuzz_support.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kolvane::fuzz {

void Fail(const char* file, int line, const char* condition, const std::string& detail) {
  std::fprintf(stderr, "\n%s:%d: check failed: %s\n  %s\n", file, line, condition, detail.c_str());
  std::fflush(stderr);
  std::abort();
}

std::string CLiteral(std::string_view bytes) {
  std::string text = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\r':
        text += "\\r";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\t':
        text += "\\t";
        break;
      case '"':
        text += "\\\"";
        break;
      case '\\':
        text += "\\\\";
        break;
      default:
        if (byte >= 0x20 && byte < 0x7f && c != '?') {  // '?' escaped: no trigraph can form
          text += c;
        } else {
          char octal[5];
          std::snprintf(octal, sizeof octal, "\\%03o", byte);
          text += octal;
        }
    }
  }
  return text + "\"";
}

std::string Exact(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string Exact(const std::optional<double>& value) { return value ? Exact(*value) : "nothing"; }

bool SameBits(const std::optional<double>& a, const std::optional<double>& b) {
  if (!a || !b) return !a && !b;
  return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

namespace {

struct Scratch {
  std::string Path;
  Scratch() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/kolvane-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) Fail(__FILE__, __LINE__, "mkdtemp", "cannot make a scratch folder: " + pattern);
    Path = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(Path, ignored);
  }
};

}  // namespace

const std::string& ScratchFolder() {
  static const Scratch kScratch;
  return kScratch.Path;
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) Fail(__FILE__, __LINE__, "fopen", "cannot write " + path);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  if (std::fclose(file) != 0 || !written) Fail(__FILE__, __LINE__, "fwrite", "cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kolvane::fuzz
