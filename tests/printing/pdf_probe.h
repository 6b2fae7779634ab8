// Reading back rendered PDF files with poppler's tools: where each word
// lies (points from the page's top-left corner) and the page size.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <vector>

namespace vellumo {

struct PdfWord {
  QString text;
  double x_min, y_min, x_max, y_max;  // points
  int page;                            // from 1
};

// The first word with this text, or null.
inline const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}

inline std::vector<PdfWord> WordsOf(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  tool.waitForFinished();
  const QString html = QString::fromUtf8(tool.readAllStandardOutput());
  std::vector<PdfWord> words;
  int page = 0;
  static const QRegularExpression word(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([-\d.]+)" xMax="([\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0) == QLatin1String("<page ")) {
      ++page;
      continue;
    }
    words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble(), page});
  }
  return words;
}

inline QString PdfInfoOf(const QString& pdf) {
  QProcess tool;
  tool.start(QStringLiteral("pdfinfo"), {pdf});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// "Page size:      189 x 72 pts" of pdfinfo, in points.
inline QSizeF PageSizeOf(const QString& pdf) {
  static const QRegularExpression size(QStringLiteral(R"re(Page size:\s+([\d.]+) x ([\d.]+) pts)re"));
  const QRegularExpressionMatch m = size.match(PdfInfoOf(pdf));
  return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// "Pages:          3" of pdfinfo; 0 when it cannot be read.
inline int PageCountOf(const QString& pdf) {
  static const QRegularExpression pages(QStringLiteral(R"re(Pages:\s+(\d+))re"));
  const QRegularExpressionMatch m = pages.match(PdfInfoOf(pdf));
  return m.hasMatch() ? m.captured(1).toInt() : 0;
}

}  // namespace vellumo
