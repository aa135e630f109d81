#pragma once
// Compression off the walking thread. The walker fills pieces with file data in name
// order; a pool of workers compresses them; one writer thread hands them to the
// container in the order they were filled. A fixed number of fixed-size pieces keeps
// memory flat, and nothing that reaches the archive depends on which worker took which
// piece or when.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ZipContainer.h"

namespace nimbra::ziptool {

class Deflater;

// One entry's share of a piece: all of a small file, folder or link, or one part of a
// file larger than a piece.
struct Segment {
  enum class Part { whole, first, middle, last };
  EntryHeader header;  // whole entries and first parts
  Part part = Part::whole;
  // Whole entries: deflate asks the worker to deflate when it pays; parts: as chosen.
  Method method = Method::store;
  std::uint64_t fileSize = 0;  // first parts: the size of the whole file
  std::size_t inOffset = 0;
  std::size_t inLength = 0;
  // Filled in by the worker.
  std::size_t outOffset = 0;
  std::size_t outLength = 0;
  std::uint32_t crc = 0;
};

struct Piece {
  std::unique_ptr<std::byte[]> input;
  std::unique_ptr<std::byte[]> output;
  std::size_t used = 0;  // bytes of input filled
  std::vector<Segment> segments;
  bool compressed = false;
};

class Pipeline {
 public:
  static constexpr std::size_t kPieceSize = std::size_t{1} << 20;

  // Starts `workers` compressing threads and the writing thread.
  Pipeline(ZipContainer& container, unsigned workers);
  // Stops the threads without writing what is still queued.
  ~Pipeline();
  Pipeline(const Pipeline&) = delete;
  Pipeline& operator=(const Pipeline&) = delete;

  // The piece being filled, sent on first if it has less than `room` input bytes free.
  // Waits for a free piece when all are busy. Rethrows a failure of the other threads.
  Piece& pieceWithRoom(std::size_t room);
  // Hands the piece being filled to the workers and the writer.
  void send();
  // Sends the rest and returns once all of it is written; rethrows a failure.
  void finish();

 private:
  void work();
  void writeOut();
  void compress(Piece& piece, Deflater& deflater);
  void write(Piece& piece);
  void fail(std::exception_ptr error);
  void stop();

  ZipContainer& container_;
  std::vector<Piece> pieces_;
  Piece* filling_ = nullptr;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Piece*> free_;
  std::deque<Piece*> work_;   // waiting for a worker
  std::deque<Piece*> order_;  // waiting for the writer, in the order sent
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::vector<std::thread> threads_;
  // The writer's running state for a file written in parts.
  std::uint32_t partsCrc_ = 0;
  std::uint64_t partsSize_ = 0;
};

}  // namespace nimbra::ziptool
