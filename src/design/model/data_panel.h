// TGDataPanel: a page bound to the current record of an address table
// (or any record source), whose data objects show its values; and the
// label page TGLabelPanel with its drawing tools. Envelope and report
// pages derive from TGDataPanel the same way.
#pragma once

#include "design/model/base_panel.h"
#include "labels/stock/stock_geometry.h"

namespace vellumo::design {

class TGDataPanel : public TGBasePanel {
 public:
  using TGBasePanel::TGBasePanel;

  // REQUIRES: record outlives the page or is unbound first (null).
  void SetRecord(const RecordSource* record) { record_ = record; }
  [[nodiscard]] bool DisplayDataValues() const { return display_data_values_; }
  // Refreshes every object's data.
  void SetDisplayDataValues(bool display);
  [[nodiscard]] bool ShowsRecordValues() const override { return display_data_values_ || Printing; }

 protected:
  [[nodiscard]] const RecordSource* Record() const override { return record_; }

 private:
  const RecordSource* record_ = nullptr;
  bool display_data_values_ = true;
};

enum class TLPanelState {
  psPointing, psLabel, psCounterLabel, psSymbolLabel, psDataLabel, psMultiLineLabel, psMultiLineDataLabel,
  psAddressLabel, psRectangle, psEllipse, psRoundRectangle, psLine, psImage, psPostNetBarCode, psIMBarCode,
};

class TGLabelPanel : public TGDataPanel {
 public:
  TGLabelPanel(std::string work_directory, xbase::Env* env = xbase::Env::Default())
      : TGDataPanel(PageKind::kLabel, std::move(work_directory), env) {}

  [[nodiscard]] TLPanelState PanelState() const { return state_; }
  // Pointing is on exactly for psPointing.
  void SetPanelState(TLPanelState state);

  // Takes the size of one label of the stock, round(inches × ScreenPPI)
  // units each way, and its outline: "RR" rounded, "SR" square, "EL"
  // elliptic (any other code keeps the shape). Reports a change only when
  // something changed.
  void FitToStock(const StockGeometry& stock);

  // Gives a tool the object it draws; object families register the
  // tools of their classes this way (the shape, line, POSTNET and
  // Intelligent Mail tools are built in). Later calls replace earlier ones.
  static void RegisterTool(TLPanelState state, ObjectCreator creator);

  // The current tool's object placed in the dragged rectangle (see
  // PlaceDrawnObject); null for a tool that has no object.
  TGGraphicControl* CreateObjectInRect(const QRect& dragged);

 private:
  [[nodiscard]] std::unique_ptr<TGGraphicControl> ToolObject() const;

  TLPanelState state_ = TLPanelState::psPointing;
};

}  // namespace vellumo::design
