#pragma once
#include <optional>
#include <string>

#include "cli/console.h"

namespace kovrena::cli::posix {

// Standard output and standard error. On a terminal both are written
// straight through; standard output to a pipe or a file is gathered into
// pieces of 64 KiB, which go before anything on standard error, so that
// the two streams keep their order there too. Made before the run opens any
// file: a standard stream that is closed is taken by /dev/null, so that no
// file the run opens gets its number and the run's words; output to a closed
// standard output is lost, and said so.
class PosixConsole final : public Console {
 public:
  PosixConsole();
  ~PosixConsole() override;
  PosixConsole(const PosixConsole&) = delete;
  PosixConsole& operator=(const PosixConsole&) = delete;
  void out(std::string_view text) override;
  void err(std::string_view text) override;
  void flush() override { flushOut(); }
  std::optional<std::string> outputFailure() const override;
  std::optional<std::size_t> errLineWidth() const override;
  bool outIsTerminal() const override;
  // A file without a name in $TMPDIR (or /tmp): it goes when the run ends,
  // however it ends.
  std::unique_ptr<Spool> spool() override;

 private:
  void writeOut(std::string_view text) const;
  void flushOut() const;

  // What waits for standard output; written out by the const question of
  // its failure too, which is asked when the run is over.
  mutable std::string waiting_;
  mutable std::optional<std::string> outFailure_;
  bool outClosed_ = false;
  bool outGathered_ = false;
};

}  // namespace kovrena::cli::posix
