// TGImageBrowser ("Load Image File (BMP/WMF)"): a place chooser (home,
// root, mounted volumes), a folder tree and the picture files of the
// chosen folder, a preview of the chosen file and the "Stretch" and
// "AutoSize" choices, which exclude each other.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;

namespace vellumo::design {

class PicturePreview;
class TGImage;

class TGImageBrowser : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3501;

  // Starts in `folder` (the home folder when empty) with the object's flags.
  explicit TGImageBrowser(const TGImage& image, const QString& folder = QString(), QWidget* parent = nullptr);

  QComboBox* places() const { return places_; }
  QTreeView* folder_tree() const { return folder_tree_; }
  QListView* file_list() const { return file_list_; }
  QFileSystemModel* file_model() const { return file_model_; }
  QCheckBox* stretch_box() const { return stretch_; }
  QCheckBox* auto_size_box() const { return auto_size_; }
  PicturePreview* preview() const { return preview_; }

  [[nodiscard]] QString Folder() const { return folder_; }
  void ChooseFolder(const QString& folder);
  // As choosing the file in the list: the preview shows it, or "Error
  // loading file!" is said and the preview is cleared.
  void ChooseFile(const QString& path);
  [[nodiscard]] QString ChosenFile() const { return chosen_file_; }

  // What "Ok" does: with a file chosen, the object takes the two flags and
  // the file's picture; false when that file could not be loaded.
  bool Apply(TGImage& image) const;

  static bool Edit(TGImage& image, QWidget* parent);

 private:
  void ChoosePlace(int index);
  void TakeStretch(bool checked);
  void TakeAutoSize(bool checked);

  QComboBox* places_;
  QFileSystemModel* folder_model_;
  QFileSystemModel* file_model_;
  QTreeView* folder_tree_;
  QListView* file_list_;
  QCheckBox* stretch_;
  QCheckBox* auto_size_;
  PicturePreview* preview_;
  QString folder_;
  QString chosen_file_;
};

}  // namespace vellumo::design
