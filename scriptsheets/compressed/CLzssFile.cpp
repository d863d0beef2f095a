#include "CLzssFile.h"

#include <cstring>

CLzssFile::CLzssFile(orv::compressed::FileSystem& fs) : CCompressedFile(fs, formatLzss) {}

void CLzssFile::InitModel() {
  std::memset(window_, 0, sizeof window_);
  std::memset(tree_, 0, sizeof tree_);
  filling_ = true;
  filled_ = 0;
  lookAheadBytes_ = 0;
  currentPosition_ = 1;
  matchLength_ = matchPosition_ = 0;
  pendingReplace_ = 0;
  expandPosition_ = 1;
  copyPosition_ = copyRemaining_ = 0;
  ended_ = false;
}

void CLzssFile::InitTree(int root) {
  tree_[kTreeRoot].largerChild = root;
  tree_[root].parent = kTreeRoot;
  tree_[root].largerChild = kUnused;
  tree_[root].smallerChild = kUnused;
}

// Node 0 stands for "no node"; like every node it has a slot, and linking code writes
// its parent field freely.
void CLzssFile::ContractNode(int oldNode, int newNode) {
  const int parent = tree_[oldNode].parent;
  tree_[newNode].parent = parent;
  if (tree_[parent].largerChild == oldNode)
    tree_[parent].largerChild = newNode;
  else
    tree_[parent].smallerChild = newNode;
  tree_[oldNode].parent = kUnused;
}

void CLzssFile::ReplaceNode(int oldNode, int newNode) {
  const int parent = tree_[oldNode].parent;
  if (tree_[parent].smallerChild == oldNode)
    tree_[parent].smallerChild = newNode;
  else
    tree_[parent].largerChild = newNode;
  tree_[newNode] = tree_[oldNode];
  tree_[tree_[newNode].smallerChild].parent = newNode;
  tree_[tree_[newNode].largerChild].parent = newNode;
  tree_[oldNode].parent = kUnused;
}

int CLzssFile::FindNextNode(int node) {
  int next = tree_[node].smallerChild;
  // A walk longer than the tree has nodes would be a cycle; it is cut short.
  for (int steps = 0; tree_[next].largerChild != kUnused && steps <= kWindowSize; ++steps)
    next = tree_[next].largerChild;
  return next;
}

void CLzssFile::DeleteString(int position) {
  if (tree_[position].parent == kUnused) return;
  if (tree_[position].largerChild == kUnused) {
    ContractNode(position, tree_[position].smallerChild);
  } else if (tree_[position].smallerChild == kUnused) {
    ContractNode(position, tree_[position].largerChild);
  } else {
    // The next smaller string has no larger child: it is unlinked, then takes the place.
    const int replacement = FindNextNode(position);
    if (tree_[replacement].parent != kUnused) {
      if (tree_[replacement].largerChild == kUnused)
        ContractNode(replacement, tree_[replacement].smallerChild);
      else
        ContractNode(replacement, tree_[replacement].largerChild);
    }
    ReplaceNode(position, replacement);
  }
}

int CLzssFile::AddString(int newNode, int& matchPosition) {
  if (newNode == kEndOfStream) return 0;  // position 0 is never a match position
  int testNode = tree_[kTreeRoot].largerChild;
  int matchLength = 0;
  for (int steps = 0; steps <= kWindowSize; ++steps) {
    int i = 0;
    int delta = 0;
    for (; i < kLookAheadSize; ++i) {
      delta = window_[ModWindow(newNode + i)] - window_[ModWindow(testNode + i)];
      if (delta != 0) break;
    }
    if (i >= matchLength) {
      matchLength = i;
      matchPosition = testNode;
      if (matchLength >= kLookAheadSize) {
        ReplaceNode(testNode, newNode);
        return matchLength;
      }
    }
    int& child = (delta >= 0) ? tree_[testNode].largerChild : tree_[testNode].smallerChild;
    if (child == kUnused) {
      child = newNode;
      tree_[newNode].parent = testNode;
      tree_[newNode].largerChild = kUnused;
      tree_[newNode].smallerChild = kUnused;
      return matchLength;
    }
    testNode = child;
  }
  return matchLength;
}

void CLzssFile::StartCompression() {
  filling_ = false;
  lookAheadBytes_ = filled_;
  InitTree(currentPosition_);
  matchLength_ = 0;
  matchPosition_ = 0;
  if (lookAheadBytes_ > 0) EmitToken();
}

void CLzssFile::EmitToken() {
  if (matchLength_ > lookAheadBytes_) matchLength_ = lookAheadBytes_;
  if (matchLength_ <= kBreakEven) {
    pendingReplace_ = 1;
    OutputBit(true);
    OutputBits(window_[currentPosition_], 8);
  } else {
    OutputBit(false);
    OutputBits(static_cast<std::uint32_t>(matchPosition_), kIndexBits);
    OutputBits(static_cast<std::uint32_t>(matchLength_ - (kBreakEven + 1)), kLengthBits);
    pendingReplace_ = matchLength_;
  }
}

void CLzssFile::ReplaceOne(bool haveByte, std::uint8_t byte) {
  const int incoming = ModWindow(currentPosition_ + kLookAheadSize);
  DeleteString(incoming);
  if (haveByte)
    window_[incoming] = byte;
  else
    --lookAheadBytes_;
  currentPosition_ = ModWindow(currentPosition_ + 1);
  if (lookAheadBytes_ > 0) matchLength_ = AddString(currentPosition_, matchPosition_);
}

void CLzssFile::CompressBytes(const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (filling_) {
      window_[currentPosition_ + filled_] = data[i];
      if (++filled_ == kLookAheadSize) StartCompression();
      continue;
    }
    ReplaceOne(true, data[i]);
    if (--pendingReplace_ == 0) EmitToken();
  }
}

void CLzssFile::WriteEndMarker() {
  if (filling_) StartCompression();
  // The input has ended: the look-ahead drains, token by token.
  while (lookAheadBytes_ > 0) {
    for (; pendingReplace_ > 0; --pendingReplace_) ReplaceOne(false, 0);
    if (lookAheadBytes_ > 0) EmitToken();
  }
  OutputBit(false);
  OutputBits(kEndOfStream, kIndexBits);
}

std::size_t CLzssFile::ExpandBytes(std::uint8_t* out, std::size_t count) {
  std::size_t produced = 0;
  while (produced < count) {
    if (copyRemaining_ > 0) {
      const std::uint8_t c = window_[copyPosition_];
      copyPosition_ = ModWindow(copyPosition_ + 1);
      --copyRemaining_;
      out[produced++] = c;
      window_[expandPosition_] = c;
      expandPosition_ = ModWindow(expandPosition_ + 1);
      continue;
    }
    if (ended_) break;
    if (InputBit()) {
      const auto c = static_cast<std::uint8_t>(InputBits(8));
      if (InputExhausted()) {
        ended_ = true;
        break;
      }
      out[produced++] = c;
      window_[expandPosition_] = c;
      expandPosition_ = ModWindow(expandPosition_ + 1);
    } else {
      const int position = static_cast<int>(InputBits(kIndexBits));
      if (position == kEndOfStream || InputExhausted()) {
        ended_ = true;
        break;
      }
      copyPosition_ = position;
      copyRemaining_ = static_cast<int>(InputBits(kLengthBits)) + kBreakEven + 1;
      if (InputExhausted()) {
        copyRemaining_ = 0;
        ended_ = true;
        break;
      }
    }
  }
  return produced;
}
