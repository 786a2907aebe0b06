#include "headless/icon_page_designer.h"

#include <utility>

#include "platform/host/message_box.h"

namespace wayband::headless {

IconPageDesigner::IconPageDesigner(HeadlessHost& host) : host_(host) {}

void IconPageDesigner::Select(proppage::DesignedControl control) {
  selected_ = std::move(control);
  page_.SelectionChanged();
}

void IconPageDesigner::Perform(const PageAction& action) {
  switch (action.kind) {
    case PageAction::Kind::kTypeKey:
      page_.SetItemText(proppage::kTxtKey, action.text);
      break;
    case PageAction::Kind::kBrowse:
    case PageAction::Kind::kCancelBrowse:
      host_.FileDialogs().ChooseNext(action.kind == PageAction::Kind::kBrowse
                                         ? std::optional<std::string>(action.text)
                                         : std::nullopt);
      page_.ClickButton(proppage::kCommand1);
      break;
    case PageAction::Kind::kClick:
      page_.ClickButton(action.text);
      break;
    case PageAction::Kind::kClickPreview:
      page_.ClickPicture(proppage::kPicture2, action.x * TwipsPerPixelX(), 0.0);
      break;
    case PageAction::Kind::kDeleteAll:
      host_.MessageBoxes().AnswerNext(action.confirm ? host::IDYES : host::IDNO);
      page_.ClickButton(proppage::kCommand2);
      break;
    case PageAction::Kind::kApply:
      page_.ApplyChanges();
      break;
    case PageAction::Kind::kClose:
      page_.Close();
      break;
  }
}

}  // namespace wayband::headless
