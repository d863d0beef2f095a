// Adaptive Huffman coding: the tree starts with the end and escape symbols and grows a
// leaf for each new byte; weights are halved and the tree rebuilt at weight 0x8000.
#pragma once
#include "CCompressedFile.h"

class CHuffmanFile : public CCompressedFile {
 public:
  explicit CHuffmanFile(orv::compressed::FileSystem& fs);

  static constexpr int kEndOfStream = 256;
  static constexpr int kEscape = 257;
  static constexpr int kSymbolCount = 258;
  static constexpr int kNodeCount = kSymbolCount * 2 - 1;  // 515
  static constexpr int kRootNode = 0;
  static constexpr unsigned kMaxWeight = 0x8000;

 protected:
  void InitModel() override;
  void CompressBytes(const std::uint8_t* data, std::size_t count) override;
  std::size_t ExpandBytes(std::uint8_t* out, std::size_t count) override;
  void WriteEndMarker() override;

 private:
  struct Node {
    unsigned weight;
    int parent;
    int childIsLeaf;
    int child;  // a leaf's symbol, or the first of an internal node's two children
  };

  void EncodeSymbol(int symbol);
  void AddNewNode(int symbol);
  void UpdateModel(int symbol);
  void SwapNodes(int i, int j);
  void RebuildTree();

  int leaf_[kSymbolCount];
  int nextFreeNode_ = 0;
  Node nodes_[kNodeCount];
  bool ended_ = false;
};
