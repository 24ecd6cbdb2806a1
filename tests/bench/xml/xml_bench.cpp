// How reading a hostile manifest grows with its size: one element with n
// attributes, n elements under the root, n namespace declarations looked
// up through n children. Prints the time of each size and its ratio to the
// size before; linear work doubles when n doubles.
#include <chrono>
#include <cstdio>
#include <string>

#include "program/manifest_check.h"
#include "program/xml.h"

namespace {

using kovrena::program::ManifestArchitecture;

std::string manyAttributes(std::size_t n) {
  std::string text = "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"";
  for (std::size_t i = 0; i < n; ++i) text += " a" + std::to_string(i) + "=\"x\"";
  return text + "/>";
}

std::string manyChildrenUnderAWideRoot(std::size_t n) {
  std::string text = "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"";
  for (std::size_t i = 0; i < n; ++i) text += " xmlns:p" + std::to_string(i) + "=\"u\"";
  text += ">";
  for (std::size_t i = 0; i < n; ++i) text += "<q:dependency/>";
  return text + "</assembly>";
}

double secondsToRead(const std::string& text) {
  const auto start = std::chrono::steady_clock::now();
  const auto reading = kovrena::program::ReadManifest(text, ManifestArchitecture::X86, 0x14c);
  const auto end = std::chrono::steady_clock::now();
  if (reading.problem == kovrena::program::ManifestProblem::Empty) std::printf("?");
  return std::chrono::duration<double>(end - start).count();
}

void grow(const char* label, std::string (*make)(std::size_t), std::size_t from, std::size_t to) {
  std::printf("%s\n", label);
  double before = 0;
  for (std::size_t n = from; n <= to; n *= 2) {
    const std::string text = make(n);
    const double seconds = secondsToRead(text);
    if (before > 0) {
      std::printf("  n=%6zu %8zu bytes %9.4f s  x%.2f\n", n, text.size(), seconds, seconds / before);
    } else {
      std::printf("  n=%6zu %8zu bytes %9.4f s\n", n, text.size(), seconds);
    }
    before = seconds;
  }
}

}  // namespace

int main() {
  // Sizes up to the largest document read.
  grow("attributes on one element", manyAttributes, 5000, 80000);
  grow("children under a root of many namespace declarations", manyChildrenUnderAWideRoot, 2000, 32000);
  const std::string huge(kovrena::program::kLargestXml + 1, ' ');
  std::printf("over %zu bytes: %.6f s, not read\n", kovrena::program::kLargestXml, secondsToRead(huge));
  return 0;
}
