// The label design window: its controls and what each does to the page.
#include "labels/windows/label_design_screen.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "core/text_codec.h"
#include "core/windows/help.h"
#include "core/windows/window_placement_ops.h"
#include "design/model/multi_line_label.h"
#include "design/model/symbol_label.h"
#include "design/model/text_font.h"
#include "design/model/text_label.h"
#include "design/screen_ppi.h"
#include "design/editor/editable_page.h"
#include "design/toolbar/design_tool_bar.h"
#include "design/view/page_view.h"
#include "design/windows/field_selection_box.h"
#include "design/windows/get_label_text.h"
#include "design/windows/multi_line_text_editor.h"
#include "design/windows/screen_font.h"
#include "design/windows/symbol_selector.h"
#include "labels/stock/stock_art.h"
#include "labels/stock/user_stock_form.h"
#include "labels/windows/label_design_rules.h"
#include "labels/windows/label_edit.h"
#include "labels/windows/label_font_settings.h"
#include "labels/windows/select_label.h"

namespace vellumo {
namespace {

using design::DesignIcon;
using design::TLPanelState;

const QString kWindowClass = QStringLiteral("TLabelDesignScreen");
const QString kUserLayoutCaption = QStringLiteral("User Defined Label Layout");
const QString kNewSetupMessage = QStringLiteral(
    "A new label has been created using the Avery 5160\rformat. To change to another label format, click on\r"
    "the Change Layout button.\r\rA Database Mailing Address object has already been \radded to the label.\r\r"
    "For additional assistance, click the Help button");
// The new set-up's address block keeps this far from the label's edges.
constexpr int kAddressInset = 5;

struct Tool {
  TLPanelState state;
  const char* hint;
  DesignIcon icon;
};
constexpr Tool kTools[] = {
    {TLPanelState::psPointing, "Selection tool", DesignIcon::kArrow},
    {TLPanelState::psLabel, "Text tool", DesignIcon::kText},
    {TLPanelState::psMultiLineLabel, "Multi-line text tool", DesignIcon::kMultiLineText},
    {TLPanelState::psCounterLabel, "Counter tool", DesignIcon::kCounter},
    {TLPanelState::psSymbolLabel, "Symbol tool", DesignIcon::kSymbol},
    {TLPanelState::psRectangle, "Rectangle tool", DesignIcon::kRectangle},
    {TLPanelState::psEllipse, "Ellipse tool", DesignIcon::kEllipse},
    {TLPanelState::psRoundRectangle, "Round Rectangle tool", DesignIcon::kRoundRect},
    {TLPanelState::psLine, "Line Tool", DesignIcon::kLine},
    {TLPanelState::psImage, "Clip Art Tool", DesignIcon::kPicture},
    {TLPanelState::psPostNetBarCode, "Postnet Barcode tool", DesignIcon::kPostnet},
    {TLPanelState::psIMBarCode, "Intelligent Mail Barcode tool", DesignIcon::kIntelligentMail},
    {TLPanelState::psDataLabel, "Database Field tool", DesignIcon::kField},
    {TLPanelState::psMultiLineDataLabel, "Database Memo Field tool", DesignIcon::kMemo},
    {TLPanelState::psAddressLabel, "Database Mailing Address tool", DesignIcon::kAddress},
};

void Tell(const QString& text) { ShowInformation(MessageLines(text)); }

// Sets a flag for the life of the scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = before_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool before_;
};

QPushButton* NewButton(const QString& text, QHBoxLayout* row) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  row->addWidget(button);
  return button;
}

}  // namespace

TLabelDesignScreen::Dialogs TLabelDesignScreen::StandardDialogs() {
  Dialogs dialogs;
  dialogs.text = [](design::TGPLabel& label, QWidget* parent) { return design::TGetLabelText::Edit(label, parent); };
  dialogs.symbol = [](design::TGSymbolLabel& symbol, QWidget* parent) {
    return design::TGetSymbol::Edit(symbol, parent);
  };
  dialogs.field = [](design::TGPDLabel& field, const std::vector<xbase::FieldDef>& fields, QWidget* parent) {
    return design::TFieldSelectionBox::Edit(field, fields, parent);
  };
  dialogs.multi_line = [](design::TGMultiLineLabel& text, QWidget* parent) {
    return design::TMultiLineTextEditor::Edit(text, parent);
  };
  dialogs.choose_layout = &TChooseLabelLayout::Ask;
  dialogs.pick_stock = &TSelectLabel::Pick;
  dialogs.edit_stock = &TLabelEdit::Edit;
  dialogs.choose_font = [](const QFont& current, QWidget* parent) -> std::optional<QFont> {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, current, parent);
    if (!ok) return std::nullopt;
    return chosen;
  };
  return dialogs;
}

TLabelDesignScreen::TLabelDesignScreen(design::TGLabelPanel* page, const Stock& stock, const QString& description,
                                       bool new_setup, LabelRecordNavigator* records, QWidget* parent,
                                       Dialogs dialogs)
    : QDialog(parent),
      page_(page),
      stock_(stock),
      description_(KeptDescription(description)),
      new_setup_(new_setup),
      records_(records),
      dialogs_(std::move(dialogs)),
      font_(ReadLabelDefaultFont()) {
  setWindowTitle(QStringLiteral("Label Design Screen"));
  setSizeGripEnabled(true);

  page_->Pointing = true;
  page_->DrawOutline = true;
  page_->GridSize = design::TGridSize::gs4x4;
  page_->ShowGrid = false;
  page_->SnapToGrid = false;
  page_->SetPanelState(TLPanelState::psPointing);
  page_->Font = design::StoredFontOf(font_, design::DefaultTextFont());
  if (records_) page_->SetRecord(&records_->Record());
  page_->SetDisplayDataValues(true);
  // Set before the view hooks in behind it.
  page_->LabelChangedEvent = [this] { PageChanged(); };
  page_->DroppedObjectEvent = [this](const QRect&) { ObjectDropped(); };

  auto* top = new QHBoxLayout;
  auto* description_label = new QLabel(QStringLiteral("Description:"));
  description_edit_ = new QLineEdit(description_);
  description_edit_->setMaxLength(kDescriptionTyped);
  description_label->setBuddy(description_edit_);
  top->addWidget(description_label);
  top->addWidget(description_edit_, 1);
  top->addSpacing(12);
  top->addWidget(new QLabel(QStringLiteral("Layout:")));
  template_type_ = new QLabel;
  template_type_->setObjectName(QStringLiteral("TemplateType"));
  top->addWidget(template_type_, 1);

  tools_ = new design::TDesignToolBar;
  BuildTools();

  view_ = new design::TPageView(page_);
  view_->setBackgroundRole(QPalette::Base);
  QPalette white = view_->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Window, Qt::white);
  view_->setPalette(white);
  view_->setAutoFillBackground(true);
  view_->Surface()->setMouseTracking(true);
  view_->Surface()->setFocusPolicy(Qt::StrongFocus);
  view_->Surface()->installEventFilter(this);
  view_->setMinimumSize(320, 160);
  editable_ = new design::TEditablePage(view_, this);
  if (records_) editable_->SetTableFields(records_->Fields());
  editable_->History().UndoAction()->setIcon(design::DesignToolIcon(DesignIcon::kUndo));
  editable_->History().RedoAction()->setIcon(design::DesignToolIcon(DesignIcon::kRedo));
  AddEditActions({editable_->History().UndoAction(), editable_->History().RedoAction()});

  auto* readout = new QHBoxLayout;
  font_button_ = new QPushButton(DefaultFontText(font_));
  font_button_->setAutoDefault(false);
  coordinate_left_ = new QLabel(LeftReadout(0));
  coordinate_left_->setObjectName(QStringLiteral("CoordinateLeft"));
  coordinate_top_ = new QLabel(TopReadout(0));
  coordinate_top_->setObjectName(QStringLiteral("CoordinateTop"));
  readout->addWidget(font_button_);
  readout->addStretch(1);
  readout->addWidget(coordinate_left_);
  readout->addSpacing(12);
  readout->addWidget(coordinate_top_);

  auto* bottom = new QHBoxLayout;
  const QString record_texts[4] = {QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"),
                                   QStringLiteral(">|")};
  const QString record_hints[4] = {QStringLiteral("First record"), QStringLiteral("Previous record"),
                                   QStringLiteral("Next record"), QStringLiteral("Last record")};
  for (int i = 0; i < 4; ++i) {
    record_buttons_[i] = NewButton(record_texts[i], bottom);
    record_buttons_[i]->setToolTip(record_hints[i]);
    record_buttons_[i]->setEnabled(records_ != nullptr);
    connect(record_buttons_[i], &QPushButton::clicked, this, [this, i] { MoveRecord(Move(i)); });
  }
  bottom->addStretch(1);
  save_ = NewButton(QStringLiteral("Save"), bottom);
  cancel_ = NewButton(QStringLiteral("Cancel"), bottom);
  change_layout_ = NewButton(QStringLiteral("Change Layout"), bottom);
  help_ = NewButton(QStringLiteral("Help"), bottom);
  save_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tools_);
  layout->addWidget(view_, 1);
  layout->addLayout(readout);
  layout->addLayout(bottom);

  connect(description_edit_, &QLineEdit::textChanged, this, [this](const QString& text) {
    description_ = KeptDescription(text);
    ShowSave();
  });
  connect(font_button_, &QPushButton::clicked, this, [this] { ChooseDefaultFont(); });
  connect(save_, &QPushButton::clicked, this, [this] { Save(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(change_layout_, &QPushButton::clicked, this, [this] { ChangeLayout(); });
  connect(help_, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });
  qApp->installEventFilter(this);
  view_->Surface()->setFocus();
}

TLabelDesignScreen::~TLabelDesignScreen() {
  qApp->removeEventFilter(this);
  // The history hands the page back the handlers it found, which call
  // into this window: it goes first, and the handlers are cleared after.
  delete editable_;
  page_->LabelChangedEvent = nullptr;
  page_->DroppedObjectEvent = nullptr;
  page_->Art = QImage();
  if (records_) page_->SetRecord(nullptr);
}

void TLabelDesignScreen::BuildTools() {
  for (const Tool& tool : kTools) tools_->AddTool(int(tool.state), QString::fromLatin1(tool.hint), tool.icon);
  tools_->ToolPicked = [this](int id) { ChooseTool(TLPanelState(id)); };
  tools_->addSeparator();
  show_grid_ = tools_->AddToggle(QStringLiteral("Show grid"), DesignIcon::kGrid);
  snap_to_grid_ = tools_->AddToggle(QStringLiteral("Snap to Grid"), DesignIcon::kSnap);
  show_art_ = tools_->AddToggle(QStringLiteral("Show art"), DesignIcon::kArt);
  field_names_ = tools_->AddToggle(QStringLiteral("Toggle display of field names or field values"),
                                   DesignIcon::kFieldNames);
  connect(show_grid_, &QAction::toggled, this, [this](bool on) {
    page_->ShowGrid = on;
    Repaint();
  });
  connect(snap_to_grid_, &QAction::toggled, this, [this](bool on) { page_->SnapToGrid = on; });
  connect(show_art_, &QAction::toggled, this, [this] { DrawArt(); });
  connect(field_names_, &QAction::toggled, this, [this](bool names) {
    const FlagScope quiet(quiet_);
    page_->SetDisplayDataValues(!names);
    Repaint();
  });

  tools_->addSeparator();
  const QString zoom_hint =
      QStringLiteral("Press plus (+) or minus (-) to \rincrease or decrease the zoom percentage").replace('\r', '\n');
  zoom_up_ = new QToolButton;
  zoom_up_->setArrowType(Qt::UpArrow);
  zoom_down_ = new QToolButton;
  zoom_down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {zoom_up_, zoom_down_}) {
    button->setToolTip(zoom_hint);
    button->setAutoRaise(true);
    tools_->addWidget(button);
  }
  zoom_caption_ = new QLabel(ZoomCaption(page_->Zoom()));
  zoom_caption_->setObjectName(QStringLiteral("ZoomCaption"));
  zoom_caption_->setToolTip(zoom_hint);
  zoom_caption_->setMinimumWidth(zoom_caption_->fontMetrics().horizontalAdvance(QStringLiteral("150%")) + 6);
  tools_->addWidget(zoom_caption_);
  connect(zoom_up_, &QToolButton::clicked, this, [this] { StepZoom(true); });
  connect(zoom_down_, &QToolButton::clicked, this, [this] { StepZoom(false); });
}

void TLabelDesignScreen::AddEditActions(const QList<QAction*>& actions) {
  QAction* first = tools_->actions().value(0);
  tools_->insertActions(first, actions);
  tools_->insertSeparator(first);
}

void TLabelDesignScreen::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (first_activation_) FirstActivation();
}

void TLabelDesignScreen::FirstActivation() {
  RestoreWindowPlacement(this, kWindowClass);
  FitPage();
  ShowTemplateType();
  EnableArt();
  first_activation_ = false;  // from now on changes show "Save"
  save_->hide();
  if (new_setup_) AddNewAddressBlock();
  // The design as it opened is where undoing stops.
  editable_->History().Reset();
}

void TLabelDesignScreen::AddNewAddressBlock() {
  const QSize size = page_->Size();
  page_->SetPanelState(TLPanelState::psAddressLabel);
  page_->CreateObjectInRect(
      QRect(kAddressInset, kAddressInset, size.width() - 2 * kAddressInset, size.height() - 2 * kAddressInset));
  BackToSelection();
  page_->SelectAll();
  Repaint();
  Tell(kNewSetupMessage);
}

void TLabelDesignScreen::FitPage() {
  page_->FitToStock(stock_.geometry);
  view_->PageChanged();
}

void TLabelDesignScreen::ShowTemplateType() { template_type_->setText(TemplateTypeText(stock_)); }

void TLabelDesignScreen::EnableArt() {
  const bool has_art = !stock_.art.empty();
  const QSignalBlocker quiet(show_art_);
  show_art_->setEnabled(has_art);
  show_art_->setChecked(has_art);
  DrawArt();
}

void TLabelDesignScreen::DrawArt() {
  if (show_art_->isChecked() && !stock_.art.empty()) {
    page_->Art = DrawStockArt(stock_.geometry, stock_.art);
  } else {
    page_->Art = QImage();
  }
  Repaint();
}

void TLabelDesignScreen::PageChanged() {
  if (!quiet_) ShowSave();
}

void TLabelDesignScreen::ShowSave() {
  if (!first_activation_) save_->show();
}

void TLabelDesignScreen::Repaint() { view_->Surface()->update(); }

void TLabelDesignScreen::StepZoom(bool up) {
  const std::optional<float> zoom = ZoomStep(page_->Zoom(), up);
  if (!zoom) return;
  const FlagScope quiet(quiet_);
  page_->ClearSelection();
  view_->SetZoom(*zoom);
  zoom_caption_->setText(ZoomCaption(page_->Zoom()));
}

void TLabelDesignScreen::ChooseTool(TLPanelState tool) {
  if (const std::optional<QString> refusal = NarrowLabelRefusal(tool, stock_.geometry.label_width)) {
    Tell(*refusal);
    BackToSelection();
    return;
  }
  page_->SetPanelState(tool);
  tools_->SetCurrent(int(tool));
}

void TLabelDesignScreen::BackToSelection() {
  page_->SetPanelState(TLPanelState::psPointing);
  tools_->SetCurrent(int(TLPanelState::psPointing));
}

void TLabelDesignScreen::ObjectDropped() {
  // The tool's object is the front-most one.
  if (!page_->Objects().empty()) EditDropped(*page_->Objects().back());
  BackToSelection();
}

void TLabelDesignScreen::EditDropped(design::TGGraphicControl& object) {
  bool changed = false;
  if (auto* text = dynamic_cast<design::TGPLabel*>(&object)) {
    changed = dialogs_.text(*text, this);
  } else if (auto* symbol = dynamic_cast<design::TGSymbolLabel*>(&object)) {
    changed = dialogs_.symbol(*symbol, this);
  } else if (auto* field = dynamic_cast<design::TGPDLabel*>(&object)) {
    changed = dialogs_.field(*field, records_ ? records_->Fields() : std::vector<xbase::FieldDef>(), this);
    if (changed) {
      page_->RefreshAllData();
      object.SizeToContent();
    }
  } else if (auto* lines = dynamic_cast<design::TGMultiLineLabel*>(&object)) {
    changed = dialogs_.multi_line(*lines, this);
    if (changed) lines->SizeToLines();
  }
  if (changed) page_->NotifyChanged();
}

void TLabelDesignScreen::MoveRecord(Move move) {
  if (!records_) return;
  const FlagScope quiet(quiet_);
  xbase::Status status;
  switch (move) {
    case Move::kFirst: status = records_->First(); break;
    case Move::kPrior: status = records_->Prior(); break;
    case Move::kNext: status = records_->Next(); break;
    case Move::kLast: status = records_->Last(); break;
  }
  if (!status.ok()) ShowInformation(WithReason(QStringLiteral("Unable to move to the record"), status));
  page_->RefreshAllData();
  if (move == Move::kFirst) {
    page_->ResetAllCounters();
  } else {
    page_->AdvanceAllCounters();
  }
  Repaint();
}

void TLabelDesignScreen::ChooseDefaultFont() {
  const std::optional<QFont> chosen = dialogs_.choose_font(font_, this);
  if (!chosen) return;
  font_ = *chosen;
  page_->Font = design::StoredFontOf(font_, design::DefaultTextFont());
  font_button_->setText(DefaultFontText(font_));
  WriteLabelDefaultFont(font_);
}

void TLabelDesignScreen::ChangeLayout() {
  const bool art_was_down = show_art_->isChecked();
  switch (dialogs_.choose_layout(this)) {
    case LabelLayoutChoice::kCancelled: return;
    case LabelLayoutChoice::kFromCatalogue: {
      const PickerStart start{FromTable(stock_.description), FromTable(stock_.printer), FromTable(stock_.maker),
                              FromTable(stock_.product_type), false};
      const std::optional<Stock> chosen = dialogs_.pick_stock(start, this);
      if (!chosen) return;
      stock_ = *chosen;
      FitPage();
      EnableArt();
      break;
    }
    case LabelLayoutChoice::kUserDefined: {
      const std::optional<StockGeometry> entered = dialogs_.edit_stock(stock_.geometry, kUserLayoutCaption, this);
      if (!entered) return;
      stock_ = UserDefinedStock(*entered);
      FitPage();
      EnableArt();
      break;
    }
  }
  ShowSave();
  page_->ClampObjects();
  if (art_was_down && show_art_->isEnabled()) {
    const QSignalBlocker quiet(show_art_);
    show_art_->setChecked(true);
    DrawArt();
  }
  ShowTemplateType();
  RemoveBarcodesTooWide(*page_, stock_.geometry.label_width);
  view_->PageChanged();
}

void TLabelDesignScreen::Save() {
  page_->DropOutsideObjects();
  saved_ = true;
  accept();
}

void TLabelDesignScreen::done(int result) {
  SaveWindowPlacement(this, kWindowClass);
  QDialog::done(result);
}

void TLabelDesignScreen::ShowPointer(QPoint units) {
  const design::TGHandle& frame = editable_->Editor().Frame();
  const QPoint shown = frame.Visible() ? frame.Bounds().topLeft() : units;
  coordinate_left_->setText(LeftReadout(shown.x()));
  coordinate_top_->setText(TopReadout(shown.y()));
}

bool TLabelDesignScreen::WindowKey(QKeyEvent* key) {
  QScrollBar* bar = view_->verticalScrollBar();
  if (key->type() == QEvent::KeyPress) {
    switch (key->key()) {
      case Qt::Key_PageUp: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); return true;
      case Qt::Key_PageDown: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); return true;
      case Qt::Key_Home: bar->setValue(bar->minimum()); return true;
      case Qt::Key_End: bar->setValue(bar->maximum()); return true;
      default: return false;
    }
  }
  if (key->type() == QEvent::KeyRelease && (key->modifiers() & Qt::KeypadModifier) && !key->isAutoRepeat()) {
    if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Minus) {
      StepZoom(key->key() == Qt::Key_Plus);
      return true;
    }
  }
  return false;
}

bool TLabelDesignScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->Surface() && event->type() == QEvent::MouseMove) {
    ShowPointer(page_->UnitsAt(static_cast<QMouseEvent*>(event)->position()));
  }
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() == this && widget == QApplication::focusWidget() &&
        widget != description_edit_ && WindowKey(static_cast<QKeyEvent*>(event))) {
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vellumo
