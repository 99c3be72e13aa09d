#pragma once

namespace docbase {

// Exit statuses of the program; the README lists them for users.
enum ExitStatus : int {
  kExitCompleted = 0,    // a completed run, or an end the user chose
  kExitCannotGoOn = 1,   // no target site, a failed tool check, no input, a missing folder
  kExitSortFailed = 2,   // the external sort found its output out of order or ran out of files
  kExitWriteFailed = 3,  // a write failed (disk full, file size limit, I/O error)
  kExitInputEnded = 4,   // standard input ended where a choice was required
};

// Thrown to end the run; main turns it into the exit status. Everything the
// run wrote so far stays where it is.
struct RunEnd {
  int status = kExitCompleted;
};

}  // namespace docbase
