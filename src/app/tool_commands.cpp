#include "app/tool_commands.h"

#include "app/form1.h"
#include "app/notices.h"
#include "common/files.h"
#include "puzzle/grid_drawing.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

struct ToolButton {
  BoxControl* Form1Widgets::*handle;
  ListTool tool;
};
constexpr ToolButton kToolButtons[] = {
    {&Form1Widgets::Command17, ListTool::Randomize},
    {&Form1Widgets::Command1, ListTool::NoDupRandomize},
    {&Form1Widgets::Command19, ListTool::RemoveDup},
    {&Form1Widgets::Command3, ListTool::Trim},
    {&Form1Widgets::Command14, ListTool::AddMeanIndex},
};

}  // namespace

ToolCommands::ToolCommands(Form1& form) : form_(form) {
  for (const ToolButton& def : kToolButtons) {
    BoxControl* button = form_.Controls().*def.handle;
    connect(button, &BoxControl::MouseUp, this, [this, tool = def.tool, button] {
      Run(tool, *button);
    });
  }
  connect(form_.Controls().Command4, &BoxControl::MouseUp, this, [this] { DrawGrid(); });
  connect(&job_, &ListToolJob::Progress, this,
          [this](const QString& text) { form_.SetStatus(text); });
  connect(&job_, &ListToolJob::Finished, this, &ToolCommands::OnFinished);
}

std::string ToolCommands::SourceOf(ListTool tool) const {
  if (tool == ListTool::AddMeanIndex) {
    return WithTrailingSeparator(CurrentFolder()) + kMeanIndexSource;
  }
  return form_.State().play.PuzzleFile;
}

void ToolCommands::Run(ListTool tool, BoxControl& button) {
  // While a tool runs its button reads "Stop".
  if (&button == running_) {
    form_.Run(GameCommand::StopListTool, [this] { job_.RequestCancel(); });
    return;
  }
  form_.Run(GameCommand::ListTool, [this, tool, &button] { Start(tool, button); });
}

void ToolCommands::Start(ListTool tool, BoxControl& button) {
  GameState& state = form_.State();
  const Meanings* meanings = nullptr;
  if (tool == ListTool::AddMeanIndex) {
    if (!state.clues || !state.clues->EnsureLoaded()) {
      Inform(form_, FromNativePath("The meanings file " + state.folders.MeaningsFile() +
                                   " cannot be read. Nothing was written."));
      return;
    }
    meanings = &state.meanings;
  }
  running_ = &button;
  caption_ = button.Caption();
  button.SetCaption(QString::fromLatin1(kStopCaption));
  form_.SetStatus(caption_ + QStringLiteral(" ..."));
  form_.SetBusyPointer(true);
  form_.Controller().Begin(Activity::ListTool);
  job_.Start(tool, SourceOf(tool), static_cast<uint32_t>(state.random.Engine()()), meanings);
}

void ToolCommands::OnFinished(const ListToolResult& result) {
  running_->SetCaption(caption_);
  running_ = nullptr;
  form_.SetBusyPointer(false);
  if (result.outcome == ListToolResult::Outcome::Cancelled) {
    form_.SetStatus(caption_ + QStringLiteral(" stopped"));
  } else {
    form_.SetStatus(QString());
    Inform(form_, FromNativePath(result.message));
  }
  form_.Controller().End();
  Q_EMIT ToolEnded();
}

void ToolCommands::DrawGrid() {
  form_.Run(GameCommand::DrawGrid,
            [this] { sl::DrawGrid(form_.Picture2().Drawing(), form_.Scene()); });
}

}  // namespace sl
