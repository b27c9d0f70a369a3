#pragma once
// Where the help window goes and how its web view fills it.
#include <optional>
#include <string>

namespace sl {

inline constexpr const char* kHelpPageName = "stacklinks.htm";

// "file:///" followed by the folder and the file name, the folder's text unchanged (blanks stay
// blanks). The folder's own leading "/" is not repeated: "/opt/my games/" gives
// "file:///opt/my games/stacklinks.htm".
std::string FileAddress(const std::string& folder, const std::string& fileName);

// The local path of a "file:///" address ("file:///opt/a b/x.htm" gives "/opt/a b/x.htm");
// nullopt for any other address.
std::optional<std::string> LocalPathOfAddress(const std::string& address);

// The web view's size for a help window of that size, all in twips: 120 narrower than the
// window, and 180 plus the view's top shorter. nullopt when either would be negative; the view
// then keeps its last size.
struct ViewSize {
  int width = 0;
  int height = 0;
};
std::optional<ViewSize> HelpViewSize(int windowWidth, int windowHeight, int viewTop);

}  // namespace sl
