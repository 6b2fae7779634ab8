// The texts that end a label run: how it ended, and what it printed short
// of what was asked.
#include <QStringList>
#include <algorithm>

#include "labels/printing/label_run.h"

namespace vellumo {
namespace {

// Record numbers named in full up to this many; more are counted.
constexpr size_t kNamedRecords = 10;

QString Counted(uint64_t n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString RecordNumbers(const std::vector<uint32_t>& records) {
  QStringList numbers;
  for (size_t i = 0; i < records.size() && i < kNamedRecords; ++i) numbers << QString::number(records[i]);
  QString text = numbers.join(QStringLiteral(", "));
  if (records.size() > kNamedRecords) text += QStringLiteral(" and %1 more").arg(records.size() - kNamedRecords);
  return text;
}

}  // namespace

QString LabelOutcomeText(LabelOutcome outcome) {
  switch (outcome) {
    case LabelOutcome::kPrintAborted:
      return QStringLiteral("\rLabel Print Canceled!");
    case LabelOutcome::kPreviewAborted:
      return QStringLiteral("\rLabel Preview Canceled!");
    case LabelOutcome::kPreviewStopped:
      return QStringLiteral("\rPreview Stopped at page %p!");
    case LabelOutcome::kPrintCompleted:
      return QStringLiteral("\rLabel Print Completed!");
    case LabelOutcome::kPreviewCompleted:
      break;
  }
  return QString();
}

QString LabelTallyText(const LabelRunTally& tally, uint64_t records_chosen, int copies) {
  QString text;
  if (tally.no_position_chosen) {
    text += QStringLiteral("\rNo position of the sheet is chosen: nothing was printed.");
  }
  if (!tally.error.isEmpty()) text += QStringLiteral("\rThe records could not all be read: ") + tally.error;
  if (tally.shrunk_labels > 0) {
    text += QStringLiteral("\r") + Counted(tally.shrunk_labels, "label", "labels") +
            QLatin1String(tally.shrunk_labels == 1 ? " had its text" : " had their text") +
            QStringLiteral(" shrunk to fit.");
  }
  if (!tally.unfit_records.empty()) {
    text += QStringLiteral("\rText did not fit even at the smallest size for ") +
            Counted(tally.unfit_records.size(), "record", "records") + QStringLiteral(": ") +
            RecordNumbers(tally.unfit_records) + QStringLiteral(".");
  }
  const uint64_t wanted = records_chosen * static_cast<uint64_t>(std::clamp(copies, 1, kMaxLabelCopies));
  if (records_chosen > 0 && tally.labels_printed < wanted) {
    text += QStringLiteral("\rOnly %1 of %2 labels were printed.").arg(tally.labels_printed).arg(wanted);
  }
  return text;
}

}  // namespace vellumo
