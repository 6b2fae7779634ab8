// The image browser: its mask and places, the exclusive "Stretch" and
// "AutoSize", the preview of a chosen file, and what "Ok" does with good,
// bad and no files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QImage>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "design/windows/image_browser.h"
#include "design/windows/image_loading.h"
#include "design/windows/picture_preview.h"
#include "dialog_fixture.h"
#include "test_home.h"

namespace vellumo::design {
namespace {

class ImageBrowserTest : public testing::DialogTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    SetMessenger(&messenger_);
    image_ = Place<TGImage>();
  }
  void TearDown() override { SetMessenger(nullptr); }

  QString WriteImage(const QString& name, const char* format, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString path = folder_.filePath(name);
    EXPECT_TRUE(picture.save(path, format));
    return path;
  }
  QString WriteBytes(const QString& name, const QByteArray& bytes) {
    QFile file(folder_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }

  QTemporaryDir folder_;
  RecordingMessenger messenger_;
  TGImage* image_ = nullptr;
};

TEST_F(ImageBrowserTest, ShowsCaptionMaskPlacesAndTheObjectsFlags) {
  image_->SetAutoSize(true);
  TGImageBrowser dialog(*image_, folder_.path());
  EXPECT_EQ(dialog.windowTitle(), "Load Image File (BMP/WMF)");
  for (const char* pattern : {"*.BMP", "*.WMF", "*.bmp", "*.wmf", "*.PNG", "*.jpg", "*.JPEG", "*.svg"}) {
    EXPECT_TRUE(dialog.file_model()->nameFilters().contains(pattern)) << pattern;
  }
  EXPECT_EQ(dialog.places()->itemData(0).toString(), QDir::homePath());
  EXPECT_EQ(dialog.places()->itemData(1).toString(), QDir::rootPath());
  EXPECT_EQ(dialog.Folder(), folder_.path());
  EXPECT_TRUE(dialog.auto_size_box()->isChecked());
  EXPECT_FALSE(dialog.stretch_box()->isChecked());
}

TEST_F(ImageBrowserTest, StretchAndAutoSizeExcludeEachOther) {
  TGImageBrowser dialog(*image_, folder_.path());
  EXPECT_TRUE(dialog.stretch_box()->isChecked());
  dialog.auto_size_box()->setChecked(true);
  EXPECT_FALSE(dialog.stretch_box()->isChecked());
  EXPECT_TRUE(dialog.preview()->image().AutoSize());
  dialog.stretch_box()->setChecked(true);
  EXPECT_FALSE(dialog.auto_size_box()->isChecked());
  EXPECT_TRUE(dialog.preview()->image().Stretch());
  dialog.stretch_box()->setChecked(false);
  EXPECT_FALSE(dialog.auto_size_box()->isChecked());
}

TEST_F(ImageBrowserTest, ListsOnlyPictureFilesOfTheFolder) {
  WriteImage("one.bmp", "BMP", QSize(4, 4));
  WriteImage("TWO.PNG", "PNG", QSize(4, 4));
  WriteBytes("notes.txt", "text");
  TGImageBrowser dialog(*image_, folder_.path());
  QFileSystemModel* model = dialog.file_model();
  const QModelIndex root = dialog.file_list()->rootIndex();
  QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
  // The model reads folders on a thread of its own; wait for its report.
  for (int tries = 0; tries < 50 && model->rowCount(root) < 2; ++tries) loaded.wait(100);
  QStringList listed;
  for (int row = 0; row < model->rowCount(root); ++row) listed << model->index(row, 0, root).data().toString();
  listed.sort();
  EXPECT_EQ(listed, QStringList({"TWO.PNG", "one.bmp"}));
}

TEST_F(ImageBrowserTest, ChosenFileShowsInThePreviewAndABadOneSaysSo) {
  TGImageBrowser dialog(*image_, folder_.path());
  dialog.ChooseFile(WriteImage("good.bmp", "BMP", QSize(20, 10)));
  ASSERT_NE(dialog.preview()->image().Picture(), nullptr);
  EXPECT_EQ(dialog.preview()->image().Picture()->naturalSize(), QSizeF(20, 10));
  EXPECT_TRUE(messenger_.said.isEmpty());

  dialog.ChooseFile(WriteBytes("bad.bmp", "BM not a bitmap"));
  EXPECT_EQ(dialog.preview()->image().Picture(), nullptr);
  EXPECT_EQ(messenger_.said, QStringList({"Error loading file!"}));
}

TEST_F(ImageBrowserTest, PreviewLiesInsideItsFrameUnlessAutoSized) {
  TGImageBrowser dialog(*image_, folder_.path());
  dialog.show();
  PicturePreview* preview = dialog.preview();
  preview->resize(200, 180);
  EXPECT_EQ(preview->image().Bounds(), QRect(5, 5, 190, 170));
  dialog.ChooseFile(WriteImage("small.png", "PNG", QSize(30, 20)));
  dialog.auto_size_box()->setChecked(true);
  EXPECT_EQ(preview->image().Bounds(), QRect(0, 0, 30, 20));
}

TEST_F(ImageBrowserTest, OkLoadsTheFileAndTakesTheFlags) {
  TGImageBrowser dialog(*image_, folder_.path());
  dialog.ChooseFile(WriteImage("photo.png", "PNG", QSize(40, 30)));
  dialog.auto_size_box()->setChecked(true);
  EXPECT_TRUE(dialog.Apply(*image_));
  ASSERT_NE(image_->Picture(), nullptr);
  EXPECT_EQ(image_->Picture()->className(), "TBitmap");
  EXPECT_TRUE(image_->AutoSize());
  EXPECT_FALSE(image_->Stretch());
  EXPECT_EQ(image_->Bounds().size(), image_->Picture()->naturalSize().toSize());
  EXPECT_GE(changes_, 1);
}

TEST_F(ImageBrowserTest, OkWithABadFileEmptiesThePicture) {
  ASSERT_TRUE(LoadImageInto(*image_, WriteImage("first.bmp", "BMP", QSize(8, 8)), true, false));
  ASSERT_NE(image_->Picture(), nullptr);
  TGImageBrowser dialog(*image_, folder_.path());
  dialog.ChooseFile(WriteBytes("broken.wmf", QByteArray("\xD7\xCD\xC6\x9A", 4)));
  messenger_.said.clear();
  EXPECT_FALSE(dialog.Apply(*image_));
  EXPECT_EQ(image_->Picture(), nullptr);
  EXPECT_EQ(messenger_.said, QStringList({"Error loading file!"}));
}

TEST_F(ImageBrowserTest, OkWithoutAFileAndCancelLeaveTheObject) {
  TGImageBrowser dialog(*image_, folder_.path());
  dialog.auto_size_box()->setChecked(true);
  EXPECT_TRUE(dialog.Apply(*image_));
  EXPECT_TRUE(image_->Stretch());
  EXPECT_EQ(changes_, 0);

  AnswerNextDialog(false);
  EXPECT_FALSE(TGImageBrowser::Edit(*image_, nullptr));
  EXPECT_EQ(image_->Picture(), nullptr);
  EXPECT_EQ(changes_, 0);
}

TEST_F(ImageBrowserTest, AFileTooLargeForAPictureIsNotRead) {
  QFile file(folder_.filePath("huge.bmp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("BM");
  ASSERT_TRUE(file.resize(kMaxPictureFileBytes + 1));  // sparse: no disk is used
  file.close();
  EXPECT_FALSE(ReadPictureFile(file.fileName(), QSizeF()).picture.has_value());
  EXPECT_FALSE(LoadImageInto(*image_, file.fileName(), true, false));
  EXPECT_EQ(messenger_.said, QStringList({"Error loading file!"}));
}

}  // namespace
}  // namespace vellumo::design
