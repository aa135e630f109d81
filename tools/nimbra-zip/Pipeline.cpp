#include "Pipeline.h"

#include <libdeflate.h>
#include <signal.h>
#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "CompressionProbe.h"
#include "Deflate.h"

namespace nimbra::ziptool {

namespace {

// libdeflate's level 7 is smaller than zlib's level 6 (Info-ZIP's default) on text,
// binaries and small files alike, and still takes only 0.5-0.65 times its CPU time.
constexpr int kLevel = 7;

// Enough pieces that the walker, every worker and the writer each have one, with slack
// for pieces finished out of order.
constexpr unsigned kPiecesPerWorker = 3;
// Entries without data (folders, empty files) take no room: this bounds their number per
// piece, and so memory, however many there are.
constexpr std::size_t kSegmentsPerPiece = 1024;

std::uint32_t crcOf(const std::byte* data, std::size_t length) {
  return static_cast<std::uint32_t>(libdeflate_crc32(0, data, length));
}

}  // namespace

Pipeline::Pipeline(ZipContainer& container, unsigned workers)
    : container_(container), pieces_(std::max(1u, workers) * kPiecesPerWorker) {
  const auto outputSize = Deflater::partBound(kPieceSize);
  for (auto& piece : pieces_) {
    piece.input = std::make_unique_for_overwrite<std::byte[]>(kPieceSize);
    piece.output = std::make_unique_for_overwrite<std::byte[]>(outputSize);
    free_.push_back(&piece);
  }
  // Signals are for the main thread alone: its handler removes the partial archive.
  sigset_t all;
  sigset_t previous;
  sigfillset(&all);
  pthread_sigmask(SIG_BLOCK, &all, &previous);
  try {
    for (unsigned i = 0; i < std::max(1u, workers); ++i) threads_.emplace_back([this] { work(); });
    threads_.emplace_back([this] { writeOut(); });
  } catch (...) {
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    stop();
    throw;
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

Pipeline::~Pipeline() { stop(); }

void Pipeline::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  for (auto& thread : threads_) thread.join();
  threads_.clear();
}

void Pipeline::fail(std::exception_ptr error) {
  {
    std::lock_guard lock(mutex_);
    if (!failure_) failure_ = std::move(error);
    stopping_ = true;
  }
  changed_.notify_all();
}

Piece& Pipeline::pieceWithRoom(std::size_t room) {
  if (room > kPieceSize) throw std::length_error("more than a piece");
  if (filling_ != nullptr && kPieceSize - filling_->used >= room && filling_->segments.size() < kSegmentsPerPiece) {
    return *filling_;
  }
  send();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return failure_ || !free_.empty(); });
  if (failure_) std::rethrow_exception(failure_);
  filling_ = free_.front();
  free_.pop_front();
  return *filling_;
}

void Pipeline::send() {
  if (filling_ == nullptr || filling_->segments.empty()) return;
  {
    std::lock_guard lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    work_.push_back(filling_);
    order_.push_back(filling_);
  }
  filling_ = nullptr;
  changed_.notify_all();
}

void Pipeline::finish() {
  send();
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return failure_ || order_.empty(); });
    if (failure_) std::rethrow_exception(failure_);
  }
  stop();
}

void Pipeline::work() {
  try {
    Deflater deflater(kLevel);
    for (;;) {
      Piece* piece = nullptr;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || !work_.empty(); });
        if (stopping_) return;
        piece = work_.front();
        work_.pop_front();
      }
      compress(*piece, deflater);
      {
        std::lock_guard lock(mutex_);
        piece->compressed = true;
      }
      changed_.notify_all();
    }
  } catch (...) {
    fail(std::current_exception());
  }
}

void Pipeline::compress(Piece& piece, Deflater& deflater) {
  std::size_t outUsed = 0;
  for (auto& segment : piece.segments) {
    const std::span<const std::byte> in(piece.input.get() + segment.inOffset, segment.inLength);
    segment.crc = crcOf(in.data(), in.size());
    segment.outOffset = outUsed;
    if (segment.method != Method::deflate) continue;
    const std::span<std::byte> out(piece.output.get() + outUsed, Deflater::partBound(kPieceSize) - outUsed);
    if (segment.part != Segment::Part::whole) {
      segment.outLength = deflater.compressPart(in, out, segment.part == Segment::Part::last);
    } else {
      // Whole small files: skip what already looks compressed, store what deflate cannot shrink.
      const auto choice = chooseCompression(in.size(), [&](std::uint64_t offset, std::size_t length) {
        return in.subspan(static_cast<std::size_t>(offset), length);
      });
      segment.outLength = choice == Compression::deflate ? deflater.compressWhole(in, out) : 0;
      if (segment.outLength == 0) segment.method = Method::store;
    }
    outUsed += segment.outLength;
  }
}

void Pipeline::writeOut() {
  try {
    for (;;) {
      Piece* piece = nullptr;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || (!order_.empty() && order_.front()->compressed); });
        if (stopping_) return;
        piece = order_.front();
      }
      write(*piece);
      {
        std::lock_guard lock(mutex_);
        order_.pop_front();
        piece->used = 0;
        piece->segments.clear();
        piece->compressed = false;
        free_.push_back(piece);
      }
      changed_.notify_all();
    }
  } catch (...) {
    fail(std::current_exception());
  }
}

void Pipeline::write(Piece& piece) {
  for (const auto& segment : piece.segments) {
    const auto* data = segment.method == Method::deflate ? piece.output.get() + segment.outOffset
                                                         : piece.input.get() + segment.inOffset;
    const std::span<const std::byte> bytes(data,
                                           segment.method == Method::deflate ? segment.outLength : segment.inLength);
    switch (segment.part) {
      case Segment::Part::whole:
        container_.add(segment.header, segment.method, segment.crc, segment.inLength, bytes);
        break;
      case Segment::Part::first:
        container_.begin(segment.header, segment.method, segment.fileSize);
        container_.append(bytes);
        partsCrc_ = segment.crc;
        partsSize_ = segment.inLength;
        break;
      case Segment::Part::middle:
      case Segment::Part::last:
        container_.append(bytes);
        partsCrc_ =
            static_cast<std::uint32_t>(crc32_combine(partsCrc_, segment.crc, static_cast<z_off_t>(segment.inLength)));
        partsSize_ += segment.inLength;
        if (segment.part == Segment::Part::last) container_.end(partsCrc_, partsSize_);
        break;
    }
  }
}

}  // namespace nimbra::ziptool
