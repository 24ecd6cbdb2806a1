#pragma once
// Making a change again with full rights, after the system's consent
// prompt, through the helper program beside this one.
#include <string>
#include <vector>

#include "platform/error.h"

namespace kovrena {

enum class ElevatedRun {
  Ended,    // the helper ran with full rights and has ended
  Refused,  // the user said no to the consent prompt: nothing ran
};

class Elevation {
 public:
  virtual ~Elevation() = default;
  // Whether the helper is where it is looked for.
  virtual bool helperPresent() = 0;
  // Starts the helper with full rights on these arguments (UTF-8, one
  // argument each, however they are spelled) and waits until it ends. A
  // failure: it could not be started.
  virtual Result<ElevatedRun> run(const std::vector<std::string>& arguments) = 0;
};

}  // namespace kovrena
