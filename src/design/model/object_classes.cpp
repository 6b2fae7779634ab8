// Registered design object classes and the factory.
#include "design/model/object_classes.h"

#include <map>
#include <set>
#include <string>

#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/postnet_barcode.h"
#include "design/model/text_objects.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kLabelClasses[] = {
    "TGLineShape",   "TGPostNetBarCode",  "TGImage",           "TGLabelShapes",
    "TGPLabel",      "TGPDLabel",         "TGCounterLabel",    "TGSymbolLabel",
    "TGMultiLineLabel", "TGDMultiLineLabel", "TGDMultiLineAddressLabel", "TGIMBarCode"};
constexpr std::string_view kEnvelopeClasses[] = {
    "TGLineShape", "TGPostNetBarCode", "TGFIMBarCode",     "TGImage",     "TGLabelShapes",
    "TGPLabel",    "TGPDLabel",        "TGMultiLineLabel", "TGDMultiLineAddressLabel", "TGIMBarCode"};
constexpr std::string_view kReportClasses[] = {
    "TGLineShape", "TGImage", "TGPLabel", "TGPDLabel", "TGDMultiLineLabel", "TGDateTimeLabel",
    "TGPageNumberLabel", "Trpshapes", "TGSymbolLabel"};

template <typename T>
ObjectCreator Maker() {
  return [] { return std::make_unique<T>(); };
}

struct Registry {
  std::map<std::string, ObjectCreator, std::less<>> creators{
      {"TGLabelShapes", Maker<TGLabelShapes>()},       {"Trpshapes", Maker<Trpshapes>()},
      {"TGLineShape", Maker<TGLineShape>()},           {"TGPostNetBarCode", Maker<TGPostNetBarCode>()},
      {"TGFIMBarCode", Maker<TGFIMBarCode>()},         {"TGIMBarCode", Maker<TGIMBarCode>()},
      {"TGImage", Maker<TGImage>()}};
  std::set<std::string, std::less<>> known;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void RegisterObjectClass(std::string_view class_name, ObjectCreator creator) {
  TheRegistry().creators[std::string(class_name)] = std::move(creator);
}

std::span<const std::string_view> PageKindClasses(PageKind kind) {
  switch (kind) {
    case PageKind::kLabel: return kLabelClasses;
    case PageKind::kEnvelope: return kEnvelopeClasses;
    case PageKind::kReport: return kReportClasses;
  }
  return {};
}

void RegisterPageKind(PageKind kind) {
  static const bool text_objects = (RegisterTextObjects(), true);
  (void)text_objects;
  for (std::string_view name : PageKindClasses(kind)) TheRegistry().known.emplace(name);
}

std::unique_ptr<TGGraphicControl> CreateObject(std::string_view class_name) {
  const Registry& registry = TheRegistry();
  if (!registry.known.contains(class_name)) return nullptr;
  const auto it = registry.creators.find(class_name);
  return it == registry.creators.end() ? nullptr : it->second();
}

}  // namespace vellumo::design
