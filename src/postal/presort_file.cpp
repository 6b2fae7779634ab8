// Writing and reading the presort file.
#include "postal/presort_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/application_home.h"
#include "core/messages.h"
#include "postal/presort_groups.h"

namespace vellumo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A list has at most two lines of a dozen bytes for each of the 100,000
// five-digit keys, and a few hundred more; anything far larger is not one.
constexpr qint64 kMaxPresortFileBytes = 64 << 20;

QString NotAPresortFile(const QString& path) { return path + QStringLiteral(" is not a presort list"); }

}  // namespace

QString PresortFilePath() { return ProgramDirectory() + QLatin1String(kPresortFileName); }

std::string PresortFileText(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + kLineEnd.size();
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += kLineEnd;
  }
  return text;
}

bool WritePresortFile(const QString& path, const std::vector<std::string>& lines, QString* error) {
  const std::string text = PresortFileText(lines);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
      !file.commit()) {
    *error = WithReason(QStringLiteral("Unable to write ") + QDir::toNativeSeparators(path), file.errorString());
    return false;
  }
  return true;
}

bool ParsePresortText(std::string_view text, std::vector<PresortGroup>* groups, QString* error) {
  std::vector<PresortGroup> parsed;
  size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) {
      *error = QStringLiteral("Line %1 is empty").arg(line_number);
      return false;
    }
    if (line.find(kSeparatorMark) != std::string_view::npos) {
      parsed.push_back({std::string(line), {}});
    } else if (parsed.empty()) {
      *error = QStringLiteral("Line %1 is a key before the first separator").arg(line_number);
      return false;
    } else {
      parsed.back().keys.emplace_back(line);
    }
  }
  *groups = std::move(parsed);
  return true;
}

bool ReadPresortFile(const QString& path, std::vector<PresortGroup>* groups, QString* error) {
  const QString shown = QDir::toNativeSeparators(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = WithReason(QStringLiteral("Unable to read ") + shown, file.errorString());
    return false;
  }
  if (file.size() > kMaxPresortFileBytes) {
    *error = NotAPresortFile(shown);
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    *error = WithReason(QStringLiteral("Unable to read ") + shown, file.errorString());
    return false;
  }
  QString reason;
  if (!ParsePresortText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), groups, &reason)) {
    *error = WithReason(NotAPresortFile(shown), reason);
    return false;
  }
  return true;
}

}  // namespace vellumo
