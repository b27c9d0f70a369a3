#pragma once
// Corrections of WordNet glosses, read from a commented text file: each line
//   wrong text|right text
// replaces the wrong text wherever a gloss holds it. "#" starts a comment; blank lines are
// skipped.
#include <string>
#include <utility>
#include <vector>

namespace sl::wordlists {

class GlossErrata {
 public:
  // False, with "path:line: what is wrong", when the file cannot be read or a line is not a
  // correction.
  bool Read(const std::string& path, std::string& error);
  bool Parse(const std::vector<std::string>& lines, const std::string& name, std::string& error);

  size_t Count() const { return corrections_.size(); }
  // The gloss with every correction made.
  std::string Corrected(std::string gloss) const;

 private:
  std::vector<std::pair<std::string, std::string>> corrections_;
};

}  // namespace sl::wordlists
