#include "headless/file_dialogs.h"

#include <utility>

namespace wayband::headless {

FileDialogScript::FileDialogScript()
    : previous_(host::SetOpenFileHandler([state = state_](const host::OpenFileRequest& request) {
        state->requests.push_back(request);
        if (state->choices.empty()) return std::optional<std::string>();
        std::optional<std::string> choice = std::move(state->choices.front());
        state->choices.pop_front();
        return choice;
      })) {}

FileDialogScript::~FileDialogScript() {
  host::SetOpenFileHandler(std::move(previous_));
}

}  // namespace wayband::headless
