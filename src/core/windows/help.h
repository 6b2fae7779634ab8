// Help pages: each dialog's Help button opens the page of its context
// number in the desktop's browser.
#pragma once

class QWidget;

namespace vellumo {

// Opens help/<context>.html of the delivered help folder, or says that no
// help is installed for this topic.
void ShowHelpTopic(int context, QWidget* parent);

}  // namespace vellumo
