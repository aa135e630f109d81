// The release feed as the network may deliver it. The input is taken twice: as the
// whole envelope, checked against a key that signed nothing (always refused, as a bad
// signature or as no feed at all), and as the release inside an envelope our own key
// signs (the signature accepted; what is announced has a dotted version and https
// links, or is refused as malformed). Comparing versions is an order.

#include <openssl/evp.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

#include "FuzzSupport.h"
#include "ReleaseFeed.h"

namespace nimbra::fuzz {
namespace {

using updates::FeedProblem;

struct SigningKey {
  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free};

  QByteArray publicKey() const {
    QByteArray raw(32, 0);
    std::size_t size = raw.size();
    EVP_PKEY_get_raw_public_key(key.get(), reinterpret_cast<unsigned char*>(raw.data()), &size);
    return raw;
  }
  QByteArray envelope(const QByteArray& feed) const {
    QByteArray signature(64, 0);
    std::size_t size = signature.size();
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get());
    EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
                   reinterpret_cast<const unsigned char*>(feed.constData()), feed.size());
    return QJsonDocument(QJsonObject{{"feed", QString(feed.toBase64())}, {"signature", QString(signature.toBase64())}})
        .toJson();
  }
};

void refusedWithoutOurSignature(const QByteArray& envelope) {
  static const QByteArray stranger = SigningKey().publicKey();
  const auto result = updates::readSignedFeed(envelope, stranger);
  const auto* problem = std::get_if<FeedProblem>(&result);
  require(problem && problem->kind != FeedProblem::Kind::Unreachable, "a feed no key of ours signed is refused");
}

void readWhenSigned(const QByteArray& feed) {
  static const SigningKey ours;
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
