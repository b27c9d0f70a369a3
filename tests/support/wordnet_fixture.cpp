#include "support/wordnet_fixture.h"

namespace sl::test {

std::string WriteWordNet(const TempFolder& folder,
                         const std::map<std::string, std::vector<std::string>>& files) {
  std::map<std::string, std::vector<std::string>> all = files;
  for (const char* name : {"index.noun", "data.noun", "index.verb", "data.verb", "index.adj",
                           "data.adj", "index.adv", "data.adv", "cntlist.rev", "noun.exc", "verb.exc",
                           "adj.exc", "adv.exc"}) {
    all.emplace(name, std::vector<std::string>{});
  }
  for (const auto& [name, lines] : all) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    folder.Write(name, text);
  }
  return folder.Path();
}

std::map<std::string, std::vector<std::string>> SmallWordNet() {
  const char* licence = "  1 This software and database is being provided to you, the LICENSEE, by";
  return {
      {"data.noun",
       {licence, "00000100 10 n 02 obscenity 0 vulgarism 0 000 | an offensive or indecent word",
        "00000200 10 n 01 disparagement 0 000 | the act of speaking contemptuously of",
        "00000300 18 n 01 architect 0 000 | someone who creates plans for buildings",
        "00000400 18 n 03 Chambers 0 William_Chambers 0 Sir_William_Chambers 0 001 "
        "@i 00000300 n 0000 | English architect (1723-1796)",
        "00000500 06 n 01 chamber 0 000 | a natural or artificial enclosed space",
        "00000600 18 n 02 dumbbell 0 dummy 0 001 ;u 00000200 n 0000 | a stupid person",
        "00000700 06 n 01 dumbbell 0 000 | an exercising weight; two spheres joined by a bar",
        "00000800 04 n 01 tapestry 0 000 | a wall hanging of heavy handwoven fabric",
        "00000900 04 n 02 tapestry 0 arras 0 001 ;u 00000100 n 0000 | vulgar talk"}},
      {"index.noun",
       {licence, "architect n 1 0 1 0 00000300", "chambers n 1 1 @ 1 0 00000400",
        "chamber n 1 0 1 0 00000500", "dumbbell n 2 1 ; 2 0 00000600 00000700",
        "tapestry n 2 1 ; 2 0 00000800 00000900"}},
      {"data.adv",
       {"00000100 02 r 02 frugally 0 sparingly 0 000 | in a frugal manner; \"they lived frugally\""}},
      {"index.adv", {"frugally r 1 0 1 0 00000100"}},
      {"cntlist.rev", {"dumbbell%1:18:00:: 1 7", "tapestry%1:04:00:: 1 3"}},
  };
}

}  // namespace sl::test
