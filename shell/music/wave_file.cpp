#include "shell/music/wave_file.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

struct ChunkHeader {
  char id[4];
  std::uint32_t size;
};

bool ReadChunkHeader(std::istream& in, ChunkHeader& header) {
  unsigned char bytes[8];
  if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return false;
  std::memcpy(header.id, bytes, 4);
  header.size = bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<std::uint32_t>(bytes[7]) << 24;
  return true;
}

}  // namespace

bool IsWaveWithoutSamples(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff fileSize = in.tellg();
  in.seekg(0, std::ios::beg);

  ChunkHeader riff;
  char form[4];
  if (!ReadChunkHeader(in, riff) || std::memcmp(riff.id, "RIFF", 4) != 0) return false;
  if (!in.read(form, 4) || std::memcmp(form, "WAVE", 4) != 0) return false;

  ChunkHeader chunk;
  while (ReadChunkHeader(in, chunk)) {
    const std::streamoff start = in.tellg();
    if (std::memcmp(chunk.id, "data", 4) == 0) return chunk.size == 0 || start >= fileSize;
    // Chunks are padded to an even length.
    in.seekg(start + chunk.size + (chunk.size & 1), std::ios::beg);
  }
  return false;
}
