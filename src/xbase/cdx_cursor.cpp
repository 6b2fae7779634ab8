// Cursors over CDX tags. A descending tag keeps its keys in ascending order
// on disk; its cursor walks them from the high end.
#include "cdx_cursor.h"

namespace xbase::cdx {
namespace {

class TreeCursor final : public TagCursor {
 public:
  TreeCursor(Tree* tree, bool descending) : tree_(tree), descending_(descending) {}

  Status First() override { return Checked(descending_ ? tree_->Last(&pos_) : tree_->First(&pos_)); }
  Status Last() override { return Checked(descending_ ? tree_->First(&pos_) : tree_->Last(&pos_)); }
  Status Seek(std::string_view key) override { return Checked(SeekInOrder(key)); }

  Status SeekEntry(std::string_view key, uint32_t recno) override {
    bool found = false;
    XBASE_RETURN_IF_ERROR(Checked(tree_->Find(key, recno, &pos_, &found)));
    if (found) return Status::OK();
    pos_.leaf.reset();
    return Status::NotFound("index entry for record " + std::to_string(recno) + " not found");
  }

  Status Next() override {
    if (!pos_.valid()) return Status::InvalidArgument("index cursor is not positioned");
    return Checked(descending_ ? tree_->Prev(&pos_) : tree_->Next(&pos_));
  }
  Status Prev() override {
    if (!pos_.valid()) return Status::InvalidArgument("index cursor is not positioned");
    return Checked(descending_ ? tree_->Next(&pos_) : tree_->Prev(&pos_));
  }

  bool Valid() const override { return pos_.valid(); }
  std::string_view key() const override { return pos_.leaf->key(pos_.index); }
  uint32_t recno() const override { return pos_.leaf->recnos[pos_.index]; }

 private:
  // A failed move leaves the cursor unpositioned.
  Status Checked(Status status) {
    if (!status.ok()) pos_.leaf.reset();
    return status;
  }

  Status SeekInOrder(std::string_view key) {
    if (!descending_) return tree_->Seek(key, false, &pos_);
    // Walking down, the first entry not above `key` is the one before the
    // first entry above it.
    XBASE_RETURN_IF_ERROR(tree_->Seek(key, true, &pos_));
    if (!pos_.valid()) return tree_->Last(&pos_);
    return tree_->Prev(&pos_);
  }

  Tree* tree_;
  bool descending_;
  TreePosition pos_;
};

}  // namespace

std::unique_ptr<TagCursor> NewTreeCursor(Tree* tree, bool descending) {
  return std::make_unique<TreeCursor>(tree, descending);
}

}  // namespace xbase::cdx
