#pragma once
// What the user asked of a program: the window program applies and undoes,
// kovrena-cli also looks (status) and judges (check).
namespace kovrena::outcomes {

enum class Action { Status, Check, Apply, Undo };

}  // namespace kovrena::outcomes
