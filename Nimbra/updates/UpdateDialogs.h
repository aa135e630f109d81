#pragma once
// The outcome of an update check in the app's own windows.

#include <QString>

class QMessageBox;

namespace nimbra::updates {

struct CheckResult;
struct FeedProblem;

// A new version with a button that opens its release notes, "You're up to date",
// or why the check failed. Shown in front at once; deleted when closed.
QMessageBox* showCheckResult(const CheckResult& result, const QString& runningVersion);

// One sentence for the user.
QString describeProblem(const FeedProblem& problem);

}  // namespace nimbra::updates
