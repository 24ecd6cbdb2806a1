#pragma once
// Where the command line's words go. Text is UTF-8 with '\n' line ends;
// the platform turns it into what its terminal or pipe expects.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/error.h"

namespace kovrena::cli {

// Words put aside until they may be written: a file no one else sees, gone
// with the run however it ends, so that what waits takes no memory.
class Spool {
 public:
  virtual ~Spool() = default;
  // Takes all of text, or none of it and says why.
  virtual Status write(std::string_view text) = 0;
  // Hands everything written back, from the start, piece by piece.
  virtual Status replay(const std::function<void(std::string_view)>& take) = 0;
};

class Console {
 public:
  virtual ~Console() = default;
  virtual void out(std::string_view text) = 0;  // results
  virtual void err(std::string_view text) = 0;  // failures and usage errors
  // What out() was given is written now, where it was gathered: the changes
  // it tells of are on the disk, and a run killed next must not lose word
  // of them.
  virtual void flush() {}
  // Why results given to out() were lost (standard output closed, a full
  // disk), once any were; the run then fails, whatever else it did.
  virtual std::optional<std::string> outputFailure() const { return std::nullopt; }
  // Standard error's width in characters, where it is a terminal that can
  // rewrite its last line ('\r' goes back to its start); nothing otherwise.
  virtual std::optional<std::size_t> errLineWidth() const { return std::nullopt; }
  virtual bool outIsTerminal() const { return false; }
  // Nothing where none can be had: what waits then waits in memory.
  virtual std::unique_ptr<Spool> spool() { return nullptr; }
};

}  // namespace kovrena::cli
