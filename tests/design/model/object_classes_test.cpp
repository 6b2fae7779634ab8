// Which classes each page kind's files may hold, and the factory by name.
#include <gtest/gtest.h>

#include <algorithm>

#include "design/model/object_classes.h"
#include "design/model/text_objects.h"

namespace vellumo::design {
namespace {

bool Holds(PageKind kind, std::string_view name) {
  const auto classes = PageKindClasses(kind);
  return std::find(classes.begin(), classes.end(), name) != classes.end();
}

TEST(PageKindClasses, BarcodesBelongToLabelsAndEnvelopesAndReportsHaveTheirOwnShapes) {
  EXPECT_TRUE(Holds(PageKind::kLabel, "TGPostNetBarCode"));
  EXPECT_FALSE(Holds(PageKind::kLabel, "TGFIMBarCode"));
  EXPECT_TRUE(Holds(PageKind::kEnvelope, "TGFIMBarCode"));
  EXPECT_TRUE(Holds(PageKind::kLabel, "TGIMBarCode"));
  EXPECT_TRUE(Holds(PageKind::kEnvelope, "TGIMBarCode"));
  EXPECT_FALSE(Holds(PageKind::kReport, "TGIMBarCode"));
  EXPECT_FALSE(Holds(PageKind::kReport, "TGPostNetBarCode"));
  EXPECT_TRUE(Holds(PageKind::kReport, "Trpshapes"));
  EXPECT_FALSE(Holds(PageKind::kReport, "TGLabelShapes"));
  EXPECT_EQ(PageKindClasses(PageKind::kLabel).size(), 12u);
  EXPECT_EQ(PageKindClasses(PageKind::kEnvelope).size(), 10u);
  EXPECT_EQ(PageKindClasses(PageKind::kReport).size(), 9u);
}

TEST(ObjectFactory, MakesRegisteredClassesWithTheirDefaultsAndNothingElse) {
  RegisterPageKind(PageKind::kEnvelope);
  const auto fim = CreateObject("TGFIMBarCode");
  ASSERT_NE(fim, nullptr);
  EXPECT_EQ(fim->ClassName(), "TGFIMBarCode");
  EXPECT_EQ(fim->Bounds(), QRect(0, 0, 60, 54));
  EXPECT_EQ(CreateObject("TGHologram"), nullptr);
}

TEST(ObjectFactory, FamiliesAddTheirCreatorsByNameAndLaterOnesReplaceEarlierOnes) {
  RegisterPageKind(PageKind::kLabel);
  const auto own = CreateObject("TGCounterLabel");
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->ClassName(), "TGCounterLabel");
  RegisterObjectClass("TGCounterLabel", [] { return CreateObject("TGLineShape"); });
  EXPECT_EQ(CreateObject("TGCounterLabel")->ClassName(), "TGLineShape");
  // Put back for the tests that follow in this process.
  RegisterTextObjects();
  EXPECT_EQ(CreateObject("TGCounterLabel")->ClassName(), "TGCounterLabel");
}

TEST(ObjectFactory, TextClassesAreCreatedWithTheirDefaults) {
  RegisterPageKind(PageKind::kLabel);
  RegisterPageKind(PageKind::kReport);
  for (std::string_view name : {"TGPLabel", "TGPDLabel", "TGCounterLabel", "TGSymbolLabel", "TGDateTimeLabel",
                                "TGPageNumberLabel", "TGMultiLineLabel", "TGDMultiLineLabel",
                                "TGDMultiLineAddressLabel"}) {
    const auto object = CreateObject(name);
    ASSERT_NE(object, nullptr) << name;
    EXPECT_EQ(object->ClassName(), name);
  }
}

}  // namespace
}  // namespace vellumo::design
