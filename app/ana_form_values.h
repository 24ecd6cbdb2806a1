#pragma once
// The values AnaForm keeps between events.
#include <string>

namespace kovrena::app {

struct AnaFormValues {
  std::string targetPath;   // written by program selection only
  std::string programName;  // the chosen file's name without its folder
  bool highlight = false;   // a picture button may show a non-normal picture
};

}  // namespace kovrena::app
