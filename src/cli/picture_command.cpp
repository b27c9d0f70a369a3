// stacklinks-tool picture: the clipboard picture of one puzzle as a PNG file, at a screen's 15
// twips a pixel.
#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/offscreen_gui.h"
#include "cli/options.h"
#include "cli/shown_puzzle.h"
#include "common/files.h"
#include "output/render/sheet_picture.h"

namespace sl::cli {
namespace {

constexpr const char* kPictureUsage =
    "picture --file FILE --number N --png OUT [--meanings FILE]";
constexpr double kScreenTwipsPerPixel = 15;

int RunPicture(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(args,
                                                      {{"file", true, true},
                                                       {"number", true, true},
                                                       {"png", true, true},
                                                       {"meanings", true, false}},
                                                      error);
  if (!options) return UsageError(kPictureUsage, error);
  const std::string file = options->Value("file");
  const std::string png = options->Value("png");
  const std::optional<int32_t> number = ParsePositiveNumber(options->Value("number"));
  if (file.empty()) return UsageError(kPictureUsage, "--file needs a file name");
  if (png.empty()) return UsageError(kPictureUsage, "--png needs a file name");
  if (!number) return UsageError(kPictureUsage, "--number needs a whole number of 1 or more");

  int exitCode = kExitOk;
  std::optional<ShownPuzzle> shown =
      ReadShownPuzzle(file, *number, options->Value("meanings", DefaultMeaningsFile()), exitCode);
  if (!shown) return exitCode;

  SheetContent sheet;
  sheet.puzzle = std::move(shown->puzzle);
  sheet.number = *number;
  sheet.file = file;
  OffscreenGui gui;
  const QImage picture = SheetPicture(sheet, kScreenTwipsPerPixel);
  // Encoded first, then written whole: a failed write never leaves half a picture.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG") ||
      !ReplaceFileContents(png, bytes.toStdString())) {
    return Failure("cannot write " + png);
  }
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"picture", kPictureUsage,
     "0 picture written, 1 Error in reading puzzle or cannot write, 2 usage error, "
     "3 no puzzle N in FILE",
     &RunPicture});

}  // namespace
}  // namespace sl::cli
