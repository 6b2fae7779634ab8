// TGIMBarCode: the Intelligent Mail barcode of a mail piece. The barcode
// identifier, service type and mailer identifier are the design's; the
// serial number is either the design's own or a counter, so that every
// printed piece gets its own; the routing code is the ZIP+4 and delivery
// point of the record.
#pragma once

#include "design/barcodes/intelligent_mail_encoder.h"
#include "design/model/graphic_control.h"
#include "design/model/postal_address.h"

namespace vellumo::design {

class TGIMBarCode : public TGGraphicControl {
 public:
  // 65 bars at 22 to the inch, a full bar high: 284 × 14.
  TGIMBarCode() : TGGraphicControl(284, 14) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGIMBarCode"; }

  std::string BarcodeIdentifier = "00";
  std::string ServiceType = "700";
  std::string MailerId;      // 6 or 9 digits
  std::string SerialNumber;  // used when SerialFromCounter is off
  // On: the serial number is SerialStart, counted up by one per printed
  // piece, with leading zeros to the width the mailer identifier leaves.
  bool SerialFromCounter = false;
  int32_t SerialStart = 0;
  PostalAddress Postal;

  // The fields the current piece is encoded from.
  [[nodiscard]] IntelligentMailFields Fields() const;

  void RefreshData(const RecordSource& record) override;
  void ClearData() override;
  void LabelPrinted() override { ++printed_; }
  void ResetCounters() override { printed_ = 0; }
  // Nothing when the fields cannot be encoded.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void ScreenExtras(TBaseReport& canvas, double x0, double y0) const override;
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;

 private:
  [[nodiscard]] std::string CurrentSerial() const;
  [[nodiscard]] Bars CurrentBars() const;

  int64_t printed_ = 0;        // pieces printed since the counters were reset
};

}  // namespace vellumo::design
