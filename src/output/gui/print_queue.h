#pragma once
// The print system's own word on a printer queue: whether it takes jobs, and whether the last
// job handed to it was taken. Printing asks before and after, so a refused job is never
// reported as printed.
#include <string>

namespace sl {

// Why the queue cannot take a job now ("the printer X is not accepting jobs"), or "" when it can.
std::string QueueRefusal(const std::string& printerName);

// The print system's error for the last request this thread made of it (the job just printed),
// or "" when that request succeeded.
std::string LastPrintSystemError();

}  // namespace sl
