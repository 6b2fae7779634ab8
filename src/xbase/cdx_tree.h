// The B+-tree of one CDX tag (or of the tag directory): positioning,
// insertion and deletion on cached nodes, and the structure check.
// Interior entries hold the last key and record number of their child.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "cdx_pager.h"

namespace xbase::cdx {

// An entry of a leaf; past the last entry when leaf is null.
struct TreePosition {
  std::shared_ptr<Node> leaf;
  size_t index = 0;
  uint64_t leaf_hops = 0;  // leaves walked since positioning; more than the file has pages means a loop
  bool valid() const { return leaf != nullptr; }
};

class Tree {
 public:
  // REQUIRES: pager outlives the tree.
  Tree(Pager* pager, uint32_t root, uint16_t key_length, char pad)
      : pager_(pager), root_(root), key_length_(key_length), pad_(pad) {}

  uint32_t root() const { return root_; }
  uint16_t key_length() const { return key_length_; }
  char pad() const { return pad_; }

  // REQUIRES: key.size() == key_length(). Inserting an entry already present changes nothing.
  Status Insert(std::string_view key, uint32_t recno);
  // NotFound when the entry is absent.
  Status Delete(std::string_view key, uint32_t recno);

  Status First(TreePosition* pos);
  Status Last(TreePosition* pos);
  // The first entry whose key, over key.size() bytes, is not below `key`
  // (or, with `after`, above it).
  Status Seek(std::string_view key, bool after, TreePosition* pos);
  // The entry itself; *found tells whether it is there.
  Status Find(std::string_view key, uint32_t recno, TreePosition* pos, bool* found);
  Status Next(TreePosition* pos);
  Status Prev(TreePosition* pos);

  // Checks order, separators, sibling links and depth; adds every page to
  // `pages` (a page met twice is Corruption) and counts the entries.
  Status Check(std::unordered_set<uint32_t>* pages, uint64_t* entries);
  // Returns every page of the tree to the free list.
  Status FreeAll();

 private:
  struct Step {
    std::shared_ptr<Node> node;  // null for a page searched where it lies
    size_t index;
    uint32_t offset = kNoPage;
  };
  template <typename Below>
  Status Descend(const Below& below, std::vector<Step>* path, TreePosition* pos);
  Status LoadNode(uint32_t offset, std::shared_ptr<Node>* node);
  // Moves a position that may sit past the end of its leaf onto a real entry.
  Status SkipRight(TreePosition* pos);
  Status CountHop(TreePosition* pos);
  Status FixSeparators(std::vector<Step>& path, std::shared_ptr<Node> child);
  Status SplitUpward(std::vector<Step>& path, std::shared_ptr<Node> node);
  Status SplitNode(const std::shared_ptr<Node>& node, std::vector<std::shared_ptr<Node>>* parts);
  Status Unlink(const Node& node);
  Status CollapseRoot();

  Pager* pager_;
  uint32_t root_;
  uint16_t key_length_;
  char pad_;
  // The path of the last Insert or Delete: one vector for all of them, so
  // that a change allocates nothing for it. Emptied when the next begins.
  std::vector<Step> path_;
};

}  // namespace xbase::cdx
