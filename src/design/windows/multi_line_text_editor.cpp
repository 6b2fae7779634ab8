// The editor of a multi-line text's lines.
#include "design/windows/multi_line_text_editor.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "core/windows/dialog_buttons.h"
#include "design/windows/run_dialog.h"
#include "design/windows/screen_font.h"
#include "design/windows/text_edits.h"

namespace vellumo::design {

TMultiLineTextEditor::TMultiLineTextEditor(const TGMultiLineBaseLabel& label, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Multi-line Text Editor"));
  const QString text = TextOfLines(label.Items);
  limit_ = std::max(kMaxMultiLineText, static_cast<int>(text.size()));
  text_edit_ = new QPlainTextEdit(text, this);
  text_edit_->setFont(ScreenFont(label.Font));
  text_edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(text_edit_->document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { KeepWithinLimit(position, added); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_edit_);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);
}

void TMultiLineTextEditor::KeepWithinLimit(int position, int added) {
  const int excess = static_cast<int>(text_edit_->toPlainText().size()) - limit_;
  if (excess <= 0 || added <= 0) return;
  const int cut = std::min(excess, added);
  QTextCursor cursor(text_edit_->document());
  cursor.setPosition(position + added - cut);
  cursor.setPosition(position + added, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

void TMultiLineTextEditor::Apply(TGMultiLineBaseLabel& label) const { ReplaceLines(label, text_edit_->toPlainText()); }

bool TMultiLineTextEditor::Edit(TGMultiLineBaseLabel& label, QWidget* parent) { return RunDialog<TMultiLineTextEditor>(label, parent); }

}  // namespace vellumo::design
