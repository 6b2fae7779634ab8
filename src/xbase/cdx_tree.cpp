// B+-tree operations on one CDX tag.
#include "cdx_tree.h"

#include <algorithm>

#include "cdx_leaf_in_place.h"

namespace xbase::cdx {
namespace {

template <typename Below>
size_t PartitionPoint(const Node& node, const Below& below) {
  size_t lo = 0, hi = node.count();
  while (lo < hi) {
    size_t mid = (lo + hi) / 2;
    if (below(node, mid)) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// Copies entries [from, to) of `source` to the end of `target`.
void AppendRange(const Node& source, size_t from, size_t to, Node* target) {
  const size_t length = source.key_length;
  target->packed_bytes = Node::kUnmeasured;
  target->keys.append(source.keys, from * length, (to - from) * length);
  target->recnos.insert(target->recnos.end(), source.recnos.begin() + static_cast<ptrdiff_t>(from),
                        source.recnos.begin() + static_cast<ptrdiff_t>(to));
  if (source.leaf) {
    target->trailing.append(source.trailing, from, to - from);
  } else {
    target->children.insert(target->children.end(), source.children.begin() + static_cast<ptrdiff_t>(from),
                            source.children.begin() + static_cast<ptrdiff_t>(to));
  }
}

bool RangeFits(const Node& node, size_t from, size_t to) {
  if (!node.leaf) return to - from <= InteriorCapacity(node.key_length);
  LeafSizer sizer(node.key_length, node.pad);
  for (size_t i = from; i < to; ++i) sizer.Add(node.keys.data() + i * node.key_length, node.recnos[i]);
  return sizer.fits();
}

// Start indexes of the pieces an overfull node is cut into: two halves when
// they fit, else as many pieces as packing them full needs.
std::vector<size_t> SplitPoints(const Node& node) {
  const size_t count = node.count();
  const size_t mid = count / 2;
  if (mid > 0 && RangeFits(node, 0, mid) && RangeFits(node, mid, count)) return {0, mid};
  std::vector<size_t> starts = {0};
  if (!node.leaf) {
    for (size_t i = InteriorCapacity(node.key_length); i < count; i += InteriorCapacity(node.key_length)) {
      starts.push_back(i);
    }
    return starts;
  }
  LeafSizer sizer(node.key_length, node.pad);
  for (size_t i = 0; i < count; ++i) {
    LeafSizer trial = sizer;
    trial.Add(node.keys.data() + i * node.key_length, node.recnos[i]);
    if (!trial.fits() && sizer.count() > 0) {
      starts.push_back(i);
      sizer = LeafSizer(node.key_length, node.pad);
      sizer.Add(node.keys.data() + i * node.key_length, node.recnos[i]);
    } else {
      sizer = trial;
    }
  }
  return starts;
}

}  // namespace

Status Tree::LoadNode(uint32_t offset, std::shared_ptr<Node>* node) {
  return pager_->Load(offset, key_length_, pad_, node);
}

template <typename Below>
Status Tree::Descend(const Below& below, std::vector<Step>* path, TreePosition* pos) {
  std::shared_ptr<Node> node;
  XBASE_RETURN_IF_ERROR(LoadNode(root_, &node));
  for (int depth = 0;; ++depth) {
    if (depth >= kMaxDepth) return Status::Corruption("index tree deeper than " + std::to_string(kMaxDepth) + " levels");
    size_t i = PartitionPoint(*node, below);
    if (node->leaf) {
      pos->leaf = std::move(node);
      pos->index = i;
      pos->leaf_hops = 0;
      return Status::OK();
    }
    if (i == node->count()) --i;  // beyond every separator: the rightmost child
    uint32_t child = node->children[i];
    if (path) path->push_back({node, i});
    XBASE_RETURN_IF_ERROR(LoadNode(child, &node));
  }
}

Status Tree::CountHop(TreePosition* pos) {
  if (++pos->leaf_hops > pager_->file_end() / kPageSize) {
    pos->leaf.reset();
    return Status::Corruption("index sibling links loop");
  }
  return Status::OK();
}

Status Tree::SkipRight(TreePosition* pos) {
  while (pos->index >= pos->leaf->count()) {
    if (pos->leaf->right == kNoPage) {
      pos->leaf.reset();
      return Status::OK();
    }
    XBASE_RETURN_IF_ERROR(CountHop(pos));
    XBASE_RETURN_IF_ERROR(LoadNode(pos->leaf->right, &pos->leaf));
    pos->index = 0;
  }
  return Status::OK();
}

Status Tree::First(TreePosition* pos) {
  XBASE_RETURN_IF_ERROR(Descend([](const Node&, size_t) { return false; }, nullptr, pos));
  return SkipRight(pos);
}

Status Tree::Last(TreePosition* pos) {
  XBASE_RETURN_IF_ERROR(Descend([](const Node&, size_t) { return true; }, nullptr, pos));
  return Prev(pos);
}

Status Tree::Seek(std::string_view key, bool after, TreePosition* pos) {
  const size_t n = std::min<size_t>(key.size(), key_length_);
  auto below = [&](const Node& node, size_t i) {
    int c = std::memcmp(node.keys.data() + i * key_length_, key.data(), n);
    return after ? c <= 0 : c < 0;
  };
  XBASE_RETURN_IF_ERROR(Descend(below, nullptr, pos));
  return SkipRight(pos);
}

Status Tree::Find(std::string_view key, uint32_t recno, TreePosition* pos, bool* found) {
  *found = false;
  if (key.size() != key_length_) return Status::OK();
  auto below = [&](const Node& node, size_t i) { return node.Compare(i, key, recno) < 0; };
  XBASE_RETURN_IF_ERROR(Descend(below, nullptr, pos));
  XBASE_RETURN_IF_ERROR(SkipRight(pos));
  *found = pos->valid() && pos->leaf->Compare(pos->index, key, recno) == 0;
  return Status::OK();
}

Status Tree::Next(TreePosition* pos) {
  ++pos->index;
  return SkipRight(pos);
}

Status Tree::Prev(TreePosition* pos) {
  while (pos->index == 0) {
    if (pos->leaf->left == kNoPage) {
      pos->leaf.reset();
      return Status::OK();
    }
    XBASE_RETURN_IF_ERROR(CountHop(pos));
    XBASE_RETURN_IF_ERROR(LoadNode(pos->leaf->left, &pos->leaf));
    pos->index = pos->leaf->count();
  }
  --pos->index;
  return Status::OK();
}

Status Tree::Insert(std::string_view key, uint32_t recno) {
  if (key.size() != key_length_) {
    return Status::InvalidArgument("key of " + std::to_string(key.size()) + " bytes for a tag of " +
                                   std::to_string(key_length_));
  }
  std::vector<Step>& path = path_;
  path.clear();
  auto below = [&](const Node& node, size_t i) { return node.Compare(i, key, recno) < 0; };
  // Down to the leaf. Interior pages nobody has decoded are searched where
  // they lie, and decoded only should the change reach them; the leaf is
  // changed on its page where it can be, and decoded only when it cannot
  // (a split, a new last key, a wider record number, a page in use decoded).
  std::shared_ptr<Node> node;
  for (uint32_t offset = root_;;) {
    if (path.size() >= kMaxDepth) return Status::Corruption("index tree deeper than " + std::to_string(kMaxDepth) + " levels");
    char* page = nullptr;
    XBASE_RETURN_IF_ERROR(pager_->LoadForChange(offset, key_length_, pad_, &node, &page));
    if (page != nullptr) {
      size_t index = 0;
      uint32_t child = kNoPage;
      if (SearchInteriorPage(page, key_length_, key, recno, &index, &child)) {
        path.push_back({nullptr, index, offset});
        offset = child;
        continue;
      }
      if (InsertIntoLeafPage(page, key_length_, pad_, key, recno) != InPlaceInsert::kNotInPlace) return Status::OK();
      XBASE_RETURN_IF_ERROR(LoadNode(offset, &node));
    }
    if (node->leaf) break;
    const size_t i = node->ChildFor(key, recno);
    path.push_back({node, i, offset});
    offset = node->children[i];
  }
  const size_t at = PartitionPoint(*node, below);
  if (at < node->count() && node->Compare(at, key, recno) == 0) return Status::OK();
  // The change may reach the parents: those searched on their pages are
  // decoded now, before anything changes.
  for (Step& step : path) {
    if (!step.node) XBASE_RETURN_IF_ERROR(LoadNode(step.offset, &step.node));
  }
  node->Insert(at, key, recno, 0);
  pager_->MarkDirty(node);
  if (at + 1 == node->count()) XBASE_RETURN_IF_ERROR(FixSeparators(path, node));
  return SplitUpward(path, node);
}

Status Tree::Delete(std::string_view key, uint32_t recno) {
  std::vector<Step>& path = path_;
  path.clear();
  TreePosition pos;
  auto below = [&](const Node& node, size_t i) { return node.Compare(i, key, recno) < 0; };
  if (key.size() == key_length_) XBASE_RETURN_IF_ERROR(Descend(below, &path, &pos));
  if (!pos.valid() || pos.index >= pos.leaf->count() || pos.leaf->Compare(pos.index, key, recno) != 0) {
    return Status::NotFound("index entry for record " + std::to_string(recno) + " not found");
  }
  std::shared_ptr<Node> node = pos.leaf;
  // Nodes left empty are unlinked from their siblings; those are read
  // before anything changes, so a read error leaves the tree as it was.
  std::vector<std::shared_ptr<Node>> neighbours;
  for (size_t level = path.size(); node->count() == 1 && level > 0;) {
    for (uint32_t sibling : {node->left, node->right}) {
      if (sibling == kNoPage) continue;
      neighbours.emplace_back();
      XBASE_RETURN_IF_ERROR(LoadNode(sibling, &neighbours.back()));
    }
    node = path[--level].node;
  }
  node = pos.leaf;
  node->Erase(pos.index);
  pager_->MarkDirty(node);
  if (node->count() > 0) {
    if (pos.index == node->count()) XBASE_RETURN_IF_ERROR(FixSeparators(path, node));
    XBASE_RETURN_IF_ERROR(SplitUpward(path, node));  // a neighbour may pack worse than before
    return CollapseRoot();
  }
  // Empty nodes leave the tree; their parents may empty in turn.
  while (node->count() == 0 && !path.empty()) {
    XBASE_RETURN_IF_ERROR(Unlink(*node));
    pager_->Free(node->offset);
    Step step = path.back();
    path.pop_back();
    step.node->Erase(step.index);
    pager_->MarkDirty(step.node);
    if (step.node->count() > 0 && step.index == step.node->count()) {
      XBASE_RETURN_IF_ERROR(FixSeparators(path, step.node));
    }
    node = step.node;
  }
  return CollapseRoot();
}

Status Tree::FixSeparators(std::vector<Step>& path, std::shared_ptr<Node> child) {
  for (size_t level = path.size(); level-- > 0;) {
    Node& parent = *path[level].node;
    const size_t i = path[level].index;
    const size_t last = child->count() - 1;
    if (parent.Compare(i, child->key(last), child->recnos[last]) == 0) return Status::OK();
    std::memcpy(parent.keys.data() + i * key_length_, child->keys.data() + last * key_length_, key_length_);
    parent.recnos[i] = child->recnos[last];
    pager_->MarkDirty(path[level].node);
    if (i + 1 != parent.count()) return Status::OK();
    child = path[level].node;
  }
  return Status::OK();
}

Status Tree::SplitNode(const std::shared_ptr<Node>& node, std::vector<std::shared_ptr<Node>>* parts) {
  // The right neighbour is read before anything changes, so a read error
  // leaves the tree as it was.
  std::shared_ptr<Node> right;
  if (node->right != kNoPage) XBASE_RETURN_IF_ERROR(LoadNode(node->right, &right));
  std::vector<size_t> starts = SplitPoints(*node);
  Node tail;
  tail.leaf = node->leaf;
  tail.key_length = key_length_;
  node->MoveTail(starts.size() > 1 ? starts[1] : node->count(), &tail);
  parts->assign(1, node);
  const uint32_t old_right = node->right;
  for (size_t j = 1; j < starts.size(); ++j) {
    std::shared_ptr<Node> part;
    XBASE_RETURN_IF_ERROR(pager_->NewNode(node->leaf, key_length_, pad_, &part));
    // `tail` starts at entry starts[1] of the original node.
    const size_t end = j + 1 < starts.size() ? starts[j + 1] - starts[1] : tail.count();
    AppendRange(tail, starts[j] - starts[1], end, part.get());
    part->left = parts->back()->offset;
    parts->back()->right = part->offset;
    parts->push_back(part);
  }
  parts->back()->right = old_right;
  if (right) {
    right->left = parts->back()->offset;
    pager_->MarkDirty(right);
  }
  return Status::OK();
}

Status Tree::SplitUpward(std::vector<Step>& path, std::shared_ptr<Node> node) {
  while (!NodeFits(*node)) {
    std::vector<std::shared_ptr<Node>> parts;
    XBASE_RETURN_IF_ERROR(SplitNode(node, &parts));
    std::shared_ptr<Node> parent;
    size_t index = 0;
    if (path.empty()) {
      // The root split: a new root one level up holds the pieces.
      XBASE_RETURN_IF_ERROR(pager_->NewNode(false, key_length_, pad_, &parent));
      parent->root = true;
      node->root = false;
      root_ = parent->offset;
      parent->Insert(0, parts[0]->key(0), 0, parts[0]->offset);  // set just below
    } else {
      parent = path.back().node;
      index = path.back().index;
      path.pop_back();
    }
    for (size_t j = 0; j < parts.size(); ++j) {
      const Node& part = *parts[j];
      const size_t last = part.count() - 1;
      if (j == 0) {
        std::memcpy(parent->keys.data() + index * key_length_, part.keys.data() + last * key_length_, key_length_);
        parent->recnos[index] = part.recnos[last];
      } else {
        parent->Insert(index + j, part.key(last), part.recnos[last], part.offset);
      }
    }
    pager_->MarkDirty(parent);
    node = parent;
  }
  return Status::OK();
}

Status Tree::Unlink(const Node& node) {
  std::shared_ptr<Node> sibling;
  if (node.left != kNoPage) {
    XBASE_RETURN_IF_ERROR(LoadNode(node.left, &sibling));
    sibling->right = node.right;
    pager_->MarkDirty(sibling);
  }
  if (node.right != kNoPage) {
    XBASE_RETURN_IF_ERROR(LoadNode(node.right, &sibling));
    sibling->left = node.left;
    pager_->MarkDirty(sibling);
  }
  return Status::OK();
}

Status Tree::CollapseRoot() {
  std::shared_ptr<Node> root;
  XBASE_RETURN_IF_ERROR(LoadNode(root_, &root));
  for (int depth = 0; !root->leaf && root->count() <= 1; ++depth) {
    if (depth >= kMaxDepth) return Status::Corruption("index tree deeper than " + std::to_string(kMaxDepth) + " levels");
    if (root->count() == 0) {  // the last leaf went: the root becomes an empty leaf
      root->leaf = true;
      root->children.clear();
      pager_->MarkDirty(root);
      return Status::OK();
    }
    std::shared_ptr<Node> child;
    XBASE_RETURN_IF_ERROR(LoadNode(root->children[0], &child));
    child->root = true;
    pager_->MarkDirty(child);
    pager_->Free(root->offset);
    root_ = child->offset;
    root = std::move(child);
  }
  return Status::OK();
}

Status Tree::Check(std::unordered_set<uint32_t>* pages, uint64_t* entries) {
  std::vector<uint32_t> level = {root_};
  // The separator each node of `level` must end with (none for the root).
  std::string separators;
  std::vector<uint32_t> separator_recnos;
  std::string previous_key;
  uint32_t previous_recno = 0;
  for (int depth = 0;; ++depth) {
    if (depth >= kMaxDepth) return Status::Corruption("index tree deeper than " + std::to_string(kMaxDepth) + " levels");
    std::vector<uint32_t> next;
    std::string next_separators;
    std::vector<uint32_t> next_recnos;
    bool leaf_level = false;
    for (size_t j = 0; j < level.size(); ++j) {
      const uint32_t offset = level[j];
      const std::string where = "index page " + Hex(offset) + ": ";
      if (!pages->insert(offset).second) return Status::Corruption(where + "reached twice");
      std::shared_ptr<Node> node;
      XBASE_RETURN_IF_ERROR(LoadNode(offset, &node));
      if (j == 0) leaf_level = node->leaf;
      if (node->leaf != leaf_level) return Status::Corruption(where + "leaves and interior nodes on one level");
      if (node->root != (depth == 0)) return Status::Corruption(where + "wrong root attribute");
      if (node->left != (j > 0 ? level[j - 1] : kNoPage)) return Status::Corruption(where + "bad left sibling link");
      if (node->right != (j + 1 < level.size() ? level[j + 1] : kNoPage)) {
        return Status::Corruption(where + "bad right sibling link");
      }
      if (depth > 0) {
        if (node->count() == 0) return Status::Corruption(where + "empty node below the root");
        const size_t last = node->count() - 1;
        if (node->Compare(last, std::string_view(separators.data() + j * key_length_, key_length_),
                          separator_recnos[j]) != 0) {
          return Status::Corruption(where + "last key differs from its parent's entry");
        }
      }
      for (size_t i = 0; i < node->count(); ++i) {
        bool ordered = i > 0 ? node->Compare(i - 1, node->key(i), node->recnos[i]) < 0
                             : !(node->leaf && !previous_key.empty() &&
                                 node->Compare(0, previous_key, previous_recno) <= 0);
        if (!ordered) return Status::Corruption(where + "keys out of order at entry " + std::to_string(i));
        if (!node->leaf) {
          next.push_back(node->children[i]);
          next_separators.append(node->key(i));
          next_recnos.push_back(node->recnos[i]);
        }
      }
      if (node->leaf && node->count() > 0) {
        previous_key.assign(node->key(node->count() - 1));
        previous_recno = node->recnos.back();
        *entries += node->count();
      }
    }
    if (leaf_level) return Status::OK();
    level = std::move(next);
    separators = std::move(next_separators);
    separator_recnos = std::move(next_recnos);
  }
}

Status Tree::FreeAll() {
  // Every page is found before any is freed, so a damaged tree frees nothing.
  std::vector<uint32_t> all;
  std::unordered_set<uint32_t> seen;
  std::vector<uint32_t> level = {root_};
  for (int depth = 0; !level.empty(); ++depth) {
    if (depth >= kMaxDepth) return Status::Corruption("index tree deeper than " + std::to_string(kMaxDepth) + " levels");
    std::vector<uint32_t> next;
    for (uint32_t offset : level) {
      if (!seen.insert(offset).second) return Status::Corruption("index page " + Hex(offset) + " reached twice");
      std::shared_ptr<Node> node;
      XBASE_RETURN_IF_ERROR(LoadNode(offset, &node));
      all.push_back(offset);
      if (!node->leaf) next.insert(next.end(), node->children.begin(), node->children.end());
    }
    level = std::move(next);
  }
  for (uint32_t offset : all) pager_->Free(offset);
  return Status::OK();
}

}  // namespace xbase::cdx
