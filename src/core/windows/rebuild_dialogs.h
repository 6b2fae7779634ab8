// The two rebuild windows: TVelReindex ("Rebuild indexes for " + file name)
// packs the open address database and recreates its tags; TSystemReindex
// ("Rebuild System Indexes") rebuilds the six system tables.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace xbase {
class Table;
}

namespace vellumo {

class JobRunner;

// Gauge, status line and the buttons "Reindex", "Cancel" and "Help".
class RebuildDialog : public QDialog {
  Q_OBJECT

 public:
  QPushButton* reindex_button() const { return reindex_; }
  QPushButton* cancel_button() const { return cancel_; }
  QProgressBar* gauge() const { return gauge_; }
  QLabel* status_line() const { return status_; }

 protected:
  RebuildDialog(const QString& caption, int help_context, QWidget* parent);
  // Runs the rebuild; the window closes afterwards.
  virtual void Rebuild() = 0;
  // Show progress and let pending events through.
  void SetStatus(const QString& text);
  void SetGauge(int percent);

 private:
  void ReindexButtonClick();
  // The rebuild with the window made busy around it.
  QString RebuildBusy();

  JobRunner* runner_;
  QProgressBar* gauge_;
  QLabel* status_;
  QPushButton* reindex_;
  QPushButton* cancel_;
  QPushButton* help_;
};

class TVelReindex final : public RebuildDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1040;
  TVelReindex(xbase::Table& table, QWidget* parent = nullptr);
  bool succeeded() const { return succeeded_; }

 private:
  void Rebuild() override;
  xbase::Table& table_;
  bool succeeded_ = false;
};

class TSystemReindex final : public RebuildDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1039;
  explicit TSystemReindex(QWidget* parent = nullptr);

 private:
  void Rebuild() override;
};

}  // namespace vellumo
