// The label design window as a user drives it: a new set-up, zoom, the
// description, layout changes, the barcode width rules, field names, the
// record preview, the default font, dropped objects, and what Save and
// Cancel hand back. Dialogs are replaced by recorders.
#include "labels/windows/label_design_screen.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "address_stock.h"
#include "core/application_home.h"
#include "core/settings_file.h"
#include "core/window_placement.h"
#include "design/model/counter_label.h"
#include "design/model/label_shapes.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "design/toolbar/design_tool_bar.h"
#include "design/commands/design_history.h"
#include "design/editor/editable_page.h"
#include "design/view/page_view.h"
#include "labels/windows/label_design_rules.h"
#include "test_home.h"

namespace vellumo {
namespace {

using design::TLPanelState;

class FakeRecords final : public LabelRecordNavigator {
 public:
  xbase::Status First() override { return Moved("first"); }
  xbase::Status Prior() override { return Moved("prior"); }
  xbase::Status Next() override { return Moved("next"); }
  xbase::Status Last() override { return Moved("last"); }
  const design::RecordSource& Record() const override { return record; }
  std::vector<xbase::FieldDef> Fields() const override { return {}; }

  design::MapRecordSource record;
  QStringList moves;

 private:
  xbase::Status Moved(const char* move) {
    moves << move;
    return xbase::Status::OK();
  }
};

Stock DefaultStock() {
  Stock stock;
  stock.description = "Avery 5160  Address";
  stock.printer = "LJ";
  stock.maker = "AVERY";
  stock.product_type = "ADDRESS/SHIPPING LABELS";
  stock.geometry = AddressStock();
  return stock;
}

Stock StockOfWidth(double width, const char* name) {
  Stock stock = DefaultStock();
  stock.description = name;
  stock.geometry.label_width = width;
  stock.geometry.horizontal_pitch = width + 0.125;
  return stock;
}

class LabelDesignScreenTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    records_.record.SetField("LNAME", "Smith");
    records_.record.SetLabel("Last Name", "LNAME");
    dialogs_.text = [this](design::TGPLabel&, QWidget*) { return Opened("text"); };
    dialogs_.symbol = [this](design::TGSymbolLabel&, QWidget*) { return Opened("symbol"); };
    dialogs_.field = [this](design::TGPDLabel& field, const std::vector<xbase::FieldDef>&, QWidget*) {
      field.DataFieldName = "LNAME";
      field.DataFieldDescript = "Last Name";
      return Opened("field");
    };
    dialogs_.multi_line = [this](design::TGMultiLineLabel& text, QWidget*) {
      text.Items = {"one", "two", "three"};
      return Opened("multi-line");
    };
    dialogs_.choose_layout = [this](QWidget*) {
      opened_ << "layout";
      return layout_choice_;
    };
    dialogs_.pick_stock = [this](const PickerStart& start, QWidget*) {
      picker_start_ = start;
      return picked_;
    };
    dialogs_.edit_stock = [this](const StockGeometry&, const QString& caption, QWidget*) {
      opened_ << caption;
      return entered_;
    };
    dialogs_.choose_font = [this](const QFont&, QWidget*) { return font_chosen_; };
  }
  void TearDown() override {
    screen_.reset();
    HomeTest::TearDown();
  }

  bool Opened(const char* dialog) {
    opened_ << dialog;
    return true;
  }
  TLabelDesignScreen& Open(bool new_setup, const Stock& stock = DefaultStock(), const QString& description = {}) {
    screen_ = std::make_unique<TLabelDesignScreen>(&page_, stock, description, new_setup, &records_, nullptr,
                                                   dialogs_);
    screen_->show();
    return *screen_;
  }
  design::TGGraphicControl* Draw(TLPanelState tool, QRect dragged = QRect(10, 10, 60, 20)) {
    page_.SetPanelState(tool);
    return page_.CreateObjectInRect(dragged);
  }
  int Count(std::string_view class_name) const {
    int n = 0;
    for (const auto& object : page_.Objects()) n += object->ClassName() == class_name ? 1 : 0;
    return n;
  }

  design::TGLabelPanel page_{dir_.path().toStdString()};
  FakeRecords records_;
  TLabelDesignScreen::Dialogs dialogs_;
  QStringList opened_;
  LabelLayoutChoice layout_choice_ = LabelLayoutChoice::kCancelled;
  std::optional<Stock> picked_;
  PickerStart picker_start_;
  std::optional<StockGeometry> entered_;
  std::optional<QFont> font_chosen_;
  std::unique_ptr<TLabelDesignScreen> screen_;
};

TEST_F(LabelDesignScreenTest, NewSetUpOnTheDefaultStockGetsASelectedAddressBlock) {
  TLabelDesignScreen& screen = Open(true);
  EXPECT_EQ(screen.windowTitle(), "Label Design Screen");
  EXPECT_TRUE(screen.set_up());
  EXPECT_EQ(page_.Size(), QSize(252, 96));
  EXPECT_EQ(page_.Shape, design::TLabelShapeType::lsRoundRect);
  EXPECT_TRUE(page_.DrawOutline);
  ASSERT_EQ(page_.Objects().size(), 1u);
  const design::TGGraphicControl& block = *page_.Objects()[0];
  EXPECT_EQ(block.ClassName(), "TGDMultiLineAddressLabel");
  EXPECT_EQ(block.Left(), 5);
  EXPECT_EQ(block.Top(), 5);
  EXPECT_GE(block.Width(), 237);
  EXPECT_EQ(page_.Selection(), (std::vector<design::TGGraphicControl*>{page_.Objects()[0].get()}));
  EXPECT_EQ(page_.PanelState(), TLPanelState::psPointing);
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.said[0],
            "A new label has been created using the Avery 5160\r\nformat. To change to another label format, click "
            "on\r\nthe Change Layout button.\r\n\r\nA Database Mailing Address object has already been \r\nadded "
            "to the label.\r\n\r\nFor additional assistance, click the Help button");
  EXPECT_EQ(screen.template_type()->text(), "Avery 5160  Address");
  EXPECT_TRUE(opened_.isEmpty());  // the address block opens no dialog
}

TEST_F(LabelDesignScreenTest, ExistingSetUpShowsSaveOnlyForChangesAfterItsSetUp) {
  auto rectangle = std::make_unique<design::TGLabelShapes>();
  page_.PlaceObject(std::move(rectangle), QRect(10, 10, 40, 20));
  screen_ = std::make_unique<TLabelDesignScreen>(&page_, DefaultStock(), "Club", false, &records_, nullptr, dialogs_);
  page_.NotifyChanged();  // the caller still loading: no change of the user's
  screen_->show();
  EXPECT_EQ(page_.Objects().size(), 1u);
  EXPECT_TRUE(messenger_.said.isEmpty());
  EXPECT_FALSE(screen_->save_button()->isVisible());
  EXPECT_EQ(screen_->description_edit()->text(), "Club");
  page_.NotifyChanged();
  EXPECT_TRUE(screen_->save_button()->isVisible());
}

TEST_F(LabelDesignScreenTest, TypingADescriptionShowsSaveAndKeepsFiftyCharacters) {
  TLabelDesignScreen& screen = Open(false);
  EXPECT_EQ(screen.description_edit()->maxLength(), 60);
  QTest::keyClicks(screen.description_edit(), QString(55, 'd'));
  EXPECT_TRUE(screen.save_button()->isVisible());
  EXPECT_EQ(screen.description(), QString(50, 'd'));
  screen.Save();
  EXPECT_TRUE(screen.saved());
  EXPECT_EQ(screen.result(), QDialog::Accepted);
  EXPECT_EQ(screen.description(), QString(50, 'd'));
}

TEST_F(LabelDesignScreenTest, ZoomStepsClearTheSelectionAndAreNoChange) {
  TLabelDesignScreen& screen = Open(false);
  design::TGGraphicControl* box = Draw(TLPanelState::psRectangle);
  screen.save_button()->hide();
  page_.AddToSelection(box);
  EXPECT_EQ(screen.zoom_caption()->text(), "100%");
  QStringList shown;
  for (int i = 0; i < 6; ++i) {
    screen.zoom_up()->click();
    shown << screen.zoom_caption()->text();
  }
  EXPECT_EQ(shown, QStringList({"110%", "120%", "130%", "140%", "150%", "150%"}));
  EXPECT_FLOAT_EQ(page_.Zoom(), 1.5f);
  EXPECT_TRUE(page_.Selection().empty());
  EXPECT_EQ(screen.PageView()->Surface()->width(), qRound(page_.Size().width() * 1.5));
  for (int i = 0; i < 12; ++i) screen.StepZoom(false);
  EXPECT_EQ(screen.zoom_caption()->text(), "50%");
  EXPECT_FALSE(screen.save_button()->isVisible());
  EXPECT_EQ(box->Bounds(), QRect(10, 10, 60, 20));  // a view change only
}

TEST_F(LabelDesignScreenTest, KeypadPlusAndMinusZoomWhenReleased) {
  TLabelDesignScreen& screen = Open(false);
  screen.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  QWidget* surface = screen.PageView()->Surface();
  surface->setFocus();
  QTest::keyPress(surface, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(screen.zoom_caption()->text(), "100%");  // nothing on the press
  QTest::keyRelease(surface, Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(screen.zoom_caption()->text(), "110%");
  QTest::keyRelease(surface, Qt::Key_Minus, Qt::KeypadModifier);
  QTest::keyRelease(surface, Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(screen.zoom_caption()->text(), "90%");
  QTest::keyRelease(surface, Qt::Key_Plus);  // the main keyboard's plus does not zoom
  EXPECT_EQ(screen.zoom_caption()->text(), "90%");
  // While the description has the focus its keys are its own.
  screen.description_edit()->setFocus();
  QTest::keyRelease(screen.description_edit(), Qt::Key_Plus, Qt::KeypadModifier);
  EXPECT_EQ(screen.zoom_caption()->text(), "90%");
}

TEST_F(LabelDesignScreenTest, PageKeysScrollThePage) {
  Stock tall = DefaultStock();
  tall.geometry.label_height = 8;
  TLabelDesignScreen& screen = Open(false, tall);
  screen.resize(600, 400);
  screen.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  QApplication::processEvents();
  QWidget* surface = screen.PageView()->Surface();
  surface->setFocus();
  QScrollBar* bar = screen.PageView()->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  QTest::keyClick(surface, Qt::Key_End);
  EXPECT_EQ(bar->value(), bar->maximum());
  QTest::keyClick(surface, Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), bar->maximum() - bar->singleStep());  // one line, not one page
  QTest::keyClick(surface, Qt::Key_Home);
  EXPECT_EQ(bar->value(), 0);
  QTest::keyClick(surface, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), bar->singleStep());
}

TEST_F(LabelDesignScreenTest, ChangeToANarrowCatalogueStockDeletesThePostnetCode) {
  Stock wide = StockOfWidth(4, "Avery 5163  Shipping");
  wide.art = "AV5196.BMP";
  TLabelDesignScreen& screen = Open(false, wide);
  EXPECT_TRUE(screen.show_art()->isEnabled());
  EXPECT_TRUE(screen.show_art()->isChecked());
  EXPECT_EQ(page_.Art.size(), QSize(384, 96));
  Draw(TLPanelState::psPostNetBarCode, QRect(20, 40, 280, 20));
  ASSERT_EQ(Count("TGPostNetBarCode"), 1);
  screen.save_button()->hide();

  layout_choice_ = LabelLayoutChoice::kFromCatalogue;
  picked_ = StockOfWidth(2, "Avery 5167  Return Address");
  picked_->geometry.middle_extra_x = 0.25;
  screen.change_layout_button()->click();
  EXPECT_EQ(picker_start_.description, "Avery 5163  Shipping");
  EXPECT_EQ(picker_start_.printer, "LJ");
  EXPECT_EQ(picker_start_.maker, "AVERY");
  EXPECT_EQ(picker_start_.product_type, "ADDRESS/SHIPPING LABELS");
  EXPECT_EQ(Count("TGPostNetBarCode"), 0);
  EXPECT_EQ(messenger_.said,
            QStringList{"Warning: This label is not wide enough for a \r\npostnet barcode. At least 2.85 inches are "
                        "needed"});
  EXPECT_EQ(page_.Size(), QSize(192, 96));
  EXPECT_EQ(screen.stock(), *picked_);
  EXPECT_EQ(screen.template_type()->text(), "Avery 5167  Return Address");
  EXPECT_FALSE(screen.show_art()->isEnabled());  // the new stock has no art
  EXPECT_TRUE(page_.Art.isNull());
  EXPECT_TRUE(screen.save_button()->isVisible());
}

TEST_F(LabelDesignScreenTest, ChangeLayoutPullsObjectsInsideAndCancelChangesNothing) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  design::TGGraphicControl* box = Draw(TLPanelState::psRectangle, QRect(300, 20, 40, 20));
  screen.save_button()->hide();
  screen.change_layout_button()->click();  // cancelled in the chooser
  EXPECT_EQ(page_.Size(), QSize(384, 96));
  EXPECT_FALSE(screen.save_button()->isVisible());
  layout_choice_ = LabelLayoutChoice::kFromCatalogue;
  screen.change_layout_button()->click();  // cancelled in the picker
  EXPECT_EQ(screen.stock(), StockOfWidth(4, "Wide"));
  picked_ = DefaultStock();
  screen.change_layout_button()->click();
  EXPECT_EQ(box->Left(), 252 - 20);
}

TEST_F(LabelDesignScreenTest, UserDefinedLayoutIsTheUsersOwnStockWithoutArt) {
  Stock with_art = DefaultStock();
  with_art.art = "av5196.bmp";
  TLabelDesignScreen& screen = Open(false, with_art);
  EXPECT_FALSE(page_.Art.isNull());
  layout_choice_ = LabelLayoutChoice::kUserDefined;
  StockGeometry entered = AddressStock();
  entered.label_width = 3.5;
  entered.label_height = 1.5;
  entered.shape = "EL";
  entered_ = entered;
  screen.change_layout_button()->click();
  EXPECT_TRUE(opened_.contains("User Defined Label Layout"));
  EXPECT_EQ(screen.stock().maker, "USER");
  EXPECT_EQ(screen.stock().description, "");
  EXPECT_EQ(screen.stock().art, "");
  EXPECT_EQ(screen.stock().geometry.label_width, 3.5);
  EXPECT_EQ(screen.stock().geometry.middle_extra_x, 0);
  EXPECT_EQ(page_.Size(), QSize(336, 144));
  EXPECT_EQ(page_.Shape, design::TLabelShapeType::lsEllipse);
  EXPECT_EQ(screen.template_type()->text(), "User Defined Label Layout");
  EXPECT_FALSE(screen.show_art()->isEnabled());
  EXPECT_FALSE(screen.show_art()->isChecked());
  EXPECT_TRUE(page_.Art.isNull());
  EXPECT_TRUE(screen.save_button()->isVisible());
}

TEST_F(LabelDesignScreenTest, ShowArtTogglesThePagesArt) {
  Stock with_art = DefaultStock();
  with_art.art = "AV5196";
  TLabelDesignScreen& screen = Open(false, with_art);
  EXPECT_EQ(page_.Art.size(), page_.Size());
  screen.show_art()->trigger();
  EXPECT_TRUE(page_.Art.isNull());
  screen.show_art()->trigger();
  EXPECT_FALSE(page_.Art.isNull());
  EXPECT_FALSE(screen.save_button()->isVisible());  // art is no part of the design
}

TEST_F(LabelDesignScreenTest, BarcodeToolsAreRefusedOnNarrowLabels) {
  TLabelDesignScreen& screen = Open(false);  // 2.625 inches wide
  screen.ToolBar()->ToolAction(int(TLPanelState::psPostNetBarCode))->trigger();
  EXPECT_EQ(messenger_.said, QStringList{"This label is not wide enough for a \r\npostnet barcode. At least 2.85 "
                                         "inches are needed"});
  EXPECT_EQ(page_.PanelState(), TLPanelState::psPointing);
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
  screen.ToolBar()->ToolAction(int(TLPanelState::psIMBarCode))->trigger();
  EXPECT_EQ(messenger_.said.value(1), "This label is not wide enough for an \r\nIntelligent Mail barcode. At least "
                                      "3.00 inches are needed");
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
}

TEST_F(LabelDesignScreenTest, BarcodeToolsWorkOnWideLabelsAndReturnToSelection) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(3.5, "Wide"));
  screen.ToolBar()->ToolAction(int(TLPanelState::psIMBarCode))->trigger();
  EXPECT_EQ(page_.PanelState(), TLPanelState::psIMBarCode);
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psIMBarCode));
  page_.CreateObjectInRect(QRect(10, 10, 290, 20));
  EXPECT_EQ(Count("TGIMBarCode"), 1);
  EXPECT_EQ(page_.PanelState(), TLPanelState::psPointing);
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(LabelDesignScreenTest, DroppedObjectsOpenTheirDialogs) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  Draw(TLPanelState::psLabel);
  Draw(TLPanelState::psSymbolLabel);
  Draw(TLPanelState::psRectangle);
  auto* field = dynamic_cast<design::TGPDLabel*>(Draw(TLPanelState::psDataLabel));
  auto* lines = dynamic_cast<design::TGMultiLineLabel*>(Draw(TLPanelState::psMultiLineLabel));
  EXPECT_EQ(opened_, QStringList({"text", "symbol", "field", "multi-line"}));
  ASSERT_TRUE(field && lines);
  EXPECT_EQ(field->Caption, "Smith");  // the data refreshed after the choice
  const int one_line = lines->Height();
  lines->SizeToLines();
  EXPECT_EQ(lines->Height(), one_line);  // already sized to its three lines
  EXPECT_EQ(lines->Items.size(), 3u);
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
}

TEST_F(LabelDesignScreenTest, FieldNamesToggleShowsDisplayLabelsInBrackets) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  auto* field = dynamic_cast<design::TGPDLabel*>(Draw(TLPanelState::psDataLabel));
  ASSERT_TRUE(field);
  field->DataFieldDescript = "Last Name";
  screen.save_button()->hide();
  screen.field_names()->trigger();
  EXPECT_FALSE(page_.DisplayDataValues());
  EXPECT_EQ(field->Caption, "[Last Name]");
  screen.field_names()->trigger();
  EXPECT_EQ(field->Caption, "Smith");
  EXPECT_FALSE(screen.save_button()->isVisible());
}

TEST_F(LabelDesignScreenTest, RecordButtonsRefreshAndStepTheCounters) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  auto* counter = dynamic_cast<design::TGCounterLabel*>(Draw(TLPanelState::psCounterLabel));
  ASSERT_TRUE(counter);
  ASSERT_EQ(counter->CurrentValue(), 1000);
  screen.save_button()->hide();
  std::vector<int32_t> shown;
  for (QPushButton* button : {screen.next_record(), screen.next_record(), screen.first_record()}) {
    button->click();
    shown.push_back(counter->CurrentValue());
  }
  EXPECT_EQ(shown, (std::vector<int32_t>{1001, 1002, 1000}));
  screen.last_record()->click();
  screen.prior_record()->click();
  EXPECT_EQ(counter->CurrentValue(), 1002);
  EXPECT_EQ(records_.moves, QStringList({"next", "next", "first", "last", "prior"}));
  EXPECT_FALSE(screen.save_button()->isVisible());
}

TEST_F(LabelDesignScreenTest, PointerReadoutShowsInchesOrTheSelectionFrame) {
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  QWidget* surface = screen.PageView()->Surface();
  const auto move_to = [surface](QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
  };
  move_to(QPointF(48, 24));
  EXPECT_EQ(screen.coordinate_left()->text(), "Left: 0.50");
  EXPECT_EQ(screen.coordinate_top()->text(), "Top: 0.25");
  design::TGGraphicControl* box = Draw(TLPanelState::psRectangle, QRect(98, 50, 40, 20));
  page_.AddToSelection(box);
  move_to(QPointF(5, 5));
  EXPECT_EQ(screen.coordinate_left()->text(), "Left: 1.00");
  EXPECT_EQ(screen.coordinate_top()->text(), "Top: 0.50");
}

TEST_F(LabelDesignScreenTest, DefaultFontComesFromTheSettingsAndIsSavedWhenChosen) {
  {
    SettingsFile settings(SettingsFilePath());
    settings.WriteString("Label", "DefaultFontName", "Courier New");
    settings.WriteInt("Label", "DefaultFontSize", 12);
    settings.WriteBool("Label", "DefaultFontBold", true);
    ASSERT_TRUE(settings.Save());
  }
  TLabelDesignScreen& screen = Open(false, StockOfWidth(4, "Wide"));
  EXPECT_EQ(screen.font_button()->text(), "Default Font: Courier New, 12 pt , bold");
  ASSERT_TRUE(page_.Font.has_value());
  EXPECT_EQ(page_.Font->name, "Courier New");

  QFont chosen(QStringLiteral("Times New Roman"));
  chosen.setPointSize(14);
  chosen.setItalic(true);
  font_chosen_ = chosen;
  screen.font_button()->click();
  EXPECT_EQ(screen.font_button()->text(), "Default Font: Times New Roman, 14 pt , italic");
  EXPECT_EQ(page_.Font->name, "Times New Roman");
  const SettingsFile settings(SettingsFilePath());
  EXPECT_EQ(settings.ReadString("Label", "DefaultFontName", ""), "Times New Roman");
  EXPECT_EQ(settings.ReadInt("Label", "DefaultFontSize", 0), 14);
  EXPECT_FALSE(settings.ReadBool("Label", "DefaultFontBold", true));
  EXPECT_TRUE(settings.ReadBool("Label", "DefaultFontItalic", false));
  auto* text = dynamic_cast<design::TGPLabel*>(Draw(TLPanelState::psLabel));
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Font.name, "Times New Roman");
}

TEST_F(LabelDesignScreenTest, WithoutSettingsTheFontIsArialTen) {
  TLabelDesignScreen& screen = Open(false);
  EXPECT_EQ(screen.font_button()->text(), "Default Font: Arial, 10 pt ");
  screen.font_button()->click();  // cancelled: nothing written
  EXPECT_FALSE(SettingsFile(SettingsFilePath()).HasKey("Label", "DefaultFontName"));
}

TEST_F(LabelDesignScreenTest, SaveDropsObjectsOutsideTheLabel) {
  TLabelDesignScreen& screen = Open(false, DefaultStock(), "Members");
  Draw(TLPanelState::psRectangle, QRect(10, 10, 40, 20));
  auto outside = std::make_unique<design::TGLabelShapes>();
  page_.PlaceObject(std::move(outside), QRect(10, 10, 40, 20))->SetLeft(400);
  ASSERT_EQ(page_.Objects().size(), 2u);
  screen.save_button()->click();
  EXPECT_TRUE(screen.saved());
  EXPECT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(screen.description(), "Members");
  EXPECT_TRUE(SettingsFile(SettingsFilePath()).HasKey(PlacementSection("TLabelDesignScreen", 96), "Bottom"));
}

TEST_F(LabelDesignScreenTest, CancelAndClosingSaveNothing) {
  TLabelDesignScreen& screen = Open(false);
  auto outside = std::make_unique<design::TGLabelShapes>();
  page_.PlaceObject(std::move(outside), QRect(10, 10, 40, 20))->SetLeft(400);
  screen.cancel_button()->click();
  EXPECT_FALSE(screen.saved());
  EXPECT_EQ(screen.result(), QDialog::Rejected);
  EXPECT_EQ(page_.Objects().size(), 1u);
  screen.show();
  screen.close();
  EXPECT_FALSE(screen.saved());
}

TEST_F(LabelDesignScreenTest, PageGoesBackToItsCallerUnbound) {
  Open(true);
  screen_.reset();
  EXPECT_FALSE(page_.LabelChangedEvent);
  EXPECT_FALSE(page_.DroppedObjectEvent);
  EXPECT_TRUE(page_.Art.isNull());
  page_.NotifyChanged();  // no window left to tell
}

// The window's page is edited with the mouse: input goes to the surface
// in view pixels (zoom 1.0, so pixels are units) on the page's own clock.
class LabelDesignEditingTest : public LabelDesignScreenTest {
 protected:
  void SetUp() override {
    LabelDesignScreenTest::SetUp();
    page_.Now = [this] { return now_; };
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* surface = screen_->PageView()->Surface();
    QMouseEvent event(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, buttons, {});
    QApplication::sendEvent(surface, &event);
  }
  // Press, moves, and the release 300 ms after the press.
  void Drag(QPoint from, QPoint to) {
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    now_ += 20;
    Mouse(QEvent::MouseMove, from, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    now_ += 280;
    Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    now_ += 1000;
    QApplication::processEvents();  // the history records what settled
  }
  design::DesignHistory& History() { return screen_->Editing()->History(); }

  int64_t now_ = 100000;
};

TEST_F(LabelDesignEditingTest, ADrawingAndTheDialogItOpensAreOneStepThatUndoes) {
  dialogs_.text = [this](design::TGPLabel& label, QWidget*) {
    label.Caption = "Hello";
    return Opened("text");
  };
  TLabelDesignScreen& screen = Open(false);
  screen.ToolBar()->ToolAction(int(TLPanelState::psLabel))->trigger();
  Drag(QPoint(20, 20), QPoint(90, 40));
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(static_cast<design::TGPLabel&>(*page_.Objects()[0]).Caption, "Hello");
  EXPECT_EQ(opened_, QStringList{"text"});
  EXPECT_EQ(screen.ToolBar()->Current(), int(TLPanelState::psPointing));
  EXPECT_EQ(History().Stack().count(), 1);
  EXPECT_EQ(History().UndoText(), "Draw");
  History().UndoAction()->trigger();
  EXPECT_TRUE(page_.Objects().empty());
  History().RedoAction()->trigger();
  EXPECT_EQ(page_.Objects().size(), 1u);
}

TEST_F(LabelDesignEditingTest, DraggingTheNewAddressBlockMovesItShowsTheFrameAndUndoes) {
  TLabelDesignScreen& screen = Open(true);
  // The new block is where undoing stops.
  EXPECT_FALSE(History().CanUndo());
  design::TGGraphicControl* block = page_.Objects()[0].get();
  const QPoint start = block->Bounds().topLeft();
  Drag(start + QPoint(30, 10), start + QPoint(50, 30));
  block = page_.Objects()[0].get();
  EXPECT_EQ(block->Bounds().topLeft(), start + QPoint(20, 20));
  // The read-out follows the frame, two units outside the block.
  Mouse(QEvent::MouseMove, QPoint(200, 80), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(screen.coordinate_left()->text(), LeftReadout(block->Left() - 2));
  EXPECT_EQ(screen.coordinate_top()->text(), TopReadout(block->Top() - 2));
  ASSERT_TRUE(History().CanUndo());
  History().UndoAction()->trigger();
  EXPECT_EQ(page_.Objects()[0]->Bounds().topLeft(), start);
  EXPECT_EQ(page_.Selection().size(), 1u);
}

}  // namespace
}  // namespace vellumo
