#pragma once
// Fast line-by-line reading of word files. A line ends at CR LF, a lone CR or a lone LF; a last
// line without a line end counts.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace sl {

// Called for every line: its first bytes (at most the scan's keep limit) and its full length,
// so very long lines need not be held in memory by callers that only want short ones.
using LineSink = std::function<void(std::string_view head, size_t length)>;

// Reads the file in blocks and calls sink for every line. False when the file cannot be opened
// (missing, a folder) or a read fails, or when cancel (if given) is set, which is looked at before
// every block; the lines before have been delivered.
bool ScanLines(const std::string& path, size_t keep, const LineSink& sink,
               const std::atomic<bool>* cancel = nullptr);

}  // namespace sl
