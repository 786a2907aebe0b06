// The headless host's open-file dialogs: each request is kept and answered with the next
// scripted choice (a path, or a cancel); a dialog nothing was scripted for is cancelled.
// The script is the process's open-file handler for its lifetime and puts back the one
// before it.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/open_file_dialog.h"

namespace wayband::headless {

class FileDialogScript {
 public:
  FileDialogScript();
  ~FileDialogScript();
  FileDialogScript(const FileDialogScript&) = delete;
  FileDialogScript& operator=(const FileDialogScript&) = delete;

  // The next dialog returns `path`, or is cancelled for nothing; choices queue up.
  void ChooseNext(std::optional<std::string> path) { state_->choices.push_back(std::move(path)); }
  // Every dialog asked for, oldest first.
  const std::vector<host::OpenFileRequest>& Requests() const { return state_->requests; }

 private:
  struct State {
    std::deque<std::optional<std::string>> choices;
    std::vector<host::OpenFileRequest> requests;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
  host::OpenFileHandler previous_;
};

}  // namespace wayband::headless
