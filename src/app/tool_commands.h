#pragma once
// The hidden maintenance buttons beyond the window's right edge: Randomize (Command17),
// randomize (Command1), RemoveDup (Command19), addpn (Command3), AddMeanIndex (Command14), which
// rework a file into a new one beside it, and DrawGrid (Command4). One tool runs at a time, on
// a worker thread: the status line shows its progress, its button reads "Stop" and stops it, and
// a message box tells how it ended.
#include <QObject>
#include <QString>

#include "generation/gui/list_tool_job.h"

namespace sl {

class BoxControl;
class Form1;

inline constexpr const char* kStopCaption = "Stop";

class ToolCommands : public QObject {
  Q_OBJECT

 public:
  explicit ToolCommands(Form1& form);

  // Starts the tool of that button on its source; while a tool runs, its own button stops it and
  // the others do nothing.
  void Run(ListTool tool, BoxControl& button);
  // Draws the empty grid again.
  void DrawGrid();

 Q_SIGNALS:
  // A tool has ended and its message box was closed.
  void ToolEnded();

 private:
  void Start(ListTool tool, BoxControl& button);
  std::string SourceOf(ListTool tool) const;
  void OnFinished(const ListToolResult& result);

  Form1& form_;
  ListToolJob job_;
  BoxControl* running_ = nullptr;  // the button of the running tool
  QString caption_;                // its caption while it reads "Stop"
};

}  // namespace sl
