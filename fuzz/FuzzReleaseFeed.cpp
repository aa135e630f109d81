// The release feed as the network may deliver it. The input is taken twice: as the
// whole envelope, checked against a key that signed nothing (always refused, as a bad
// signature or as no feed at all), and as the release inside an envelope our own key
// signs (the signature accepted; what is announced has a dotted version and https
// links, or is refused as malformed). Comparing versions is an order.

#include "FeedSigningKey.h"
#include "FuzzSupport.h"
#include "ReleaseFeed.h"

namespace nimbra::fuzz {
namespace {

using updates::FeedProblem;

void refusedWithoutOurSignature(const QByteArray& envelope) {
  static const QByteArray stranger = testing::FeedSigningKey().publicKey();
  const auto result = updates::readSignedFeed(envelope, stranger);
  const auto* problem = std::get_if<FeedProblem>(&result);
  require(problem && problem->kind != FeedProblem::Kind::Unreachable, "a feed no key of ours signed is refused");
}

void readWhenSigned(const QByteArray& feed) {
  static const testing::FeedSigningKey ours;
  static const QByteArray publicKey = ours.publicKey();
  const auto result = updates::readSignedFeed(ours.envelope(feed), publicKey);
  if (const auto* problem = std::get_if<FeedProblem>(&result)) {
    require(problem->kind == FeedProblem::Kind::Malformed, "a feed our key signed passes the signature check");
    return;
  }
  const auto& release = std::get<updates::Release>(result);
  require(!release.version.isEmpty() && updates::compareVersions(release.version, release.version) == 0,
          "an announced release has a version");
  require(release.notes.scheme() == u"https" && release.download.scheme() == u"https", "an announced release links over https");
}

}  // namespace
}  // namespace nimbra::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  fuzz::refusedWithoutOurSignature(input);
  fuzz::readWhenSigned(input);
  const auto half = static_cast<qsizetype>(size / 2);
  const QString a = QString::fromUtf8(input.left(half)), b = QString::fromUtf8(input.mid(half));
  fuzz::require(updates::compareVersions(a, b) == -updates::compareVersions(b, a), "comparing versions is antisymmetric");
  return 0;
}
