#pragma once
// The signed release feed: one small JSON envelope carrying the release JSON in
// base64 and an Ed25519 signature over exactly those bytes. Nothing here touches
// the network, so every rule about what is trusted can be checked offline.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <variant>

namespace nimbra::updates {

struct Release {
  QString version;
  QUrl notes;
  QUrl download;
};

struct FeedProblem {
  enum class Kind { Unreachable, BadSignature, Malformed };
  Kind kind;
  QString detail;
};

// The release a feed announces, or why it was refused. `publicKey` holds the 32
// raw bytes of the Ed25519 key; the signature is checked before anything is parsed.
std::variant<Release, FeedProblem> readSignedFeed(const QByteArray& envelope, const QByteArray& publicKey);

// Dotted decimal numbers, part by part, numerically; a missing part counts as 0.
int compareVersions(QStringView a, QStringView b);

// https anywhere; plain http only to this machine, which a local test or staging
// server may use: the feed's signature, not the transport, is what is trusted.
bool isAcceptedFeedUrl(const QUrl& url);

}  // namespace nimbra::updates
