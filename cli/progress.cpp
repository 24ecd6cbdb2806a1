#include "cli/progress.h"

#include <chrono>
#include <string>

#include "cli/report.h"
#include "cli/texts.h"

namespace kovrena::cli {

namespace {

// Often enough to look alive, seldom enough to cost nothing.
constexpr std::chrono::milliseconds kRedraw{100};

// The longest start of text with at most characters UTF-8 characters.
std::string_view cut(std::string_view text, std::size_t characters) {
  std::size_t taken = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (taken == characters) return text.substr(0, i);
    ++taken;
  }
  return text;
}

std::size_t characters(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

}  // namespace

bool WantsProgress(const Request& request, const Console& console) {
  return request.recursive && !request.quiet && !(request.json && console.outIsTerminal());
}

ProgressLine::ProgressLine(Console& console, bool wanted, Clock::duration after)
    : console_(console), wanted_(wanted), outIsTerminal_(wanted && console.outIsTerminal()),
      next_(Clock::now() + after) {}

// Results that go elsewhere leave the line where it is.
void ProgressLine::out(std::string_view text) {
  if (outIsTerminal_) hide();
  console_.out(text);
}

void ProgressLine::err(std::string_view text) {
  hide();
  console_.err(text);
}

void ProgressLine::show(std::size_t done, std::size_t found, std::string_view folder) {
  if (!wanted_) return;
  const Clock::time_point now = Clock::now();
  if (now < next_) return;
  next_ = now + kRedraw;
  // Read each time: the terminal may have been resized. Its last column is
  // left free, where some terminals wrap at once.
  const std::optional<std::size_t> width = console_.errLineWidth();
  if (!width || *width < 2) {
    wanted_ = false;
    return;
  }
  std::string whole = std::to_string(done);
  whole += " / ";
  whole += std::to_string(found);
  whole += text::kProgressPrograms;
  whole += PrintablePath(std::string(folder));
  const std::string_view line = cut(whole, *width - 1);
  const std::size_t length = characters(line);
  std::string drawn = "\r";
  drawn += line;
  // What is left of a longer line before goes under blanks.
  if (length < shown_) drawn.append(shown_ - length, ' ');
  shown_ = length;
  console_.err(drawn);
}

void ProgressLine::hide() {
  if (shown_ == 0) return;
  std::string blank(shown_ + 2, ' ');
  blank.front() = '\r';
  blank.back() = '\r';
  console_.err(blank);
  shown_ = 0;
}

}  // namespace kovrena::cli
