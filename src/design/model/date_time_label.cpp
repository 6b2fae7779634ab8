// The date and time object: its caption and stored form.
#include "design/model/date_time_label.h"

#include <QLocale>

namespace vellumo::design {
namespace {

constexpr std::string_view kDateFormatNames[] = {"dtfDateNone", "dtfDateShort", "dtfDateLong"};
constexpr std::string_view kTimeFormatNames[] = {"dtfTimeNone", "dtfTimeShort", "dtfTimeLong"};

}  // namespace

QString DateTimeCaption(const QDateTime& moment, TGDateFormat date_format, TGTimeFormat time_format) {
  const QLocale locale;
  QString caption;
  if (date_format != dtfDateNone) {
    caption = locale.toString(moment.date(), date_format == dtfDateLong ? QLocale::LongFormat : QLocale::ShortFormat);
  }
  if (time_format != dtfTimeNone) {
    caption += QLatin1Char(' ') +
               locale.toString(moment.time(), time_format == dtfTimeLong ? QLocale::LongFormat : QLocale::ShortFormat);
  }
  return caption;
}

TGBaseLabel::ShownText TGDateTimeLabel::Shown(const TBaseReport&, bool) const {
  return {DateTimeCaption(Clock(), DateFormat, TimeFormat), StyleOfFont(Font)};
}

void TGDateTimeLabel::WriteOwnProperties(PropertyWriter& writer) const {
  TGBaseLabel::WriteOwnProperties(writer);
  writer.Enumeration("DateFormat", DateFormat, kDateFormatNames);
  writer.Enumeration("TimeFormat", TimeFormat, kTimeFormatNames);
}

Status TGDateTimeLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  if (property.name == "DateFormat") return Take(reader.Enumeration(property, kDateFormatNames), &DateFormat);
  if (property.name == "TimeFormat") return Take(reader.Enumeration(property, kTimeFormatNames), &TimeFormat);
  return TGBaseLabel::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
