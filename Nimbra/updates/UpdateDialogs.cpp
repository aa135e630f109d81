#include "UpdateDialogs.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>

#include "Updater.h"
#include "app/Texts.h"

namespace nimbra::updates {

using app::Texts;

QString describeProblem(const FeedProblem& problem) {
  switch (problem.kind) {
    case FeedProblem::Kind::Unreachable:
      return Texts::tr("The update server could not be reached (%1).").arg(problem.detail);
    case FeedProblem::Kind::BadSignature:
      return Texts::tr("The update information is not signed with Nimbra's release key, so it was ignored.");
    case FeedProblem::Kind::Malformed:
      break;
  }
  return Texts::tr("The update information could not be read: %1.").arg(problem.detail);
}

QMessageBox* showCheckResult(const CheckResult& result, const QString& runningVersion) {
  auto* box = new QMessageBox;
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowTitle(QStringLiteral("Nimbra"));
  switch (result.kind) {
    case CheckResult::Kind::UpdateAvailable: {
      box->setIcon(QMessageBox::Information);
      box->setText(Texts::tr("Nimbra %1 is available").arg(result.release.version));
      box->setInformativeText(Texts::tr("You have version %1.").arg(runningVersion));
      QPushButton* notes = box->addButton(Texts::tr("View Release Notes"), QMessageBox::AcceptRole);
      box->addButton(Texts::tr("Later"), QMessageBox::RejectRole);
      box->setDefaultButton(notes);
      QObject::connect(notes, &QPushButton::clicked, box, [url = result.release.notes] { QDesktopServices::openUrl(url); });
      break;
    }
    case CheckResult::Kind::UpToDate:
      box->setIcon(QMessageBox::Information);
      box->setText(Texts::tr("You're up to date"));
      box->setInformativeText(Texts::tr("Nimbra %1 is the newest version.").arg(runningVersion));
      break;
    case CheckResult::Kind::Failed:
      box->setIcon(QMessageBox::Warning);
      box->setText(Texts::tr("Nimbra couldn't check for updates"));
      box->setInformativeText(describeProblem(result.problem));
      break;
  }
  box->show();
  box->raise();
  box->activateWindow();
  return box;
}

}  // namespace nimbra::updates
