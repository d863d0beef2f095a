#include "CHuffmanFile.h"

#include <cstring>

CHuffmanFile::CHuffmanFile(orv::compressed::FileSystem& fs) : CCompressedFile(fs, formatHuffman) {
  // A short end code lets data bits share the last byte, which other writers leave out.
  SetOverrunAllowance(1);
}

void CHuffmanFile::InitModel() {
  std::memset(nodes_, 0, sizeof nodes_);
  nodes_[kRootNode] = Node{2, -1, 0, kRootNode + 1};
  nodes_[kRootNode + 1] = Node{1, kRootNode, 1, kEndOfStream};
  nodes_[kRootNode + 2] = Node{1, kRootNode, 1, kEscape};
  for (int& leaf : leaf_) leaf = -1;
  leaf_[kEndOfStream] = kRootNode + 1;
  leaf_[kEscape] = kRootNode + 2;
  nextFreeNode_ = kRootNode + 3;
  ended_ = false;
}

void CHuffmanFile::EncodeSymbol(int symbol) {
  int node = leaf_[symbol];
  if (node == -1) node = leaf_[kEscape];
  // The code, read from the leaf up: a 1 for every node at an even position. It is
  // written from the root down.
  bool bits[kNodeCount];
  int length = 0;
  while (node != kRootNode && length < kNodeCount) {
    bits[length++] = (node & 1) == 0;
    node = nodes_[node].parent;
  }
  while (length > 0) OutputBit(bits[--length]);
  if (leaf_[symbol] == -1) {
    OutputBits(static_cast<std::uint32_t>(symbol), 8);
    AddNewNode(symbol);
  }
}

void CHuffmanFile::AddNewNode(int symbol) {
  const int lightestNode = nextFreeNode_ - 1;
  const int newNode = nextFreeNode_;
  const int zeroWeightNode = nextFreeNode_ + 1;
  nextFreeNode_ += 2;

  nodes_[newNode] = nodes_[lightestNode];
  nodes_[newNode].parent = lightestNode;
  if (nodes_[newNode].childIsLeaf) {
    leaf_[nodes_[newNode].child] = newNode;
  } else {
    nodes_[nodes_[newNode].child].parent = newNode;
    nodes_[nodes_[newNode].child + 1].parent = newNode;
  }
  nodes_[lightestNode].child = newNode;
  nodes_[lightestNode].childIsLeaf = 0;

  nodes_[zeroWeightNode] = Node{0, lightestNode, 1, symbol};
  leaf_[symbol] = zeroWeightNode;
}

void CHuffmanFile::SwapNodes(int i, int j) {
  if (nodes_[i].childIsLeaf) {
    leaf_[nodes_[i].child] = j;
  } else {
    nodes_[nodes_[i].child].parent = j;
    nodes_[nodes_[i].child + 1].parent = j;
  }
  if (nodes_[j].childIsLeaf) {
    leaf_[nodes_[j].child] = i;
  } else {
    nodes_[nodes_[j].child].parent = i;
    nodes_[nodes_[j].child + 1].parent = i;
  }
  // Each position keeps its parent link.
  Node temp = nodes_[i];
  nodes_[i] = nodes_[j];
  nodes_[i].parent = temp.parent;
  temp.parent = nodes_[j].parent;
  nodes_[j] = temp;
}

void CHuffmanFile::UpdateModel(int symbol) {
  if (nodes_[kRootNode].weight == kMaxWeight) RebuildTree();
  int current = leaf_[symbol];
  while (current != -1) {
    ++nodes_[current].weight;
    int position = current;
    for (; position > kRootNode; --position) {
      if (nodes_[position - 1].weight >= nodes_[current].weight) break;
    }
    if (position != current) {
      SwapNodes(current, position);
      current = position;
    }
    current = nodes_[current].parent;
  }
}

void CHuffmanFile::RebuildTree() {
  // 1: the leaves move to the end, in order, with halved weights (rounded up).
  int j = nextFreeNode_ - 1;
  for (int i = j; i >= kRootNode; --i) {
    if (nodes_[i].childIsLeaf) {
      nodes_[j] = nodes_[i];
      nodes_[j].weight = (nodes_[j].weight + 1) / 2;
      --j;
    }
  }
  // 2: internal nodes are rebuilt from the lightest pairs up, each inserted after the
  // last heavier node so the weights stay in descending order.
  for (int i = nextFreeNode_ - 2; j >= kRootNode; i -= 2, --j) {
    const unsigned weight = nodes_[i].weight + nodes_[i + 1].weight;
    nodes_[j].weight = weight;
    nodes_[j].childIsLeaf = 0;
    int k = j + 1;
    while (k < nextFreeNode_ && weight < nodes_[k].weight) ++k;
    --k;
    std::memmove(&nodes_[j], &nodes_[j + 1], static_cast<std::size_t>(k - j) * sizeof(Node));
    nodes_[k].weight = weight;
    nodes_[k].child = i;
    nodes_[k].childIsLeaf = 0;
  }
  // 3: leaf indexes and parent links follow the new positions.
  for (int i = nextFreeNode_ - 1; i >= kRootNode; --i) {
    if (nodes_[i].childIsLeaf) {
      leaf_[nodes_[i].child] = i;
    } else {
      const int k = nodes_[i].child;
      nodes_[k].parent = nodes_[k + 1].parent = i;
    }
  }
}

void CHuffmanFile::CompressBytes(const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    EncodeSymbol(data[i]);
    UpdateModel(data[i]);
  }
}

void CHuffmanFile::WriteEndMarker() { EncodeSymbol(kEndOfStream); }

std::size_t CHuffmanFile::ExpandBytes(std::uint8_t* out, std::size_t count) {
  std::size_t produced = 0;
  while (produced < count && !ended_) {
    int node = kRootNode;
    while (!nodes_[node].childIsLeaf) {
      node = nodes_[node].child + InputBit();
      if (node <= kRootNode || node >= nextFreeNode_) {
        ended_ = true;
        return produced;
      }
    }
    int symbol = nodes_[node].child;
    if (symbol == kEscape) {
      symbol = static_cast<int>(InputBits(8));
      // A writer escapes only bytes that have no leaf yet.
      if (InputExhausted() || leaf_[symbol] != -1) {
        ended_ = true;
        break;
      }
      AddNewNode(symbol);
    }
    if (InputExhausted() || symbol == kEndOfStream) {
      ended_ = true;
      break;
    }
    out[produced++] = static_cast<std::uint8_t>(symbol);
    UpdateModel(symbol);
  }
  return produced;
}
