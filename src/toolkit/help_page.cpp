#include "toolkit/help_page.h"

namespace sl {
namespace {

constexpr const char* kFileScheme = "file:///";
constexpr int kViewWidthAllowance = 120;
constexpr int kViewHeightAllowance = 180;

}  // namespace

std::string FileAddress(const std::string& folder, const std::string& fileName) {
  const bool rooted = !folder.empty() && folder.front() == '/';
  return kFileScheme + folder.substr(rooted ? 1 : 0) + fileName;
}

std::optional<std::string> LocalPathOfAddress(const std::string& address) {
  const std::string scheme = kFileScheme;
  if (address.compare(0, scheme.size(), scheme) != 0) return std::nullopt;
  return "/" + address.substr(scheme.size());
}

std::optional<ViewSize> HelpViewSize(int windowWidth, int windowHeight, int viewTop) {
  const ViewSize size{windowWidth - kViewWidthAllowance,
                      windowHeight - kViewHeightAllowance - viewTop};
  if (size.width < 0 || size.height < 0) return std::nullopt;
  return size;
}

}  // namespace sl
