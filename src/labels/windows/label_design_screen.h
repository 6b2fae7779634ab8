// TLabelDesignScreen ("Label Design Screen"): one label of a set-up laid
// out on a page the size and shape of its stock, with the drawing tools,
// grid and art toggles, zoom, a record preview, the set-up's description
// and its stock. The caller loads the design onto the page, shows the
// window modally and, when it was saved, takes back the description and
// the stock and writes them with the design.
#pragma once

#include <QDialog>
#include <QFont>
#include <QList>
#include <functional>
#include <optional>
#include <vector>

#include "design/model/data_panel.h"
#include "labels/stock/catalogue_picker.h"
#include "labels/stock/stock_record.h"
#include "labels/windows/choose_label_layout.h"
#include "labels/windows/label_record_navigator.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace vellumo::design {
class TDesignToolBar;
class TEditablePage;
class TGMultiLineLabel;
class TGPDLabel;
class TGPLabel;
class TGSymbolLabel;
class TPageView;
}  // namespace vellumo::design

namespace vellumo {

class TLabelDesignScreen : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1073;

  // The windows the design window opens; tests put in their own.
  struct Dialogs {
    // For an object just drawn; true when the user pressed "Ok".
    std::function<bool(design::TGPLabel&, QWidget*)> text;
    std::function<bool(design::TGSymbolLabel&, QWidget*)> symbol;
    std::function<bool(design::TGPDLabel&, const std::vector<xbase::FieldDef>&, QWidget*)> field;
    std::function<bool(design::TGMultiLineLabel&, QWidget*)> multi_line;
    // "Change Layout".
    std::function<LabelLayoutChoice(QWidget*)> choose_layout;
    std::function<std::optional<Stock>(const PickerStart&, QWidget*)> pick_stock;
    std::function<std::optional<StockGeometry>(const StockGeometry&, const QString&, QWidget*)> edit_stock;
    // The default-font button.
    std::function<std::optional<QFont>(const QFont&, QWidget*)> choose_font;
  };
  static Dialogs StandardDialogs();

  // `page` holds the set-up's design and must outlive the window; it is
  // bound to `records` (may be null: no preview) while the window is
  // open, and its LabelChangedEvent and DroppedObjectEvent are the
  // window's until it closes (they are left unset). The default font is
  // read from the settings here.
  TLabelDesignScreen(design::TGLabelPanel* page, const Stock& stock, const QString& description, bool new_setup,
                     LabelRecordNavigator* records, QWidget* parent = nullptr, Dialogs dialogs = StandardDialogs());
  ~TLabelDesignScreen() override;

  // ---- Results, for the caller after exec().
  [[nodiscard]] bool saved() const { return saved_; }
  // At most 50 characters.
  [[nodiscard]] const QString& description() const { return description_; }
  // The stock as it is now: Change Layout may have replaced it.
  [[nodiscard]] const Stock& stock() const { return stock_; }

  // ---- The page and its editing: mouse, keys, menus, undo.
  [[nodiscard]] design::TGLabelPanel* Page() const { return page_; }
  [[nodiscard]] design::TPageView* PageView() const { return view_; }
  [[nodiscard]] design::TDesignToolBar* ToolBar() const { return tools_; }
  [[nodiscard]] design::TEditablePage* Editing() const { return editable_; }

  // ---- What the user sees and uses.
  [[nodiscard]] bool set_up() const { return !first_activation_; }
  QLineEdit* description_edit() const { return description_edit_; }
  QLabel* template_type() const { return template_type_; }
  QPushButton* font_button() const { return font_button_; }
  QLabel* coordinate_left() const { return coordinate_left_; }
  QLabel* coordinate_top() const { return coordinate_top_; }
  QAction* show_grid() const { return show_grid_; }
  QAction* snap_to_grid() const { return snap_to_grid_; }
  QAction* show_art() const { return show_art_; }
  QAction* field_names() const { return field_names_; }
  QToolButton* zoom_up() const { return zoom_up_; }
  QToolButton* zoom_down() const { return zoom_down_; }
  QLabel* zoom_caption() const { return zoom_caption_; }
  QPushButton* first_record() const { return record_buttons_[0]; }
  QPushButton* prior_record() const { return record_buttons_[1]; }
  QPushButton* next_record() const { return record_buttons_[2]; }
  QPushButton* last_record() const { return record_buttons_[3]; }
  QPushButton* save_button() const { return save_; }
  QPushButton* cancel_button() const { return cancel_; }
  QPushButton* change_layout_button() const { return change_layout_; }
  QPushButton* help_button() const { return help_; }

  // One zoom step; nothing at the end of the range.
  void StepZoom(bool up);
  // The user chose a drawing tool (its PanelState).
  void ChooseTool(design::TLPanelState tool);
  void ChangeLayout();
  void Save();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Move { kFirst, kPrior, kNext, kLast };

  void BuildTools();
  // Puts the actions (undo, redo) at the front of the tool bar.
  void AddEditActions(const QList<QAction*>& actions);
  void FirstActivation();
  void AddNewAddressBlock();
  void FitPage();
  void ShowTemplateType();
  // "Show art" usable when the stock names art, and down with it.
  void EnableArt();
  void DrawArt();
  void PageChanged();
  void ShowSave();
  void ObjectDropped();
  void EditDropped(design::TGGraphicControl& object);
  void BackToSelection();
  void MoveRecord(Move move);
  void ChooseDefaultFont();
  void ShowPointer(QPoint units);
  // Page Up/Down, Home and End scroll; keypad plus and minus zoom on release.
  bool WindowKey(QKeyEvent* key);
  void Repaint();

  design::TGLabelPanel* page_;
  Stock stock_;
  QString description_;
  bool new_setup_;
  LabelRecordNavigator* records_;
  Dialogs dialogs_;
  QFont font_;
  bool saved_ = false;
  // True until the first activation ran: the page's changes before it
  // are the caller's loading, not the user's.
  bool first_activation_ = true;
  // Set while a zoom step, a record move or a display change runs: what
  // the page reports then is no change of the design.
  bool quiet_ = false;

  design::TPageView* view_ = nullptr;
  design::TEditablePage* editable_ = nullptr;
  design::TDesignToolBar* tools_ = nullptr;
  QLineEdit* description_edit_ = nullptr;
  QLabel* template_type_ = nullptr;
  QPushButton* font_button_ = nullptr;
  QLabel* coordinate_left_ = nullptr;
  QLabel* coordinate_top_ = nullptr;
  QAction* show_grid_ = nullptr;
  QAction* snap_to_grid_ = nullptr;
  QAction* show_art_ = nullptr;
  QAction* field_names_ = nullptr;
  QToolButton* zoom_up_ = nullptr;
  QToolButton* zoom_down_ = nullptr;
  QLabel* zoom_caption_ = nullptr;
  QPushButton* record_buttons_[4] = {};
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* change_layout_ = nullptr;
  QPushButton* help_ = nullptr;
};

}  // namespace vellumo
