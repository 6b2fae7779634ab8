// Design pages: loading and saving a design of 200 objects (shapes,
// lines, POSTNET and Intelligent Mail barcodes, pictures) through the
// page's own file functions on an in-memory file layer, and drawing one
// label design (address block, POSTNET, Intelligent Mail barcode, text,
// frame and picture) into a PDF, each label with its own record: one label
// a page, and 14 labels on each letter sheet.
//
//   design_bench [--labels N] [--labels-only]     (default 2000 labels)
//
// --labels-only leaves out the file benchmark, for profiling the drawing.
#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "design/model/data_panel.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet_barcode.h"
#include "design/model/record_source.h"
#include "design/model/text_label.h"
#include "design/stream/design_file.h"
#include "printing/pdf_file.h"
#include "xbase/env.h"

namespace vellumo::design {
namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Check(const Status& s) {
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.ToString().c_str());
    std::exit(1);
  }
}

// A 64 × 48 bitmap with a gradient, as a picture block.
DesignPicture SamplePicture() {
  QImage image(64, 48, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, 128));
  }
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  PictureRead read = DesignPicture::fromContent(QStringLiteral("TBitmap"), file);
  if (!read.picture) {
    std::fprintf(stderr, "%s\n", read.error.toStdString().c_str());
    std::exit(1);
  }
  return *read.picture;
}

std::unique_ptr<TGIMBarCode> MailBarcode() {
  auto barcode = std::make_unique<TGIMBarCode>();
  barcode->BarcodeIdentifier = "01";
  barcode->ServiceType = "234";
  barcode->MailerId = "567094";
  barcode->SerialFromCounter = true;
  barcode->SerialStart = 987654321;
  barcode->Postal.zip_field = "ZIP";
  barcode->Postal.address_field = "STREET";
  return barcode;
}

std::unique_ptr<TGPostNetBarCode> Postnet() {
  auto barcode = std::make_unique<TGPostNetBarCode>();
  barcode->Postal.zip_field = "ZIP";
  barcode->Postal.address_field = "STREET";
  barcode->BarCodeType = TPostNetBarCodeType::pnbc11Digit;
  return barcode;
}

void Place(TGBasePanel& page, std::unique_ptr<TGGraphicControl> object, const QRect& bounds) {
  page.PlaceObject(std::move(object), QRect(0, 0, 10, 10))->SetBounds(bounds);
}

// 50 shapes, 50 lines, 45 POSTNET and 45 Intelligent Mail barcodes and
// 10 pictures at random places.
void FillWith200Objects(TGBasePanel& page, const DesignPicture& picture) {
  std::mt19937 random(7);
  auto at = [&](int width, int height) {
    return QRect(int(random() % 500), int(random() % 700), width, height);
  };
  for (int i = 0; i < 50; ++i) {
    auto shape = std::make_unique<TGLabelShapes>();
    shape->Shape = TShapeType(i % 6);
    Place(page, std::move(shape), at(40, 30));
  }
  for (int i = 0; i < 50; ++i) {
    auto line = std::make_unique<TGLineShape>();
    line->LineStyle = TLineStyle(i % 4);
    Place(page, std::move(line), at(60, 10));
  }
  for (int i = 0; i < 45; ++i) Place(page, Postnet(), at(249, 12));
  for (int i = 0; i < 45; ++i) Place(page, MailBarcode(), at(284, 14));
  for (int i = 0; i < 10; ++i) {
    auto image = std::make_unique<TGImage>();
    image->SetPicture(picture);
    Place(page, std::move(image), at(64, 48));
  }
}

void BenchFiles(const DesignPicture& picture) {
  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  TGLabelPanel page("/bench", env.get());
  page.SetSize(QSize(816, 1056));
  FillWith200Objects(page, picture);
  const std::string path = "/bench/BIN00001.L";
  constexpr int kRounds = 500;
  Check(page.SaveToFile(path));

  auto start = Clock::now();
  for (int i = 0; i < kRounds; ++i) Check(page.SaveToFile(path));
  const double save_us = MicrosecondsSince(start) / kRounds;

  TGLabelPanel loaded("/bench", env.get());
  loaded.SetSize(page.Size());
  start = Clock::now();
  for (int i = 0; i < kRounds; ++i) {
    loaded.ClearObjects();
    Check(loaded.LoadFromFile(path));
  }
  const double load_us = MicrosecondsSince(start) / kRounds;
  if (loaded.Objects().size() != 200) {
    std::fprintf(stderr, "read back %zu objects\n", loaded.Objects().size());
    std::exit(1);
  }
  const Result<std::string> bytes = ReadWholeFile(env.get(), path);
  Check(bytes.status());
  std::printf("design of 200 objects (%zu bytes, in memory)\n", bytes->size());
  std::printf("  save  %8.1f us\n", save_us);
  std::printf("  load  %8.1f us\n", load_us);
}

// Where labels go: the paper and the cells of one sheet.
struct Sheet {
  const char* name;
  StockGeometry geometry;
};

// One label a page, the paper the label's size.
Sheet LabelPerPage() {
  StockGeometry g;
  g.label_width = g.sheet_width = 4;
  g.label_height = g.sheet_depth = 1.5;
  g.across = g.down = 1;
  return {"one label a page", g};
}

// Letter sheets of 2 × 7 labels of 4 × 1.5 inches.
Sheet SheetOf14() {
  StockGeometry g;
  g.label_width = 4;
  g.label_height = 1.5;
  g.across = 2;
  g.down = 7;
  g.top_margin = 0.25;
  g.left_margin = 0.156;
  g.horizontal_pitch = 4.188;
  g.vertical_pitch = 1.5;
  g.sheet_width = 8.5;
  g.sheet_depth = 11;
  return {"letter sheets of 14 labels", g};
}

// Draws `labels` labels, each with the next ZIP, into the cells of the
// sheet, a new page when a sheet is full.
void DrawIntoPdf(int labels, TGLabelPanel& page, MapRecordSource& record, const std::vector<std::string>& zips,
                 const Sheet& sheet) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
  PageMetrics metrics;
  metrics.width = Length::Inches(sheet.geometry.sheet_width);
  metrics.height = Length::Inches(sheet.geometry.sheet_depth);
  TReportPdf canvas(pdf, metrics);
  const int cells = sheet.geometry.CellCount();
  canvas.OnPrint = [&](TBaseReport& r) {
    for (int i = 0; i < labels; ++i) {
      if (i > 0 && i % cells == 0) r.NewPage();
      record.SetField("ZIP", zips[size_t(i)]);
      page.RefreshAllData();
      const CellOrigin cell = sheet.geometry.CellAt(i % cells);
      page.PrintObjects(r, cell.x, cell.y);
      page.AdvanceAllCounters();
    }
  };
  const auto start = Clock::now();
  if (!canvas.Execute()) {
    std::fprintf(stderr, "%s\n", canvas.LastError().toStdString().c_str());
    std::exit(1);
  }
  const double total_us = MicrosecondsSince(start);
  std::printf("  %-28s %8.1f us per label (PDF written included; %lld bytes)\n", sheet.name, total_us / labels,
              static_cast<long long>(QFileInfo(pdf).size()));
}

void BenchLabels(int labels, const DesignPicture& picture) {
  TGLabelPanel page("/bench", xbase::Env::Default());
  page.SetSize(QSize(384, 144));  // 4 × 1.5 inches
  MapRecordSource record;
  for (const char* field : {"PREFIX", "MIDDLE", "TITLE", "ORG", "STREET2", "COUNTRY"}) record.SetField(field, "");
  record.SetField("FNAME", "Ann");
  record.SetField("LNAME", "Lee");
  record.SetField("STREET", "123 MAIN ST");
  record.SetField("CITY", "SPRINGFIELD");
  record.SetField("STATE", "IL");
  page.SetRecord(&record);
  auto greeting = std::make_unique<TGPLabel>();
  greeting->Caption = "Season's Greetings";
  Place(page, std::move(greeting), QRect(10, 4, 200, 18));
  Place(page, std::make_unique<TGDMultiLineAddressLabel>(), QRect(10, 60, 280, 70));
  Place(page, Postnet(), QRect(10, 26, 249, 12));
  Place(page, MailBarcode(), QRect(10, 42, 284, 14));
  auto frame = std::make_unique<TGLabelShapes>();
  frame->Shape = TShapeType::stRoundRect;
  frame->SetTransparent(true);
  Place(page, std::move(frame), QRect(2, 2, 380, 140));
  auto image = std::make_unique<TGImage>();
  image->SetPicture(picture);
  Place(page, std::move(image), QRect(300, 70, 64, 48));

  std::printf("label with address block, POSTNET, Intelligent Mail barcode, text, frame and picture, %d labels "
              "into one PDF\n",
              labels);
  std::vector<std::string> zips;
  std::mt19937 random(11);
  for (int i = 0; i < labels; ++i) {
    char zip[16];
    std::snprintf(zip, sizeof zip, "%05u-%04u", unsigned(random() % 100000), unsigned(random() % 10000));
    zips.emplace_back(zip);
  }

  DrawIntoPdf(labels, page, record, zips, LabelPerPage());
  DrawIntoPdf(labels, page, record, zips, SheetOf14());
}

}  // namespace
}  // namespace vellumo::design

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  int labels = 2000;
  bool labels_only = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--labels") == 0 && i + 1 < argc) labels = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--labels-only") == 0) labels_only = true;
  }
  const vellumo::DesignPicture picture = vellumo::design::SamplePicture();
  if (!labels_only) vellumo::design::BenchFiles(picture);
  vellumo::design::BenchLabels(labels, picture);
  return 0;
}
