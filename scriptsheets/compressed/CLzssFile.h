// LZSS over a 4096-byte window: a flag bit, then either a literal byte or a 12-bit
// window position and a 4-bit length. Matches are found with a binary search tree.
#pragma once
#include "CCompressedFile.h"

class CLzssFile : public CCompressedFile {
 public:
  explicit CLzssFile(orv::compressed::FileSystem& fs);

  static constexpr int kIndexBits = 12;
  static constexpr int kLengthBits = 4;
  static constexpr int kWindowSize = 1 << kIndexBits;
  static constexpr int kBreakEven = 1;
  static constexpr int kLookAheadSize = (1 << kLengthBits) + kBreakEven;  // 17
  static constexpr int kTreeRoot = kWindowSize;
  static constexpr int kEndOfStream = 0;
  static constexpr int kUnused = 0;

 protected:
  void InitModel() override;
  void CompressBytes(const std::uint8_t* data, std::size_t count) override;
  std::size_t ExpandBytes(std::uint8_t* out, std::size_t count) override;
  void WriteEndMarker() override;

 private:
  struct TreeNode {
    int parent;
    int smallerChild;
    int largerChild;
  };
  static int ModWindow(int position) { return position & (kWindowSize - 1); }

  void InitTree(int root);
  void ContractNode(int oldNode, int newNode);
  void ReplaceNode(int oldNode, int newNode);
  int FindNextNode(int node);
  void DeleteString(int position);
  int AddString(int newNode, int& matchPosition);

  void StartCompression();
  void EmitToken();
  void ReplaceOne(bool haveByte, std::uint8_t byte);

  std::uint8_t window_[kWindowSize];
  TreeNode tree_[kWindowSize + 1];
  // Compression: the look-ahead fills first, then every input byte replaces one byte
  // of the token being written.
  bool filling_ = true;
  int filled_ = 0;
  int lookAheadBytes_ = 0;
  int currentPosition_ = 1;
  int matchLength_ = 0;
  int matchPosition_ = 0;
  int pendingReplace_ = 0;
  // Expansion, resumable at any output byte.
  int expandPosition_ = 1;
  int copyPosition_ = 0;
  int copyRemaining_ = 0;
  bool ended_ = false;
};
