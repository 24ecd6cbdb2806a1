#pragma once
// The one line that tells a person at a terminal that a long run is still
// going: programs done and found so far, and the folder the walk is in.
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "cli/console.h"
#include "cli/request.h"

namespace kovrena::cli {

// Stands between the run and its console: whatever the run writes first
// clears the line, which shows again at the next show().
class ProgressLine final : public Console {
 public:
  using Clock = std::chrono::steady_clock;
  // wanted: the run asked for it and the console can show it.
  ProgressLine(Console& console, bool wanted, Clock::duration after);
  ~ProgressLine() override { hide(); }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  void out(std::string_view text) override;
  void err(std::string_view text) override;
  void flush() override { console_.flush(); }
  std::optional<std::string> outputFailure() const override { return console_.outputFailure(); }
  std::optional<std::size_t> errLineWidth() const override { return console_.errLineWidth(); }
  bool outIsTerminal() const override { return console_.outIsTerminal(); }
  std::unique_ptr<Spool> spool() override { return console_.spool(); }

  // Once the run has gone on for long enough, and then a few times a second.
  void show(std::size_t done, std::size_t found, std::string_view folder);
  void hide();

 private:
  Console& console_;
  bool wanted_;
  bool outIsTerminal_;  // standard output shares the screen
  Clock::time_point next_;   // when it may show (again)
  std::size_t shown_ = 0;    // characters on the terminal's last line
};

// Whether a run shows the line at all (the console still has its say):
// a recursive run, without --quiet, and never beside a JSON document on the
// same screen.
bool WantsProgress(const Request& request, const Console& console);

}  // namespace kovrena::cli
