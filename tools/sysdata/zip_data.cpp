// The data set's JSON, cut out of its module and read with QJsonDocument.
#include "zip_data.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace sysdata {

namespace {

constexpr std::string_view kCodesStatement = "exports.codes";

QJsonDocument ParseJson(std::string_view json, QJsonParseError* error) {
  return QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), error);
}

}  // namespace

xbase::Status ParseZipDataSet(std::string_view module_text, std::vector<PlacedCode>* codes) {
  const size_t statement = module_text.find(kCodesStatement);
  const size_t open = module_text.find('{', statement);
  if (statement == std::string_view::npos || open == std::string_view::npos) {
    return xbase::Status::InvalidArgument("not a ZIP code data module (no exports.codes object)");
  }
  // The object is followed by ";" and further statements: read up to where
  // the JSON reader finds it ends.
  std::string_view json = module_text.substr(open);
  QJsonParseError error;
  QJsonDocument document = ParseJson(json, &error);
  if (error.error == QJsonParseError::GarbageAtEnd) {
    document = ParseJson(json.substr(0, static_cast<size_t>(error.offset)), &error);
  }
  if (document.isNull() || !document.isObject()) {
    return xbase::Status::InvalidArgument("not a ZIP code data module (" +
                                          error.errorString().toStdString() + " at offset " +
                                          std::to_string(open + static_cast<size_t>(error.offset)) +
                                          ")");
  }
  std::vector<PlacedCode> found;
  const QJsonObject object = document.object();
  for (auto it = object.begin(); it != object.end(); ++it) {
    const QString region = it.value().toObject().value(u"state").toString();
    if (region.isEmpty()) {
      return xbase::Status::InvalidArgument("code " + it.key().toStdString() + " has no state");
    }
    found.push_back(PlacedCode{it.key().toStdString(), region.toStdString()});
  }
  *codes = std::move(found);
  return xbase::Status::OK();
}

}  // namespace sysdata
