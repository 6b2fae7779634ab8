// Registration of the text object family.
#include "design/model/text_objects.h"

#include "design/model/counter_label.h"
#include "design/model/data_panel.h"
#include "design/model/date_time_label.h"
#include "design/model/multi_line_label.h"
#include "design/model/object_classes.h"
#include "design/model/page_number_label.h"
#include "design/model/symbol_label.h"
#include "design/model/text_label.h"

namespace vellumo::design {
namespace {

// A counter drawn with the tool counts from here.
constexpr int32_t kCounterToolStart = 1000;

template <typename T>
void RegisterClass() {
  RegisterObjectClass(T().ClassName(), [] { return std::make_unique<T>(); });
}

template <typename T>
std::unique_ptr<T> Shrinking() {
  auto object = std::make_unique<T>();
  object->ShrinkToFit = true;
  return object;
}

}  // namespace

void RegisterTextObjects() {
  RegisterClass<TGPLabel>();
  RegisterClass<TGPDLabel>();
  RegisterClass<TGCounterLabel>();
  RegisterClass<TGSymbolLabel>();
  RegisterClass<TGDateTimeLabel>();
  RegisterClass<TGPageNumberLabel>();
  RegisterClass<TGMultiLineLabel>();
  RegisterClass<TGDMultiLineLabel>();
  RegisterClass<TGDMultiLineAddressLabel>();

  TGLabelPanel::RegisterTool(TLPanelState::psLabel, [] {
    auto label = std::make_unique<TGPLabel>();
    label->Caption = "<text>";
    return label;
  });
  TGLabelPanel::RegisterTool(TLPanelState::psDataLabel, [] {
    auto field = std::make_unique<TGPDLabel>();
    field->DataFieldName = "<field>";
    return field;
  });
  TGLabelPanel::RegisterTool(TLPanelState::psCounterLabel, [] {
    auto counter = std::make_unique<TGCounterLabel>();
    counter->SetStartingnumber(kCounterToolStart);
    return counter;
  });
  TGLabelPanel::RegisterTool(TLPanelState::psSymbolLabel, [] { return std::make_unique<TGSymbolLabel>(); });
  TGLabelPanel::RegisterTool(TLPanelState::psMultiLineLabel, [] { return Shrinking<TGMultiLineLabel>(); });
  TGLabelPanel::RegisterTool(TLPanelState::psMultiLineDataLabel, [] {
    auto memo = Shrinking<TGDMultiLineLabel>();
    memo->DataFieldName = "MEMO";
    memo->DataFieldDescript = "Memo";
    return memo;
  });
  TGLabelPanel::RegisterTool(TLPanelState::psAddressLabel, [] { return Shrinking<TGDMultiLineAddressLabel>(); });
}

}  // namespace vellumo::design
