#pragma once
// An Ed25519 key of the test's own, made fresh, to sign release feeds with: the raw
// public key the updater is given, and envelopes as the release server writes them.

#include <openssl/evp.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace nimbra::testing {

class FeedSigningKey {
 public:
  QByteArray publicKey() const {
    QByteArray raw(32, 0);
    std::size_t size = raw.size();
    EVP_PKEY_get_raw_public_key(key_.get(), bytes(raw), &size);
    return raw;
  }
  QByteArray sign(const QByteArray& message) const {
    QByteArray signature(64, 0);
    std::size_t size = signature.size();
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_.get());
    EVP_DigestSign(context.get(), bytes(signature), &size, bytes(message), message.size());
    return signature;
  }
  // The signed envelope of a feed: {"feed": base64, "signature": base64}.
  QByteArray envelope(const QByteArray& feed) const {
    return QJsonDocument(QJsonObject{{"feed", QString(feed.toBase64())}, {"signature", QString(sign(feed).toBase64())}})
        .toJson();
  }

 private:
  static unsigned char* bytes(const QByteArray& array) {
    return reinterpret_cast<unsigned char*>(const_cast<char*>(array.data()));
  }

  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key_{EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"), &EVP_PKEY_free};
};

}  // namespace nimbra::testing
