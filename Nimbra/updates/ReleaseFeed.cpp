#include "ReleaseFeed.h"

#include <openssl/err.h>
#include <openssl/evp.h>

#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>
#include <optional>

namespace nimbra::updates {
namespace {

std::optional<QByteArray> strictBase64(const QJsonValue& value) {
  if (!value.isString()) return std::nullopt;
  auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return std::nullopt;
  return *decoded;
}

bool isHttps(const QUrl& url) { return url.isValid() && url.scheme() == u"https" && !url.host().isEmpty(); }

QStringView withoutLeadingZeros(QStringView part) {
  while (part.startsWith(u'0')) part = part.mid(1);
  return part;
}

bool verifyEd25519(const QByteArray& message, const QByteArray& signature, const QByteArray& publicKey) {
  if (publicKey.size() != 32 || signature.size() != 64) return false;
  const auto bytes = [](const QByteArray& array) { return reinterpret_cast<const unsigned char*>(array.constData()); };
  std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
      EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, bytes(publicKey), publicKey.size()), &EVP_PKEY_free);
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
  const bool valid = key && context && EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
                     EVP_DigestVerify(context.get(), bytes(signature), signature.size(), bytes(message), message.size()) == 1;
  // Qt's TLS code shares this thread's OpenSSL error queue; leave nothing in it.
  ERR_clear_error();
  return valid;
}

// Dotted decimal numbers of any length, no sign, no suffix.
bool isVersion(QStringView version) {
  const auto parts = version.split(u'.');
  return std::all_of(parts.begin(), parts.end(), [](QStringView part) {
    return !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  });
}

}  // namespace

std::variant<Release, FeedProblem> readSignedFeed(const QByteArray& envelope, const QByteArray& publicKey) {
  const auto malformed = [](const char* detail) { return FeedProblem{FeedProblem::Kind::Malformed, QString::fromUtf8(detail)}; };
  const QJsonObject outer = QJsonDocument::fromJson(envelope).object();
  const auto feed = strictBase64(outer.value(u"feed"));
  const auto signature = strictBase64(outer.value(u"signature"));
  if (!feed || !signature) return malformed("it is not a signed release feed");
  if (!verifyEd25519(*feed, *signature, publicKey))
    return FeedProblem{FeedProblem::Kind::BadSignature, QStringLiteral("its signature does not match the release key")};

  const QJsonDocument inner = QJsonDocument::fromJson(*feed);
  if (!inner.isObject()) return malformed("the release is not a JSON object");
  const QJsonObject release = inner.object();
  const QString version = release.value(u"version").toString();
  if (!isVersion(version)) return malformed("the release has no valid version");
  const QUrl notes(release.value(u"notes").toString(), QUrl::StrictMode);
  const QUrl download(release.value(u"download").toString(), QUrl::StrictMode);
  if (!isHttps(notes) || !isHttps(download)) return malformed("the release's links are not https addresses");
  return Release{version, notes, download};
}

int compareVersions(QStringView a, QStringView b) {
  const auto as = a.split(u'.'), bs = b.split(u'.');
  for (qsizetype i = 0; i < std::max(as.size(), bs.size()); ++i) {
    // Compared as digit strings, so no number is too long to compare.
    const QStringView x = i < as.size() ? withoutLeadingZeros(as[i]) : QStringView();
    const QStringView y = i < bs.size() ? withoutLeadingZeros(bs[i]) : QStringView();
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    if (const int order = x.compare(y); order != 0) return order < 0 ? -1 : 1;
  }
  return 0;
}

bool isAcceptedFeedUrl(const QUrl& url) {
  if (!url.isValid() || url.host().isEmpty()) return false;
  if (url.scheme() == u"https") return true;
  return url.scheme() == u"http" && (url.host() == u"localhost" || QHostAddress(url.host()).isLoopback());
}

}  // namespace nimbra::updates
