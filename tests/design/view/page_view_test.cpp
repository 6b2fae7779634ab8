// The page view: what it shows equals the page printed at the view's
// resolution for every kind of object, it follows the page's changes and
// zoom, and it maps surface pixels to design units for the input it
// passes on.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTest>

#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet_barcode.h"
#include "design/model/text_label.h"
#include "design/view/page_view.h"
#include "ink.h"
#include "page_fixture.h"
#include "printed_page.h"
#include "printing/report_destinations.h"

namespace vellumo::design {
namespace {

using testing::PageTest;
using testing::PrintedAt;

QImage Shown(const TPageView& view) { return view.Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A 40 × 30 bitmap in two colours, as a picture block.
std::optional<DesignPicture> TwoColourPicture() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(qRgb(200, 30, 30));
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 40; ++x) image.setPixel(x, y, qRgb(20, 20, 160));
  }
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  PictureRead read = DesignPicture::fromContent(QStringLiteral("TBitmap"), file);
  EXPECT_TRUE(read.picture) << read.error.toStdString();
  return read.picture;
}

// A 4 × 2 inch label with one object of every drawing kind, bound to a
// record with an address.
class PageView : public PageTest {
 protected:
  void SetUp() override {
    for (const auto& [field, value] : std::initializer_list<std::pair<const char*, const char*>>{
             {"PREFIX", ""}, {"FNAME", "Ann"}, {"MIDDLE", ""}, {"LNAME", "Lee"}, {"TITLE", ""}, {"ORG", ""},
             {"STREET", "123 MAIN ST"}, {"STREET2", ""}, {"CITY", "Springfield"}, {"STATE", "IL"},
             {"ZIP", "62701-1234"}, {"COUNTRY", ""}}) {
      record_.SetField(field, value);
    }
    page_.SetRecord(&record_);
    page_.SetSize(QSize(384, 192));
    page_.Shape = TLabelShapeType::lsRectangle;
    auto* frame = static_cast<TGLabelShapes*>(AddShape(2, 2, 380, 188));
    frame->Shape = TShapeType::stRoundRect;
    frame->Pen.width = 2;
    frame->Brush.colour = 0xE0FFFF;
    auto line = std::make_unique<TGLineShape>();
    line->Pen.width = 2;
    Place(std::move(line), QRect(10, 150, 200, 10));
    auto text = std::make_unique<TGPLabel>();
    text->Caption = "Seasons Greetings";
    Place(std::move(text), QRect(10, 8, 200, 24));
    Place(std::make_unique<TGDMultiLineAddressLabel>(), QRect(10, 36, 220, 70));
    auto postnet = std::make_unique<TGPostNetBarCode>();
    postnet->Postal.zip_field = "ZIP";
    postnet->Postal.address_field = "STREET";
    Place(std::move(postnet), QRect(10, 110, 249, 12));
    auto mail = std::make_unique<TGIMBarCode>();
    mail->MailerId = "567094";
    mail->SerialNumber = "987654321";
    mail->Postal.zip_field = "ZIP";
    Place(std::move(mail), QRect(10, 128, 284, 14));
    auto image = std::make_unique<TGImage>();
    const std::optional<DesignPicture> picture = TwoColourPicture();
    ASSERT_TRUE(picture);
    image->SetPicture(*picture);
    Place(std::move(image), QRect(300, 20, 60, 45));
    page_.RefreshAllData();
  }

  void Place(std::unique_ptr<TGGraphicControl> object, const QRect& bounds) {
    page_.PlaceObject(std::move(object), QRect(0, 0, 10, 10))->SetBounds(bounds);
  }

  MapRecordSource record_;
};

// Anti-aliased edges may fall a little differently; anything more is a
// second drawing.
constexpr int kEdgePixels = 20;

TEST_F(PageView, ShowsAtZoomOneWhatPrintsAt96Dpi) {
  TPageView view(&page_);
  const QImage printed = PrintedAt(page_, 96);
  const QImage shown = Shown(view);
  ASSERT_EQ(shown.size(), QSize(384, 192));
  ASSERT_EQ(printed.size(), shown.size());
  // Every object is there: ink from the text at the top to the line.
  EXPECT_GT(InkBox(printed).height(), 140);
  EXPECT_LE(DifferingPixels(printed, shown), kEdgePixels);
}

TEST_F(PageView, ShowsAtZoomTwoWhatPrintsAt192Dpi) {
  TPageView view(&page_);
  view.SetZoom(2.0f);
  const QImage printed = PrintedAt(page_, 192);
  const QImage shown = Shown(view);
  ASSERT_EQ(shown.size(), QSize(768, 384));
  ASSERT_EQ(printed.size(), shown.size());
  EXPECT_LE(DifferingPixels(printed, shown), kEdgePixels * 2);
}

TEST_F(PageView, ScreenOnlyMarksShowOnTheViewOnly) {
  TPageView view(&page_);
  static_cast<TGLabelShapes*>(page_.Objects().front().get())->SetTransparent(true);  // the frame
  page_.ShowGrid = true;
  page_.DrawOutline = true;
  view.PageChanged();
  const QImage printed = PrintedAt(page_, 96);
  const QImage shown = Shown(view);
  EXPECT_GT(DifferingPixels(printed, shown, 20), 100);
  // A grid dot in a clear part of the page, on the view only.
  EXPECT_EQ(shown.pixelColor(262, 170), QColor(0, 128, 0));
  EXPECT_NE(printed.pixelColor(262, 170), QColor(0, 128, 0));
}

TEST_F(PageView, FollowsThePagesChangesAndKeepsTheOwnersHandler) {
  TPageView view(&page_);
  const int before = changes_;
  auto stamp = std::make_unique<TGLabelShapes>();
  stamp->Brush.colour = 0x000000;
  Place(std::move(stamp), QRect(320, 150, 40, 30));
  EXPECT_GT(changes_, before);
  EXPECT_EQ(qGray(Shown(view).pixel(340, 165)), 0);
  page_.SetSize(QSize(200, 100));
  EXPECT_EQ(view.Surface()->size(), QSize(200, 100));
}

TEST_F(PageView, ZoomResizesTheSurfaceAndRefusedZoomsChangeNothing) {
  TPageView view(&page_);
  view.SetZoom(1.5f);
  EXPECT_EQ(view.Surface()->size(), QSize(576, 288));
  view.SetZoom(0.0f);
  EXPECT_EQ(page_.Zoom(), 1.5f);
  EXPECT_EQ(view.Surface()->size(), QSize(576, 288));
  // Bounds stay in units whatever the zoom.
  EXPECT_EQ(page_.Objects().front()->Bounds(), QRect(2, 2, 380, 188));
}

TEST_F(PageView, MapsSurfacePixelsToUnitsAndBack) {
  TPageView view(&page_);
  view.SetZoom(2.0f);
  EXPECT_EQ(view.UnitsAt(QPointF(21, 41)), QPoint(10, 20));
  EXPECT_EQ(view.UnitsAt(QPointF(19.9, 0)), QPoint(9, 0));
  EXPECT_EQ(view.ViewRectOf(QRect(10, 20, 30, 5)), QRectF(20, 40, 60, 10));
}

struct RecordingHandler : PageInputHandler {
  void MousePressed(const PageMouseEvent& e) override { presses.push_back(e); }
  void MouseReleased(const PageMouseEvent& e) override { releases.push_back(e); }
  std::vector<PageMouseEvent> presses, releases;
};

TEST_F(PageView, PassesMouseInputOnInUnitsWithTheObjectUnderIt) {
  TPageView view(&page_);
  view.SetZoom(2.0f);
  RecordingHandler handler;
  view.SetInputHandler(&handler);
  QTest::mouseClick(view.Surface(), Qt::LeftButton, Qt::ShiftModifier, QPoint(640, 80));
  ASSERT_EQ(handler.presses.size(), 1u);
  ASSERT_EQ(handler.releases.size(), 1u);
  const PageMouseEvent& press = handler.presses.front();
  EXPECT_EQ(press.units, QPoint(320, 40));
  EXPECT_EQ(press.object, page_.Objects().back().get());  // the picture, in front of the frame
  EXPECT_EQ(press.button, Qt::LeftButton);
  EXPECT_TRUE(press.modifiers & Qt::ShiftModifier);
  view.SetInputHandler(nullptr);
  QTest::mouseClick(view.Surface(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(handler.presses.size(), 1u);
}

TEST_F(PageView, ChangesAfterTheViewHasGoneReachTheOwnerOnly) {
  { TPageView view(&page_); }
  const int before = changes_;
  page_.SetSize(QSize(300, 100));
  EXPECT_EQ(changes_, before + 1);
}

}  // namespace
}  // namespace vellumo::design
