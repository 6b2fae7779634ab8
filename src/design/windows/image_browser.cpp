// The picture file browser of picture objects.
#include "design/windows/image_browser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListView>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/messages.h"
#include "core/windows/dialog_buttons.h"
#include "design/windows/image_loading.h"
#include "design/windows/picture_preview.h"

namespace vellumo::design {
namespace {

constexpr int kListWidth = 200;

}  // namespace

TGImageBrowser::TGImageBrowser(const TGImage& image, const QString& folder, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Load Image File (BMP/WMF)"));
  places_ = new QComboBox(this);
  for (const Place& place : StartingPlaces()) places_->addItem(place.caption, place.path);

  folder_model_ = new QFileSystemModel(this);
  folder_model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folder_tree_ = new QTreeView(this);
  folder_tree_->setModel(folder_model_);
  for (int column = 1; column < folder_model_->columnCount(); ++column) folder_tree_->hideColumn(column);
  folder_tree_->setHeaderHidden(true);

  file_model_ = new QFileSystemModel(this);
  file_model_->setFilter(QDir::Files);
  file_model_->setNameFilters(ImageFileMask());
  file_model_->setNameFilterDisables(false);
  file_list_ = new QListView(this);
  file_list_->setModel(file_model_);

  stretch_ = new QCheckBox(QStringLiteral("Stretch"), this);
  auto_size_ = new QCheckBox(QStringLiteral("AutoSize"), this);
  stretch_->setChecked(image.Stretch());
  auto_size_->setChecked(image.AutoSize());
  preview_ = new PicturePreview(this);
  preview_->SetStretch(image.Stretch());
  preview_->SetAutoSize(image.AutoSize());

  connect(places_, &QComboBox::activated, this, &TGImageBrowser::ChoosePlace);
  connect(folder_tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ChooseFolder(folder_model_->filePath(current)); });
  connect(file_list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ChooseFile(file_model_->filePath(current)); });
  connect(stretch_, &QCheckBox::toggled, this, &TGImageBrowser::TakeStretch);
  connect(auto_size_, &QCheckBox::toggled, this, &TGImageBrowser::TakeAutoSize);

  auto* lists = new QGridLayout;
  lists->addWidget(places_, 0, 0);
  lists->addWidget(folder_tree_, 1, 0);
  lists->addWidget(file_list_, 0, 1, 2, 1);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(1, 1);
  folder_tree_->setMinimumWidth(kListWidth);
  file_list_->setMinimumWidth(kListWidth);
  auto* flags = new QVBoxLayout;
  flags->addWidget(preview_, 1);
  flags->addWidget(stretch_);
  flags->addWidget(auto_size_);
  auto* body = new QHBoxLayout;
  body->addLayout(lists, 2);
  body->addLayout(flags, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);

  ChooseFolder(folder.isEmpty() ? QDir::homePath() : folder);
}

void TGImageBrowser::ChoosePlace(int index) {
  const QString path = places_->itemData(index).toString();
  folder_tree_->setRootIndex(folder_model_->setRootPath(path));
  ChooseFolder(path);
}

void TGImageBrowser::ChooseFolder(const QString& folder) {
  if (folder.isEmpty() || folder == folder_) return;
  folder_ = folder;
  if (folder_model_->rootPath().isEmpty() || !folder.startsWith(folder_model_->rootPath())) {
    folder_tree_->setRootIndex(folder_model_->setRootPath(QDir::rootPath()));
  }
  const QModelIndex in_tree = folder_model_->index(folder);
  folder_tree_->setCurrentIndex(in_tree);
  folder_tree_->expand(in_tree);
  folder_tree_->scrollTo(in_tree);
  file_list_->setRootIndex(file_model_->setRootPath(folder));
  chosen_file_.clear();
  preview_->ShowPicture(std::nullopt);
}

void TGImageBrowser::ChooseFile(const QString& path) {
  chosen_file_ = path;
  if (path.isEmpty()) {
    preview_->ShowPicture(std::nullopt);
    return;
  }
  PictureRead read = ReadPictureFile(path, QSizeF());
  if (!read.picture) ShowInformation(QString::fromLatin1(kErrorLoadingFile));
  preview_->ShowPicture(std::move(read.picture));
}

void TGImageBrowser::TakeStretch(bool checked) {
  if (checked) auto_size_->setChecked(false);
  preview_->SetStretch(checked);
}

void TGImageBrowser::TakeAutoSize(bool checked) {
  if (checked) stretch_->setChecked(false);
  preview_->SetAutoSize(checked);
}

bool TGImageBrowser::Apply(TGImage& image) const {
  if (chosen_file_.isEmpty()) return true;
  return LoadImageInto(image, chosen_file_, stretch_->isChecked(), auto_size_->isChecked());
}

bool TGImageBrowser::Edit(TGImage& image, QWidget* parent) {
  TGImageBrowser dialog(image, QString(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return dialog.Apply(image);
}

}  // namespace vellumo::design
