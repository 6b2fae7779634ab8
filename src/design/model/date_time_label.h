// TGDateTimeLabel: a single-line text showing the date and time of the
// moment it is painted or printed, in the locale's short or long date and
// time formats. The clock is the object's own, so tests can fix it.
#pragma once

#include <QDateTime>
#include <functional>

#include "design/model/text_label.h"

namespace vellumo::design {

enum TGDateFormat { dtfDateNone, dtfDateShort, dtfDateLong };
enum TGTimeFormat { dtfTimeNone, dtfTimeShort, dtfTimeLong };

// The date in `date_format` (or nothing), then, with a time format, a
// space and the time: with no date and a time it begins with the space.
QString DateTimeCaption(const QDateTime& moment, TGDateFormat date_format, TGTimeFormat time_format);

class TGDateTimeLabel : public TGBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGDateTimeLabel"; }

  TGDateFormat DateFormat = dtfDateShort;
  TGTimeFormat TimeFormat = dtfTimeNone;
  // The moment shown; the current date and time unless replaced.
  std::function<QDateTime()> Clock = [] { return QDateTime::currentDateTime(); };

 protected:
  [[nodiscard]] ShownText Shown(const TBaseReport& canvas, bool on_screen) const override;
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
};

}  // namespace vellumo::design
