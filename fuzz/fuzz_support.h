#pragma once
// What every harness needs: a check that stops the run with a readable
// message (the fuzzer then keeps the input as a crash file), a scratch folder
// for the file loaders, and a C-literal form of an input for the message.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvane::fuzz {

// Prints where and why, then aborts so that libFuzzer records the input.
[[noreturn]] void Fail(const char* file, int line, const char* condition, const std::string& detail);

// The detail is built only when the check fails.
#define KOLVANE_FUZZ_CHECK(condition, detail)                                          \
  do {                                                                                 \
    if (!(condition)) ::kolvane::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
  } while (0)

// The bytes as a C string literal: printable ASCII as is, \r \n \t \" \\ by
// name, every other byte as a three-digit octal escape (which, unlike \x, can
// never swallow a following character).
std::string CLiteral(std::string_view bytes);

// Shortest text that reads back to exactly this double, for messages.
std::string Exact(double value);

// "nothing" or the exact value.
std::string Exact(const std::optional<double>& value);

// Same value and same sign of zero, or both empty.
bool SameBits(const std::optional<double>& a, const std::optional<double>& b);

// One folder per process under $TMPDIR (or /tmp), made on first use and
// removed when the process exits normally.
const std::string& ScratchFolder();

// Replaces the file's content with the bytes; aborts the run if it cannot.
void WriteFileBytes(const std::string& path, std::string_view bytes);

std::string ReadFileBytes(const std::string& path);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace kolvane::fuzz
